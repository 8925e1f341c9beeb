#include "mainlayout.h"
#include "settings.h"

#include <QTest>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr double tpp = (25.4 / 72) * (567.0 / 10);

Settings rowSettings(double fontSize, double iconScale, int clockRows)
{
    Settings s;
    for (size_t k = 0; k < 3; ++k)
        s.itemFontSize[k] = fontSize;
    s.iconScale = iconScale;
    s.clockRows = clockRows;
    return s;
}

MainGeometry laidOut(const Settings &s, double windowWidth = 6000, double windowHeight = 4000)
{
    MainGeometry g = MainLayout::designGeometry();
    g.windowWidth = windowWidth;
    g.windowHeight = windowHeight;
    MainLayout::layoutRows(g, MainLayout::rowSizes(s, tpp), MainLayout::rowCount(s));
    return g;
}

bool finiteBox(const TwipsBox &b)
{
    return std::isfinite(b.left) && std::isfinite(b.top) && std::isfinite(b.width) &&
           std::isfinite(b.height);
}

} // namespace

class TestMainLayout final : public QObject
{
    Q_OBJECT
private slots:
    void rowHeightsFollowFonts();
    void oneRowFoldedWindowHeight();
    void rowCountVisibility_data();
    void rowCountVisibility();
    void iconScaleTwoWithTwentyPointFont();
    void settingsButtonCap_data();
    void settingsButtonCap();
    void emptyScaleOrFontGiveSizeZero();
    void handEditedSizesStayBounded_data();
    void handEditedSizesStayBounded();
    void indicatorsShareOneColumn();
    void resizeMovesTheRightColumn();
    void panelModes_data();
    void panelModes();
    void memoKeepsTwoThousandTwips();
    void panelsFitTheWidthAndPagesLieTogether();
    void panelModeOfHandEditedFlags();
    void slideGoesToTheEdgeAndBack();
};

void TestMainLayout::rowHeightsFollowFonts()
{
    Settings s = rowSettings(20, 1, 2);
    s.itemFontSize[1] = 10;
    const MainGeometry g = laidOut(s);
    QCOMPARE(g.rows[0].height, 20 * tpp * 1.03);
    QCOMPARE(g.rows[1].height, 10 * tpp * 1.03);
    QCOMPARE(MainLayout::rowsHeight(g), (20 + 10 + 20) * tpp * 1.03 + 25);
    QCOMPARE(g.buttonFontSize, 8.0);
}

void TestMainLayout::oneRowFoldedWindowHeight()
{
    MainGeometry g = laidOut(rowSettings(20.25, 1, 0));
    QCOMPARE(g.rows[1].height, 0.0);
    QCOMPARE(g.rows[2].height, 0.0);
    const std::optional<double> wanted = MainLayout::fitPanels(g, 0);
    QVERIFY(wanted.has_value());
    QCOMPARE(*wanted, 20.25 * tpp * 1.03 + 25 + 345);
    QCOMPARE(g.wordPanel.height, 0.0);
}

void TestMainLayout::rowCountVisibility_data()
{
    QTest::addColumn<int>("clockRows");
    QTest::addColumn<RowVisibility>("visibility");
    QTest::newRow("upper row only")
        << 0 << RowVisibility{{true, false, false}, {true, false, false}, false, false};
    QTest::newRow("upper and middle")
        << 1 << RowVisibility{{true, true, false}, {true, true, false}, true, false};
    QTest::newRow("all three") << 2 << RowVisibility{};
    QTest::newRow("hand-edited 7 shows all three") << 7 << RowVisibility{};
}

void TestMainLayout::rowCountVisibility()
{
    QFETCH(int, clockRows);
    QFETCH(RowVisibility, visibility);
    const Settings s = rowSettings(20, 1, clockRows);
    QCOMPARE(MainLayout::rowVisibility(MainLayout::rowCount(s)), visibility);
}

