#include "appcontext.h"
#include "calendarwindow.h"
#include "fakeplatform.h"
#include "twips.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QColor textColour(const QWidget *w)
{
    return w->palette().color(w->foregroundRole());
}

QColor borderColour(const QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

QColor backColour(const QWidget *w)
{
    return w->palette().color(QPalette::Window);
}

bool isFramed(const QLabel *label)
{
    const auto *cell = qobject_cast<const CellLabel *>(label);
    return cell && cell->isFramed();
}

int framedDays(const CalendarWindow &w)
{
    int n = 0;
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 7; ++c)
            n += isFramed(w.dayLabel(r, c)) ? 1 : 0;
    return n;
}

// Twips of a control's geometry, as the window placed it.
double twipsOf(int px)
{
    return Twips::fromPx(px);
}

} // namespace

class TestCalendarWindow final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstRunOpensAtDesignSize();
    void storedBoundsPlaceTheWindow();
    void captionFollowsTitleBarText();
    void styleDefaultsAndStyles();
    void backColours_data();
    void backColours();
    void alwaysOnTop_data();
    void alwaysOnTop();
    void sheetIsFilledUnderTheBusyPointer();
    void navigation_data();
    void navigation();
    void todayFramedAgainAfterNavigatingBack();
    void sixRowMonthThenFourRowMonthLeavesNothing();
    void holidaysAndLanguageReachTheLabels();
    void showMonthCarriesTheMonth();

    void resizeLaysOutAndReportsFontSizes();
    void resizeSnapsBackOntoTheScreen();
    void tooLowWindowKeepsItsControls();
    void textsFitTheirLabels();

    void closeStoresBoundsAndClearsShownFlag();
    void closeAtProgramEndStoresNothing();

    void settingsWindowOperations();
    void fontChangeKeepsHolidayColour();

private:
    std::unique_ptr<CalendarWindow> shownWindow(double width, double height);

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<AppContext> ctx;
};

void TestCalendarWindow::initTestCase()
{
    installJapaneseFontSubstitutes();
}

void TestCalendarWindow::init()
{
    fake = std::make_unique<FakePlatform>();
    fake->clock = QDateTime(QDate(2001, 10, 8), QTime(13, 5, 9));
    ctx = std::make_unique<AppContext>(*fake);
    ctx->settings.holidayColor = u"255"_s;
}

void TestCalendarWindow::cleanup()
{
    ctx.reset();
    fake.reset();
}

std::unique_ptr<CalendarWindow> TestCalendarWindow::shownWindow(double width, double height)
{
    ctx->settings.calLeft = Value(1500);
    ctx->settings.calTop = Value(1500);
    ctx->settings.calWidth = Value(width);
    ctx->settings.calHeight = Value(height);
    auto w = std::make_unique<CalendarWindow>(*ctx);
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        return nullptr;
    return w;
}

void TestCalendarWindow::firstRunOpensAtDesignSize()
{
    CalendarWindow w(*ctx);
    QCOMPARE(Twips::outerWidth(&w), 3630.0);
    QCOMPARE(Twips::outerHeight(&w), 2715.0);
    QCOMPARE(ctx->settings.calWidth, Value(3000));
    QCOMPARE(ctx->settings.calHeight, Value(3000));
    QVERIFY(w.windowFlags().testFlag(Qt::Tool));

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(Twips::outerHeight(&w), 2715.0);
    QCOMPARE(ctx->settings.calWidth, Value(3000));
    QCOMPARE(ctx->settings.calHeight, Value(3000));

    w.close();
    QCOMPARE(ctx->settings.calWidth.toNumber(), 3630.0);
    QCOMPARE(ctx->settings.calHeight.toNumber(), 2715.0);
}

