#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>

/** What the chart is drawn from; all lengths in twips. */
struct BioChartInput
{
    /** Outer size of the window, as stored. */
    double windowWidth = 0;
    double windowHeight = 0;
    /** Width and height of the text "1" in the window's font. */
    double c = 0;
    double r = 0;
    /** Size of one legend entry. */
    double legendWidth = 900;
    double legendHeight = 240;
    /** Whole weeks on each side of the target day (see chartWeeks). */
    int weeks = 3;
    /** nullopt when a date is no real date: the chart then carries no curves. */
    std::optional<int> daysAlive;
    QString targetDate;
};

/** A straight line in chart units (x days from the target day, y -100..100). */
struct BioSegment
{
    QPointF from;
    QPointF to;
    int width = 1;
    /** 0x00BBGGRR; nullopt draws in the chart's text colour. */
    std::optional<quint32> colour;
};

/** A text printed on the window surface; the point is its top-left corner in window twips. */
struct BioText
{
    QString text;
    QPointF topLeft;
};

/** The whole chart, in drawing order. */
struct BioDrawing
{
    /** False when the window is too small for a chart: nothing but the birth text is shown. */
    bool chartShown = false;
    /** Place of the chart area in window twips. */
    QRectF chart;
    /** Days on each side of the target day; x runs from -span to span. */
    int span = 0;
    /** Axes, curves, day ticks and week marks. */
    QList<BioSegment> segments;
    /** Target date, week labels and scale texts. */
    QList<BioText> texts;
    /** Top-left corners of the legend entries 0..2 in window twips. */
    std::array<QPointF, 3> legend{};
};

/** Lays out and draws the chart for a window of the given size. */
BioDrawing bioDrawing(const BioChartInput &input);