void TestMainLayout::iconScaleTwoWithTwentyPointFont()
{
    const MainGeometry g = laidOut(rowSettings(20, 2, 2), 6000);
    const double icon = 2 * 20 * tpp;
    for (const TwipsBox &ind : g.indicators) {
        QCOMPARE(ind.width, icon);
        QCOMPARE(ind.height, icon);
    }
    QCOMPARE(g.button.width, 350.0);
    QCOMPARE(g.button.height, 350.0);
    QCOMPARE(g.button.top, (20 * tpp - 350) / 2);
    QCOMPARE(g.button.left, 6000.0 - 350 - 140);
    const double rowH = 20 * tpp * 1.03;
    const double top1 = rowH + (rowH - icon) / 2;
    const double top2 = 2 * rowH + (rowH - icon) / 2;
    QCOMPARE(g.mascot.width, 350.0);
    QCOMPARE(g.mascot.height, 350.0);
    QCOMPARE(g.mascot.top, top1 + (icon - 350) / 2);
    QCOMPARE(g.mascot.left, g.button.left); // centred under the button of the same width
    QCOMPARE(g.animation.width, 350.0);
    QCOMPARE(g.animation.top, top2 + (icon - 350) / 2);
    // The pictures stand centred on their rows.
    QCOMPARE(g.mascot.top + g.mascot.height / 2, rowH + rowH / 2);
}

void TestMainLayout::settingsButtonCap_data()
{
    QTest::addColumn<double>("fontSize");
    QTest::addColumn<double>("iconScale");
    QTest::addColumn<double>("buttonSide");
    QTest::newRow("10 points: the icon side") << 10.0 << 1.0 << 10 * tpp;
    QTest::newRow("17.49 points: just below the cap") << 17.49 << 1.0 << 17.49 * tpp;
    QTest::newRow("20 points: capped at 350") << 20.0 << 1.0 << 350.0;
}

void TestMainLayout::settingsButtonCap()
{
    QFETCH(double, fontSize);
    QFETCH(double, iconScale);
    QFETCH(double, buttonSide);
    const MainGeometry g = laidOut(rowSettings(fontSize, iconScale, 2));
    QCOMPARE(g.button.width, buttonSide);
    QCOMPARE(g.button.height, buttonSide);
    QCOMPARE(g.mascot.width, std::min(fontSize * tpp * iconScale, buttonSide));
}

void TestMainLayout::emptyScaleOrFontGiveSizeZero()
{
    Settings s = rowSettings(20, 1, 2);
    s.iconScale = Value();
    MainGeometry g = laidOut(s);
    QCOMPARE(g.indicators[0].width, 0.0);
    QCOMPARE(g.button.width, 0.0);
    QCOMPARE(g.mascot.width, 0.0);
    QCOMPARE(g.animation.width, 0.0);
    QVERIFY(g.rows[0].height > 0);

    s = rowSettings(0, 1, 2);
    s.itemFontSize[1] = Value();
    g = laidOut(s);
    QCOMPARE(g.rows[0].height, 0.0);
    QCOMPARE(g.rows[1].height, 0.0);
    QCOMPARE(g.indicators[1].width, 0.0);
}

void TestMainLayout::handEditedSizesStayBounded_data()
{
    QTest::addColumn<double>("fontSize");
    QTest::addColumn<double>("iconScale");
    QTest::newRow("negative font size") << -20.0 << 1.0;
    QTest::newRow("iconScale 1e9") << 20.0 << 1e9;
    QTest::newRow("font size 1e9") << 1e9 << 1.0;
    QTest::newRow("negative iconScale") << 20.0 << -3.0;
    QTest::newRow("both huge") << 1e300 << 1e300;
}

