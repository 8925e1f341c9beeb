#include "calendarlayout.h"

#include <QTest>

class TestCalendarLayout final : public QObject
{
    Q_OBJECT
private slots:
    void layoutArithmetic_data();
    void layoutArithmetic();
    void layoutOfTinyWindows();
    void keepOnScreen_data();
    void keepOnScreen();
};

void TestCalendarLayout::layoutArithmetic_data()
{
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("button");
    QTest::addColumn<int>("buttonFont");
    QTest::addColumn<double>("title");
    QTest::addColumn<int>("titleFont");
    QTest::addColumn<int>("headingFont");
    QTest::addColumn<int>("dayFont");
    QTest::newRow("height 3000: buttons capped at 270") << 3000.0 << 270.0 << 7 << 500.0 << 20
                                                        << 12 << 14;
    QTest::newRow("height 2000: buttons a tenth") << 2000.0 << 200.0 << 5 << 2000.0 / 6 << 13 << 7
                                                  << 8;
    QTest::newRow("design height 2715") << 2715.0 << 270.0 << 7 << 452.5 << 18 << 11 << 12;
}

void TestCalendarLayout::layoutArithmetic()
{
    QFETCH(double, height);
    QFETCH(double, button);
    QFETCH(int, buttonFont);
    QFETCH(double, title);
    QFETCH(int, titleFont);
    QFETCH(int, headingFont);
    QFETCH(int, dayFont);
    const double width = 3630;
    const CalendarLayout l = calendarLayout(width, height);
    QVERIFY(l.apply);
    QCOMPARE(l.buttonSide, button);
    QCOMPARE(l.buttonFontSize, buttonFont);
    QCOMPARE(l.nextLeft, width - button - 120);
    QCOMPARE(l.prevLeft, width - 2 * button - 120);
    QCOMPARE(l.buttonTop, height - 350 - button);
    QCOMPARE(l.titleHeight, title);
    QCOMPARE(l.titleWidth, width - 125);
    QCOMPARE(l.titleFontSize, titleFont);
    QCOMPARE(l.headingFontSize, headingFont);
    QCOMPARE(l.dayFontSize, dayFont);

    const double w = (width - 200) / 7;
    const double h = (height - 350 - title) / 7;
    QCOMPARE(l.columnWidth, w);
    QCOMPARE(l.rowPitch, h);
    QCOMPARE(l.cellWidth, w * 0.95);
    QCOMPARE(l.cellHeight, h * 0.95);
    QCOMPARE(l.cellLeft(0), 50.0);
    QCOMPARE(l.cellLeft(6), 6 * w + 50);
    QCOMPARE(l.lineTop(0), title);
    QCOMPARE(l.lineTop(6), title + 6 * h);
}

void TestCalendarLayout::layoutOfTinyWindows()
{
    QVERIFY(!calendarLayout(3630, 659).apply);
    QVERIFY(!calendarLayout(3630, 0).apply);
    QVERIFY(!calendarLayout(3630, -5000).apply);
    for (double width : {3630.0, 150.0, 0.0}) {
        const CalendarLayout l = calendarLayout(width, 660);
        QVERIFY(l.apply);
        QVERIFY(l.buttonFontSize >= 1);
        QVERIFY(l.titleFontSize >= 1);
        QVERIFY(l.headingFontSize >= 1);
        QVERIFY(l.dayFontSize >= 1);
        QVERIFY(l.cellWidth >= 0);
        QVERIFY(l.titleWidth >= 0);
    }
    // A huge hand-edited size gives fonts the font system still takes.
    QVERIFY(calendarLayout(3630, 1e12).dayFontSize <= 500);
}

void TestCalendarLayout::keepOnScreen_data()
{
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("snappedLeft");
    QTest::addColumn<double>("snappedTop");
    // Screen 15360 x 11520, window 3630 x 2715.
    QTest::newRow("on screen: unchanged") << 1000.0 << 1000.0 << 1000.0 << 1000.0;
    QTest::newRow("half beyond the right edge: unchanged") << 13545.0 << 0.0 << 13545.0 << 0.0;
    QTest::newRow("more than half beyond the right edge") << 13560.0 << 0.0 << 11730.0 << 0.0;
    QTest::newRow("more than half below the bottom") << 0.0 << 10500.0 << 0.0 << 8805.0;
    QTest::newRow("both edges") << 20000.0 << 20000.0 << 11730.0 << 8805.0;
    QTest::newRow("beyond the left edge is left alone") << -3000.0 << 0.0 << -3000.0 << 0.0;
}

void TestCalendarLayout::keepOnScreen()
{
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(double, snappedLeft);
    QFETCH(double, snappedTop);
    const ScreenSnap s = ::keepOnScreen(left, top, 3630, 2715, 15360, 11520);
    QCOMPARE(s.left, snappedLeft);
    QCOMPARE(s.top, snappedTop);
}

QTEST_GUILESS_MAIN(TestCalendarLayout)
#include "tst_calendarlayout.moc"
