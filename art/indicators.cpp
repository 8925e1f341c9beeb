#include "artdraw_p.h"

#include <QRadialGradient>

#include <cmath>
#include <numbers>

// The two daylight-saving indicators must never be mistaken for each other, also by users who
// cannot tell blue from orange: standard time is a smooth round clock, summer time a spiky sun,
// and the sun is much lighter than the clock.

void drawNormalTime(ArtCanvas &c)
{
    QRadialGradient face(QPointF(38, 34), 62);
    face.setColorAt(0.0, QColor(0xff4f8ae0));
    face.setColorAt(1.0, QColor(0xff173e94));
    QPainterPath disc;
    disc.addEllipse(QPointF(50, 50), 44, 44);
    c.p.setPen(c.pen(QColor(0xff0e2a62), 5));
    c.p.setBrush(face);
    c.p.drawPath(disc);

    if (c.roomy()) {
        for (int hour = 0; hour < 12; hour += 3) {
            const qreal a = hour * std::numbers::pi / 6.0;
            c.dot(QPointF(50 + 33 * std::sin(a), 50 - 33 * std::cos(a)), 3.2,
                  QColor(0xffd4e4fb));
        }
    }

    // Ten o'clock: the hands make a clear "clock" shape even at 20 pixels.
    const QColor hand(0xffffffff);
    QPainterPath hour;
    hour.moveTo(50, 50);
    hour.lineTo(50 - 18 * std::sin(std::numbers::pi / 3.0), 50 - 18 * std::cos(std::numbers::pi / 3.0));
    c.stroke(hour, hand, 9, 1.6);
    QPainterPath minute;
    minute.moveTo(50, 50);
    minute.lineTo(50, 20);
    c.stroke(minute, hand, 7, 1.3);
    c.dot(QPointF(50, 50), 5.5, hand, 1.0);
}

void drawSummerTime(ArtCanvas &c)
{
    // Rays and disc as one star silhouette, so the spikes survive the smallest size.
    constexpr int rays = 8;
    QPainterPath star;
    for (int i = 0; i < 2 * rays; ++i) {
        const qreal a = i * std::numbers::pi / rays - std::numbers::pi / 2.0;
        const qreal r = (i % 2 == 0) ? 48.0 : 29.0;
        const QPointF pt(50 + r * std::cos(a), 50 + r * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    c.shape(star, QColor(0xffff8a1c), QColor(0xffc45200), 3.5);

    QRadialGradient glow(QPointF(43, 42), 36);
    glow.setColorAt(0.0, QColor(0xfffff3a0));
    glow.setColorAt(1.0, QColor(0xffffc21f));
    QPainterPath disc;
    disc.addEllipse(QPointF(50, 50), 27, 27);
    c.p.setPen(c.pen(QColor(0xffe06a00), 3.5));
    c.p.setBrush(glow);
    c.p.drawPath(disc);
}
