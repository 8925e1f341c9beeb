#include "artdraw_p.h"

#include <QRadialGradient>

#include <cmath>
#include <numbers>

// A friendly alarm clock with a face and タモ's sprout. data/tamotime.svg draws the same design
// for the desktop; keep the two in step.

namespace {

const QColor ink(artink::ink);

QPointF onFace(qreal hours, qreal radius)
{
    const qreal a = hours * std::numbers::pi / 6.0;
    return QPointF(50 + radius * std::sin(a), 57 - radius * std::cos(a));
}

} // namespace

void drawProgramIcon(ArtCanvas &c)
{
    // Legs and bells sit behind the case.
    QPainterPath legs;
    legs.moveTo(30, 88);
    legs.lineTo(22, 97);
    legs.moveTo(70, 88);
    legs.lineTo(78, 97);
    c.stroke(legs, ink, 7, 1.2);

    const QColor bell(0xfff6b93b);
    for (qreal side : {-1.0, 1.0}) {
        c.p.save();
        c.p.translate(50 + side * 27, 25);
        c.p.rotate(side * 40);
        QPainterPath dome;
        dome.moveTo(-15, 6);
        dome.cubicTo(-15, -16, 15, -16, 15, 6);
        dome.closeSubpath();
        c.shape(dome, bell, ink, 4);
        c.p.restore();
    }

    drawSprout(c, QPointF(50, 18), 11, 0.0);

    QPainterPath rim;
    rim.addEllipse(QPointF(50, 57), 39, 39);
    QRadialGradient red(QPointF(38, 42), 60);
    red.setColorAt(0.0, QColor(0xffff8a70));
    red.setColorAt(1.0, QColor(0xffe0483a));
    c.p.setPen(c.pen(ink, 4.5));
    c.p.setBrush(red);
    c.p.drawPath(rim);

    QPainterPath face;
    face.addEllipse(QPointF(50, 57), 30, 30);
    c.shape(face, QColor(0xfffff8ec), QColor(0xffb8322a), 2.5);

    if (c.roomy()) {
        for (qreal h : {0.0, 3.0, 9.0})
            c.dot(onFace(h, 24), 2.6, QColor(0xffc9a88a), 0.6);
    }

    // Two o'clock: hands in a V would read as frowning brows over the eyes.
    QPainterPath hands;
    hands.moveTo(onFace(0.0, 22));
    hands.lineTo(50, 57);
    hands.lineTo(onFace(2.0, 15));
    c.stroke(hands, ink, 5, 1.0);
    c.dot(QPointF(50, 57), 4, QColor(0xffe0483a), 0.8);

    QColor pink(artink::cheek);
    pink.setAlpha(210);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(pink);
    c.p.drawEllipse(QPointF(31, 72), 6, 4);
    c.p.drawEllipse(QPointF(69, 72), 6, 4);

    c.dot(QPointF(40, 66), 3.8, ink, 0.9);
    c.dot(QPointF(60, 66), 3.8, ink, 0.9);
    QPainterPath smile;
    smile.moveTo(44, 75);
    smile.quadTo(50, 81, 56, 75);
    c.stroke(smile, ink, 3.5, 0.9);
}
