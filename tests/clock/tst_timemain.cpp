#include "appcontext.h"
#include "datafiles.h"
#include "fakecompanions.h"
#include "fakeplatform.h"
#include "fileio.h"
#include "greeting.h"
#include "picturebutton.h"
#include "qtplatform.h"
#include "settings.h"
#include "timemain.h"
#include "twips.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr double tpp = (25.4 / 72) * (567.0 / 10);

// The front page carries one line per day; 8 and 9 October are lines 2 and 3.
const QString scheduleText = u"10月の予定\r\n1 月初め\r\n8 会議\r\n9 歯医者\r\n15 旅行\r\n"_s;
const QString memoText = u"買い物: 牛乳, パン\r\n電話する"_s;

QString kakugenText()
{
    QString text;
    for (int day = 1; day <= 366; ++day)
        text += u"言葉%1\r\n"_s.arg(day);
    return text;
}

QString shown(const QString &crlf)
{
    QString s = crlf;
    return s.replace(u"\r\n"_s, u"\n"_s);
}

/** The scripted platform, but text boxes scroll for real, as the program's own platform does. */
class RealScrollPlatform final : public Platform
{
public:
    explicit RealScrollPlatform(FakePlatform &fake) : m_fake(fake) {}
    MsgResult showMessage(const QString &text, const QString &title, MsgButtons buttons,
                          MsgIcon icon) override
    {
        return m_fake.showMessage(text, title, buttons, icon);
    }
    QString activeWindowCaption() override { return m_fake.activeWindowCaption(); }
    void beep() override { m_fake.beep(); }
    TwipsSize screenSize() override { return m_fake.screenSize(); }
    QString programFolder() override { return m_fake.programFolder(); }
    bool otherInstanceRunning() override { return m_fake.otherInstanceRunning(); }
    void setTopmost(QObject *window, bool on) override { m_fake.setTopmost(window, on); }
    void scrollTextLines(QObject *box, int lines) override
    {
        m_fake.scrollTextLines(box, lines);
        m_real.scrollTextLines(box, lines);
    }
    void setBusyPointer(QObject *window, bool on) override { m_fake.setBusyPointer(window, on); }
    std::optional<QString> fileDialog(const FileDialogRequest &request) override
    {
        return m_fake.fileDialog(request);
    }
    std::optional<FontChoice> fontDialog(const FontChoice &preset) override
    {
        return m_fake.fontDialog(preset);
    }
    std::optional<quint32> colourDialog(quint32 initial) override
    {
        return m_fake.colourDialog(initial);
    }
    void setCurrentFolder(const QString &folder) override { m_fake.setCurrentFolder(folder); }
    QDateTime now() override { return m_fake.now(); }
    double random() override { return m_fake.random(); }

private:
    FakePlatform &m_fake;
    QtPlatform m_real;
};

} // namespace

class TestTimeMain final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUpFillsTheWindow();
    void startUpAnnouncesSummerTime();
    void controlsHaveAccessibleNames();
    void sixRightPressesReturnRowToItsCity();
    void leftPressOnJapanGivesGermany();
    void indicatorClickTurnsAutoDstOffForAllRows();
    void handEditedValuesNeverCrash();
    void oneRowFoldedWindow();
    void foldThenCloseKeepsStoredPlace();
    void closeStoresPlaceAndSize();
    void closeUnmovedKeepsExactTwips();
    void minimisedOrMaximisedCloseKeepsPlace_data();
    void minimisedOrMaximisedCloseKeepsPlace();
    void closeWritesMemoPagesAndEndsCompanions();
    void shiftLeftPressTurnsPages();
    void ctrlShiftLeftPressDoesNothing();
    void unfoldWhileBackPageIsCurrent();
    void rightPressWithNoPanelWantedDoesNothing();
    void doubleClickMemoKeepsWordPanel();
    void doubleClickWordPanelKeepsMemo();
    void userResizeGivesTheMemoTheRest();
    void dailyRefreshAcrossMidnightKeepsTypingAndSettings();
    void dailyRefreshWhenClockIsSetBackOneDay();
    void panelNotReplacedWhileUnchanged();
    void animationAndMascotTicks();
    void settingsButtonSlidesAndToggles();
    void calendarPictureToggles();
    void bioPictureTogglesAndRecomputes();
    void autoOpenedWindowsCloseWithOneClick();
    void alwaysOnTopAtStartUpAndOff();
    void memoBoxesKeepCrLf();
    void memoPagesSavedShortlyAfterTyping();
    void memoPanelHelpers();
    void wordPanelHelper();
    void geometryIsInDeviceIndependentPixels();
    void frontPageOpensAtTodaysLine();

