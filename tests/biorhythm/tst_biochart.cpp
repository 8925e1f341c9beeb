#include "biocalc.h"
#include "biochart.h"

#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr double c = 105;
constexpr double r = 180;
constexpr double lh = 240;

BioChartInput threeWeeks(int daysAlive = 0)
{
    BioChartInput in;
    in.windowWidth = 10000;
    in.windowHeight = 5000;
    in.c = c;
    in.r = r;
    in.legendWidth = 900;
    in.legendHeight = lh;
    in.weeks = 3;
    in.daysAlive = daysAlive;
    in.targetDate = u"2001/2/5"_s;
    return in;
}

QList<BioSegment> withWidth(const QList<BioSegment> &segments, int width)
{
    QList<BioSegment> out;
    std::copy_if(segments.begin(), segments.end(), std::back_inserter(out),
                 [width](const BioSegment &s) { return s.width == width; });
    return out;
}

const BioText *findText(const BioDrawing &d, const QString &text)
{
    for (const BioText &t : d.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

} // namespace

class TstBioChart final : public QObject
{
    Q_OBJECT
private slots:
    void chartPlacement();
    void axesComeFirst();
    void curvesAreDailyPolylines();
    void dayTicksAndWeekMarks();
    void targetDateAndWeekLabels();
    void scaleTexts_data();
    void scaleTexts();
    void legendAtTheQuarters();
    void weeksSetTheSpan_data();
    void weeksSetTheSpan();
    void noCurvesForAnInvalidDate();
    void tooSmallWindow_data();
    void tooSmallWindow();
};

void TstBioChart::chartPlacement()
{
    const BioDrawing d = bioDrawing(threeWeeks());
    QVERIFY(d.chartShown);
    QCOMPARE(d.chart, QRectF(7 * c, 1.5 * lh, 10000 - 11 * c, 5000 - 4.5 * lh));
    QCOMPARE(d.span, 21);
}

void TstBioChart::axesComeFirst()
{
    const BioDrawing d = bioDrawing(threeWeeks());
    QVERIFY(d.segments.size() >= 2);
    QCOMPARE(d.segments[0].from, QPointF(-21, 0));
    QCOMPARE(d.segments[0].to, QPointF(21, 0));
    QCOMPARE(d.segments[1].from, QPointF(0, -100));
    QCOMPARE(d.segments[1].to, QPointF(0, 100));
    QCOMPARE(d.segments[0].width, 1);
    QCOMPARE(d.segments[0].colour, std::nullopt);
}

void TstBioChart::curvesAreDailyPolylines()
{
    const BioDrawing d = bioDrawing(threeWeeks(6));
    const QList<BioSegment> curves = withWidth(d.segments, 2);
    QCOMPARE(curves.size(), 126); // three cycles, 42 days
    // The curves follow the axes in the list, x outer, cycles inner in table order.
    QCOMPARE(d.segments[2].width, 2);
    const std::array<quint32, 3> colours{255, 65280, 16711680};
    for (qsizetype i = 0; i < curves.size(); ++i) {
        const BioSegment &s = curves[i];
        const int cycle = int(i % 3);
        const int x = -21 + int(i / 3);
        QCOMPARE(s.colour, std::optional<quint32>(colours[size_t(cycle)]));
        QCOMPARE(s.from.x(), double(x));
        QCOMPARE(s.to.x(), double(x + 1));
        QCOMPARE(s.from.y(), cycleValue(cycle, 6, x));
        QCOMPARE(s.to.y(), cycleValue(cycle, 6, x + 1));
    }
    // Day 6: the physical curve peaks at the target day.
    const BioSegment &physicalAtTarget = curves[21 * 3];
    QCOMPARE(physicalAtTarget.from.x(), 0.0);
    QVERIFY(physicalAtTarget.from.y() > 99.7);
}

void TstBioChart::dayTicksAndWeekMarks()
{
    const BioDrawing d = bioDrawing(threeWeeks());
    const QList<BioSegment> thin = withWidth(d.segments, 1);
    // two axes, 43 day ticks, 7 week marks top and bottom
    QCOMPARE(thin.size(), 2 + 43 + 14);
    for (int i = 0; i < 43; ++i) {
        const BioSegment &tick = thin[2 + i];
        const int x = -21 + i;
        const double h = x % 7 == 0 ? 10 : 3;
        QCOMPARE(tick.from, QPointF(x, -h));
        QCOMPARE(tick.to, QPointF(x, h));
    }
    QList<double> marks;
    for (int i = 0; i < 7; ++i) {
        const BioSegment &bottom = thin[45 + 2 * i];
        const BioSegment &top = thin[45 + 2 * i + 1];
        QCOMPARE(bottom.from.y(), -100.0);
        QCOMPARE(bottom.to.y(), -90.0);
        QCOMPARE(top.from.y(), 100.0);
        QCOMPARE(top.to.y(), 90.0);
        QCOMPARE(top.from.x(), bottom.from.x());
        marks.append(bottom.from.x());
    }
    QCOMPARE(marks, (QList<double>{-21, -14, -7, 0, 7, 14, 21}));
    // The ticks and marks come after the curves.
    QCOMPARE(d.segments.last().from, QPointF(21, 100));
}

void TstBioChart::targetDateAndWeekLabels()
{
    const BioDrawing d = bioDrawing(threeWeeks());
    const QRectF ch = d.chart;
    const double below = ch.bottom() + 0.5 * r;
    QVERIFY(d.texts.size() >= 7);
    QCOMPARE(d.texts[0].text, u"01/2/5"_s);
    QCOMPARE(d.texts[0].topLeft, QPointF(ch.left() + ch.width() / 2 - 4 * c, below));
    const QStringList labels{u"-3週"_s, u"-2週"_s, u"-1週"_s, u"+1週"_s, u"+2週"_s, u"+3週"_s};
    const QList<int> ks{-3, -2, -1, 1, 2, 3};
    const double w = ch.width() / 6;
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(d.texts[1 + i].text, labels[i]);
        QCOMPARE(d.texts[1 + i].topLeft, QPointF(ch.left() + ch.width() / 2 + w * ks[i] - 2 * c, below));
    }
    QVERIFY2(!findText(d, u"0週"_s) && !findText(d, u"+0週"_s), "no week label at the target day");
}

