#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <algorithm>

// Every picture is drawn on a 100 × 100 grid scaled to the pixmap; line widths and dots have a
// floor in device pixels so the 20-pixel pictures stay legible.
struct ArtCanvas final
{
    QPainter &p;
    qreal devicePx; // side of the pixmap in device pixels

    /** Grid units, but never less than minDevicePx device pixels. */
    qreal atLeast(qreal units, qreal minDevicePx) const
    {
        return std::max(units, minDevicePx * 100.0 / devicePx);
    }
    /** A round-capped pen whose width never drops below minDevicePx device pixels. */
    QPen pen(const QColor &colour, qreal units, qreal minDevicePx = 1.0) const
    {
        QPen pen(colour, atLeast(units, minDevicePx));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        return pen;
    }
    /** True when the picture is big enough for small details (highlights, tick marks). */
    bool roomy() const { return devicePx >= 40.0; }
    /** Fills and outlines a path. */
    void shape(const QPainterPath &path, const QColor &fill, const QColor &outline, qreal units)
    {
        p.setPen(pen(outline, units));
        p.setBrush(fill);
        p.drawPath(path);
    }
    /** A filled disc whose radius never drops below minDevicePx device pixels. */
    void dot(QPointF centre, qreal radius, const QColor &colour, qreal minDevicePx = 1.0)
    {
        const qreal r = atLeast(radius, minDevicePx);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(centre, r, r);
    }
    /** An open stroke. */
    void stroke(const QPainterPath &path, const QColor &colour, qreal units, qreal minDevicePx = 1.0)
    {
        p.setPen(pen(colour, units, minDevicePx));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
};

namespace artink {
// The outline colour shared by the character pictures.
inline constexpr QRgb ink = 0xff4a3530;
inline constexpr QRgb leaf = 0xff5cb85c;
inline constexpr QRgb leafDark = 0xff2f7d32;
inline constexpr QRgb cheek = 0xffff9c9c;
} // namespace artink

/** The little sprout タモ wears; droop > 0 lets the leaves hang, < 0 perks them up. */
void drawSprout(ArtCanvas &c, QPointF base, qreal height, qreal droop);
/** A lens-shaped leaf from base to tip, width across its middle. */
QPainterPath leafPath(QPointF base, QPointF tip, qreal width);

void drawProgramIcon(ArtCanvas &c);
void drawNormalTime(ArtCanvas &c);
void drawSummerTime(ArtCanvas &c);
void drawMascot(ArtCanvas &c, int pose);
void drawFrame(ArtCanvas &c, int frame);
void drawOpenFile(ArtCanvas &c);
void drawSaveFile(ArtCanvas &c);
