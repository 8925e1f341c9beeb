#include "calendarpage.h"
#include "clockformatpage.h"
#include "configfixture.h"
#include "displayitemspage.h"
#include "optiongroup.h"
#include "tabcontrol.h"
#include "titlebiopage.h"
#include "twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Value)

namespace {

/** Lets a window closed with WA_DeleteOnClose go. */
void processDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int checkedCount(const OptionGroup *group)
{
    int n = 0;
    for (int i = 0; i < group->count(); ++i)
        n += group->option(i)->isChecked() ? 1 : 0;
    return n;
}

bool calendarPageBuilt(ConfigWindow *w)
{
    return w->calendarPage()->Option2 && w->calendarPage()->Option13;
}

} // namespace

class TstConfigWindow final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installJapaneseFontSubstitutes(); }
    void frameAndTabs();
    void freshWindowShowsTitleBio();
    void chosenPageSurvivesHideButNotClose();
    void closingSetsFlagAndTakesOverTitle();
    void closingCorrectsBirthDate_data();
    void closingCorrectsBirthDate();
    void endingTakesNothingOver();
    void languageLowestBit_data();
    void languageLowestBit();
    void fillingReappliesOnTopStates();
    void fillingReappliesPanelLayout();
    void calendarFontDefaultsOnCreation();
    void badRecordValuesClamp_data();
    void badRecordValuesClamp();
    void cityCaptionsRedWhereSummerTime();
    void rowEditedOnMainSelectsRowAndCity();
    void autoDstSwitchedOffSelectsOffAndRow();
    void captionsFitTheirControls_data();
    void captionsFitTheirControls();
};

void TstConfigWindow::frameAndTabs()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    QCOMPARE(w->windowTitle(), u"TamoTime設定"_s);
    QVERIFY(!w->isVisible());
    const Qt::WindowFlags flags = w->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QCOMPARE(w->palette().color(QPalette::Window), QColor(192, 192, 192));
    QVERIFY(!w->windowIcon().isNull());

    // The whole tab control lies inside the client area.
    TabControl *tabs = w->tabControl();
    QVERIFY(w->rect().contains(tabs->geometry()));
    QCOMPARE(tabs->geometry().topLeft(), QPoint(Twips::toPx(45), Twips::toPx(45)));
    QCOMPARE(tabs->size(), QSize(Twips::toPx(7485), Twips::toPx(4380)));

    const QStringList captions{u"表示項目"_s, u"今日の言葉"_s, u"時計書式"_s, u"ﾒﾓﾌｧｨﾙ"_s,
                               u"ﾀｲﾄﾙ･Bio"_s, u"夏時情報"_s, u"ｶﾚﾝﾀﾞｰ"_s, u"ﾊﾞｰｼﾞｮﾝ"_s};
    QCOMPARE(tabs->count(), 8);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(tabs->tabBar()->tabText(i), captions[i]);
        QCOMPARE(tabs->page(i)->geometry(), QRect(QPoint(0, 0), tabs->size()));
    }
    // One row: every tab sits on the strip.
    for (int i = 0; i < 8; ++i)
        QCOMPARE(tabs->tabBar()->tabRect(i).top(), tabs->tabBar()->tabRect(0).top());

    // A third of the free screen, in twips.
    const QPointF at = configWindowPosition(f.platform.screen.width, f.platform.screen.height);
    QCOMPARE(w->pos(), QPoint(Twips::toPx(at.x()), Twips::toPx(at.y())));
}

void TstConfigWindow::freshWindowShowsTitleBio()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    QCOMPARE(w->currentPage(), int(ConfigWindow::TitleBio));
    QCOMPARE(w->tabControl()->tabBar()->tabText(w->currentPage()), u"ﾀｲﾄﾙ･Bio"_s);
}

void TstConfigWindow::chosenPageSurvivesHideButNotClose()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    w->show();
    QTest::mouseClick(w->tabControl()->tabBar(), Qt::LeftButton, {},
                      w->tabControl()->tabBar()->tabRect(ConfigWindow::ClockFormat).center());
    QCOMPARE(w->currentPage(), int(ConfigWindow::ClockFormat));
    QVERIFY(w->clockFormatPage()->isVisible());
    w->hide();
    w->show();
    QCOMPARE(w->currentPage(), int(ConfigWindow::ClockFormat));

    w->close();
    processDeletes();
    QVERIFY(f.config.isNull());
    QCOMPARE(f.window()->currentPage(), int(ConfigWindow::TitleBio));
}

