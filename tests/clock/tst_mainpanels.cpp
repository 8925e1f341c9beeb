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

class TestMainPanels final : public QObject, protected MainFixture
{
    Q_OBJECT
private slots:
    void initTestCase() { MainFixture::initTestCase(); }
    void init() { MainFixture::init(); }
    void cleanup() { MainFixture::cleanup(); }

    void oneRowFoldedWindow();
    void shiftLeftPressTurnsPages();
    void ctrlShiftLeftPressDoesNothing();
    void unfoldWhileBackPageIsCurrent();
    void rightPressWithNoPanelWantedDoesNothing();
    void doubleClickMemoKeepsWordPanel();
    void doubleClickWordPanelKeepsMemo();
    void userResizeGivesTheMemoTheRest();
    void memoBoxesKeepCrLf();
    void memoPagesSavedShortlyAfterTyping();
    void memoPanelHelpers();
    void wordPanelHelper();
    void frontPageOpensAtTodaysLine();
};

void TestMainPanels::oneRowFoldedWindow()
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

void TestMainPanels::shiftLeftPressTurnsPages()
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

void TestMainPanels::ctrlShiftLeftPressDoesNothing()
{
    TimeMain *w = start(baseSettings());
    QTest::mousePress(w->memoBox(0)->viewport(), Qt::LeftButton,
                      Qt::ShiftModifier | Qt::ControlModifier, QPoint(5, 5));
    QTest::mouseRelease(w->memoBox(0)->viewport(), Qt::LeftButton,
                        Qt::ShiftModifier | Qt::ControlModifier, QPoint(5, 5));
    QTest::mousePress(w->memoBox(0)->viewport(), Qt::RightButton, Qt::ShiftModifier, QPoint(5, 5));
    QTest::mousePress(w->memoBox(0)->viewport(), Qt::LeftButton,
                      Qt::ShiftModifier | Qt::AltModifier, QPoint(5, 5));
    QCOMPARE(ctx().state.currentMemoPage, 0);
    QVERIFY(w->memoBox(0)->isVisible() && !w->memoBox(1)->isVisible());
}

void TestMainPanels::unfoldWhileBackPageIsCurrent()
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

void TestMainPanels::rightPressWithNoPanelWantedDoesNothing()
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

void TestMainPanels::doubleClickMemoKeepsWordPanel()
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

void TestMainPanels::doubleClickWordPanelKeepsMemo()
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

void TestMainPanels::userResizeGivesTheMemoTheRest()
{
    TimeMain *w = start(baseSettings());
    w->resize(w->width(), 500);
    const MainGeometry &g = w->layoutTwips();
    QCOMPARE(g.memo[0].height,
             500 * 15 + 345 - MainLayout::rowsHeight(g) - g.wordPanel.height - 345);
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

void TestMainPanels::memoBoxesKeepCrLf()
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

void TestMainPanels::memoPagesSavedShortlyAfterTyping()
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

void TestMainPanels::memoPanelHelpers()
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

void TestMainPanels::wordPanelHelper()
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

void TestMainPanels::frontPageOpensAtTodaysLine()
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

QTEST_MAIN(TestMainPanels)
#include "tst_mainpanels.moc"
