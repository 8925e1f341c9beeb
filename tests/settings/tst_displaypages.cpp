#include "clockformatpage.h"
#include "configfixture.h"
#include "displayitemspage.h"
#include "mainlayout.h"
#include "optiongroup.h"
#include "picturebutton.h"
#include "twips.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void click(OptionGroup *group, int index)
{
    QTest::mouseClick(group->option(index), Qt::LeftButton);
}

void click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

quint32 backColor(const QWidget *w)
{
    return bgrFromColor(w->palette().color(QPalette::Window));
}

constexpr quint32 blue = 16711680;

} // namespace

class TstDisplayPages final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installJapaneseFontSubstitutes(); }

    // Page 0
    void upperRowOnlyMarksAndHidesRows();
    void memoOffAndOnRestoresHeight();
    void memoOnFromZeroHeightGives3000();
    void wordPanelOffAndOn();
    void onTopGoesToTheMainWindow();
    void autoDstOnDecidesAndColoursCities();
    void memoFontBoldOnBothPagesOnly();
    void cancelledDialogsLeaveEverything();

    // Page 2
    void secondsOnRerendersSamples();
    void newYorkSamplesInStandardTime();
    void middleRowShowsItsSettings();
    void cityWithManualDstShowsRowFlag();
    void formatGoesToTheMainRow();
    void colourChoicesShowEverywhere();
    void fontChoiceRoundsAndRelaysOut();
};

void TstDisplayPages::upperRowOnlyMarksAndHidesRows()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    OptionGroup *rows = w->displayItemsPage()->Option7;
    QCOMPARE(rows->selected(), 2);
    QVERIFY(!f.mainWindow()->rowLabel(2)->isHidden());

    click(rows, 0);
    QCOMPARE(f.ctx.settings.clockRows, Value(0));
    QCOMPARE(textColor(rows->option(0)), blue);
    QCOMPARE(textColor(rows->option(1)), 0u);
    QCOMPARE(textColor(rows->option(2)), 0u);
    QVERIFY(!f.mainWindow()->rowLabel(0)->isHidden());
    QVERIFY(f.mainWindow()->rowLabel(1)->isHidden());
    QVERIFY(f.mainWindow()->rowLabel(2)->isHidden());
}

void TstDisplayPages::memoOffAndOnRestoresHeight()
{
    ConfigFixture f;
    f.ctx.state.memoHeight = 2400;
    ConfigWindow *w = f.window();
    TimeMain *main = f.mainWindow();
    QCOMPARE(main->layoutTwips().memo[0].height, 2400.0);

    OptionGroup *memo = w->displayItemsPage()->Option3;
    click(memo, 0);
    QCOMPARE(f.ctx.settings.memoShow[0], Value(0));
    QCOMPARE(f.ctx.settings.memoShow[1], Value(0));
    QVERIFY(main->memoBox(0)->isHidden());
    QVERIFY(main->memoBox(1)->isHidden());
    QCOMPARE(textColor(memo->option(0)), blue);

    click(memo, 1);
    QCOMPARE(textColor(memo->option(1)), blue);
    QCOMPARE(textColor(memo->option(0)), 0u);
    QVERIFY(!main->memoBox(0)->isHidden());
    const MainGeometry &g = main->layoutTwips();
    QCOMPARE(g.memo[0].height, 2400.0);
    QCOMPARE(g.memo[1].height, 2400.0);
    const double rows = g.rows[0].height + g.rows[1].height + g.rows[2].height + 25;
    QCOMPARE(main->windowHeightTwips(), rows + 800 + 345 + 2400);
}

