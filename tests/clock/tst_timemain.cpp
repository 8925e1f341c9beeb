#include "mainfixture.h"

#include "datafiles.h"
#include "fileio.h"
#include "greeting.h"
#include "picturebutton.h"
#include "twips.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The place and size the fixture's settings file starts with.
void verifyPlaceKept(const Settings &stored)
{
    QCOMPARE(stored.mainLeft.toNumber(), 3000.0);
    QCOMPARE(stored.mainTop.toNumber(), 1500.0);
    QCOMPARE(stored.mainWidth.toNumber(), 6000.0);
    QCOMPARE(stored.mainHeight, qint16(5000));
}

} // namespace

class TestTimeMain final : public QObject, protected MainFixture
{
    Q_OBJECT
private slots:
    void initTestCase() { MainFixture::initTestCase(); }
    void init() { MainFixture::init(); }
    void cleanup() { MainFixture::cleanup(); }

    void startUpFillsTheWindow();
    void startUpAnnouncesSummerTime();
    void controlsHaveAccessibleNames();
    void sixRightPressesReturnRowToItsCity();
    void leftPressOnJapanGivesGermany();
    void indicatorClickTurnsAutoDstOffForAllRows();
    void handEditedValuesNeverCrash();
    void foldThenCloseKeepsStoredPlace();
    void closeStoresPlaceAndSize();
    void closeUnmovedKeepsExactTwips();
    void minimisedOrMaximisedCloseKeepsPlace_data();
    void minimisedOrMaximisedCloseKeepsPlace();
    void closeWritesMemoPagesAndEndsCompanions();
    void alwaysOnTopAtStartUpAndOff();
    void geometryIsInDeviceIndependentPixels();
};

void TestTimeMain::startUpFillsTheWindow()
{
    TimeMain *w = start(baseSettings());
    QCOMPARE(w->windowTitle(), u"【TamoＴｉｍｅ v1.7e】  テスト"_s);
    QVERIFY(w->isVisible());
    QCOMPARE(w->rowLabel(0)->text(), u" 10月8日(月) 13時05分09秒"_s);
    QCOMPARE(w->rowLabel(1)->text(), u" 10月8日(月) 00時05分09秒/NY"_s);
    QCOMPARE(w->rowLabel(2)->text(), u" 10月8日(月) 06：05：09(独)"_s);
    QCOMPARE(w->wordPanel()->toPlainText(), shown(panelText(m_platform->clock, u"言葉281"_s)));
    QVERIFY(
        w->wordPanel()->toPlainText().startsWith(u"こんにちは【今日の言葉】281日41週\n言葉281"_s));
    QCOMPARE(w->memoBoxText(0), scheduleText);
    QCOMPARE(w->memoBoxText(1), memoText);
    QCOMPARE(w->memoBox(0)->toPlainText(), shown(scheduleText));
    QVERIFY(w->memoBox(0)->isVisible());
    QVERIFY(!w->memoBox(1)->isVisible());
    QVERIFY(w->wordPanel()->isVisible());
    for (int k = 0; k < 3; ++k)
        QVERIFY(w->rowLabel(k)->isVisible() && w->indicator(k)->isVisible());
    QVERIFY(w->mascotPicture()->isVisible() && w->animationPicture()->isVisible());

    // Place and size from the settings; the memo fills what the rows and the panel leave.
    const MainGeometry &g = w->layoutTwips();
    QCOMPARE(w->windowHeightTwips(), 5000.0);
    QCOMPARE(w->windowWidthTwips(), 6000.0);
    QCOMPARE(w->pos(), QPoint(200, 100));
    QCOMPARE(w->height(), Twips::toPx(5000 - 345));
    const double rowH = 20.25 * tpp * 1.03;
    QCOMPARE(g.rows[1].height, rowH);
    QCOMPARE(g.memo[0].top, 3 * rowH + 25 + g.wordPanel.height);
    QCOMPARE(g.memo[0].height, 5000 - (3 * rowH + 25) - g.wordPanel.height - 345);
    QCOMPARE(ctx().state.memoHeight, g.memo[0].height);
    QCOMPARE(ctx().state.panelsExpanded, 1);
    QCOMPARE(ctx().state.currentMemoPage, 0);

    // Today's line of the schedule becomes its first visible line.
    QCOMPARE(ctx().memoTodayLine, qint16(2));
    QVERIFY(!m_platform->scrollCalls.isEmpty());
    QCOMPARE(m_platform->scrollCalls.last().box, w->memoBox(0));
    QCOMPARE(m_platform->scrollCalls.last().lines, 2);
    QVERIFY(m_platform->topmostCalls.isEmpty());
    QVERIFY2(m_platform->messages.isEmpty(), qPrintable(m_platform->messageTexts().join(u'|')));

    if (qEnvironmentVariableIsSet("TAMO_CLOCK_SCREENSHOT"))
        w->grab().save(qEnvironmentVariable("TAMO_CLOCK_SCREENSHOT"));
}