void TstConfigWindow::closingSetsFlagAndTakesOverTitle()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    w->show();
    f.ctx.state.settingsShown = 1;
    w->titleBioPage()->Text2()->setText(u"わたしの時計"_s);
    QVERIFY(f.ctx.settings.titleBarText.isEmpty());
    w->close();
    processDeletes();
    QCOMPARE(f.ctx.state.settingsShown, 0);
    QCOMPARE(f.ctx.settings.titleBarText, u"わたしの時計"_s);
    QCOMPARE(f.mainWindow()->windowTitle(), u"【TamoＴｉｍｅ v1.7e】  わたしの時計"_s);
}

void TstConfigWindow::closingCorrectsBirthDate_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("year 1850 becomes 2000") << QStringList{u"1850"_s, u"05"_s, u"20"_s}
                                            << QStringList{u"2000"_s, u"05"_s, u"20"_s};
    QTest::newRow("month 0 becomes 01") << QStringList{u"1970"_s, u"0"_s, u"20"_s}
                                        << QStringList{u"1970"_s, u"01"_s, u"20"_s};
    QTest::newRow("month 13 becomes 01") << QStringList{u"1970"_s, u"13"_s, u"20"_s}
                                         << QStringList{u"1970"_s, u"01"_s, u"20"_s};
    QTest::newRow("day 32 becomes 01") << QStringList{u"1970"_s, u"05"_s, u"32"_s}
                                       << QStringList{u"1970"_s, u"05"_s, u"01"_s};
    QTest::newRow("day 31 kept") << QStringList{u"1970"_s, u"12"_s, u"31"_s}
                                 << QStringList{u"1970"_s, u"12"_s, u"31"_s};
}

void TstConfigWindow::closingCorrectsBirthDate()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, stored);
    ConfigFixture f;
    ConfigWindow *w = f.window();
    for (int i = 0; i < 3; ++i)
        w->titleBioPage()->Text6(i)->setText(typed[i]);
    w->close();
    processDeletes();
    const Settings &s = f.ctx.settings;
    QCOMPARE((QStringList{s.birthYear.toText(), s.birthMonth.toText(), s.birthDay.toText()}),
             stored);
}

void TstConfigWindow::endingTakesNothingOver()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    w->show();
    f.ctx.state.settingsShown = 1;
    w->titleBioPage()->Text2()->setText(u"新しい題"_s);
    f.ctx.state.ending = true;
    w->close();
    processDeletes();
    QVERIFY(f.ctx.settings.titleBarText.isEmpty());
    QCOMPARE(f.ctx.state.settingsShown, 1);
}

void TstConfigWindow::languageLowestBit_data()
{
    QTest::addColumn<Value>("language");
    QTest::addColumn<int>("selected");
    QTest::newRow("0 Japanese") << Value(0) << 0;
    QTest::newRow("1 English") << Value(1) << 1;
    QTest::newRow("2 Japanese") << Value(2) << 0;
    QTest::newRow("3 English") << Value(3) << 1;
    QTest::newRow("-3 English (odd)") << Value(-3) << 1;
    QTest::newRow("text 3abc English") << Value(u"3abc"_s) << 1;
    QTest::newRow("text abc Japanese") << Value(u"abc"_s) << 0;
}

void TstConfigWindow::languageLowestBit()
{
    QFETCH(Value, language);
    QFETCH(int, selected);
    ConfigFixture f;
    f.ctx.settings.calLanguage = language;
    ConfigWindow *w = f.window();
    QVERIFY(calendarPageBuilt(w));
    QCOMPARE(w->calendarPage()->Option2->selected(), selected);
    QCOMPARE(checkedCount(w->calendarPage()->Option2), 1);
}

void TstConfigWindow::fillingReappliesOnTopStates()
{
    ConfigFixture f;
    f.ctx.settings.mainOnTop = Value(1);
    f.ctx.settings.calOnTop = Value(0);
    TimeMain *main = f.mainWindow();
    CalendarWindow *calendar = f.calendarWindow();
    f.platform.topmostCalls.clear();
    ConfigWindow *w = f.window();
    QVERIFY(calendarPageBuilt(w));

    bool mainOn = false, calendarOff = false;
    for (const FakePlatform::TopmostCall &call : f.platform.topmostCalls) {
        mainOn |= call.window == main && call.on;
        calendarOff |= call.window == calendar && !call.on;
    }
    QVERIFY2(mainOn, "the main window goes on top again");
    QVERIFY2(calendarOff, "the calendar leaves the top band again");
    QCOMPARE(w->displayItemsPage()->Option12->selected(), 1);
    QCOMPARE(w->calendarPage()->Option13->selected(), 0);
}

