#include "calendarpage.h"
#include "celllabel.h"
#include "optiongroup.h"
#include "pagesfixture.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 blue = 16711680;

QColor shownColour(const QLabel *label)
{
    if (const auto *cell = qobject_cast<const CellLabel *>(label))
        return cell->textColour();
    return label->palette().color(label->foregroundRole());
}

/** The heading and the six day labels of a column. */
QList<QLabel *> columnLabels(const CalendarWindow &cal, int c)
{
    QList<QLabel *> out{cal.headingLabel(c)};
    for (int r = 0; r < 6; ++r)
        out << cal.dayLabel(r, c);
    return out;
}

} // namespace

class TestCalendarPage final : public QObject
{
    Q_OBJECT
private slots:
    void fillWritesFontDefaults();
    void englishBeforeTheCalendarWasOpened();
    void japaneseAgain();
    void autoOpenAndOnTop();
    void showButtonOpensTheCalendar();
    void allColourTurnsEverythingBlue();
    void sundayFontChangesOnlyColumnZero();
    void titleFontChangesOnlyTheTitle();
    void allFontWritesAllNineRows();
    void cancelledAllFontChangesNothing();
    void backgroundColours();
    void holidayColourWaitsForTheNextComputation();
    void calendarResizeShowsItsSizes();
};

void TestCalendarPage::fillWritesFontDefaults()
{
    PagesFixture f;
    Settings &s = f.ctx.settings;
    s.calFontName.fill(QString());
    s.calFontSize.fill(0);
    s.calFontName[3] = u"ＭＳ 明朝"_s;
    s.calFontSize[3] = 14;
    auto *page = f.page<CalendarPage>();
    for (int j = 0; j < 9; ++j) {
        const QString name = j == 3 ? u"ＭＳ 明朝"_s : u"ＭＳ ゴシック"_s;
        const int size = j == 3 ? 14 : 10;
        QCOMPARE(s.calFontName[size_t(j)], name);
        QCOMPARE(s.calFontSize[size_t(j)], qint16(size));
        QCOMPARE(page->Label20(j)->text(), name);
        QCOMPARE(page->Label21(j)->text(), QString::number(size));
    }
}

void TestCalendarPage::englishBeforeTheCalendarWasOpened()
{
    PagesFixture f;
    auto *page = f.page<CalendarPage>();
    page->Option2->select(0);
    f.calendar.reset(); // as if the calendar had never been opened
    f.calendarCreations = 0;

    page->Option2->option(1)->click();

    QCOMPARE(f.ctx.settings.calLanguage.toNumber(), 1.0);
    QCOMPARE(f.calendarCreations, 1);
    QVERIFY(!f.calendar->isVisible());
    QCOMPARE(f.calendar->headingLabel(0)->text(), u"Sun"_s);
    QCOMPARE(f.calendar->headingLabel(6)->text(), u"Sat"_s);
    QVERIFY2(f.calendar->titleLabel()->text().contains(u"October"_s),
             qPrintable(f.calendar->titleLabel()->text()));
    QCOMPARE(textColor(page->Option2->option(1)), blue);
    QCOMPARE(textColor(page->Option2->option(0)), 0u);
    f.links.showCalendar();
    QCOMPARE(f.calendar->headingLabel(0)->text(), u"Sun"_s);
}

void TestCalendarPage::japaneseAgain()
{
    PagesFixture f;
    f.ctx.settings.calLanguage = Value(1);
    auto *page = f.page<CalendarPage>();
    page->Option2->select(1);
    page->Option2->option(0)->click();
    QCOMPARE(f.ctx.settings.calLanguage.toNumber(), 0.0);
    QCOMPARE(f.calendar->headingLabel(0)->text(), u"日"_s);
}

void TestCalendarPage::autoOpenAndOnTop()
{
    PagesFixture f;
    auto *page = f.page<CalendarPage>();
    page->Option4->select(0);
    page->Option13->select(0);
    page->Option4->option(1)->click();
    QCOMPARE(f.ctx.settings.calAutoOpen.toNumber(), 1.0);
    QCOMPARE(textColor(page->Option4->option(1)), blue);

    f.platform.topmostCalls.clear();
    page->Option13->option(1)->click();
    QCOMPARE(f.ctx.settings.calOnTop.toNumber(), 1.0);
    QCOMPARE(textColor(page->Option13->option(1)), blue);
    QCOMPARE(f.platform.topmostCalls.size(), 1);
    QCOMPARE(f.platform.topmostCalls.last().window, f.calendar.get());
    QVERIFY(f.platform.topmostCalls.last().on);
    page->Option13->option(0)->click();
    QCOMPARE(f.ctx.settings.calOnTop.toNumber(), 0.0);
    QVERIFY(!f.platform.topmostCalls.last().on);
    QVERIFY(!f.calendar->isVisible());
}

