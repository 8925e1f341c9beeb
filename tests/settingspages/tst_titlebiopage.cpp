#include "optiongroup.h"
#include "pagesfixture.h"
#include "titlebiopage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTitleBioPage final : public QObject
{
    Q_OBJECT
private slots:
    void fillShowsTheRecordAndToday();
    void iconScaleGo_data();
    void iconScaleGo();
    void birthDateCorrectedWhenChartShown_data();
    void birthDateCorrectedWhenChartShown();
    void targetDateTakenAsTyped_data();
    void targetDateTakenAsTyped();
    void zeroWeeksDrawThreeWeeks();
    void chartCaptionUsesTitleInForce();
    void chartShownWithoutTouchingBioShown();
    void resultLabelsFollowTheCalculation();
    void todayButton();
    void autoOpenOption();
    void closingTakesOverTitleAndBirthDate();
};

void TestTitleBioPage::fillShowsTheRecordAndToday()
{
    PagesFixture f;
    Settings &s = f.ctx.settings;
    s.titleBarText = u"わが家の時計"_s;
    s.iconScale = Value(1.5);
    s.birthYear = Value(1970);
    s.birthMonth = Value(u"03"_s);
    s.birthDay = Value(u"9"_s);
    s.bioWeeks = Value(4);
    auto *page = f.page<TitleBioPage>();
    QCOMPARE(page->Text2()->text(), u"わが家の時計"_s);
    QCOMPARE(page->Text3()->text(), u"1.5"_s);
    QCOMPARE(page->Text6(0)->text(), u"1970"_s);
    QCOMPARE(page->Text6(1)->text(), u"03"_s);
    QCOMPARE(page->Text6(2)->text(), u"9"_s);
    QCOMPARE(page->Text7(0)->text(), u"2001"_s);
    QCOMPARE(page->Text7(1)->text(), u"10"_s);
    QCOMPARE(page->Text7(2)->text(), u"08"_s);
    QCOMPARE(page->Text8()->text(), u"4"_s);
}

void TestTitleBioPage::iconScaleGo_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("abc stores 1 and shows 1") << u"abc"_s << 1.0 << u"1"_s;
    QTest::newRow("-2 stores 1 and shows 1") << u"-2"_s << 1.0 << u"1"_s;
    QTest::newRow("1.5 stored, text left") << u"1.5"_s << 1.5 << u"1.5"_s;
    QTest::newRow("1e400 ends as a sane number") << u"1e400"_s << 10.0 << u"10"_s;
}

void TestTitleBioPage::iconScaleGo()
{
    QFETCH(QString, typed);
    QFETCH(double, stored);
    QFETCH(QString, shown);
    PagesFixture f;
    f.ctx.settings.iconScale = Value(1);
    f.ctx.settings.itemFontSize[0] = Value(20);
    auto *page = f.page<TitleBioPage>();
    f.main->applyMainLayout();
    const double before = f.main->layoutTwips().indicators[0].width;
    page->Text3()->setText(typed);
    page->Command4()->click();
    QCOMPARE(f.ctx.settings.iconScale.toNumber(), stored);
    QCOMPARE(page->Text3()->text(), shown);
    // The main window's icons follow at once.
    const double after = f.main->layoutTwips().indicators[0].width;
    if (stored == 1.0)
        QCOMPARE(after, before);
    else
        QVERIFY2(after > before, qPrintable(u"%1 -> %2"_s.arg(before).arg(after)));
}

void TestTitleBioPage::birthDateCorrectedWhenChartShown_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("1899 becomes 2000")
        << QStringList{u"1899"_s, u"12"_s, u"31"_s} << QStringList{u"2000"_s, u"12"_s, u"31"_s};
    QTest::newRow("1900 stays, month 13 becomes 01")
        << QStringList{u"1900"_s, u"13"_s, u"5"_s} << QStringList{u"1900"_s, u"01"_s, u"5"_s};
    QTest::newRow("day 32 becomes 01")
        << QStringList{u"1980"_s, u"6"_s, u"32"_s} << QStringList{u"1980"_s, u"6"_s, u"01"_s};
}

void TestTitleBioPage::birthDateCorrectedWhenChartShown()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, stored);
    PagesFixture f;
    auto *page = f.page<TitleBioPage>();
    for (int i = 0; i < 3; ++i)
        page->Text6(i)->setText(typed[i]);
    page->Command8()->click();
    const Settings &s = f.ctx.settings;
    QCOMPARE(QStringList({s.birthYear.toText(), s.birthMonth.toText(), s.birthDay.toText()}),
             stored);
    // Stored as typed text; the boxes are not corrected on screen.
    QVERIFY(s.birthYear.isText());
    QCOMPARE(page->Text6(0)->text(), typed[0]);
}

void TestTitleBioPage::targetDateTakenAsTyped_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("target");
    QTest::newRow("2001, 02, 05") << QStringList{u"2001"_s, u"02"_s, u"05"_s} << u"2001/02/05"_s;
    QTest::newRow("three empty boxes give two slashes")
        << QStringList{QString(), QString(), QString()} << u"//"_s;
}