void TstDisplayPages::memoOnFromZeroHeightGives3000()
{
    ConfigFixture f;
    f.ctx.state.memoHeight = 2400;
    ConfigWindow *w = f.window();
    TimeMain *main = f.mainWindow();
    click(w->displayItemsPage()->Option3, 0);
    QCOMPARE(f.ctx.state.memoHeight, 2400.0);
    // Opening the settings window again takes the hidden pad's height, 0.
    main->onSettingsButtonClick();
    QVERIFY(w->isVisible());
    QCOMPARE(f.ctx.state.memoHeight, 0.0);
    click(w->displayItemsPage()->Option3, 1);
    QCOMPARE(f.ctx.state.memoHeight, 3000.0);
    QCOMPARE(main->layoutTwips().memo[0].height, 3000.0);
    QVERIFY(!main->memoBox(0)->isHidden());
}

void TstDisplayPages::wordPanelOffAndOn()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    TimeMain *main = f.mainWindow();
    OptionGroup *word = w->displayItemsPage()->Option1;
    click(word, 0);
    QCOMPARE(f.ctx.settings.todaysWordShow[0], Value(0));
    QCOMPARE(f.ctx.settings.todaysWordShow[1], Value(0));
    QVERIFY(main->wordPanel()->isHidden());
    QCOMPARE(main->layoutTwips().wordPanel.height, 0.0);
    click(word, 1);
    QVERIFY(!main->wordPanel()->isHidden());
    QCOMPARE(main->layoutTwips().wordPanel.height, 800.0);
    QCOMPARE(textColor(word->option(1)), blue);
}

void TstDisplayPages::onTopGoesToTheMainWindow()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    f.platform.topmostCalls.clear();
    click(w->displayItemsPage()->Option12, 1);
    QCOMPARE(f.ctx.settings.mainOnTop, Value(1));
    QCOMPARE(f.platform.topmostCalls.size(), 1);
    QCOMPARE(f.platform.topmostCalls[0].window, f.mainWindow());
    QVERIFY(f.platform.topmostCalls[0].on);
    click(w->displayItemsPage()->Option12, 0);
    QVERIFY(!f.platform.topmostCalls.last().on);
    QCOMPARE(textColor(w->displayItemsPage()->Option12->option(0)), blue);
}

void TstDisplayPages::autoDstOnDecidesAndColoursCities()
{
    // Filled in December (no summer time), switched on in October (summer time everywhere).
    ConfigFixture f;
    f.ctx.settings.autoDst = 0;
    f.platform.clock = QDateTime(QDate(2001, 12, 10), QTime(13, 5, 9));
    ConfigWindow *w = f.window();
    OptionGroup *cities = w->clockFormatPage()->Option5;
    for (int c = 1; c <= 5; ++c)
        QCOMPARE(textColor(cities->option(c)), 0u);
    f.platform.clock = QDateTime(QDate(2001, 10, 8), QTime(13, 5, 9));
    click(w->displayItemsPage()->Option6, 1);
    QCOMPARE(f.ctx.settings.autoDst, qint16(1));
    QCOMPARE(textColor(w->displayItemsPage()->Option6->option(1)), blue);
    for (int c = 1; c <= 5; ++c) {
        QCOMPARE(f.ctx.world.cityDstActive[size_t(c)], 1);
        QCOMPARE(textColor(cities->option(c)), 255u);
    }
    QCOMPARE(textColor(cities->option(0)), 0u);
}

void TstDisplayPages::memoFontBoldOnBothPagesOnly()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    DisplayItemsPage *page = w->displayItemsPage();
    QCOMPARE(page->Label6[0]->text(), u"ＭＳ Ｐゴシック"_s);
    QCOMPARE(page->Label6[1]->text(), u"16"_s);
    f.platform.fontAnswers.enqueue(FontChoice{u"ＭＳ 明朝"_s, 13.5, true, false});
    click(page->Command1[1]);
    QCOMPARE(f.platform.fontPresets.last(), (FontChoice{u"ＭＳ Ｐゴシック"_s, 16, false, false}));
    QCOMPARE(f.ctx.settings.itemFontName[4], Value(u"ＭＳ 明朝"_s));
    QCOMPARE(f.ctx.settings.itemFontSize[4], Value(14));
    QCOMPARE(f.ctx.settings.itemFontBold[4], Value(-1));
    QCOMPARE(page->Label6[0]->text(), u"ＭＳ 明朝"_s);
    QCOMPARE(page->Label6[1]->text(), u"14"_s);
    QVERIFY(f.mainWindow()->memoBox(0)->font().bold());
    QVERIFY(f.mainWindow()->memoBox(1)->font().bold());
    QVERIFY(!f.mainWindow()->wordPanel()->font().bold());
    QCOMPARE(page->Label4[1]->text(), u"15"_s);
}