void TestMainLayout::handEditedSizesStayBounded()
{
    QFETCH(double, fontSize);
    QFETCH(double, iconScale);
    MainGeometry g = laidOut(rowSettings(fontSize, iconScale, 2));
    const std::optional<double> wanted = MainLayout::fitPanels(g, 11);
    for (size_t k = 0; k < 3; ++k) {
        QVERIFY(finiteBox(g.rows[k]) && finiteBox(g.indicators[k]));
        QVERIFY(g.rows[k].height >= 0 && g.rows[k].height <= 500 * tpp * 1.03 + 1e-6);
        QVERIFY(g.indicators[k].width >= 0 && g.indicators[k].width <= MainLayout::maxIconTwips);
    }
    QVERIFY(finiteBox(g.button) && finiteBox(g.mascot) && finiteBox(g.animation));
    QVERIFY(g.button.width >= 0 && g.button.width <= 350);
    QVERIFY(finiteBox(g.memo[0]) && finiteBox(g.wordPanel));
    if (wanted)
        QVERIFY(std::isfinite(*wanted) && *wanted < MainLayout::maxWindowTwips);
    QVERIFY(g.buttonFontSize >= 0 && g.buttonFontSize <= 0.4 * 500);
}

void TestMainLayout::indicatorsShareOneColumn()
{
    Settings s = rowSettings(20, 1, 2);
    s.itemFontSize[1] = 10;
    s.itemFontSize[2] = 15;
    const MainGeometry g = laidOut(s, 6000);
    const double widest = 20 * tpp;
    const double centre = g.button.left - widest / 2 - 40;
    for (size_t k = 0; k < 3; ++k) {
        QCOMPARE(g.indicators[k].left, std::round(centre - g.indicators[k].width / 2));
        QVERIFY(std::abs(g.indicators[k].left + g.indicators[k].width / 2 - centre) <= 0.5);
    }
    // The widest one stands 40 twips left of the button.
    QVERIFY(std::abs(g.indicators[0].left + widest + 40 - g.button.left) <= 0.5);
    QCOMPARE(g.indicators[1].top, 20 * tpp * 1.03 + (10 * tpp * 1.03 - 10 * tpp) / 2);
}

void TestMainLayout::resizeMovesTheRightColumn()
{
    MainGeometry g = laidOut(rowSettings(20, 1, 2), 6000);
    const MainGeometry before = g;
    g.windowWidth = 4500;
    MainLayout::placeSideControls(g);
    QCOMPARE(g.button.left, before.button.left - 1500);
    QCOMPARE(g.button.top, before.button.top);
    QCOMPARE(g.mascot.left, before.mascot.left - 1500);
    QCOMPARE(g.indicators[2].left, before.indicators[2].left - 1500);
    QCOMPARE(g.indicators[2].top, before.indicators[2].top);
}

void TestMainLayout::panelModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("windowHeight");
    QTest::addColumn<double>("wordPanel");
    QTest::addColumn<std::optional<double>>("wanted");
    QTest::addColumn<double>("memoTop");
    QTest::addColumn<double>("memoHeight");
    QTest::addColumn<double>("wordPanelAfter");
    // Rows of 20 points, rowsHeight = 3 * 20 * tpp * 1.03 + 25.
    const double rh = 3 * 20 * tpp * 1.03 + 25;
    QTest::newRow("11: the memo fills the rest")
        << 11 << rh + 800 + 345 + 1500 << 800.0 << std::optional<double>() << rh + 800 << 1500.0
        << 800.0;
    QTest::newRow("11: too short grows by 2000")
        << 11 << rh + 800 + 345 << 800.0 << std::optional<double>(rh + 800 + 2000 + 345) << rh + 800
        << 480.0 << 800.0;
    QTest::newRow("1: height follows the word panel")
        << 1 << 9999.0 << 800.0 << std::optional<double>(rh + 1.05 * 800 + 345) << 1665.0 << 480.0
        << 800.0;
    QTest::newRow("10: memo only")
        << 10 << rh + 345 + 1000 << 800.0 << std::optional<double>() << rh << 1000.0 << 0.0;
    QTest::newRow("10: exactly the rows gives an empty memo")
        << 10 << rh + 345 << 800.0 << std::optional<double>() << rh << 0.0 << 0.0;
    QTest::newRow("10: shorter than the rows grows by 2000")
        << 10 << rh + 300 << 800.0 << std::optional<double>(rh + 345 + 2000) << rh << 480.0 << 0.0;
    QTest::newRow("0: the rows alone")
        << 0 << 9999.0 << 800.0 << std::optional<double>(rh + 345) << 1665.0 << 480.0 << 0.0;
    QTest::newRow("other: nothing changes")
        << -1 << 9999.0 << 800.0 << std::optional<double>() << 1665.0 << 480.0 << 800.0;
}