private:
    Settings baseSettings() const;
    /** Writes the data files from s, then runs the start-up on them. */
    TimeMain *start(const Settings &s, const QString &front = scheduleText,
                    const QString &back = memoText);
    void writeFile(const QString &name, const QString &text);
    Settings reloadedSettings();
    AppContext &ctx() { return *m_ctx; }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<AppContext> m_ctx;
    std::unique_ptr<FakeCompanions> m_companions;
    std::unique_ptr<TimeMain> m_main;
};

void TestTimeMain::initTestCase()
{
    installJapaneseFontSubstitutes(); // as the program does at start
}

void TestTimeMain::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_platform = std::make_unique<FakePlatform>();
    m_platform->folder = m_dir->path();
    m_platform->clock = QDateTime(QDate(2001, 10, 8), QTime(13, 5, 9));
    m_ctx = std::make_unique<AppContext>(*m_platform);
    m_companions = std::make_unique<FakeCompanions>();
    writeFile(u"kakugen.txt"_s, kakugenText());
    writeFile(u"holiday.txt"_s, u"2001/10/8\r\n"_s);
}

void TestTimeMain::cleanup()
{
    m_main.reset();
    m_companions.reset();
    m_ctx.reset();
    m_platform.reset();
    m_dir.reset();
}

Settings TestTimeMain::baseSettings() const
{
    Settings s = defaultSettings();
    s.mainTop = 1500;
    s.mainLeft = 3000;
    s.mainWidth = 6000;
    s.mainHeight = 5000;
    s.todaysWordShow = {1, 1};
    s.memoShow = {1, 1};
    s.clockRows = 2;
    s.autoDst = 1;
    s.showSeconds = 1;
    s.mainOnTop = 0;
    s.rowCity = {0, 3, 5};
    s.rowFormat = {0, 0, 1};
    s.rowBackColor = {16777215, 16777215, 16777215};
    s.rowManualDst = {0, 0, 0};
    for (size_t k = 0; k < 5; ++k) {
        s.itemFontName[k] = u"ＭＳ Ｐゴシック"_s;
        s.itemFontSize[k] = k < 3 ? 20.25 : 9.75;
        s.itemFontBold[k] = 0;
        s.itemFontItalic[k] = 0;
        s.itemForeColor[k] = 0;
    }
    s.titleBarText = u"テスト"_s;
    s.iconScale = 1;
    s.memoFilePath = {m_dir->filePath(u"schedule.dat"_s), m_dir->filePath(u"memo.dat"_s)};
    s.calAutoOpen = 0;
    s.bioAutoOpen = 0;
    s.holidayColor = u"255"_s;
    return s;
}

void TestTimeMain::writeFile(const QString &name, const QString &text)
{
    QVERIFY(!writeFileText(m_dir->filePath(name), text).has_value());
}

TimeMain *TestTimeMain::start(const Settings &s, const QString &front, const QString &back)
{
    {
        AppContext writer(*m_platform);
        writer.settings = s;
        writer.settings.appFolder = m_dir->path();
        saveSettings(writer, {front, back});
    }
    m_main = std::make_unique<TimeMain>(*m_ctx, *m_companions);
    m_main->setSlideStepDelay(0);
    m_main->startUp();
    return m_main.get();
}

Settings TestTimeMain::reloadedSettings()
{
    AppContext reader(*m_platform);
    reader.settings.appFolder = m_dir->path();
    loadSettings(reader);
    return reader.settings;
}