void TstDisplayPages::cancelledDialogsLeaveEverything()
{
    ConfigFixture f;
    f.ctx.settings.itemFontBold[0] = Value(1); // a hand-edited flag stays as it was
    f.ctx.settings.rowBackColor[0] = Value(u"255"_s);
    ConfigWindow *w = f.window();
    const Settings before = f.ctx.settings;
    DisplayItemsPage *items = w->displayItemsPage();
    ClockFormatPage *format = w->clockFormatPage();
    const QString label8 = format->Label8->text();
    const QString label16 = format->Label16->text();
    const quint32 back = backColor(format->Label15);

    click(items->Command1[0]);
    click(items->Command1[1]);
    click(format->Command7);
    click(format->Command6);
    click(format->Command2);

    QCOMPARE(f.platform.fontPresets.size(), 3);
    QCOMPARE(f.platform.colourInitials, (QList<quint32>{255, 0}));
    QVERIFY(f.ctx.settings == before);
    QCOMPARE(format->Label8->text(), label8);
    QCOMPARE(format->Label16->text(), label16);
    QCOMPARE(backColor(format->Label15), back);
    QCOMPARE(items->Label4[0]->text(), u"ＭＳ Ｐゴシック"_s);
    QCOMPARE(items->Label4[1]->text(), u"15"_s);
}

void TstDisplayPages::secondsOnRerendersSamples()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    OptionGroup *samples = w->clockFormatPage()->Option8;
    QCOMPARE(samples->option(0)->text(), u" 10月8日(月) 13時05分"_s);
    QCOMPARE(samples->option(1)->text(), u" 10月8日(月) 13：05"_s);
    click(w->displayItemsPage()->Option11, 1);
    QCOMPARE(f.ctx.settings.showSeconds, qint16(1));
    QCOMPARE(samples->option(0)->text(), u" 10月8日(月) 13時05分09秒"_s);
    QCOMPARE(samples->option(1)->text(), u" 10月8日(月) 13：05：09"_s);
    for (int i = 0; i < 7; ++i)
        QVERIFY2(samples->option(i)->text().endsWith(u"09"_s) ||
                     samples->option(i)->text().endsWith(u"09秒"_s),
                 qPrintable(samples->option(i)->text()));
}

void TstDisplayPages::newYorkSamplesInStandardTime()
{
    ConfigFixture f;
    f.ctx.settings.rowCity[0] = Value(3);
    ConfigWindow *w = f.window();
    ClockFormatPage *page = w->clockFormatPage();
    QCOMPARE(page->Option5->selected(), 3);
    QCOMPARE(f.ctx.world.cityDstActive[3], 1); // 8 October: summer time in New York
    for (int i = 0; i < 7; ++i)
        QVERIFY2(page->Option8->option(i)->text().endsWith(u"/NY"_s),
                 qPrintable(page->Option8->option(i)->text()));
    // 14 hours behind Japan: the daylight-saving hour is not in the samples.
    QCOMPARE(page->Option8->option(1)->text(), u" 10月7日(日) 23：05/NY"_s);
}