void TestCalendarWindow::storedBoundsPlaceTheWindow()
{
    ctx->settings.calLeft = Value(1500);
    ctx->settings.calTop = Value(u"750"_s);
    ctx->settings.calWidth = Value(4620);
    ctx->settings.calHeight = Value(3045);
    CalendarWindow w(*ctx);
    QCOMPARE(w.pos(), QPoint(100, 50));
    QCOMPARE(w.size(), QSize(300, 180));
    QCOMPARE(ctx->settings.calWidth, Value(4620));
}

void TestCalendarWindow::captionFollowsTitleBarText()
{
    ctx->settings.titleBarText = u"たもさんの時計"_s;
    CalendarWindow w(*ctx);
    QCOMPARE(w.windowTitle(), u" Calendar  たもさんの時計"_s);
    ctx->settings.titleBarText = u"x"_s;
    w.updateCaption();
    QCOMPARE(w.windowTitle(), u" Calendar  x"_s);
}

void TestCalendarWindow::styleDefaultsAndStyles()
{
    Settings &s = ctx->settings;
    s.calFontName[3] = u"ＭＳ 明朝"_s;
    s.calFontSize[3] = 13;
    s.calFontBold[3] = -1;
    s.calForeColor[3] = Value(u"16711680"_s);
    s.calFontSize[7] = 16;
    s.calFontItalic[7] = -1;
    s.calForeColor[7] = Value(255);
    CalendarWindow w(*ctx);

    for (size_t j : {0u, 1u, 2u, 4u, 5u, 6u}) {
        QCOMPARE(s.calFontName[j], u"ＭＳ ゴシック"_s);
        QCOMPARE(s.calFontSize[j], qint16(10));
        QCOMPARE(s.calForeColor[j], Value(0));
    }
    QCOMPARE(s.calFontName[7], u"ＭＳ ゴシック"_s);
    QCOMPARE(s.calFontName[3], u"ＭＳ 明朝"_s);
    QCOMPARE(s.calFontSize[3], qint16(13));
    QCOMPARE(s.calFontSize[7], qint16(16));
    // Entry 8 belongs to the settings window.
    QCOMPARE(s.calFontName[8], QString());
    QCOMPARE(s.calFontSize[8], qint16(0));

    // Until the first resize the labels carry the stored styles.
    QCOMPARE(w.titleLabel()->font().pointSize(), 16);
    QVERIFY(w.titleLabel()->font().italic());
    QCOMPARE(textColour(w.titleLabel()), QColor(255, 0, 0));
    QCOMPARE(borderColour(w.titleLabel()), QColor(0, 0, 0));
    QCOMPARE(w.headingLabel(3)->font().family(), u"ＭＳ 明朝"_s);
    QCOMPARE(w.headingLabel(3)->font().pointSize(), 13);
    QVERIFY(w.dayLabel(2, 3)->font().bold());
    QCOMPARE(textColour(w.headingLabel(3)), QColor(0, 0, 255));
    QCOMPARE(textColour(w.dayLabel(5, 3)), QColor(0, 0, 255));
    QCOMPARE(w.dayLabel(2, 2)->font().pointSize(), 10);
    QVERIFY(!w.dayLabel(2, 2)->font().bold());
    QCOMPARE(textColour(w.dayLabel(2, 2)), QColor(0, 0, 0));
}

void TestCalendarWindow::backColours_data()
{
    QTest::addColumn<Value>("title");
    QTest::addColumn<Value>("sheet");
    QTest::addColumn<bool>("applied");
    QTest::newRow("both set: applied") << Value(65535) << Value(u"16776960"_s) << true;
    QTest::newRow("title 0: design colours stay") << Value(0) << Value(16776960) << false;
    QTest::newRow("sheet 0: design colours stay") << Value(65535) << Value(0) << false;
    QTest::newRow("both never stored: design colours") << Value() << Value() << false;
}

