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

class TestMainCommands final : public QObject, protected MainFixture
{
    Q_OBJECT
private slots:
    void initTestCase() { MainFixture::initTestCase(); }
    void init() { MainFixture::init(); }
    void cleanup() { MainFixture::cleanup(); }

    void dailyRefreshAcrossMidnightKeepsTypingAndSettings();
    void dailyRefreshWhenClockIsSetBackOneDay();
    void panelNotReplacedWhileUnchanged();
    void animationAndMascotTicks();
    void settingsButtonSlidesAndToggles();
    void calendarPictureToggles();
    void bioPictureTogglesAndRecomputes();
    void autoOpenedWindowsCloseWithOneClick();
};

void TestMainCommands::dailyRefreshAcrossMidnightKeepsTypingAndSettings()
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
    QCOMPARE(w->wordPanel()->toPlainText(),
             u"おはようございます【今日の言葉】282日41週\n言葉282"_s);
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

void TestMainCommands::dailyRefreshWhenClockIsSetBackOneDay()
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

void TestMainCommands::panelNotReplacedWhileUnchanged()
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

void TestMainCommands::animationAndMascotTicks()
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

void TestMainCommands::settingsButtonSlidesAndToggles()
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

void TestMainCommands::calendarPictureToggles()
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

void TestMainCommands::bioPictureTogglesAndRecomputes()
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

void TestMainCommands::autoOpenedWindowsCloseWithOneClick()
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

QTEST_MAIN(TestMainCommands)
#include "tst_maincommands.moc"