void TstBioChart::scaleTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("f");
    QTest::newRow("+100 at the top") << u"+100"_s << 6.0 << 0.0;
    QTest::newRow("0 at half height, 4 widths left") << u"0"_s << 4.0 << 0.5;
    QTest::newRow("-100 at the bottom") << u"-100"_s << 6.0 << 1.0;
    QTest::newRow("high period at a quarter") << u"高調期"_s << 7.0 << 0.25;
    QTest::newRow("low period at three quarters") << u"低調期"_s << 7.0 << 0.75;
}

void TstBioChart::scaleTexts()
{
    QFETCH(QString, text);
    QFETCH(double, n);
    QFETCH(double, f);
    const BioDrawing d = bioDrawing(threeWeeks());
    const BioText *t = findText(d, text);
    QVERIFY2(t, qPrintable(text));
    QCOMPARE(t->topLeft, QPointF(d.chart.left() - n * c, d.chart.top() + f * d.chart.height() - 0.5 * r));
    QCOMPARE(d.texts.size(), 1 + 6 + 5);
}

void TstBioChart::legendAtTheQuarters()
{
    BioChartInput in = threeWeeks();
    in.legendWidth = 990; // a wider entry stays centred
    const BioDrawing d = bioDrawing(in);
    for (int i = 0; i < 3; ++i) {
        const QPointF topLeft = d.legend[size_t(i)];
        QCOMPARE(topLeft.y(), 0.25 * lh);
        QCOMPARE(topLeft.x() + 990 / 2.0, d.chart.left() + d.chart.width() * (i + 1) / 4);
    }
}

void TstBioChart::weeksSetTheSpan_data()
{
    QTest::addColumn<int>("weeks");
    QTest::addColumn<int>("span");
    QTest::addColumn<QString>("firstLabel");
    QTest::newRow("one week") << 1 << 7 << u"-1週"_s;
    QTest::newRow("five weeks") << 5 << 35 << u"-5週"_s;
}

void TstBioChart::weeksSetTheSpan()
{
    QFETCH(int, weeks);
    QFETCH(int, span);
    QFETCH(QString, firstLabel);
    BioChartInput in = threeWeeks();
    in.weeks = weeks;
    const BioDrawing d = bioDrawing(in);
    QCOMPARE(d.span, span);
    QCOMPARE(withWidth(d.segments, 2).size(), 3 * 2 * span);
    QCOMPARE(d.texts[1].text, firstLabel);
    QCOMPARE(d.texts.size(), 1 + 2 * weeks + 5);
}

void TstBioChart::noCurvesForAnInvalidDate()
{
    BioChartInput in = threeWeeks();
    in.daysAlive = std::nullopt;
    in.targetDate = u"//"_s;
    const BioDrawing d = bioDrawing(in);
    QVERIFY(d.chartShown);
    QVERIFY(withWidth(d.segments, 2).isEmpty());
    QCOMPARE(d.texts[0].text, QString()); // no date under the chart
    QCOMPARE(withWidth(d.segments, 1).size(), 2 + 43 + 14);
}

void TstBioChart::tooSmallWindow_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("shown");
    QTest::newRow("exactly 4.5 legend heights") << 10000.0 << 4.5 * lh << false;
    QTest::newRow("shorter still") << 10000.0 << 600.0 << false;
    QTest::newRow("exactly 11 character widths") << 11 * c << 5000.0 << false;
    QTest::newRow("narrower than the margins") << 500.0 << 5000.0 << false;
    QTest::newRow("less than a pixel of chart") << 11 * c + 10 << 5000.0 << false;
    QTest::newRow("one pixel of chart each way") << 11 * c + 15 << 4.5 * lh + 15 << true;
    QTest::newRow("zero window") << 0.0 << 0.0 << false;
}

void TstBioChart::tooSmallWindow()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, shown);
    BioChartInput in = threeWeeks();
    in.windowWidth = width;
    in.windowHeight = height;
    const BioDrawing d = bioDrawing(in);
    QCOMPARE(d.chartShown, shown);
    if (!shown) {
        QVERIFY(d.segments.isEmpty());
        QVERIFY(d.texts.isEmpty());
    } else {
        QVERIFY(d.chart.width() > 0 && d.chart.height() > 0);
    }
}

QTEST_GUILESS_MAIN(TstBioChart)
#include "tst_biochart.moc"