void TestTimeMain::startUpAnnouncesSummerTime()
{
    QSignalSpy determined(m_ctx.get(), &AppContext::dstDetermined);
    TimeMain *w = start(baseSettings());
    QVERIFY(determined.count() >= 1);
    QCOMPARE(ctx().world.naDstStart, QDate(2001, 3, 11));
    QCOMPARE(ctx().world.cityDstActive, (std::array<int, 6>{0, 1, 1, 1, 1, 1}));
    QCOMPARE(w->indicator(0)->pictureKind(), Art::NormalTime);
    QCOMPARE(w->indicator(1)->pictureKind(), Art::SummerTime);
    QCOMPARE(w->indicator(2)->pictureKind(), Art::SummerTime);
}

void TestTimeMain::controlsHaveAccessibleNames()
{
    TimeMain *w = start(baseSettings());
    QCOMPARE(w->settingsButton()->accessibleName(), u"設定"_s);
    QCOMPARE(w->mascotPicture()->accessibleName(), u"バイオリズム"_s);
    QCOMPARE(w->animationPicture()->accessibleName(), u"カレンダー"_s);
    QCOMPARE(w->indicator(0)->accessibleName(), u"通常時間"_s);
    QCOMPARE(w->indicator(1)->accessibleName(), u"サマータイム"_s);
    QCOMPARE(w->wordPanel()->accessibleName(), u"今日の言葉"_s);
    QCOMPARE(w->memoBox(0)->accessibleName(), u"スケジュール"_s);
    QCOMPARE(w->memoBox(1)->accessibleName(), u"メモ"_s);

    // The rows and the panel are read out through the accessibility interface.
    QAccessibleInterface *row = QAccessible::queryAccessibleInterface(w->rowLabel(1));
    QVERIFY(row);
    QCOMPARE(row->text(QAccessible::Name), w->rowLabel(1)->text());
    QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(w->wordPanel());
    QVERIFY(panel && panel->textInterface());
    QAccessibleTextInterface *text = panel->textInterface();
    QVERIFY(text->text(0, text->characterCount()).contains(u"【今日の言葉】"_s));
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(w->settingsButton());
    QCOMPARE(button->text(QAccessible::Name), u"設定"_s);
    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(w->indicator(2));
    QCOMPARE(picture->role(), QAccessible::Button);
    QCOMPARE(picture->text(QAccessible::Name), u"サマータイム"_s);
}

void TestTimeMain::sixRightPressesReturnRowToItsCity()
{
    TimeMain *w = start(baseSettings());
    QSignalSpy edited(m_ctx.get(), &AppContext::rowEdited);
    const QList<int> cycle{4, 5, 0, 1, 2, 3};
    const QStringList suffixes{u"(英)"_s, u"(独)"_s, u"秒"_s, u"/LA"_s, u"/ｼｶｺﾞ"_s, u"/NY"_s};
    for (qsizetype i = 0; i < cycle.size(); ++i) {
        QTest::mousePress(w->rowLabel(1), Qt::RightButton);
        QCOMPARE(ctx().settings.rowCity[1].toInt(), cycle.at(i));
        QVERIFY2(w->rowLabel(1)->text().endsWith(suffixes.at(i)),
                 qPrintable(w->rowLabel(1)->text()));
    }
    QCOMPARE(edited.count(), 6);
    QCOMPARE(edited.last().at(0).toInt(), 1);
    QCOMPARE(ctx().state.editRow, 1);
    QCOMPARE(w->rowLabel(1)->text(), u" 10月8日(月) 00時05分09秒/NY"_s);
}

