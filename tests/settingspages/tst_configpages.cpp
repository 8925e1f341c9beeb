#include "calendarpage.h"
#include "datafiles.h"
#include "dstinfopage.h"
#include "memofilepage.h"
#include "optiongroup.h"
#include "pagesfixture.h"
#include "tabcontrol.h"
#include "titlebiopage.h"
#include "todayswordpage.h"
#include "twips.h"
#include "versionpage.h"
#include "worldclock.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

/** The shipped data files in the fixture's folder, read as at start-up. */
bool loadShippedData(PagesFixture &f)
{
    const QDir source(qEnvironmentVariable("TAMO_SOURCE_DIR") + u"/data"_s);
    for (const QString &name : {u"TAMOtime.INI"_s, u"kakugen.txt"_s, u"holiday.txt"_s,
                                u"schedule.dat"_s, u"memo.dat"_s}) {
        if (!QFile::copy(source.filePath(name), f.path(name)))
            return false;
        QFile::setPermissions(f.path(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    f.platform.clock = QDateTime(QDate(2026, 12, 11), QTime(12, 38));
    loadSettings(f.ctx);
    f.ctx.settings.appFolder = f.dir.path();
    loadTodaysWord(f.ctx);
    loadHolidays(f.ctx);
    initCityTable(f.ctx.world);
    decideDst(f.ctx.world, f.platform.clock);
    for (int k = 0; k < 2; ++k)
        f.main->setMemoBoxText(k, f.ctx.memoText[size_t(k)].toText());
    return f.platform.messages.isEmpty();
}

/** Why a control's text does not fit into it, or an empty text when it fits. */
QString clipping(const QWidget *w)
{
    const QFontMetrics fm(w->font());
    const QString name = QString::fromLatin1(w->metaObject()->className()) + u" "_s;
    if (const auto *l = qobject_cast<const QLabel *>(w)) {
        // Labels that shorten their text on screen show all they can.
        if (l->text().isEmpty() || !l->pixmap().isNull() || l->property("elidesText").toBool())
            return QString();
        const QRect room = l->contentsRect();
        if (l->wordWrap()) {
            const int needed = l->heightForWidth(l->width());
            return needed > l->height()
                       ? name + l->text() + u" needs height %1 of %2"_s.arg(needed).arg(l->height())
                       : QString();
        }
        const QSize needed = fm.size(0, l->text());
        if (needed.width() > room.width() || needed.height() > room.height() + 2)
            return name + l->text() +
                   u" needs %1x%2 in %3x%4"_s.arg(needed.width())
                       .arg(needed.height())
                       .arg(room.width())
                       .arg(room.height());
        return QString();
    }
    if (const auto *b = qobject_cast<const QAbstractButton *>(w)) {
        if (b->text().isEmpty())
            return QString();
        const QSize text = fm.size(0, b->text());
        // Radio buttons need their indicator beside the text; push buttons a small margin.
        const int extra = qobject_cast<const QRadioButton *>(b) ? 20 : 4;
        if (text.width() + extra > b->width() || text.height() > b->height())
            return name + b->text() +
                   u" needs %1x%2 in %3x%4"_s.arg(text.width() + extra)
                       .arg(text.height())
                       .arg(b->width())
                       .arg(b->height());
        return QString();
    }
    if (const auto *e = qobject_cast<const QLineEdit *>(w)) {
        const int needed = fm.height() + 2;
        return needed > e->height() ? name + u"height %1 of %2"_s.arg(needed).arg(e->height())
                                    : QString();
    }
    return QString();
}

/** A child that reaches beyond its parent's area. */
QString outside(const QWidget *w)
{
    const QWidget *p = w->parentWidget();
    if (!p || w->isWindow())
        return QString();
    if (!p->rect().contains(w->geometry()))
        return QString::fromLatin1(w->metaObject()->className()) + u" "_s + w->accessibleName() +
               u" "_s + w->property("text").toString() + u" leaves its parent"_s;
    return QString();
}

} // namespace

class TestConfigPages final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void windowFillsEveryPage();
    void wordListSurvivesReopeningTheWindow();
    void biorhythmResultsReachTheHiddenWindow();
    void controlsShowTheirWholeText_data();
    void controlsShowTheirWholeText();
};

void TestConfigPages::initTestCase()
{
    installJapaneseFontSubstitutes();
}

void TestConfigPages::windowFillsEveryPage()
{
    PagesFixture f;
    QVERIFY(loadShippedData(f));
    ConfigWindow win(f.ctx, f.links);
    QCOMPARE(win.todaysWordPage()->Text4()->toPlainText(), TodaysWordPage::hint());
    QCOMPARE(win.memoFilePage()->Label1(0)->text(), f.ctx.settings.memoFilePath[0]);
    QCOMPARE(win.memoFilePage()->Text1(0)->toPlainText(),
             QString(f.ctx.memoText[0].toText()).replace(u"\r\n"_s, u"\n"_s));
    QVERIFY(win.dstInfoPage()->Label3()->text().contains(u"3月29日(日)　～　10月25日(日)"_s));
    QVERIFY(win.dstInfoPage()->Label3()->text().contains(u"3月8日(日)　～　11月1日(日)"_s));
    QVERIFY(win.versionPage()->Text5()->toPlainText().contains(u"Since 2000/Apr/13"_s));
    QCOMPARE(win.titleBioPage()->Text2()->text(), f.ctx.settings.titleBarText);
    QCOMPARE(win.titleBioPage()->Text7(0)->text(), u"2026"_s);
    for (int j = 0; j < 9; ++j)
        QCOMPARE(win.calendarPage()->Label20(j)->text(), f.ctx.settings.calFontName[size_t(j)]);
    QVERIFY(win.calendarPage()->Option2->selected() >= 0);
}

void TestConfigPages::wordListSurvivesReopeningTheWindow()
{
    PagesFixture f;
    QVERIFY(loadShippedData(f));
    auto win = std::make_unique<ConfigWindow>(f.ctx, f.links);
    win->todaysWordPage()->Image9()->click();
    const QString list = win->todaysWordPage()->Text4()->toPlainText();
    QVERIFY(list.startsWith(u" 1 "_s));
    QVERIFY(list.contains(u"\n 366 "_s));
    win.reset();
    QVERIFY(f.write(u"kakugen.txt"_s, "changed\r\n"));
    win = std::make_unique<ConfigWindow>(f.ctx, f.links);
    QCOMPARE(win->todaysWordPage()->Text4()->toPlainText(), list);
    win->todaysWordPage()->Image9()->click();
    QCOMPARE(win->todaysWordPage()->Text4()->toPlainText(), list);
}

void TestConfigPages::biorhythmResultsReachTheHiddenWindow()
{
    PagesFixture f;
    QVERIFY(loadShippedData(f));
    ConfigWindow win(f.ctx, f.links);
    QVERIFY(!win.isVisible());
    f.bioWindow()->bio_calc();
    QVERIFY(!f.ctx.bio.daysAliveText.isEmpty());
    QCOMPARE(win.titleBioPage()->Label24(0)->text(), f.ctx.bio.daysAliveText);
    QCOMPARE(win.titleBioPage()->Label24(1)->text(), f.ctx.bio.yearsAliveText);
}

void TestConfigPages::controlsShowTheirWholeText_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("1 今日の言葉") << int(ConfigWindow::TodaysWord);
    QTest::newRow("3 ﾒﾓﾌｧｨﾙ") << int(ConfigWindow::MemoFile);
    QTest::newRow("4 ﾀｲﾄﾙ･Bio") << int(ConfigWindow::TitleBio);
    QTest::newRow("5 夏時情報") << int(ConfigWindow::DstInfo);
    QTest::newRow("6 ｶﾚﾝﾀﾞｰ") << int(ConfigWindow::Calendar);
    QTest::newRow("7 ﾊﾞｰｼﾞｮﾝ") << int(ConfigWindow::Version);
}