void TestCalendarPage::showButtonOpensTheCalendar()
{
    PagesFixture f;
    auto *page = f.page<CalendarPage>();
    page->Command15()->click();
    QVERIFY(f.calendar && f.calendar->isVisible());
    QCOMPARE(f.ctx.state.calendarShown, 1);
}

void TestCalendarPage::allColourTurnsEverythingBlue()
{
    PagesFixture f;
    f.ctx.holidays[0] = u"2001/10/8"_s;
    f.ctx.holidayLast = Value(0);
    f.ctx.settings.holidayColor = u"255"_s;
    auto *page = f.page<CalendarPage>();
    CalendarWindow *cal = f.calendarWindow();
    QCOMPARE(cal->dayLabel(1, 1)->text().trimmed(), u"8"_s);
    QCOMPARE(shownColour(cal->dayLabel(1, 1)), QColor(255, 0, 0));

    f.platform.colourAnswers.enqueue(blue);
    page->Command12(8)->click();

    for (int j = 0; j < 9; ++j) {
        QCOMPARE(f.ctx.settings.calForeColor[size_t(j)].toText(), u"16711680"_s);
        QCOMPARE(f.ctx.settings.calForeColor[size_t(j)].toNumber(), 16711680.0);
    }
    QCOMPARE(shownColour(cal->titleLabel()), QColor(0, 0, 255));
    int labels = 0;
    for (int c = 0; c < 7; ++c)
        for (QLabel *l : columnLabels(*cal, c)) {
            QCOMPARE(shownColour(l), QColor(0, 0, 255));
            ++labels;
        }
    QCOMPARE(labels, 49);

    // The holiday has its own colour again from the next computation.
    cal->nextButton()->click();
    cal->prevButton()->click();
    QCOMPARE(shownColour(cal->dayLabel(1, 1)), QColor(255, 0, 0));
    QCOMPARE(shownColour(cal->dayLabel(1, 2)), QColor(0, 0, 255));
}

void TestCalendarPage::sundayFontChangesOnlyColumnZero()
{
    PagesFixture f;
    auto *page = f.page<CalendarPage>();
    CalendarWindow *cal = f.calendarWindow();
    const QFont titleBefore = cal->titleLabel()->font();
    const QFont mondayBefore = cal->dayLabel(2, 1)->font();
    const QString row1Name = page->Label20(1)->text();

    f.platform.fontAnswers.enqueue(FontChoice{u"ＭＳ 明朝"_s, 16, true, false});
    page->Command11(0)->click();

    const Settings &s = f.ctx.settings;
    QCOMPARE(s.calFontName[0], u"ＭＳ 明朝"_s);
    QCOMPARE(s.calFontSize[0], qint16(16));
    QCOMPARE(s.calFontBold[0], qint16(-1));
    QCOMPARE(s.calFontItalic[0], qint16(0));
    QCOMPARE(page->Label20(0)->text(), u"ＭＳ 明朝"_s);
    QCOMPARE(page->Label21(0)->text(), u"16"_s);
    QCOMPARE(page->Label20(1)->text(), row1Name);
    QVERIFY(s.calFontName[8] != u"ＭＳ 明朝"_s);
    const QFont expected = storedFont(u"ＭＳ 明朝"_s, 16, true);
    for (QLabel *l : columnLabels(*cal, 0)) {
        QCOMPARE(l->font().family(), expected.family());
        QCOMPARE(l->font().pointSizeF(), 16.0);
        QVERIFY(l->font().bold());
    }
    QCOMPARE(cal->dayLabel(2, 1)->font(), mondayBefore);
    QCOMPARE(cal->titleLabel()->font(), titleBefore);
}

void TestCalendarPage::titleFontChangesOnlyTheTitle()
{
    PagesFixture f;
    auto *page = f.page<CalendarPage>();
    CalendarWindow *cal = f.calendarWindow();
    const QFont sundayBefore = cal->dayLabel(0, 0)->font();
    f.platform.fontAnswers.enqueue(FontChoice{u"ＭＳ ゴシック"_s, 22, false, true});
    page->Command11(7)->click();
    QCOMPARE(f.ctx.settings.calFontSize[7], qint16(22));
    QCOMPARE(page->Label21(7)->text(), u"22"_s);
    QCOMPARE(cal->titleLabel()->font().pointSizeF(), 22.0);
    QVERIFY(cal->titleLabel()->font().italic());
    QCOMPARE(cal->dayLabel(0, 0)->font(), sundayBefore);
}

