#include "artdraw_p.h"

#include <cmath>

// タモ: a round rice-cake of a character with a sprout on its head. Five moods, so the picture
// that changes every minute visibly changes.

namespace {

const QColor body(0xfffff3d6);
const QColor ink(artink::ink);
const QColor mouthRed(0xffc8402f);
const QColor tongue(0xffff8f8f);

enum Pose { Smile, Wave, Surprised, Sleepy, Cheer };

void limb(ArtCanvas &c, QPointF at, qreal angleDeg, qreal rx, qreal ry)
{
    c.p.save();
    c.p.translate(at);
    c.p.rotate(angleDeg);
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    c.shape(path, body, ink, 4);
    c.p.restore();
}

void dotEyes(ArtCanvas &c, qreal radius)
{
    for (qreal x : {37.0, 63.0}) {
        c.dot(QPointF(x, 58), radius, ink, 1.1);
        if (c.roomy())
            c.dot(QPointF(x - radius * 0.35, 58 - radius * 0.4), radius * 0.35, Qt::white, 0.5);
    }
}

// An arc eye: up = true gives a happy "^", false a closed, sleeping "‿".
QPainterPath arcEye(qreal x, bool up)
{
    QPainterPath path;
    path.moveTo(x - 7, 59);
    path.quadTo(x, up ? 49 : 66, x + 7, 59);
    return path;
}

void cheeks(ArtCanvas &c)
{
    QColor pink(artink::cheek);
    pink.setAlpha(210);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(pink);
    c.p.drawEllipse(QPointF(24, 68), 7.5, 4.8);
    c.p.drawEllipse(QPointF(76, 68), 7.5, 4.8);
}

void smile(ArtCanvas &c)
{
    QPainterPath path;
    path.moveTo(43, 68);
    path.quadTo(50, 76, 57, 68);
    c.stroke(path, ink, 4, 1.0);
}

void openMouth(ArtCanvas &c, qreal depth)
{
    QPainterPath path;
    path.moveTo(40, 66);
    path.lineTo(60, 66);
    path.cubicTo(60, 66 + depth, 40, 66 + depth, 40, 66);
    path.closeSubpath();
    c.shape(path, mouthRed, ink, 3.5);
    if (c.roomy()) {
        c.p.setPen(Qt::NoPen);
        c.p.setBrush(tongue);
        c.p.drawEllipse(QPointF(50, 66 + depth * 0.62), 5.5, depth * 0.16);
    }
}

void sparkle(ArtCanvas &c, QPointF at, qreal r)
{
    QPainterPath path;
    path.moveTo(at.x(), at.y() - r);
    path.quadTo(at, QPointF(at.x() + r, at.y()));
    path.quadTo(at, QPointF(at.x(), at.y() + r));
    path.quadTo(at, QPointF(at.x() - r, at.y()));
    path.quadTo(at, QPointF(at.x(), at.y() - r));
    c.shape(path, QColor(0xffffc83a), QColor(0xffd08a00), 2);
}

} // namespace

QPainterPath leafPath(QPointF base, QPointF tip, qreal width)
{
    const QPointF mid = (base + tip) / 2.0;
    const QPointF along = tip - base;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF normal = length > 0 ? QPointF(-along.y(), along.x()) / length : QPointF();
    QPainterPath path;
    path.moveTo(base);
    path.quadTo(mid + normal * width, tip);
    path.quadTo(mid - normal * width, base);
    path.closeSubpath();
    return path;
}

void drawSprout(ArtCanvas &c, QPointF base, qreal height, qreal droop)
{
    const QPointF top(base.x(), base.y() - height);
    QPainterPath stem;
    stem.moveTo(base);
    stem.quadTo(QPointF(base.x() + height * 0.15, base.y() - height * 0.5), top);
    c.stroke(stem, QColor(artink::leafDark), 4, 1.0);
    const qreal span = height * 1.15;
    const qreal lift = height * (0.55 - droop);
    const QColor leaf(artink::leaf);
    const QColor edge(artink::leafDark);
    c.shape(leafPath(top, QPointF(top.x() - span, top.y() - lift), height * 0.42), leaf, edge, 3);
    c.shape(leafPath(top, QPointF(top.x() + span, top.y() - lift * 0.8), height * 0.42), leaf,
            edge, 3);
}