void TestTitleBioPage::targetDateTakenAsTyped()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, target);
    PagesFixture f;
    auto *page = f.page<TitleBioPage>();
    for (int i = 0; i < 3; ++i)
        page->Text7(i)->setText(typed[i]);
    page->Command8()->click();
    QCOMPARE(f.ctx.bio.bioTargetDate, target);
}

void TestTitleBioPage::zeroWeeksDrawThreeWeeks()
{
    PagesFixture f;
    f.ctx.settings.bioWeeks = Value(5);
    auto *page = f.page<TitleBioPage>();
    page->Text8()->setText(u"0"_s);
    // The chart would also redraw at its first resize; the click's own run is the one wanted.
    f.bioWindow();
    page->Command8()->click();
    QCOMPARE(f.bio->drawing().span, 21);
}

void TestTitleBioPage::chartCaptionUsesTitleInForce()
{
    PagesFixture f;
    auto *page = f.page<TitleBioPage>();
    page->Text2()->setText(u"new title"_s);
    page->Command8()->click();
    QCOMPARE(f.bio->windowTitle(), u" Biorythm Chart  old title"_s);
    QCOMPARE(f.ctx.settings.titleBarText, u"old title"_s);
}

void TestTitleBioPage::chartShownWithoutTouchingBioShown()
{
    PagesFixture f;
    auto *page = f.page<TitleBioPage>();
    QCOMPARE(f.bioCreations, 0);
    page->Command8()->click();
    QCOMPARE(f.bioCreations, 1);
    QVERIFY(f.bio->isVisible());
    QCOMPARE(f.ctx.state.bioShown, 0);
    page->Command8()->click();
    QCOMPARE(f.bioCreations, 1);
}

void TestTitleBioPage::resultLabelsFollowTheCalculation()
{
    PagesFixture f;
    auto *page = f.page<TitleBioPage>();
    page->Text6(0)->setText(u"2001"_s);
    page->Text6(1)->setText(u"10"_s);
    page->Text6(2)->setText(u"01"_s);
    page->Command8()->click(); // target 2001/10/08: 7 days alive
    QCOMPARE(page->Label24(0)->text(), f.ctx.bio.daysAliveText);
    QVERIFY2(page->Label24(0)->text().contains(u'7'), qPrintable(page->Label24(0)->text()));
    QCOMPARE(page->Label24(1)->text(), f.ctx.bio.yearsAliveText);

    // Whatever runs the calculation, the labels follow.
    f.ctx.bio.daysAliveText = u"生存日数　1 日"_s;
    f.ctx.bio.yearsAliveText = u"生存年数　    99 年"_s;
    emit f.ctx.bioResultsChanged();
    QCOMPARE(page->Label24(0)->text(), u"生存日数　1 日"_s);
    QCOMPARE(page->Label24(1)->text(), u"生存年数　    99 年"_s);
}

void TestTitleBioPage::todayButton()
{
    PagesFixture f;
    auto *page = f.page<TitleBioPage>();
    page->Text7(0)->setText(u"1999"_s);
    f.platform.clock = QDateTime(QDate(2026, 3, 5), QTime(9, 0));
    page->Command9()->click();
    QCOMPARE(page->Text7(0)->text(), u"2026"_s);
    QCOMPARE(page->Text7(1)->text(), u"03"_s);
    QCOMPARE(page->Text7(2)->text(), u"05"_s);
}

void TestTitleBioPage::autoOpenOption()
{
    PagesFixture f;
    auto *page = f.page<TitleBioPage>();
    page->Option9->select(0);
    page->Option9->option(1)->click();
    QCOMPARE(f.ctx.settings.bioAutoOpen, 1);
    QCOMPARE(page->Option9->selected(), 1);
    QCOMPARE(textColor(page->Option9->option(1)), 16711680u);
    QCOMPARE(textColor(page->Option9->option(0)), 0u);
    page->Option9->option(0)->click();
    QCOMPARE(f.ctx.settings.bioAutoOpen, 0);
    QCOMPARE(textColor(page->Option9->option(0)), 16711680u);
}

void TestTitleBioPage::closingTakesOverTitleAndBirthDate()
{
    PagesFixture f;
    auto *page = f.page<TitleBioPage>();
    page->Text2()->setText(u"new title"_s);
    page->Text6(0)->setText(u"1850"_s);
    page->Text6(1)->setText(u"0"_s);
    page->Text6(2)->setText(u"31"_s);
    page->takeOverOnClose();
    QCOMPARE(f.ctx.settings.titleBarText, u"new title"_s);
    QCOMPARE(f.ctx.settings.birthYear.toText(), u"2000"_s);
    QCOMPARE(f.ctx.settings.birthMonth.toText(), u"01"_s);
    QCOMPARE(f.ctx.settings.birthDay.toText(), u"31"_s);
}

QTEST_MAIN(TestTitleBioPage)
#include "tst_titlebiopage.moc"