void TestCalendarPage::allFontWritesAllNineRows()
{
    PagesFixture f;
    auto *page = f.page<CalendarPage>();
    CalendarWindow *cal = f.calendarWindow();
    f.platform.fontAnswers.enqueue(FontChoice{u"ＭＳ 明朝"_s, 12, false, false});
    page->Command11(8)->click();
    for (int j = 0; j < 9; ++j) {
        QCOMPARE(f.ctx.settings.calFontName[size_t(j)], u"ＭＳ 明朝"_s);
        QCOMPARE(f.ctx.settings.calFontSize[size_t(j)], qint16(12));
        QCOMPARE(page->Label20(j)->text(), u"ＭＳ 明朝"_s);
        QCOMPARE(page->Label21(j)->text(), u"12"_s);
    }
    QCOMPARE(cal->titleLabel()->font().pointSizeF(), 12.0);
    for (int c = 0; c < 7; ++c)
        QCOMPARE(cal->dayLabel(3, c)->font().pointSizeF(), 12.0);
}

void TestCalendarPage::cancelledAllFontChangesNothing()
{
    PagesFixture f;
    Settings &s = f.ctx.settings;
    s.calFontName[0] = u"ＭＳ 明朝"_s;
    s.calFontSize[0] = 18;
    auto *page = f.page<CalendarPage>();
    const Settings before = s;
    page->Command11(8)->click(); // no answer queued: cancelled
    page->Command12(8)->click();
    QCOMPARE(f.platform.fontPresets.size(), 1);
    QCOMPARE(f.platform.colourInitials.size(), 1);
    QVERIFY(s == before);
    QCOMPARE(page->Label20(0)->text(), u"ＭＳ 明朝"_s);
    QCOMPARE(page->Label21(0)->text(), u"18"_s);
}

void TestCalendarPage::backgroundColours()
{
    PagesFixture f;
    auto *page = f.page<CalendarPage>();
    CalendarWindow *cal = f.calendarWindow();
    f.platform.colourAnswers.enqueue(0x00FFFF); // yellow
    page->Command13(0)->click();
    QCOMPARE(f.ctx.settings.calBackColor[0].toNumber(), double(0x00FFFF));
    QCOMPARE(cal->titleLabel()->palette().color(QPalette::Window), QColor(255, 255, 0));

    f.platform.colourAnswers.enqueue(0xC0FFC0);
    page->Command13(1)->click();
    QCOMPARE(f.ctx.settings.calBackColor[1].toNumber(), double(0xC0FFC0));
    QCOMPARE(cal->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));
    QCOMPARE(cal->dayLabel(5, 6)->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));
    QCOMPARE(cal->titleLabel()->palette().color(QPalette::Window), QColor(255, 255, 0));
}

void TestCalendarPage::holidayColourWaitsForTheNextComputation()
{
    PagesFixture f;
    f.ctx.holidays[0] = u"2001/10/8"_s;
    f.ctx.holidayLast = Value(0);
    f.ctx.settings.holidayColor = u"255"_s;
    auto *page = f.page<CalendarPage>();
    CalendarWindow *cal = f.calendarWindow();
    f.platform.colourAnswers.enqueue(0x00FF00);
    page->Command16()->click();
    QCOMPARE(f.ctx.settings.holidayColor, u"65280"_s);
    QCOMPARE(f.platform.colourInitials.last(), 255u);
    QCOMPARE(shownColour(cal->dayLabel(1, 1)), QColor(255, 0, 0));
    cal->calendar_calc();
    QCOMPARE(shownColour(cal->dayLabel(1, 1)), QColor(0, 255, 0));
}

void TestCalendarPage::calendarResizeShowsItsSizes()
{
    PagesFixture f;
    auto *page = f.page<CalendarPage>();
    CalendarWindow *cal = f.calendarWindow();
    f.links.showCalendar();
    cal->resize(cal->width() * 2, cal->height() * 2);
    QCoreApplication::processEvents();
    QVERIFY(f.ctx.settings.calFontSize[0] != 10);
    const Settings &s = f.ctx.settings;
    for (int j : {0, 3, 6, 8})
        QCOMPARE(page->Label21(j)->text(), QString::number(s.calFontSize[size_t(j)]));
    emit f.ctx.calendarFontSizesChanged(31);
    QCOMPARE(page->Label21(7)->text(), u"31"_s);
}

QTEST_MAIN(TestCalendarPage)
#include "tst_calendarpage.moc"