void TestCalendarWindow::backColours()
{
    QFETCH(Value, title);
    QFETCH(Value, sheet);
    QFETCH(bool, applied);
    ctx->settings.calBackColor = {title, sheet};
    CalendarWindow w(*ctx);
    const QColor grey(192, 192, 192);
    const QColor white(255, 255, 255);
    if (applied) {
        QCOMPARE(backColour(w.titleLabel()), QColor(255, 255, 0));
        QCOMPARE(backColour(&w), QColor(0, 255, 255));
        QCOMPARE(backColour(w.headingLabel(0)), QColor(0, 255, 255));
        QCOMPARE(backColour(w.dayLabel(5, 6)), QColor(0, 255, 255));
    } else {
        QCOMPARE(backColour(&w), grey);
        QCOMPARE(backColour(w.titleLabel()), grey);
        QCOMPARE(backColour(w.headingLabel(0)), white);
        QCOMPARE(backColour(w.dayLabel(5, 6)), white);
    }
    QVERIFY(w.dayLabel(0, 0)->autoFillBackground());
}

void TestCalendarWindow::alwaysOnTop_data()
{
    QTest::addColumn<Value>("onTop");
    QTest::addColumn<int>("calls");
    QTest::newRow("1: topmost from start-up") << Value(1) << 1;
    QTest::newRow("0: ordinary window") << Value(0) << 0;
    QTest::newRow("never stored: ordinary window") << Value() << 0;
}

void TestCalendarWindow::alwaysOnTop()
{
    QFETCH(Value, onTop);
    QFETCH(int, calls);
    ctx->settings.calOnTop = onTop;
    CalendarWindow w(*ctx);
    QCOMPARE(fake->topmostCalls.size(), calls);
    if (calls) {
        QCOMPARE(fake->topmostCalls[0].window, &w);
        QVERIFY(fake->topmostCalls[0].on);
    }
}

void TestCalendarWindow::sheetIsFilledUnderTheBusyPointer()
{
    CalendarWindow w(*ctx);
    QCOMPARE(fake->busyCalls, (QList<bool>{true, false}));
    QCOMPARE(w.displayedYear(), 2001);
    QCOMPARE(w.displayedMonth(), 10);
    QCOMPARE(w.titleLabel()->text(), u" 2001年 10月"_s);
    QCOMPARE(w.headingLabel(0)->text(), u"日"_s);
    QCOMPARE(w.headingLabel(6)->text(), u"土"_s);
    QCOMPARE(w.dayLabel(0, 1)->text(), u" 1"_s); // October 2001 begins on a Monday
    QCOMPARE(w.dayLabel(4, 3)->text(), u"31"_s);
    QCOMPARE(w.dayLabel(0, 0)->text(), QString());
    QVERIFY(isFramed(w.dayLabel(1, 1))); // today, the 8th
    QCOMPARE(framedDays(w), 1);
    QVERIFY(isFramed(w.titleLabel()));

    QTest::mouseClick(w.nextButton(), Qt::LeftButton);
    QCOMPARE(fake->busyCalls, (QList<bool>{true, false, true, false}));
}

void TestCalendarWindow::navigation_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("newYear");
    QTest::addColumn<int>("newMonth");
    QTest::addColumn<QString>("title");
    QTest::newRow("＜ from January 2001") << 2001 << 1 << false << 2000 << 12 << u" 2000年 12月"_s;
    QTest::newRow("＞ from December 2001") << 2001 << 12 << true << 2002 << 1 << u" 2002年 1月"_s;
    QTest::newRow("＜ inside the year") << 2001 << 5 << false << 2001 << 4 << u" 2001年 4月"_s;
    QTest::newRow("＞ inside the year") << 2001 << 5 << true << 2001 << 6 << u" 2001年 6月"_s;
}

void TestCalendarWindow::navigation()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, forward);
    QFETCH(int, newYear);
    QFETCH(int, newMonth);
    QFETCH(QString, title);
    CalendarWindow w(*ctx);
    QCOMPARE(w.prevButton()->text(), u"＜"_s);
    QCOMPARE(w.nextButton()->text(), u"＞"_s);
    w.showMonth(year, month);
    QTest::mouseClick(forward ? w.nextButton() : w.prevButton(), Qt::LeftButton);
    QCOMPARE(w.displayedYear(), newYear);
    QCOMPARE(w.displayedMonth(), newMonth);
    QCOMPARE(w.titleLabel()->text(), title);
}

