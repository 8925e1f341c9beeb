#include "pictures.h"

#include "artdraw_p.h"

#include <QPixmapCache>

#include <cmath>

namespace {

// Sizes beyond these are hand-edited nonsense (an icon scale of 1e9); they are clamped, not drawn.
constexpr int maxLogicalSide = 2048;
constexpr qreal maxDevicePixelRatio = 8.0;
constexpr qreal maxDeviceSide = 4096.0;

void draw(ArtCanvas &c, Art kind, int index)
{
    switch (kind) {
    case Art::ProgramIcon: drawProgramIcon(c); return;
    case Art::NormalTime: drawNormalTime(c); return;
    case Art::SummerTime: drawSummerTime(c); return;
    case Art::Mascot: drawMascot(c, index); return;
    case Art::Frame: drawFrame(c, index); return;
    case Art::OpenFile: drawOpenFile(c); return;
    case Art::SaveFile: drawSaveFile(c); return;
    }
}

} // namespace

int artCount(Art kind)
{
    switch (kind) {
    case Art::Mascot: return 5;
    case Art::Frame: return 10;
    default: return 1;
    }
}

QPixmap artPixmap(Art kind, int index, int sidePx, qreal devicePixelRatio)
{
    const qreal dpr = (devicePixelRatio > 0.0 && std::isfinite(devicePixelRatio))
                          ? std::min(devicePixelRatio, maxDevicePixelRatio)
                          : 1.0;
    const int logical = std::clamp(sidePx, 1, maxLogicalSide);
    const int side = std::max(1, int(std::lround(std::min(logical * dpr, maxDeviceSide))));
    const int count = artCount(kind);
    const int which = ((index % count) + count) % count;

    // The clock asks for the same pictures every few seconds; draw each size once.
    const QString key = QStringLiteral("tamo-art/%1/%2/%3/%4")
                            .arg(int(kind))
                            .arg(which)
                            .arg(side)
                            .arg(dpr, 0, 'g', 6);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;

    pixmap = QPixmap(side, side);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(side / 100.0, side / 100.0);
        ArtCanvas canvas{painter, qreal(side)};
        draw(canvas, kind, which);
    }
    // Drawn in device pixels, then marked so it shows at sidePx logical pixels.
    pixmap.setDevicePixelRatio(dpr);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(artPixmap(Art::ProgramIcon, 0, side));
    return icon;
}