void TestConfigPages::controlsShowTheirWholeText()
{
    QFETCH(int, page);
    PagesFixture f;
    QVERIFY(loadShippedData(f));
    f.bioWindow()->bio_calc();
    // Long paths as a user's chosen files have them.
    f.ctx.settings.memoFilePath = {f.path(u"schedule.dat"_s), f.path(u"memo.dat"_s)};
    ConfigWindow win(f.ctx, f.links);
    win.setCurrentPage(page);
    if (page == ConfigWindow::TodaysWord)
        win.todaysWordPage()->Image9()->click();
    win.show();
    QVERIFY(QTest::qWaitForWindowExposed(&win));
    QWidget *shown = win.tabControl()->page(page);
    QStringList faults;
    for (QWidget *w : shown->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(shown) || w->parentWidget() == nullptr)
            continue;
        // Only the page's own controls; scroll areas' insides are Qt's.
        if (qobject_cast<QAbstractScrollArea *>(w->parentWidget()) ||
            qobject_cast<QAbstractScrollArea *>(w->parentWidget()->parentWidget()))
            continue;
        for (const QString &fault : {clipping(w), outside(w)})
            if (!fault.isEmpty())
                faults << fault;
    }
    const QString dir = qEnvironmentVariable("TAMO_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        win.grab().save(dir + u"/settings-page%1.png"_s.arg(page));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(TestConfigPages)
#include "tst_configpages.moc"