void TestCalendarWindow::todayFramedAgainAfterNavigatingBack()
{
    CalendarWindow w(*ctx);
    QVERIFY(isFramed(w.dayLabel(1, 1)));
    QTest::mouseClick(w.nextButton(), Qt::LeftButton);
    QCOMPARE(framedDays(w), 0);
    QTest::mouseClick(w.prevButton(), Qt::LeftButton);
    QTest::mouseClick(w.prevButton(), Qt::LeftButton);
    QCOMPARE(framedDays(w), 0);
    QTest::mouseClick(w.nextButton(), Qt::LeftButton);
    QCOMPARE(framedDays(w), 1);
    QVERIFY(isFramed(w.dayLabel(1, 1)));
}

void TestCalendarWindow::sixRowMonthThenFourRowMonthLeavesNothing()
{
    fake->clock = QDateTime(QDate(2001, 12, 31), QTime(9, 0));
    ctx->holidays[0] = u"2001/12/30"_s;
    ctx->holidayLast = Value(0);
    CalendarWindow w(*ctx);
    QCOMPARE(w.dayLabel(5, 1)->text(), u"31"_s);
    QVERIFY(isFramed(w.dayLabel(5, 1)));
    QCOMPARE(textColour(w.dayLabel(5, 0)), QColor(255, 0, 0));

    w.showMonth(2009, 2);
    for (int r = 4; r < 6; ++r) {
        for (int c = 0; c < 7; ++c) {
            QCOMPARE(w.dayLabel(r, c)->text(), QString());
            QVERIFY(!isFramed(w.dayLabel(r, c)));
            QCOMPARE(textColour(w.dayLabel(r, c)), QColor(0, 0, 0));
        }
    }
    QCOMPARE(w.dayLabel(3, 6)->text(), u"28"_s);
}

void TestCalendarWindow::holidaysAndLanguageReachTheLabels()
{
    ctx->holidays[0] = u"2001/10/10"_s;
    ctx->holidays[1] = u"体育の日"_s;
    ctx->holidays[2] = u"2001/2/30"_s;
    ctx->holidays[3] = u"2001/10/8"_s; // today
    ctx->holidayLast = Value(3);
    CalendarWindow w(*ctx);
    QCOMPARE(w.dayLabel(1, 3)->text(), u"10"_s);
    QCOMPARE(textColour(w.dayLabel(1, 3)), QColor(255, 0, 0));
    QCOMPARE(textColour(w.dayLabel(1, 4)), QColor(0, 0, 0));

    // A holiday that is today: red text inside a black border.
    QLabel *today = w.dayLabel(1, 1);
    QVERIFY(isFramed(today));
    QCOMPARE(textColour(today), QColor(255, 0, 0));
    QCOMPARE(borderColour(today), QColor(0, 0, 0));
    const QImage picture = today->grab().toImage();
    QCOMPARE(QColor(picture.pixel(0, 0)), QColor(0, 0, 0));
    QCOMPARE(QColor(picture.pixel(picture.width() - 1, picture.height() / 2)), QColor(0, 0, 0));
    QCOMPARE(QColor(picture.pixel(1, 1)), QColor(255, 255, 255));
    const QImage plain = w.dayLabel(1, 2)->grab().toImage();
    QCOMPARE(QColor(plain.pixel(0, 0)), QColor(255, 255, 255));

    ctx->settings.calLanguage = Value(1);
    w.calendar_calc();
    QCOMPARE(w.titleLabel()->text(), u" 2001/October"_s);
    QCOMPARE(w.headingLabel(0)->text(), u"Sun"_s);
    QCOMPARE(w.headingLabel(3)->text(), u"Wed"_s);
}

