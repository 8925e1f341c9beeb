#include "pictures.h"

#include <QPainter>

// TODO(art): the real artwork.
QPixmap artPixmap(Art kind, int index, int sidePx, qreal devicePixelRatio)
{
    const int side = std::max(1, int(sidePx * devicePixelRatio));
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(QColor::fromHsv((int(kind) * 40 + index * 17) % 360, 160, 220));
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64})
        icon.addPixmap(artPixmap(Art::ProgramIcon, 0, side));
    return icon;
}
