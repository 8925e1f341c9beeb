#include "picturebutton.h"

#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOptionFocusRect>

PictureButton::PictureButton(QWidget *parent) : QAbstractButton(parent)
{
    // Reachable with Tab for keyboard and screen-reader users, but a click leaves the focus alone.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPicture(Art kind, int index)
{
    if (kind == m_kind && index == m_index)
        return;
    m_kind = kind;
    m_index = index;
    update();
}

QSize PictureButton::sizeHint() const
{
    return {20, 20};
}

void PictureButton::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    const qreal dpr = devicePixelRatioF();
    const int side = std::max(width(), height());
    // The animation cycles through ten frames: draw each size once and keep it.
    const QString key = QStringLiteral("tamo-art/%1/%2/%3/%4")
                            .arg(int(m_kind))
                            .arg(m_index)
                            .arg(side)
                            .arg(qRound(dpr * 100));
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = artPixmap(m_kind, m_index, side, dpr);
        QPixmapCache::insert(key, pixmap);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), pixmap);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