void TestCalendarWindow::showMonthCarriesTheMonth()
{
    CalendarWindow w(*ctx);
    w.showMonth(2001, 13);
    QCOMPARE(w.displayedYear(), 2002);
    QCOMPARE(w.displayedMonth(), 1);
    w.showMonth(2001, 0);
    QCOMPARE(w.displayedYear(), 2000);
    QCOMPARE(w.displayedMonth(), 12);
    QCOMPARE(w.titleLabel()->text(), u" 2000年 12月"_s);
}

void TestCalendarWindow::resizeLaysOutAndReportsFontSizes()
{
    QSignalSpy sizes(ctx.get(), &AppContext::calendarFontSizesChanged);
    auto w = shownWindow(3630, 3000);
    QVERIFY(w);
    QCOMPARE(Twips::outerHeight(w.get()), 3000.0);
    QVERIFY(!sizes.isEmpty());
    QCOMPARE(sizes.last().at(0).toInt(), 20);

    QCOMPARE(w->nextButton()->size(), QSize(18, 18)); // 270 twips
    QCOMPARE(w->prevButton()->size(), QSize(18, 18));
    QCOMPARE(w->nextButton()->font().pointSize(), 7);
    QCOMPARE(twipsOf(w->nextButton()->x()), 3240.0);
    QCOMPARE(twipsOf(w->prevButton()->x()), 2970.0);
    QCOMPARE(twipsOf(w->nextButton()->y()), 2385.0); // 2380 to the nearest pixel
    QCOMPARE(w->titleLabel()->height(), Twips::toPx(500));
    QCOMPARE(w->titleLabel()->width(), Twips::toPx(3630 - 125));
    QCOMPARE(w->titleLabel()->font().pointSize(), 20);
    QCOMPARE(w->headingLabel(0)->font().pointSize(), 12);
    QCOMPARE(w->dayLabel(3, 4)->font().pointSize(), 14);
    QCOMPARE(w->headingLabel(0)->y(), Twips::toPx(500));
    const double h = (3000 - 350 - 500) / 7.0;
    QCOMPARE(w->dayLabel(5, 0)->y(), Twips::toPx(500 + 6 * h));
    QCOMPARE(w->dayLabel(0, 6)->x(), Twips::toPx((3630 - 200) / 7.0 * 6 + 50));

    for (size_t j : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 8u})
        QCOMPARE(ctx->settings.calFontSize[j], qint16(14));
    QCOMPARE(ctx->settings.calFontSize[7], qint16(10));

    // A lower window: smaller buttons and fonts, reported again.
    Twips::setOuterGeometry(w.get(), 1500, 1500, 3630, 2010);
    QTRY_COMPARE(w->nextButton()->width(), Twips::toPx(201));
    QCOMPARE(w->nextButton()->font().pointSize(), 5);
    QCOMPARE(sizes.last().at(0).toInt(), 13);
    QCOMPARE(ctx->settings.calFontSize[0], qint16(8));
}

void TestCalendarWindow::resizeSnapsBackOntoTheScreen()
{
    auto w = shownWindow(3630, 2715);
    QVERIFY(w);
    // More than half beyond the right and the bottom edges of the 15360 x 11520 screen.
    w->move(Twips::toPx(14000), Twips::toPx(10500));
    Twips::setOuterGeometry(w.get(), 14000, 10500, 3630, 3000);
    QTRY_COMPARE(w->pos(), QPoint(Twips::toPx(15360 - 3630), Twips::toPx(11520 - 3000)));
}

void TestCalendarWindow::tooLowWindowKeepsItsControls()
{
    auto w = shownWindow(3630, 3000);
    QVERIFY(w);
    const QRect button = w->nextButton()->geometry();
    const QRect title = w->titleLabel()->geometry();
    ctx->settings.calFontSize[0] = 99;
    Twips::setOuterGeometry(w.get(), 1500, 1500, 4500, 645);
    QTRY_COMPARE(w->height(), Twips::toPx(645 - 345));
    QCoreApplication::processEvents();
    QCOMPARE(w->nextButton()->geometry(), button);
    QCOMPARE(w->titleLabel()->geometry(), title);
    QCOMPARE(ctx->settings.calFontSize[0], qint16(99));
}

