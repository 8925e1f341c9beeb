#include "biochart.h"

#include "biocalc.h"
#include "formatdatetime.h"
#include "twips.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

void addLine(BioDrawing &d, double x1, double y1, double x2, double y2, int width,
             std::optional<quint32> colour = std::nullopt)
{
    d.segments.append(BioSegment{QPointF(x1, y1), QPointF(x2, y2), width, colour});
}

} // namespace

BioDrawing bioDrawing(const BioChartInput &in)
{
    BioDrawing d;
    const int weeks = std::clamp(in.weeks, 1, Bio::maxWeeks);
    d.span = weeks * 7;

    const double c = in.c;
    const double r = in.r;
    d.chart = QRectF(7 * c, 1.5 * in.legendHeight, in.windowWidth - 11 * c,
                     in.windowHeight - 4.5 * in.legendHeight);
    // Below a pixel either way there is no chart to draw, and Qt must not get such sizes.
    if (!(d.chart.width() >= Twips::perPixel && d.chart.height() >= Twips::perPixel))
        return d;
    d.chartShown = true;
    const double span = d.span;

    addLine(d, -span, 0, span, 0, 1);
    addLine(d, 0, -100, 0, 100, 1);

    if (in.daysAlive) {
        for (int x = -d.span; x < d.span; ++x) {
            for (int cycle = 0; cycle < Bio::cycleCount; ++cycle)
                addLine(d, x, cycleValue(cycle, *in.daysAlive, x), x + 1,
                        cycleValue(cycle, *in.daysAlive, x + 1), 2, bioCycle(cycle).curveColour);
        }
    }

    for (int x = -d.span; x <= d.span; ++x) {
        const double h = x % 7 == 0 ? 10 : 3;
        addLine(d, x, -h, x, h, 1);
    }
    for (int x = -d.span; x <= d.span; x += 7) {
        addLine(d, x, -100, x, -90, 1);
        addLine(d, x, 100, x, 90, 1);
    }

    const QRectF &ch = d.chart;
    const double below = ch.top() + ch.height() + 0.5 * r;
    d.texts.append(BioText{formatDateTime(Value(in.targetDate), u"yy/m/d"),
                           QPointF(ch.left() + ch.width() / 2 - 4 * c, below)});
    const double w = ch.width() / (weeks * 2);
    for (int k = -weeks; k <= weeks; ++k) {
        if (k == 0)
            continue; // the target date stands there
        const QString label = formatDateTime(double(k), k > 0 ? u"+#週" : u"#週");
        d.texts.append(BioText{label, QPointF(ch.left() + ch.width() / 2 + w * k - 2 * c, below)});
    }

    struct Scale
    {
        QString text;
        double n;
        double f;
    };
    const std::array<Scale, 5> scales{{{u"+100"_s, 6, 0},
                                       {u"0"_s, 4, 0.5},
                                       {u"-100"_s, 6, 1},
                                       {u"高調期"_s, 7, 0.25},
                                       {u"低調期"_s, 7, 0.75}}};
    for (const Scale &s : scales)
        d.texts.append(
            BioText{s.text, QPointF(ch.left() - s.n * c, ch.top() + s.f * ch.height() - 0.5 * r)});

    for (int i = 0; i < 3; ++i)
        d.legend[size_t(i)] = QPointF(ch.left() + ch.width() * (i + 1) / 4 - in.legendWidth / 2,
                                      0.25 * in.legendHeight);
    return d;
}