void drawMascot(ArtCanvas &c, int pose)
{
    // Limbs first, so the body overlaps their inner ends.
    limb(c, QPointF(37, 91), 0, 9, 6);
    limb(c, QPointF(63, 91), 0, 9, 6);
    switch (pose) {
    case Wave:
        limb(c, QPointF(13, 70), -20, 10, 6.5);
        limb(c, QPointF(89, 45), -42, 11, 7);
        break;
    case Surprised:
        limb(c, QPointF(12, 62), -40, 10, 6.5);
        limb(c, QPointF(88, 62), 40, 10, 6.5);
        break;
    case Cheer:
        limb(c, QPointF(11, 45), 42, 11, 7);
        limb(c, QPointF(89, 45), -42, 11, 7);
        break;
    default:
        limb(c, QPointF(13, 70), -20, 10, 6.5);
        limb(c, QPointF(87, 70), 20, 10, 6.5);
        break;
    }

    QPainterPath shape;
    shape.addEllipse(QPointF(50, 61), 39, 32);
    c.shape(shape, body, ink, 4.5);
    if (c.roomy()) {
        QColor shine(Qt::white);
        shine.setAlpha(190);
        c.p.setPen(Qt::NoPen);
        c.p.setBrush(shine);
        c.p.drawEllipse(QPointF(34, 41), 9, 4.5);
    }

    const qreal droop = pose == Sleepy ? 0.75 : pose == Surprised ? -0.35 : 0.0;
    drawSprout(c, QPointF(50, 30), 15, droop);
    cheeks(c);

    switch (pose) {
    case Smile:
        dotEyes(c, 5);
        smile(c);
        break;
    case Wave: {
        c.dot(QPointF(37, 58), 5, ink, 1.1);
        c.stroke(arcEye(63, true), ink, 4, 1.0);
        openMouth(c, 14);
        if (c.roomy()) {
            QPainterPath swish;
            swish.moveTo(84, 26);
            swish.quadTo(89, 21, 94, 23);
            swish.moveTo(86, 17);
            swish.quadTo(93, 11, 98, 16);
            c.stroke(swish, ink, 2.5, 0.6);
        }
        break;
    }
    case Surprised: {
        dotEyes(c, 6.5);
        QPainterPath o;
        o.addEllipse(QPointF(50, 72), 4.5, 5.5);
        c.shape(o, mouthRed, ink, 3);
        QPainterPath bar;
        bar.moveTo(88, 4);
        bar.lineTo(86, 17);
        c.stroke(bar, QColor(0xffe53935), 6, 1.2);
        c.dot(QPointF(85.5, 25), 3.5, QColor(0xffe53935), 0.7);
        break;
    }
    case Sleepy: {
        c.stroke(arcEye(37, false), ink, 4, 1.0);
        c.stroke(arcEye(63, false), ink, 4, 1.0);
        QPainterPath mouth;
        mouth.addEllipse(QPointF(50, 71), 3, 2.5);
        c.shape(mouth, mouthRed, ink, 2.5);
        QPainterPath zz;
        zz.moveTo(74, 8);
        zz.lineTo(86, 8);
        zz.lineTo(74, 20);
        zz.lineTo(86, 20);
        c.stroke(zz, QColor(0xff4f74d0), 3.5, 0.9);
        break;
    }
    default:
        c.stroke(arcEye(37, true), ink, 4, 1.0);
        c.stroke(arcEye(63, true), ink, 4, 1.0);
        openMouth(c, 17);
        sparkle(c, QPointF(30, 10), 8);
        sparkle(c, QPointF(72, 8), 6);
        break;
    }
}