void TestCalendarWindow::textsFitTheirLabels()
{
    ctx->holidays[0] = u"2001/10/8"_s;
    ctx->holidays[1] = u"2001/10/10"_s;
    ctx->holidayLast = Value(1);
    for (int language : {0, 1}) {
        // The design size and a larger window of about the same proportions.
        for (const auto &[width, height] : {std::pair{3630.0, 2715.0}, std::pair{5445.0, 4000.0}}) {
            ctx->settings.calLanguage = Value(language);
            auto w = shownWindow(width, height);
            QVERIFY(w);
            const QString dir = qEnvironmentVariable("TAMO_CALENDAR_GRAB");
            if (!dir.isEmpty())
                w->grab().save(dir + u"/calendar-%1-%2.png"_s.arg(language).arg(int(height)));
            // The ink of every heading and of the widest day text lies inside its label.
            for (int line = 0; line < 7; ++line) {
                for (int c = 0; c < 7; ++c) {
                    const QLabel *label =
                        line == 0 ? w->headingLabel(c) : w->dayLabel(line - 1, c);
                    const QString text = line == 0 ? label->text() : u"28"_s;
                    const QFontMetrics fm(label->font());
                    const QRect ink = fm.tightBoundingRect(text);
                    const QRect room = label->contentsRect();
                    QVERIFY2(ink.width() <= room.width() && ink.height() <= room.height(),
                             qPrintable(u"'%1' in line %2 at height %3"_s.arg(text).arg(line)
                                            .arg(height)));
                }
            }
            w->showMonth(2001, 9); // the longest English month name
            const QLabel *title = w->titleLabel();
            const QFontMetrics tm(title->font());
            QVERIFY2(tm.horizontalAdvance(title->text()) <= title->contentsRect().width(),
                     qPrintable(title->text()));
            QVERIFY(tm.tightBoundingRect(title->text()).height() <= title->contentsRect().height());
        }
    }
}

void TestCalendarWindow::closeStoresBoundsAndClearsShownFlag()
{
    ctx->settings.calLeft = Value(1500);
    ctx->settings.calTop = Value(1500);
    QPointer<CalendarWindow> w = new CalendarWindow(*ctx);
    w->setAttribute(Qt::WA_DeleteOnClose);
    ctx->state.calendarShown = 1;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.data()));
    Twips::setOuterGeometry(w.data(), 3000, 2250, 4620, 3045);
    QTRY_COMPARE(w->size(), QSize(300, 180));
    QTRY_COMPARE(w->pos(), QPoint(200, 150));

    QVERIFY(w->close());
    QCOMPARE(ctx->settings.calLeft.toNumber(), 3000.0);
    QCOMPARE(ctx->settings.calTop.toNumber(), 2250.0);
    QCOMPARE(ctx->settings.calWidth.toNumber(), 4620.0);
    QCOMPARE(ctx->settings.calHeight.toNumber(), 3045.0);
    QCOMPARE(ctx->state.calendarShown, 0);
    QTRY_VERIFY(w.isNull());

    // The next opening runs the start-up again from the stored bounds.
    CalendarWindow again(*ctx);
    QCOMPARE(again.size(), QSize(300, 180));
    QCOMPARE(again.pos(), QPoint(200, 150));
}

void TestCalendarWindow::closeAtProgramEndStoresNothing()
{
    CalendarWindow w(*ctx);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    ctx->state.calendarShown = 1;
    ctx->state.ending = true;
    w.close();
    QCOMPARE(ctx->settings.calWidth, Value(3000));
    QCOMPARE(ctx->settings.calLeft, Value());
    QCOMPARE(ctx->state.calendarShown, 1);
}