void TstDisplayPages::middleRowShowsItsSettings()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    ClockFormatPage *page = w->clockFormatPage();
    click(page->Option10, 1);
    QCOMPARE(f.ctx.state.editRow, 1);
    QCOMPARE(page->Option5->selected(), 3);
    QCOMPARE(page->Option8->selected(), 1);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(textColor(page->Option8->option(i)), 255u);
        QCOMPARE(backColor(page->Option8->option(i)), 14737632u);
    }
    QCOMPARE(backColor(page->Label15), 14737632u);
    QCOMPARE(page->Label8->text(), u"ＭＳ ゴシック"_s);
    QCOMPARE(page->Label16->text(), u"13"_s);
    QCOMPARE(textColor(page->Option10->option(0)), 0u);
    QCOMPARE(textColor(page->Option10->option(1)), blue);
    QCOMPARE(textColor(page->Option10->option(2)), 0u);
    QVERIFY(page->Option8->option(1)->text().endsWith(u"/NY"_s));
}

void TstDisplayPages::cityWithManualDstShowsRowFlag()
{
    ConfigFixture f;
    f.ctx.settings.autoDst = 0;
    f.ctx.settings.rowManualDst = {1, 0, 0};
    ConfigWindow *w = f.window();
    f.ctx.world.cityDstActive = {0, 0, 0, 0, 0, 0};
    click(w->clockFormatPage()->Option5, 3);
    QCOMPARE(f.ctx.settings.rowCity[0], Value(3));
    QCOMPARE(f.mainWindow()->indicator(0)->pictureKind(), Art::SummerTime);

    f.ctx.settings.autoDst = 1;
    click(w->clockFormatPage()->Option5, 4);
    QCOMPARE(f.mainWindow()->indicator(0)->pictureKind(), Art::NormalTime);
}

void TstDisplayPages::formatGoesToTheMainRow()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    OptionGroup *formats = w->clockFormatPage()->Option8;
    click(formats, 4);
    QCOMPARE(f.ctx.settings.rowFormat[0], Value(4));
    QCOMPARE(f.mainWindow()->rowLabel(0)->text(), formats->option(4)->text());
}

void TstDisplayPages::colourChoicesShowEverywhere()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    ClockFormatPage *page = w->clockFormatPage();
    f.platform.colourAnswers.enqueue(blue);
    click(page->Command7);
    QCOMPARE(f.platform.colourInitials.last(), 16777215u);
    QCOMPARE(f.ctx.settings.rowBackColor[0], Value(u"16711680"_s));
    for (int i = 0; i < 7; ++i)
        QCOMPARE(backColor(page->Option8->option(i)), blue);
    QCOMPARE(backColor(page->Label15), blue);
    QCOMPARE(backColor(f.mainWindow()->rowLabel(0)), blue);

    f.platform.colourAnswers.enqueue(65280);
    click(page->Command6);
    QCOMPARE(f.ctx.settings.itemForeColor[0], Value(u"65280"_s));
    for (int i = 0; i < 7; ++i)
        QCOMPARE(textColor(page->Option8->option(i)), 65280u);
    QCOMPARE(bgrFromColor(f.mainWindow()->rowLabel(0)->palette().color(QPalette::WindowText)),
             65280u);
}

void TstDisplayPages::fontChoiceRoundsAndRelaysOut()
{
    ConfigFixture f;
    ConfigWindow *w = f.window();
    ClockFormatPage *page = w->clockFormatPage();
    f.platform.fontAnswers.enqueue(FontChoice{u"ＭＳ 明朝"_s, 20.5, true, true});
    click(page->Command2);
    QCOMPARE(f.ctx.settings.itemFontSize[0], Value(20));
    QCOMPARE(f.ctx.settings.itemFontItalic[0], Value(-1));
    QCOMPARE(page->Label8->text(), u"ＭＳ 明朝"_s);
    QCOMPARE(page->Label16->text(), u"20"_s);
    QCOMPARE(f.mainWindow()->rowLabel(0)->font().pointSizeF(), 20.0);
    QVERIFY(f.mainWindow()->rowLabel(0)->font().bold());
    QCOMPARE(f.mainWindow()->layoutTwips().rows[0].height,
             20 * f.ctx.state.twipsPerPoint * 1.03);
}

QTEST_MAIN(TstDisplayPages)
#include "tst_displaypages.moc"