void TstConfigWindow::fillingReappliesPanelLayout()
{
    ConfigFixture f;
    f.ctx.settings.todaysWordShow = {Value(0), Value(1)};
    f.ctx.settings.memoShow = {Value(0), Value(0)};
    TimeMain *main = f.mainWindow();
    main->wordPanel()->hide();
    f.window();
    QCOMPARE(f.ctx.settings.todaysWordShow[0], Value(1));
    QVERIFY(!main->wordPanel()->isHidden());
    QCOMPARE(main->wordPanel()->height(), Twips::toPx(800));
    QVERIFY(main->memoBox(0)->isHidden());
}

void TstConfigWindow::calendarFontDefaultsOnCreation()
{
    ConfigFixture f;
    f.ctx.settings.calFontName[3] = QString();
    f.ctx.settings.calFontSize[3] = 0;
    f.ctx.settings.calFontSize[8] = 0;
    // Touching the window from elsewhere creates it hidden and filled.
    QWidget *w = f.companions.settingsWindow();
    QVERIFY(w && !w->isVisible());
    QCOMPARE(f.ctx.settings.calFontName[3], u"ＭＳ ゴシック"_s);
    QCOMPARE(f.ctx.settings.calFontSize[3], qint16(10));
    QCOMPARE(f.ctx.settings.calFontSize[8], qint16(10));
    QCOMPARE(f.ctx.settings.calFontName[0], u"ＭＳ ゴシック"_s);
}

void TstConfigWindow::badRecordValuesClamp_data()
{
    QTest::addColumn<Value>("clockRows");
    QTest::addColumn<Value>("rowFormat");
    QTest::addColumn<Value>("rowCity");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("city");
    QTest::newRow("5 rows, format 9, city 8 clamp to the last")
        << Value(5) << Value(9) << Value(8) << 2 << 6 << 5;
    QTest::newRow("negative values clamp to the first")
        << Value(-1) << Value(-4) << Value(-2) << 0 << 0 << 0;
    QTest::newRow("text without a number gives the first")
        << Value(u"abc"_s) << Value(u"x"_s) << Value(u""_s) << 0 << 0 << 0;
    QTest::newRow("empty values give the first") << Value() << Value() << Value() << 0 << 0 << 0;
}

void TstConfigWindow::badRecordValuesClamp()
{
    QFETCH(Value, clockRows);
    QFETCH(Value, rowFormat);
    QFETCH(Value, rowCity);
    QFETCH(int, rows);
    QFETCH(int, format);
    QFETCH(int, city);
    ConfigFixture f;
    f.ctx.settings.clockRows = clockRows;
    f.ctx.settings.rowFormat[0] = rowFormat;
    f.ctx.settings.rowCity[0] = rowCity;
    f.ctx.settings.showSeconds = 7;
    f.ctx.settings.autoDst = -2;
    f.ctx.state.editRow = 0;
    ConfigWindow *w = f.window();
    DisplayItemsPage *items = w->displayItemsPage();
    ClockFormatPage *format2 = w->clockFormatPage();
    QCOMPARE(items->Option7->selected(), rows);
    QCOMPARE(format2->Option8->selected(), format);
    QCOMPARE(format2->Option5->selected(), city);
    QCOMPARE(items->Option11->selected(), 1);
    QCOMPARE(items->Option6->selected(), 0);
    for (const OptionGroup *g : {items->Option1, items->Option3, items->Option6, items->Option7,
                                 items->Option11, items->Option12, format2->Option10,
                                 format2->Option5, format2->Option8})
        QCOMPARE(checkedCount(g), 1);
    // The record takes the option that was applied.
    QCOMPARE(f.ctx.settings.clockRows, Value(rows));
}

void TstConfigWindow::cityCaptionsRedWhereSummerTime()
{
    // 1 November 2001: Europe's summer time is over, so the stale state of an older decision
    // gives way to black captions for the UK and Germany.
    ConfigFixture f;
    f.platform.clock = QDateTime(QDate(2001, 11, 1), QTime(13, 5, 9));
    f.ctx.world.cityDstActive = {0, 1, 1, 1, 1, 1};
    ConfigWindow *w = f.window();
    const std::array<int, 6> decided = f.ctx.world.cityDstActive;
    QCOMPARE(decided[4], 0);
    QCOMPARE(decided[5], 0);
    OptionGroup *cities = w->clockFormatPage()->Option5;
    QCOMPARE(textColor(cities->option(0)), 0u);
    for (int c = 1; c <= 5; ++c)
        QCOMPARE(textColor(cities->option(c)), decided[size_t(c)] == 1 ? 255u : 0u);

    // A later decision only turns captions red.
    f.ctx.world.cityDstActive = {0, 0, 0, 0, 1, 0};
    emit f.ctx.dstDetermined();
    QCOMPARE(textColor(cities->option(4)), 255u);
    QCOMPARE(textColor(cities->option(5)), 0u);
    f.ctx.world.cityDstActive = {0, 0, 0, 0, 0, 0};
    emit f.ctx.dstDetermined();
    QCOMPARE(textColor(cities->option(4)), 255u);
}