void TestTimeMain::leftPressOnJapanGivesGermany()
{
    TimeMain *w = start(baseSettings());
    QTest::mousePress(w->rowLabel(0), Qt::LeftButton);
    QCOMPARE(ctx().settings.rowCity[0].toInt(), 5);
    QCOMPARE(ctx().state.editRow, 0);
    QCOMPARE(w->rowLabel(0)->text(), u" 10月8日(月) 06時05分09秒(独)"_s);
    QCOMPARE(w->indicator(0)->pictureKind(), Art::SummerTime);
    QTest::mousePress(w->rowLabel(0), Qt::MiddleButton);
    QCOMPARE(ctx().settings.rowCity[0].toInt(), 4);
}

void TestTimeMain::indicatorClickTurnsAutoDstOffForAllRows()
{
    TimeMain *w = start(baseSettings());
    QSignalSpy switchedOff(m_ctx.get(), &AppContext::autoDstSwitchedOff);
    QTest::mouseClick(w->indicator(0), Qt::LeftButton);
    QCOMPARE(ctx().settings.autoDst, qint16(0));
    QCOMPARE(ctx().settings.rowManualDst[0], qint16(1));
    QCOMPARE(ctx().state.editRow, 0);
    QCOMPARE(switchedOff.count(), 1);
    QCOMPARE(switchedOff.first().at(0).toInt(), 0);
    // Japan gains the hour by hand; New York and Germany lose the automatic one.
    QCOMPARE(w->rowLabel(0)->text(), u" 10月8日(月) 14時05分09秒"_s);
    QCOMPARE(w->rowLabel(1)->text(), u" 10月7日(日) 23時05分09秒/NY"_s);
    QCOMPARE(w->rowLabel(2)->text(), u" 10月8日(月) 05：05：09(独)"_s);
    QCOMPARE(w->indicator(0)->pictureKind(), Art::SummerTime);
    QCOMPARE(w->indicator(0)->accessibleName(), u"サマータイム"_s);
    QCOMPARE(w->indicator(1)->pictureKind(), Art::NormalTime);
    QTest::mouseClick(w->indicator(0), Qt::LeftButton);
    QCOMPARE(ctx().settings.rowManualDst[0], qint16(0));
    QCOMPARE(w->indicator(0)->pictureKind(), Art::NormalTime);
}

void TestTimeMain::handEditedValuesNeverCrash()
{
    Settings s = baseSettings();
    s.rowCity = {Value(7), Value(-2), Value(1e9)};
    s.rowManualDst = {3, 2, 0};
    s.autoDst = 0;
    s.clockRows = 7;
    s.itemFontSize[0] = -5;
    s.itemFontSize[1] = 1e9;
    s.iconScale = 1e9;
    s.rowFormat = {0, 0, 9};
    TimeMain *w = start(s);
    QCOMPARE(w->rowLabel(2)->text(), u"time3"_s);
    // City 7 counts as Japan; the manual 3 counts by its low bit.
    QCOMPARE(w->rowLabel(0)->text(), u" 10月8日(月) 14時05分09秒"_s);
    QCOMPARE(w->indicator(0)->pictureKind(), Art::SummerTime);
    QCOMPARE(w->indicator(1)->pictureKind(), Art::NormalTime);
    const auto sane = [](const QWidget *c) {
        return c->width() >= 0 && c->width() <= 2000 && c->height() >= 0 && c->height() <= 2000;
    };
    for (int k = 0; k < 3; ++k) {
        QVERIFY(sane(w->rowLabel(k)) || w->rowLabel(k)->width() <= 16000);
        QVERIFY(sane(w->indicator(k)));
    }
    QVERIFY(sane(w->settingsButton()) && sane(w->mascotPicture()) && sane(w->animationPicture()));
    QVERIFY(std::isfinite(w->windowHeightTwips()) && w->height() < 20000);
    QVERIFY(!w->grab().isNull());
    w->onClockTick();
    w->onAnimationTick();
    QTest::mousePress(w->rowLabel(0), Qt::RightButton);
    QCOMPARE(ctx().settings.rowCity[0].toInt(), 1);
    QTest::mouseClick(w->indicator(1), Qt::LeftButton);
    QCOMPARE(ctx().settings.rowManualDst[1], qint16(1));
}

void TestTimeMain::foldThenCloseKeepsStoredPlace()
{
    TimeMain *w = start(baseSettings());
    w->move(50, 40);
    w->resize(500, 420);
    QTest::mousePress(w->settingsButton(), Qt::RightButton);
    QCOMPARE(ctx().state.panelsExpanded, 0);
    QCOMPARE(ctx().settings.todaysWordShow[0].toNumber(), 0.0);
    QCOMPARE(ctx().settings.memoShow[0].toNumber(), 0.0);
    QVERIFY(w->windowHeightTwips() < 2000);
    w->close();
    verifyPlaceKept(reloadedSettings());
}

