#include "artdraw_p.h"

#include <array>
#include <cmath>
#include <numbers>

// The animated picture opens the calendar, so it is a little wall calendar whose window shows one
// day passing in 20 seconds: six frames of sun from dawn to dusk, four of moon.

namespace {

constexpr int sunFrames = 6;
constexpr int moonFrames = 4;

struct Sky
{
    QRgb top;
    QRgb bottom;
};

constexpr std::array<Sky, sunFrames + moonFrames> skies{{
    {0xffffb48c, 0xffffe2b8}, // dawn
    {0xff8fcaff, 0xffd8efff},
    {0xff62b4ff, 0xffc4e6ff},
    {0xff58aef8, 0xffbfe2ff},
    {0xff8cc4f2, 0xffffe0b0},
    {0xffff8a57, 0xffffc98a}, // dusk
    {0xff2c3878, 0xff4b5a9a},
    {0xff1c2660, 0xff34437e},
    {0xff1a235a, 0xff313f7a},
    {0xff3a3f82, 0xff8a78a8}, // before dawn
}};

const QColor ink(0xff3e3a3a);

QPointF onArc(qreal t)
{
    // t runs 0..1 from the left horizon over the top to the right horizon.
    const qreal a = std::numbers::pi * (1.0 - t);
    return QPointF(50 + 27 * std::cos(a), 80 - 30 * std::sin(a));
}

void drawSun(ArtCanvas &c, QPointF at, bool low)
{
    const QColor fill = low ? QColor(0xffff7a1a) : QColor(0xffffc928);
    const QColor edge = low ? QColor(0xffd04a00) : QColor(0xffe08a00);
    QPainterPath disc;
    disc.addEllipse(at, 10.5, 10.5);
    c.shape(disc, fill, edge, 2.5);
}

void drawMoon(ArtCanvas &c, QPointF at)
{
    QPainterPath full;
    full.addEllipse(at, 10.5, 10.5);
    QPainterPath bite;
    bite.addEllipse(at + QPointF(6, -4), 9, 9);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(0xfffff2b0));
    c.p.drawPath(full.subtracted(bite));
}

void drawStars(ArtCanvas &c, int frame)
{
    static constexpr std::array<QPointF, 5> stars{
        {{30, 48}, {68, 47}, {56, 60}, {24, 64}, {78, 62}}};
    for (std::size_t i = 0; i < stars.size(); ++i) {
        // Stars twinkle in turn so the night frames differ beyond the moon.
        if ((i + std::size_t(frame)) % 3 == 0)
            continue;
        c.dot(stars[i], 1.6, QColor(0xffffffe0), 0.5);
    }
}

} // namespace

void drawFrame(ArtCanvas &c, int frame)
{
    // The page.
    QPainterPath page;
    page.addRoundedRect(QRectF(8, 12, 84, 82), 9, 9);
    c.shape(page, QColor(0xffffffff), ink, 4);

    // Red header band, clipped to the page's rounded top.
    c.p.save();
    c.p.setClipPath(page);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(0xffe2463a));
    c.p.drawRect(QRectF(8, 12, 84, 22));
    c.p.restore();
    c.p.setPen(c.pen(ink, 4));
    c.p.setBrush(Qt::NoBrush);
    c.p.drawPath(page);

    // Binder rings.
    for (qreal x : {30.0, 70.0}) {
        QPainterPath ring;
        ring.addRoundedRect(QRectF(x - 4.5, 4, 9, 17), 4.5, 4.5);
        c.shape(ring, QColor(0xff8a8f98), ink, 3);
    }

    // The window onto the sky.
    const QRectF window(17, 40, 66, 46);
    QPainterPath pane;
    pane.addRoundedRect(window, 5, 5);
    const Sky sky = skies[std::size_t(frame)];
    QLinearGradient gradient(window.topLeft(), window.bottomLeft());
    gradient.setColorAt(0.0, QColor(sky.top));
    gradient.setColorAt(1.0, QColor(sky.bottom));

    c.p.save();
    c.p.setClipPath(pane);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(gradient);
    c.p.drawRect(window);
    if (frame < sunFrames) {
        const qreal t = (frame + 0.5) / sunFrames;
        drawSun(c, onArc(t), frame == 0 || frame == sunFrames - 1);
    } else {
        drawStars(c, frame);
        drawMoon(c, onArc((frame - sunFrames + 0.5) / moonFrames));
    }
    // A hill in front, darker at night.
    const bool night = frame >= sunFrames;
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(night ? QColor(0xff2f5a3a) : QColor(0xff6cc06a));
    c.p.drawEllipse(QPointF(36, 90), 40, 13);
    c.p.setBrush(night ? QColor(0xff24482e) : QColor(0xff4fa653));
    c.p.drawEllipse(QPointF(78, 92), 30, 12);
    c.p.restore();

    c.p.setPen(c.pen(ink, 3));
    c.p.setBrush(Qt::NoBrush);
    c.p.drawPath(pane);
}