void TstConfigWindow::rowEditedOnMainSelectsRowAndCity()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    ClockFormatPage *page = w->clockFormatPage();
    QCOMPARE(page->Option10->selected(), 0);

    // The main window cycled the lower row to Germany.
    f.ctx.state.editRow = 2;
    f.ctx.settings.rowCity[2] = Value(5);
    emit f.ctx.rowEdited(2);
    QCOMPARE(page->Option10->selected(), 2);
    QCOMPARE(page->Option5->selected(), 5);
    QCOMPARE(textColor(page->Option10->option(2)), 16711680u);

    // Same row again, next city: the city option follows.
    f.ctx.settings.rowCity[2] = Value(0);
    emit f.ctx.rowEdited(2);
    QCOMPARE(page->Option5->selected(), 0);
    QCOMPARE(f.ctx.settings.rowCity[2], Value(0));
}

void TstConfigWindow::autoDstSwitchedOffSelectsOffAndRow()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    QCOMPARE(w->displayItemsPage()->Option6->selected(), 1);
    f.ctx.state.editRow = 1;
    emit f.ctx.autoDstSwitchedOff(1);
    QCOMPARE(w->displayItemsPage()->Option6->selected(), 0);
    QCOMPARE(f.ctx.settings.autoDst, qint16(0));
    QCOMPARE(textColor(w->displayItemsPage()->Option6->option(0)), 16711680u);
    QCOMPARE(w->clockFormatPage()->Option10->selected(), 1);
}

void TstConfigWindow::captionsFitTheirControls_data()
{
    QTest::addColumn<int>("page");
    const QStringList names{u"display items"_s, u"today's words"_s, u"clock format"_s,
                            u"memo files"_s, u"title and biorhythm"_s, u"summer time"_s,
                            u"calendar"_s, u"version"_s};
    for (int i = 0; i < names.size(); ++i)
        QTest::newRow(qPrintable(u"page %1 %2"_s.arg(i).arg(names[i]))) << i;
}

void TstConfigWindow::captionsFitTheirControls()
{
    QFETCH(int, page);
    ConfigFixture f;
    // The widest samples: seconds on, a city with a suffix.
    f.ctx.settings.showSeconds = 1;
    f.ctx.settings.rowCity[0] = Value(2);
    f.ctx.bio.daysAliveText = u"生まれてから 11,464 日目"_s;
    f.ctx.bio.yearsAliveText = u"31 年 4 ヶ月 18 日"_s;
    ConfigWindow *w = f.window();
    w->setCurrentPage(page);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    emit f.ctx.bioResultsChanged();

    const QString shots = qEnvironmentVariable("TAMO_SHOTS");
    if (!shots.isEmpty())
        w->grab().save(u"%1/config-page%2.png"_s.arg(shots).arg(page));

    QStringList clipped;
    const auto report = [&](const QWidget *c, const QString &text, int need, int have) {
        if (need > have)
            clipped << u"%1 \"%2\": %3 > %4 px"_s.arg(QString::fromLatin1(c->metaObject()->className()),
                                                      text).arg(need).arg(have);
    };
    for (QWidget *c : w->tabControl()->page(page)->findChildren<QWidget *>()) {
        if (!c->isVisibleTo(w))
            continue;
        const QFontMetrics fm(c->font());
        if (auto *o = qobject_cast<QRadioButton *>(c)) {
            const int indicator = c->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, c)
                                  + c->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, c);
            report(c, o->text(), indicator + fm.horizontalAdvance(o->text()), c->width());
            report(c, o->text(), fm.height(), c->height());
        } else if (auto *b = qobject_cast<QPushButton *>(c); b && !b->text().isEmpty()) {
            const QRect need = fm.boundingRect(QRect(0, 0, 10000, 10000), 0, b->text());
            report(c, b->text(), need.width() + 4, c->width());
            report(c, b->text(), need.height(), c->height());
        } else if (auto *g = qobject_cast<QGroupBox *>(c)) {
            report(c, g->title(), fm.horizontalAdvance(g->title()) + 12, c->width());
        } else if (auto *l = qobject_cast<QLabel *>(c); l && !l->text().isEmpty()) {
            const int frame = 2 * l->frameWidth();
            if (l->wordWrap())
                report(c, l->text(), l->heightForWidth(l->width()), c->height());
            else
                report(c, l->text(),
                       fm.boundingRect(QRect(0, 0, 10000, 10000), 0, l->text()).width() + frame,
                       c->width());
        }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u"\n"_s)));
}

QTEST_MAIN(TstConfigWindow)
#include "tst_configwindow.moc"