void TestMainLayout::panelModes()
{
    QFETCH(int, mode);
    QFETCH(double, windowHeight);
    QFETCH(double, wordPanel);
    QFETCH(std::optional<double>, wanted);
    QFETCH(double, memoTop);
    QFETCH(double, memoHeight);
    QFETCH(double, wordPanelAfter);
    MainGeometry g = laidOut(rowSettings(20, 1, 2), 6000, windowHeight);
    g.wordPanel.height = wordPanel;
    const std::optional<double> got = MainLayout::fitPanels(g, mode);
    QCOMPARE(got.has_value(), wanted.has_value());
    if (wanted)
        QCOMPARE(*got, *wanted);
    QCOMPARE(g.memo[0].top, memoTop);
    QCOMPARE(g.memo[0].height, memoHeight);
    QCOMPARE(g.wordPanel.height, wordPanelAfter);
    QCOMPARE(g.wordPanel.top, MainLayout::rowsHeight(g));
}

void TestMainLayout::memoKeepsTwoThousandTwips()
{
    // Dragged shorter than rows + word panel: the window grows, the re-run gives the memo 2000.
    MainGeometry g = laidOut(rowSettings(20, 1, 2), 6000, 1000);
    g.wordPanel.height = 800;
    const std::optional<double> wanted = MainLayout::fitPanels(g, 11);
    QVERIFY(wanted);
    g.windowHeight = *wanted;
    QVERIFY(!MainLayout::fitPanels(g, 11));
    QCOMPARE(g.memo[0].height, 2000.0);
}

void TestMainLayout::panelsFitTheWidthAndPagesLieTogether()
{
    MainGeometry g = laidOut(rowSettings(20, 1, 2), 5000, 5000);
    g.memo[1] = {1440, 2250, 2085, 480};
    MainLayout::fitPanels(g, 11);
    QCOMPARE(g.wordPanel.width, 0.99 * 5000);
    QCOMPARE(g.memo[0].width, 0.99 * 5000);
    QCOMPARE(g.memo[1], g.memo[0]);
    QCOMPARE(g.rows[0].top, 0.0);
    QCOMPARE(g.rows[1].top, g.rows[0].height);
    QCOMPARE(g.rows[2].top, g.rows[0].height + g.rows[1].height);
}

void TestMainLayout::panelModeOfHandEditedFlags()
{
    Settings s;
    s.todaysWordShow[0] = 1;
    s.memoShow[0] = 1;
    QCOMPARE(MainLayout::panelMode(s), 11);
    s.memoShow[0] = Value(1e9);
    QCOMPARE(MainLayout::panelMode(s), -1);
    s.memoShow[0] = Value();
    QCOMPARE(MainLayout::panelMode(s), 1);
    s.todaysWordShow[0] = 2;
    QCOMPARE(MainLayout::panelMode(s), -1);
}

void TestMainLayout::slideGoesToTheEdgeAndBack()
{
    const QList<double> lefts = MainLayout::slidePositions(3000);
    QCOMPARE(lefts.size(), 81);
    QCOMPARE(lefts.at(0), 3000 - 75.0);
    QCOMPARE(lefts.at(39), 0.0);
    QCOMPARE(lefts.at(79), 3000.0);
    QCOMPARE(lefts.last(), 3000.0);
    for (int i = 1; i < 40; ++i)
        QCOMPARE(lefts.at(i - 1) - lefts.at(i), 75.0);
    QVERIFY(MainLayout::slidePositions(0).isEmpty());
}

QTEST_APPLESS_MAIN(TestMainLayout)
#include "tst_mainlayout.moc"