void TestTimeMain::closeStoresPlaceAndSize()
{
    TimeMain *w = start(baseSettings());
    w->move(150, 90);
    w->resize(500, 400);
    QCOMPARE(w->windowHeightTwips(), 400 * 15 + 345.0);
    w->close();
    QVERIFY(!w->isVisible());
    const Settings stored = reloadedSettings();
    QCOMPARE(stored.mainLeft.toNumber(), 2250.0);
    QCOMPARE(stored.mainTop.toNumber(), 1350.0);
    QCOMPARE(stored.mainWidth.toNumber(), 500 * 15 + 120.0);
    QCOMPARE(stored.mainHeight, qint16(400 * 15 + 345));
}

void TestTimeMain::closeUnmovedKeepsExactTwips()
{
    Settings s = baseSettings();
    s.mainLeft = 3010;
    s.mainTop = 1507;
    s.mainWidth = 6001;
    s.mainHeight = 5003;
    start(s)->close();
    const Settings stored = reloadedSettings();
    QCOMPARE(stored.mainLeft.toNumber(), 3010.0);
    QCOMPARE(stored.mainTop.toNumber(), 1507.0);
    QCOMPARE(stored.mainWidth.toNumber(), 6001.0);
    QCOMPARE(stored.mainHeight, qint16(5003));
}

void TestTimeMain::minimisedOrMaximisedCloseKeepsPlace_data()
{
    QTest::addColumn<bool>("maximised");
    QTest::newRow("minimised") << false;
    QTest::newRow("maximised") << true;
}

void TestTimeMain::minimisedOrMaximisedCloseKeepsPlace()
{
    QFETCH(bool, maximised);
    TimeMain *w = start(baseSettings());
    w->move(10, 10);
    if (maximised)
        w->showMaximized();
    else
        w->showMinimized();
    w->close();
    verifyPlaceKept(reloadedSettings());
}

void TestTimeMain::closeWritesMemoPagesAndEndsCompanions()
{
    TimeMain *w = start(baseSettings());
    w->onCalendarPictureClick();
    QTest::keyClicks(w->memoBox(0), u"new "_s);
    w->close();
    QCOMPARE(m_companions->closeAllCalls, 1);
    QVERIFY(!m_companions->calendar);
    QCOMPARE(readMemoFile(m_dir->filePath(u"schedule.dat"_s)).text, u"new "_s + scheduleText);
    QCOMPARE(readMemoFile(m_dir->filePath(u"memo.dat"_s)).text, memoText);
    w->close(); // a second close request does nothing more
    QCOMPARE(m_companions->closeAllCalls, 1);
}

void TestTimeMain::alwaysOnTopAtStartUpAndOff()
{
    Settings s = baseSettings();
    s.mainOnTop = 1;
    TimeMain *w = start(s);
    QCOMPARE(m_platform->topmostCalls.size(), 1);
    QCOMPARE(m_platform->topmostCalls.first().window, w);
    QVERIFY(m_platform->topmostCalls.first().on);
    const QRect place = w->geometry();
    w->setMainTopmost(false);
    QCOMPARE(m_platform->topmostCalls.size(), 2);
    QVERIFY(!m_platform->topmostCalls.last().on);
    QCOMPARE(w->geometry(), place);
}

void TestTimeMain::geometryIsInDeviceIndependentPixels()
{
    TimeMain *w = start(baseSettings());
    const MainGeometry &g = w->layoutTwips();
    QCOMPARE(w->rowLabel(1)->height(), Twips::toPx(g.rows[1].height));
    QCOMPARE(w->rowLabel(1)->y(), Twips::toPx(g.rows[1].top));
    QCOMPARE(w->indicator(2)->geometry(),
             QRect(Twips::toPx(g.indicators[2].left), Twips::toPx(g.indicators[2].top),
                   Twips::toPx(g.indicators[2].width), Twips::toPx(g.indicators[2].height)));
    const QPixmap picture = w->grab();
    QCOMPARE(picture.deviceIndependentSize().toSize(), w->size());
    // Under QT_SCALE_FACTOR=2 the same layout is drawn with twice the pixels.
    const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
    QCOMPARE(picture.devicePixelRatio(), ratio);
    QCOMPARE(picture.width(), qRound(w->width() * ratio));
}

QTEST_MAIN(TestTimeMain)
#include "tst_timemain.moc"