void TestTimeMain::startUpFillsTheWindow()
{
    TimeMain *w = start(baseSettings());
    QCOMPARE(w->windowTitle(), u"【TamoＴｉｍｅ v1.7e】  テスト"_s);
    QVERIFY(w->isVisible());
    QCOMPARE(w->rowLabel(0)->text(), u" 10月8日(月) 13時05分09秒"_s);
    QCOMPARE(w->rowLabel(1)->text(), u" 10月8日(月) 00時05分09秒/NY"_s);
    QCOMPARE(w->rowLabel(2)->text(), u" 10月8日(月) 06：05：09(独)"_s);
    QCOMPARE(w->wordPanel()->toPlainText(),
             shown(panelText(m_platform->clock, u"言葉281"_s)));
    QVERIFY(w->wordPanel()->toPlainText().startsWith(u"こんにちは【今日の言葉】281日41週\n言葉281"_s));
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
        QVERIFY2(w->rowLabel(1)->text().endsWith(suffixes.at(i)), qPrintable(w->rowLabel(1)->text()));
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

void TestTimeMain::oneRowFoldedWindow()
{
    Settings s = baseSettings();
    s.clockRows = 0;
    TimeMain *w = start(s);
    QTest::mousePress(w->settingsButton(), Qt::RightButton);
    QCOMPARE(ctx().state.panelsExpanded, 0);
    const double row0 = w->layoutTwips().rows[0].height;
    QCOMPARE(w->windowHeightTwips(), row0 + 25 + 345);
    QCOMPARE(w->height(), Twips::toPx(row0 + 25));
    QVERIFY(w->rowLabel(0)->isVisible() && w->settingsButton()->isVisible() &&
            w->indicator(0)->isVisible());
    for (int k = 1; k < 3; ++k)
        QVERIFY(!w->rowLabel(k)->isVisible() && !w->indicator(k)->isVisible());
    QVERIFY(!w->mascotPicture()->isVisible() && !w->animationPicture()->isVisible());
    QVERIFY(!w->memoBox(0)->isVisible());
    QCOMPARE(w->layoutTwips().wordPanel.height, 0.0);
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
    const Settings stored = reloadedSettings();
    QCOMPARE(stored.mainLeft.toNumber(), 3000.0);
    QCOMPARE(stored.mainTop.toNumber(), 1500.0);
    QCOMPARE(stored.mainWidth.toNumber(), 6000.0);
    QCOMPARE(stored.mainHeight, qint16(5000));
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
    const Settings stored = reloadedSettings();
    QCOMPARE(stored.mainLeft.toNumber(), 3000.0);
    QCOMPARE(stored.mainTop.toNumber(), 1500.0);
    QCOMPARE(stored.mainWidth.toNumber(), 6000.0);
    QCOMPARE(stored.mainHeight, qint16(5000));
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

void TestTimeMain::shiftLeftPressTurnsPages()
{
    TimeMain *w = start(baseSettings());
    QPlainTextEdit *front = w->memoBox(0);
    QPlainTextEdit *back = w->memoBox(1);
    QTest::keyClicks(front, u"abc"_s);
    QTest::mousePress(front->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
    QCOMPARE(ctx().state.currentMemoPage, 1);
    QVERIFY(back->isVisible());
    QVERIFY(!front->isVisible());
    QCOMPARE(back->palette().color(QPalette::Base), QColor(224, 224, 224));
    QCOMPARE(ctx().memoText[0].toText(), u"abc"_s + scheduleText);
    QCOMPARE(w->memoBoxText(1), memoText);

    QTest::keyClicks(back, u"xyz"_s);
    QTest::mousePress(back->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
    QCOMPARE(ctx().state.currentMemoPage, 0);
    QVERIFY(front->isVisible() && !back->isVisible());
    QCOMPARE(front->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(w->memoBoxText(0), u"abc"_s + scheduleText);
    QCOMPARE(ctx().memoText[1].toText(), u"xyz"_s + memoText);

    QTest::mousePress(front->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
    QCOMPARE(w->memoBoxText(1), u"xyz"_s + memoText);
}

void TestTimeMain::ctrlShiftLeftPressDoesNothing()
{
    TimeMain *w = start(baseSettings());
    QTest::mousePress(w->memoBox(0)->viewport(), Qt::LeftButton,
                      Qt::ShiftModifier | Qt::ControlModifier, QPoint(5, 5));
    QTest::mouseRelease(w->memoBox(0)->viewport(), Qt::LeftButton,
                        Qt::ShiftModifier | Qt::ControlModifier, QPoint(5, 5));
    QTest::mousePress(w->memoBox(0)->viewport(), Qt::RightButton, Qt::ShiftModifier, QPoint(5, 5));
    QTest::mousePress(w->memoBox(0)->viewport(), Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier,
                      QPoint(5, 5));
    QCOMPARE(ctx().state.currentMemoPage, 0);
    QVERIFY(w->memoBox(0)->isVisible() && !w->memoBox(1)->isVisible());
}

void TestTimeMain::unfoldWhileBackPageIsCurrent()
{
    TimeMain *w = start(baseSettings());
    const double memoHeight = w->layoutTwips().memo[0].height;
    QTest::mousePress(w->memoBox(0)->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
    QTest::mousePress(w->settingsButton(), Qt::RightButton);
    QVERIFY(!w->memoBox(1)->isVisible());
    QTest::mousePress(w->settingsButton(), Qt::RightButton);
    QCOMPARE(ctx().state.panelsExpanded, 1);
    QVERIFY(w->memoBox(0)->isVisible());
    QVERIFY(w->memoBox(1)->isVisible());
    QCOMPARE(w->memoBox(0)->geometry(), w->memoBox(1)->geometry());
    QCOMPARE(w->layoutTwips().memo[0], w->layoutTwips().memo[1]);
    QCOMPARE(w->layoutTwips().memo[0].height, memoHeight);
    QCOMPARE(w->layoutTwips().wordPanel.height, 800.0);
    const double rows = MainLayout::rowsHeight(w->layoutTwips());
    QCOMPARE(w->windowHeightTwips(), rows + 800 + 345 + memoHeight);
}

void TestTimeMain::rightPressWithNoPanelWantedDoesNothing()
{
    Settings s = baseSettings();
    s.todaysWordShow = {0, 0};
    s.memoShow = {0, 0};
    TimeMain *w = start(s);
    const double height = w->windowHeightTwips();
    QTest::mousePress(w->settingsButton(), Qt::RightButton);
    QCOMPARE(ctx().state.panelsExpanded, 1);
    QCOMPARE(w->windowHeightTwips(), height);
    QCOMPARE(height, MainLayout::rowsHeight(w->layoutTwips()) + 345);
    QVERIFY(!m_companions->settings);
}

void TestTimeMain::doubleClickMemoKeepsWordPanel()
{
    TimeMain *w = start(baseSettings());
    const double memoHeight = w->layoutTwips().memo[0].height;
    QTest::mouseDClick(w->memoBox(0)->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(ctx().settings.memoShow[0].toNumber(), 0.0);
    QCOMPARE(ctx().state.memoHeight, memoHeight);
    QVERIFY(w->wordPanel()->isVisible());
    QVERIFY(!w->memoBox(0)->isVisible());
    const MainGeometry &g = w->layoutTwips();
    QCOMPARE(w->windowHeightTwips(), MainLayout::rowsHeight(g) + 1.05 * g.wordPanel.height + 345);
}

void TestTimeMain::doubleClickWordPanelKeepsMemo()
{
    TimeMain *w = start(baseSettings());
    QTest::mouseDClick(w->wordPanel()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(ctx().settings.todaysWordShow[0].toNumber(), 0.0);
    const MainGeometry &g = w->layoutTwips();
    QCOMPARE(g.wordPanel.height, 0.0);
    QVERIFY(w->memoBox(0)->isVisible());
    QCOMPARE(g.memo[0].top, MainLayout::rowsHeight(g));
    QCOMPARE(g.memo[0].height, 5000 - MainLayout::rowsHeight(g) - 345);
}

void TestTimeMain::userResizeGivesTheMemoTheRest()
{
    TimeMain *w = start(baseSettings());
    w->resize(w->width(), 500);
    const MainGeometry &g = w->layoutTwips();
    QCOMPARE(g.memo[0].height, 500 * 15 + 345 - MainLayout::rowsHeight(g) - g.wordPanel.height - 345);
    QCOMPARE(w->memoBox(0)->height(), Twips::toPx(g.memo[0].height));
    // Dragged shorter than the rows and the panel: it grows so the memo keeps 2000 twips.
    w->resize(w->width(), 40);
    QCOMPARE(g.memo[0].height, 2000.0);
    QCOMPARE(w->windowHeightTwips(), MainLayout::rowsHeight(g) + g.wordPanel.height + 2000 + 345);
    w->resize(300, w->height());
    QCOMPARE(g.rows[0].width, 300 * 15 + 120.0);
    QCOMPARE(g.button.left, 300 * 15 + 120.0 - g.button.width - 140);
    QVERIFY(w->rowLabel(0)->geometry().right() < w->width());
    QVERIFY(w->wordPanel()->geometry().right() < w->width());
}

void TestTimeMain::dailyRefreshAcrossMidnightKeepsTypingAndSettings()
{
    m_platform->clock = QDateTime(QDate(2001, 10, 8), QTime(23, 59, 58));
    TimeMain *w = start(baseSettings());
    QCOMPARE(ctx().todaysWord.toText(), u"言葉281"_s);
    // Changed in the settings window and typed on both pages since start-up.
    ctx().settings.rowFormat[0] = 3;
    ctx().settings.showSeconds = 0;
    ctx().settings.titleBarText = u"変更"_s;
    QTest::keyClicks(w->memoBox(0), u"front "_s);
    QTest::mousePress(w->memoBox(0)->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
    QTest::keyClicks(w->memoBox(1), u"back "_s);
    const Settings before = ctx().settings;

    w->onAnimationTick();
    QCOMPARE(m_platform->scrollCalls.size(), 1); // no refresh on the same day
    m_platform->clock = QDateTime(QDate(2001, 10, 9), QTime(0, 0, 1));
    w->onAnimationTick();
    QCOMPARE(ctx().todaysWord.toText(), u"言葉282"_s);
    QCOMPARE(ctx().todaysWordDay.toInt(), 282);
    QCOMPARE(w->wordPanel()->toPlainText(), u"おはようございます【今日の言葉】282日41週\n言葉282"_s);
    QCOMPARE(ctx().settings, before);
    QCOMPARE(w->memoBoxText(0), u"front "_s + scheduleText);
    QCOMPARE(ctx().memoText[0].toText(), u"front "_s + scheduleText);
    QCOMPARE(w->memoBoxText(1), u"back "_s + memoText);
    QCOMPARE(ctx().state.currentMemoPage, 1);
    QVERIFY(w->memoBox(1)->isVisible());
    // The front page is scrolled to the new day's line.
    QCOMPARE(ctx().memoTodayLine, qint16(3));
    QCOMPARE(m_platform->scrollCalls.size(), 3);
    QCOMPARE(m_platform->scrollCalls.at(1).lines, -100);
    QCOMPARE(m_platform->scrollCalls.at(2).lines, 3);
    QCOMPARE(m_platform->scrollCalls.at(2).box, w->memoBox(0));
    w->onClockTick();
    QCOMPARE(w->rowLabel(0)->text(), u" Oct/9/(Tue) 00：00"_s);
    w->onAnimationTick();
    QCOMPARE(m_platform->scrollCalls.size(), 3); // once a day
}

void TestTimeMain::dailyRefreshWhenClockIsSetBackOneDay()
{
    TimeMain *w = start(baseSettings());
    QTest::keyClicks(w->memoBox(0), u"typed "_s);
    ctx().settings.rowCity[2] = 1;
    m_platform->clock = QDateTime(QDate(2001, 10, 7), QTime(13, 5, 9));
    w->onAnimationTick();
    QCOMPARE(ctx().todaysWordDay.toInt(), 280);
    QCOMPARE(ctx().todaysWord.toText(), u"言葉280"_s);
    QCOMPARE(ctx().settings.rowCity[2].toInt(), 1);
    QCOMPARE(w->memoBoxText(0), u"typed "_s + scheduleText);
    // No line carries the 7th: the front page keeps its line.
    QCOMPARE(ctx().memoTodayLine, qint16(2));
    QCOMPARE(m_platform->scrollCalls.last().lines, 2);
    QVERIFY(w->wordPanel()->toPlainText().contains(u"280日41週"_s));
}

void TestTimeMain::panelNotReplacedWhileUnchanged()
{
    TimeMain *w = start(baseSettings());
    QSignalSpy changes(w->wordPanel()->document(), &QTextDocument::contentsChanged);
    QTextCursor cursor = w->wordPanel()->textCursor();
    cursor.setPosition(2);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    w->wordPanel()->setTextCursor(cursor);
    m_platform->clock = QDateTime(QDate(2001, 10, 8), QTime(13, 45, 30));
    w->onClockTick();
    w->onClockTick();
    QCOMPARE(changes.count(), 0);
    QVERIFY(w->wordPanel()->textCursor().hasSelection());
    m_platform->clock = QDateTime(QDate(2001, 10, 8), QTime(15, 2, 0));
    w->onClockTick();
    QVERIFY(changes.count() > 0);
    const QString expected = shown(panelText(m_platform->clock, ctx().todaysWord.toText()));
    QCOMPARE(w->wordPanel()->toPlainText(), expected);
    QVERIFY(expected.startsWith(u"お茶にしませんか"_s));
    // Typed over, the panel differs from its text and gets it back at the next tick.
    QTest::keyClicks(w->wordPanel(), u"zz"_s);
    QVERIFY(w->wordPanel()->toPlainText() != expected);
    w->onClockTick();
    QCOMPARE(w->wordPanel()->toPlainText(), expected);
}

void TestTimeMain::animationAndMascotTicks()
{
    Settings s = baseSettings();
    s.clockRows = 1;
    TimeMain *w = start(s);
    QVERIFY(!w->animationPicture()->isVisible());
    for (int i = 1; i <= 10; ++i) {
        w->onAnimationTick();
        QCOMPARE(w->animFrame(), i % 10);
        QCOMPARE(w->animationPicture()->pictureIndex(), i % 10);
    }
    QCOMPARE(w->animationPicture()->pictureKind(), Art::Frame);
    for (const double r : {0.34, 0.16, 0.95, 0.74, 0.04})
        m_platform->randoms.enqueue(r);
    const QList<int> expected{3, 2, 0, 2, 0};
    for (const int index : expected) {
        w->onMascotTick();
        QCOMPARE(w->mascotIndex(), index);
        QCOMPARE(w->mascotPicture()->pictureIndex(), index);
        QCOMPARE(w->mascotPicture()->pictureKind(), Art::Mascot);
    }
}

void TestTimeMain::settingsButtonSlidesAndToggles()
{
    TimeMain *w = start(baseSettings());
    const QRect before = w->indicator(0)->geometry();
    const double memoHeight = w->layoutTwips().memo[0].height;
    ctx().state.memoHeight = 0;
    QTest::mouseClick(w->settingsButton(), Qt::LeftButton);
    QCOMPARE(ctx().state.settingsShown, 1);
    QVERIFY(m_companions->shown(m_companions->settings));
    QCOMPARE(ctx().state.memoHeight, memoHeight);
    QCOMPARE(w->indicator(0)->geometry(), before);
    QCOMPARE(w->layoutTwips().indicators[0].left, std::round(w->layoutTwips().indicators[0].left));
    QTest::mouseClick(w->settingsButton(), Qt::LeftButton);
    QCOMPARE(ctx().state.settingsShown, 0);
    QVERIFY(!m_companions->shown(m_companions->settings));
    QCOMPARE(m_companions->settingsCreations, 1);
    // Closed by its own close box (its handler clears the flag): one click opens it again.
    QTest::mouseClick(w->settingsButton(), Qt::LeftButton);
    m_companions->settings->hide();
    ctx().state.settingsShown = 0;
    QTest::mouseClick(w->settingsButton(), Qt::LeftButton);
    QVERIFY(m_companions->shown(m_companions->settings));
}

void TestTimeMain::calendarPictureToggles()
{
    TimeMain *w = start(baseSettings());
    QTest::mouseClick(w->animationPicture(), Qt::LeftButton);
    QCOMPARE(ctx().state.calendarShown, 1);
    QVERIFY(m_companions->shown(m_companions->calendar));
    QTest::mouseClick(w->animationPicture(), Qt::LeftButton);
    QCOMPARE(ctx().state.calendarShown, 0);
    QVERIFY(!m_companions->shown(m_companions->calendar));
    QTest::mouseClick(w->animationPicture(), Qt::LeftButton);
    m_companions->calendar->hide();
    ctx().state.calendarShown = 0;
    QTest::mouseClick(w->animationPicture(), Qt::LeftButton);
    QVERIFY(m_companions->shown(m_companions->calendar));
    QCOMPARE(m_companions->calendarCreations, 1);
}

void TestTimeMain::bioPictureTogglesAndRecomputes()
{
    TimeMain *w = start(baseSettings());
    QTest::mouseClick(w->mascotPicture(), Qt::LeftButton);
    QCOMPARE(ctx().state.bioShown, 1);
    QVERIFY(m_companions->shown(m_companions->bio));
    QCOMPARE(m_companions->bioCalcs, 1);
    QTest::mouseClick(w->mascotPicture(), Qt::LeftButton);
    QCOMPARE(ctx().state.bioShown, 0);
    QVERIFY(!m_companions->shown(m_companions->bio));
    QTest::mouseClick(w->mascotPicture(), Qt::LeftButton);
    QCOMPARE(m_companions->bioCalcs, 2);
}

void TestTimeMain::autoOpenedWindowsCloseWithOneClick()
{
    Settings s = baseSettings();
    s.calAutoOpen = 1;
    s.bioAutoOpen = 1;
    TimeMain *w = start(s);
    QVERIFY(m_companions->shown(m_companions->calendar));
    QVERIFY(m_companions->shown(m_companions->bio));
    QCOMPARE(ctx().state.calendarShown, 1);
    QCOMPARE(ctx().state.bioShown, 1);
    QTest::mouseClick(w->mascotPicture(), Qt::LeftButton);
    QVERIFY(!m_companions->shown(m_companions->bio));
    QTest::mouseClick(w->animationPicture(), Qt::LeftButton);
    QVERIFY(!m_companions->shown(m_companions->calendar));
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

void TestTimeMain::memoBoxesKeepCrLf()
{
    TimeMain *w = start(baseSettings());
    const QString page = u"a\r\nb\r\n\r\nc\r\n"_s;
    w->setMemoBoxText(0, page);
    QCOMPARE(w->memoBox(0)->toPlainText(), u"a\nb\n\nc\n"_s);
    QCOMPARE(w->memoBoxText(0), page);
    // Unedited, a page goes back byte for byte whatever its line ends.
    const QString odd = u"x\ny\rz\u00a0w"_s;
    w->setMemoBoxText(1, odd);
    QCOMPARE(w->memoBoxText(1), odd);
    // Edited, every line end is CR LF and no-break spaces stay.
    QTest::keyClicks(w->memoBox(0), u"q"_s);
    QCOMPARE(w->memoBoxText(0), u"q"_s + page);
    w->setMemoBoxText(0, u"p\u00a0q"_s);
    QTest::keyClick(w->memoBox(0), Qt::Key_Return);
    QCOMPARE(w->memoBoxText(0), u"\r\np\u00a0q"_s);
}

void TestTimeMain::memoPagesSavedShortlyAfterTyping()
{
    TimeMain *w = start(baseSettings());
    // Another program changed the back page's file: an untouched page is not written over it.
    writeFile(u"memo.dat"_s, u"\"外から\"\r\n"_s);
    QTest::keyClicks(w->memoBox(0), u"typed "_s);
    QCOMPARE(readMemoFile(m_dir->filePath(u"schedule.dat"_s)).text, scheduleText);
    QTRY_COMPARE_WITH_TIMEOUT(readMemoFile(m_dir->filePath(u"schedule.dat"_s)).text,
                              u"typed "_s + scheduleText, 6000);
    QCOMPARE(readMemoFile(m_dir->filePath(u"memo.dat"_s)).text, u"外から"_s);
    // A later save without changes leaves the file alone.
    QVERIFY(!writeFileText(m_dir->filePath(u"schedule.dat"_s), u"\"other\"\r\n"_s).has_value());
    w->saveChangedMemoPages();
    QCOMPARE(readMemoFile(m_dir->filePath(u"schedule.dat"_s)).text, u"other"_s);
}

void TestTimeMain::memoPanelHelpers()
{
    TimeMain *w = start(baseSettings());
    const double height = w->layoutTwips().memo[0].height;
    // As the settings window switches the pad off and on again.
    ctx().settings.memoShow = {0, 0};
    w->showMemoPanel(false);
    w->Time_main_resize();
    QCOMPARE(ctx().state.memoHeight, height);
    QVERIFY(!w->memoBox(0)->isVisible() && !w->memoBox(1)->isVisible());
    QCOMPARE(w->layoutTwips().memo[0].height, 0.0);
    ctx().settings.memoShow = {1, 1};
    w->showMemoPanel(true);
    w->Time_main_resize();
    const double rows = MainLayout::rowsHeight(w->layoutTwips());
    QCOMPARE(w->windowHeightTwips(), rows + 800 + 345 + height);
    QCOMPARE(w->layoutTwips().memo[0].height, height);
    QCOMPARE(w->layoutTwips().wordPanel.height, 800.0);
    QVERIFY(w->memoBox(0)->isVisible());
    // Off while the back page is current, on again: the front page is current and on view.
    QTest::mousePress(w->memoBox(0)->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
    QTest::keyClicks(w->memoBox(1), u"kept "_s);
    ctx().settings.memoShow = {0, 0};
    w->showMemoPanel(false);
    ctx().state.memoHeight = 0;
    ctx().settings.memoShow = {1, 1};
    w->showMemoPanel(true);
    w->Time_main_resize();
    QCOMPARE(ctx().state.memoHeight, 3000.0);
    QCOMPARE(w->layoutTwips().memo[0].height, 3000.0);
    QCOMPARE(ctx().state.currentMemoPage, 0);
    QVERIFY(w->memoBox(0)->isVisible() && !w->memoBox(1)->isVisible());
    QCOMPARE(ctx().memoText[1].toText(), u"kept "_s + memoText);
}

void TestTimeMain::wordPanelHelper()
{
    TimeMain *w = start(baseSettings());
    ctx().settings.todaysWordShow = {0, 0};
    w->showWordPanel(false);
    w->Time_main_resize();
    QVERIFY(!w->wordPanel()->isVisible());
    QCOMPARE(w->layoutTwips().wordPanel.height, 0.0);
    QCOMPARE(w->layoutTwips().memo[0].top, MainLayout::rowsHeight(w->layoutTwips()));
    ctx().settings.todaysWordShow = {1, 1};
    w->showWordPanel(true);
    w->Time_main_resize();
    QVERIFY(w->wordPanel()->isVisible());
    QCOMPARE(w->layoutTwips().wordPanel.height, 800.0);
    QCOMPARE(w->wordPanel()->height(), Twips::toPx(800));

    ctx().settings.itemFontBold[3] = -1;
    ctx().settings.itemFontSize[3] = 12;
    w->applyPanelFont(3);
    QVERIFY(w->wordPanel()->font().bold());
    QCOMPARE(w->wordPanel()->font().pointSizeF(), 12.0);
    QVERIFY(!w->memoBox(0)->font().bold());
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

void TestTimeMain::frontPageOpensAtTodaysLine()
{
    QString front;
    for (int i = 0; i < 40; ++i)
        front += u"メモ\r\n"_s;
    front += u"8 会議\r\n"_s;
    for (int i = 0; i < 4; ++i)
        front += u"メモ\r\n"_s;
    front += u"9 歯医者\r\n"_s;
    for (int i = 0; i < 60; ++i)
        front += u"メモ\r\n"_s;
    RealScrollPlatform platform(*m_platform);
    m_ctx = std::make_unique<AppContext>(platform);
    TimeMain *w = start(baseSettings(), front);
    QCoreApplication::processEvents();
    QCOMPARE(ctx().memoTodayLine, qint16(40));
    QScrollBar *bar = w->memoBox(0)->verticalScrollBar();
    QCOMPARE(bar->value(), 40);
    QCOMPARE(w->memoBox(0)->cursorForPosition(QPoint(2, 2)).blockNumber(), 40);
    // The caret stays where it was: at the start of the page.
    QCOMPARE(w->memoBox(0)->textCursor().position(), 0);
    m_platform->clock = QDateTime(QDate(2001, 10, 9), QTime(0, 0, 1));
    w->onAnimationTick();
    QCoreApplication::processEvents();
    QCOMPARE(bar->value(), 45);
    m_main.reset();
    m_ctx.reset(); // it refers to the local platform
}

QTEST_MAIN(TestTimeMain)
#include "tst_timemain.moc"