void TestCalendarWindow::settingsWindowOperations()
{
    CalendarWindow w(*ctx);
    Settings &s = ctx->settings;

    s.calFontName[0] = u"ＭＳ Ｐ明朝"_s;
    s.calFontSize[0] = 15;
    s.calForeColor[0] = Value(u"16711680"_s);
    w.applyColumnStyle(0);
    QCOMPARE(w.dayLabel(4, 0)->font().family(), u"ＭＳ Ｐ明朝"_s);
    QCOMPARE(w.headingLabel(0)->font().pointSize(), 15);
    QCOMPARE(textColour(w.dayLabel(4, 0)), QColor(0, 0, 255));
    QCOMPARE(textColour(w.headingLabel(0)), QColor(0, 0, 255));
    QCOMPARE(w.dayLabel(4, 1)->font().family(), u"ＭＳ ゴシック"_s);
    QCOMPARE(w.titleLabel()->font().family(), u"ＭＳ ゴシック"_s);
    w.applyColumnStyle(7); // not a column: nothing happens
    w.applyColumnStyle(-1);

    s.calFontName[7] = u"ＭＳ Ｐゴシック"_s;
    s.calFontBold[7] = -1;
    s.calForeColor[7] = Value(32768);
    w.applyTitleStyle();
    QCOMPARE(w.titleLabel()->font().family(), u"ＭＳ Ｐゴシック"_s);
    QVERIFY(w.titleLabel()->font().bold());
    QCOMPARE(textColour(w.titleLabel()), QColor(0, 128, 0));
    QCOMPARE(w.dayLabel(0, 1)->font().family(), u"ＭＳ ゴシック"_s);

    s.calBackColor[0] = Value(255);
    w.applyTitleBackColor();
    QCOMPARE(backColour(w.titleLabel()), QColor(255, 0, 0));
    QCOMPARE(backColour(w.headingLabel(0)), QColor(255, 255, 255));
    s.calBackColor[1] = Value(u"65280"_s);
    w.applySheetBackColor();
    QCOMPARE(backColour(&w), QColor(0, 255, 0));
    QCOMPARE(backColour(w.headingLabel(6)), QColor(0, 255, 0));
    QCOMPARE(backColour(w.dayLabel(5, 6)), QColor(0, 255, 0));
    QCOMPARE(backColour(w.titleLabel()), QColor(255, 0, 0));

    w.setOnTop(true);
    w.setOnTop(false);
    QCOMPARE(fake->topmostCalls.size(), 2);
    QVERIFY(fake->topmostCalls[0].on);
    QVERIFY(!fake->topmostCalls[1].on);
    QCOMPARE(fake->topmostCalls[1].window, &w);
}

void TestCalendarWindow::fontChangeKeepsHolidayColour()
{
    ctx->holidays[0] = u"2001/10/7"_s; // a Sunday
    ctx->holidayLast = Value(0);
    CalendarWindow w(*ctx);
    QCOMPARE(textColour(w.dayLabel(1, 0)), QColor(255, 0, 0));
    ctx->settings.calFontSize[0] = 20;
    w.applyColumnFont(0);
    QCOMPARE(w.dayLabel(1, 0)->font().pointSize(), 20);
    QCOMPARE(textColour(w.dayLabel(1, 0)), QColor(255, 0, 0));
    // A new text colour paints the whole column until the sheet is computed again.
    ctx->settings.calForeColor[0] = Value(16711680);
    w.applyColumnForeColor(0);
    QCOMPARE(textColour(w.dayLabel(1, 0)), QColor(0, 0, 255));
    w.calendar_calc();
    QCOMPARE(textColour(w.dayLabel(1, 0)), QColor(255, 0, 0));
    QCOMPARE(textColour(w.dayLabel(2, 0)), QColor(0, 0, 255));
}

QTEST_MAIN(TestCalendarWindow)
#include "tst_calendarwindow.moc"
