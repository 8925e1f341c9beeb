#include "monthsheet.h"

#include <QTest>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

const std::array<quint32, 7> blackColumns{};
const std::array<quint32, 7> columnColours{11, 22, 33, 44, 55, 66, 77};
const QDate farAway(1950, 6, 15);

MonthSheet sheetOf(int year, int month, const QDate &today = farAway, const Value &language = 0)
{
    return buildMonthSheet(year, month, today, language, HolidayTable{}, Value(), blackColumns,
                           u"255"_s);
}

MonthSheet sheetWithHolidays(int year, int month, const QStringList &entries,
                             const QString &holidayColour = u"255"_s)
{
    HolidayTable table;
    for (qsizetype i = 0; i < entries.size() && i < qsizetype(table.size()); ++i)
        table[size_t(i)] = entries[i];
    return buildMonthSheet(year, month, farAway, 0, table, Value(int(entries.size()) - 1),
                           columnColours, holidayColour);
}

int filledCells(const MonthSheet &sheet)
{
    int n = 0;
    for (const DayCell &cell : sheet.cells)
        n += cell.text.isEmpty() ? 0 : 1;
    return n;
}

// (row, column) of a day text on the sheet, or (-1, -1).
QPair<int, int> whereIs(const MonthSheet &sheet, int day)
{
    const QString text = day < 10 ? u" "_s + QString::number(day) : QString::number(day);
    for (int r = 0; r < MonthSheet::rows; ++r)
        for (int c = 0; c < MonthSheet::columns; ++c)
            if (sheet.cell(r, c).text == text)
                return {r, c};
    return {-1, -1};
}

int framedCells(const MonthSheet &sheet)
{
    int n = 0;
    for (const DayCell &cell : sheet.cells)
        n += cell.framed ? 1 : 0;
    return n;
}

} // namespace

class TestMonthSheet final : public QObject
{
    Q_OBJECT
private slots:
    void monthLengths_data();
    void monthLengths();
    void placement_data();
    void placement();
    void fourRowMonthLeavesLastRowsEmpty();
    void dayTexts();
    void titles_data();
    void titles();
    void headings();
    void emptyCellsTakeTheirColumnColour();
    void holidayMarksOnlyItsOwnMonth();
    void holidayEntriesThatAreNoDateMarkNothing_data();
    void holidayEntriesThatAreNoDateMarkNothing();
    void duplicateAndQuotedHolidays();
    void holidaySlotsBeyondTheLastAreIgnored();
    void holidayLastOutOfRangeStaysInsideTheTable();
    void holidayColourText_data();
    void holidayColourText();
    void todayFramedOnlyInItsOwnMonth();
    void holidayThatIsTodayShowsBoth();
    void monthOutsideTheYearIsCarried_data();
    void monthOutsideTheYearIsCarried();
    void extremeYearsStayInsideTheSheet();
    void weekdaysAgreeWithQDate();
};

void TestMonthSheet::monthLengths_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("days");
    QTest::newRow("February 1900 (century, no leap year)") << 1900 << 2 << 28;
    QTest::newRow("February 2000 (divisible by 400)") << 2000 << 2 << 29;
    QTest::newRow("February 2001") << 2001 << 2 << 28;
    QTest::newRow("February 2004") << 2004 << 2 << 29;
    QTest::newRow("December 2001 (next month in the next year)") << 2001 << 12 << 31;
    QTest::newRow("April 2001") << 2001 << 4 << 30;
}

void TestMonthSheet::monthLengths()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, days);
    QCOMPARE(monthLength(year, month), days);
    const MonthSheet sheet = sheetOf(year, month);
    QCOMPARE(filledCells(sheet), days);
    QVERIFY(whereIs(sheet, days).first >= 0);
}

void TestMonthSheet::placement_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("December 2001: the 1st is a Saturday") << 2001 << 12 << 1 << 0 << 6;
    QTest::newRow("December 2001: the 2nd starts row 1") << 2001 << 12 << 2 << 1 << 0;
    QTest::newRow("December 2001: the 31st in row 5") << 2001 << 12 << 31 << 5 << 1;
    QTest::newRow("August 2003: the 1st is a Friday") << 2003 << 8 << 1 << 0 << 5;
    QTest::newRow("August 2003: the 31st in row 5 column 0") << 2003 << 8 << 31 << 5 << 0;
    QTest::newRow("February 2001: the 11th is a Sunday") << 2001 << 2 << 11 << 2 << 0;
    QTest::newRow("February 2009: the 28th ends row 3") << 2009 << 2 << 28 << 3 << 6;
}

void TestMonthSheet::placement()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, row);
    QFETCH(int, column);
    QCOMPARE(whereIs(sheetOf(year, month), day), qMakePair(row, column));
}

void TestMonthSheet::fourRowMonthLeavesLastRowsEmpty()
{
    const MonthSheet sheet = sheetOf(2009, 2);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 7; ++c)
            QVERIFY2(!sheet.cell(r, c).text.isEmpty(), qPrintable(u"row %1 col %2"_s.arg(r).arg(c)));
    for (int r = 4; r < 6; ++r)
        for (int c = 0; c < 7; ++c)
            QVERIFY2(sheet.cell(r, c).text.isEmpty(), qPrintable(u"row %1 col %2"_s.arg(r).arg(c)));
}

void TestMonthSheet::dayTexts()
{
    // February 2001 begins on a Thursday: the 5th is Monday of row 1, the 10th its Saturday.
    const MonthSheet sheet = sheetOf(2001, 2);
    QCOMPARE(sheet.cell(1, 1).text, u" 5"_s);
    QCOMPARE(sheet.cell(1, 6).text, u"10"_s);
    QCOMPARE(sheet.cell(0, 4).text, u" 1"_s);
    QCOMPARE(sheet.cell(0, 3).text, QString());
}

void TestMonthSheet::titles_data()
{
    QTest::addColumn<Value>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("language 0: Japanese") << Value(0) << u" 2001年 2月"_s;
    QTest::newRow("language 1: English") << Value(1) << u" 2001/February"_s;
    QTest::newRow("language 2: also English") << Value(2) << u" 2001/February"_s;
    QTest::newRow("never stored: Japanese") << Value() << u" 2001年 2月"_s;
    QTest::newRow("text 1 from a hand-edited file: English") << Value(u"1"_s) << u" 2001/February"_s;
}

void TestMonthSheet::titles()
{
    QFETCH(Value, language);
    QFETCH(QString, title);
    QCOMPARE(sheetOf(2001, 2, farAway, language).title, title);
}

void TestMonthSheet::headings()
{
    const MonthSheet ja = sheetOf(2001, 2, farAway, 0);
    const MonthSheet en = sheetOf(2001, 2, farAway, 1);
    const std::array<QString, 7> jaHeadings{u"日"_s, u"月"_s, u"火"_s, u"水"_s,
                                            u"木"_s, u"金"_s, u"土"_s};
    const std::array<QString, 7> enHeadings{u"Sun"_s, u"Mon"_s, u"Tue"_s, u"Wed"_s,
                                            u"Thu"_s, u"Fri"_s, u"Sat"_s};
    QCOMPARE(ja.headings, jaHeadings);
    QCOMPARE(en.headings, enHeadings);
    QCOMPARE(sheetOf(2001, 12, farAway, 1).title, u" 2001/December"_s);
    QCOMPARE(sheetOf(2001, 12, farAway, 0).title, u" 2001年 12月"_s);
}

void TestMonthSheet::emptyCellsTakeTheirColumnColour()
{
    const MonthSheet sheet = sheetWithHolidays(2009, 2, {});
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 7; ++c)
            QCOMPARE(sheet.cell(r, c).colour, columnColours[size_t(c)]);
}

void TestMonthSheet::holidayMarksOnlyItsOwnMonth()
{
    const MonthSheet february = sheetWithHolidays(2001, 2, {u"2001/2/11"_s});
    QCOMPARE(february.cell(2, 0).text, u"11"_s);
    QCOMPARE(february.cell(2, 0).colour, 255u);
    int red = 0;
    for (const DayCell &cell : february.cells)
        red += cell.colour == 255u ? 1 : 0;
    QCOMPARE(red, 1);

    const MonthSheet march = sheetWithHolidays(2001, 3, {u"2001/2/11"_s});
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 7; ++c)
            QCOMPARE(march.cell(r, c).colour, columnColours[size_t(c)]);
    // The same day of another year is no holiday either.
    QCOMPARE(sheetWithHolidays(2002, 2, {u"2001/2/11"_s}).cell(1, 1).colour, columnColours[1]);
}

void TestMonthSheet::holidayEntriesThatAreNoDateMarkNothing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("30 February") << u"2001/2/30"_s;
    QTest::newRow("month 13") << u"2001/13/1"_s;
    QTest::newRow("day 0") << u"2001/2/0"_s;
    QTest::newRow("a comment line") << u"建国記念の日"_s;
    QTest::newRow("half a date") << u"2001/2"_s;
    QTest::newRow("blank") << u"  "_s;
    QTest::newRow("empty") << QString();
}

void TestMonthSheet::holidayEntriesThatAreNoDateMarkNothing()
{
    QFETCH(QString, entry);
    for (int month : {1, 2, 3, 12}) {
        const MonthSheet sheet = sheetWithHolidays(2001, month, {entry});
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 7; ++c)
                QCOMPARE(sheet.cell(r, c).colour, columnColours[size_t(c)]);
    }
    // An empty entry must not pass for day 0 of the serial dates, 1899/12/30.
    const MonthSheet epoch = sheetWithHolidays(1899, 12, {entry});
    QCOMPARE(epoch.cell(4, 6).text, u"30"_s);
    QCOMPARE(epoch.cell(4, 6).colour, columnColours[6]);
}

void TestMonthSheet::duplicateAndQuotedHolidays()
{
    const MonthSheet sheet =
        sheetWithHolidays(2001, 5, {u"2001/5/3"_s, u"2001/5/3"_s, u"2001/05/04"_s, u"2001/5/5"_s,
                                    u"2001/2/30"_s, u"2001/5/6"_s});
    // May 2001 begins on a Tuesday: the 3rd..6th are Thursday..Sunday.
    QCOMPARE(sheet.cell(0, 4).colour, 255u);
    QCOMPARE(sheet.cell(0, 5).colour, 255u);
    QCOMPARE(sheet.cell(0, 6).colour, 255u);
    QCOMPARE(sheet.cell(1, 0).colour, 255u);
    QCOMPARE(sheet.cell(0, 3).colour, columnColours[3]);
    QCOMPARE(sheet.cell(1, 1).colour, columnColours[1]);
}

void TestMonthSheet::holidaySlotsBeyondTheLastAreIgnored()
{
    HolidayTable table;
    table[0] = u"2001/2/11"_s;
    table[1] = u"2001/2/12"_s;
    const MonthSheet sheet =
        buildMonthSheet(2001, 2, farAway, 0, table, Value(0), columnColours, u"255"_s);
    QCOMPARE(sheet.cell(2, 0).colour, 255u);
    QCOMPARE(sheet.cell(2, 1).colour, columnColours[1]);
    // Never loaded: the empty holidayLast reads as slot 0 only.
    const MonthSheet unloaded =
        buildMonthSheet(2001, 2, farAway, 0, table, Value(), columnColours, u"255"_s);
    QCOMPARE(unloaded.cell(2, 0).colour, 255u);
    QCOMPARE(unloaded.cell(2, 1).colour, columnColours[1]);
}

void TestMonthSheet::holidayLastOutOfRangeStaysInsideTheTable()
{
    HolidayTable table;
    table[0] = u"2001/2/11"_s;
    table[100] = u"2001/2/12"_s;
    const MonthSheet all =
        buildMonthSheet(2001, 2, farAway, 0, table, Value(5000), columnColours, u"255"_s);
    QCOMPARE(all.cell(2, 0).colour, 255u);
    QCOMPARE(all.cell(2, 1).colour, 255u);
    const MonthSheet negative =
        buildMonthSheet(2001, 2, farAway, 0, table, Value(-7), columnColours, u"255"_s);
    QCOMPARE(negative.cell(2, 0).colour, 255u);
    QCOMPARE(negative.cell(2, 1).colour, columnColours[1]);
}

void TestMonthSheet::holidayColourText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("colour");
    QTest::newRow("255 is red") << u"255"_s << 255u;
    QTest::newRow("blue as the colour dialog writes it") << u"16711680"_s << 16711680u;
    QTest::newRow("0 stays black") << u"0"_s << 0u;
    QTest::newRow("no number reads as 0") << u"赤"_s << 0u;
    QTest::newRow("beyond 24 bits saturates to white") << u"99999999999"_s << 16777215u;
    QTest::newRow("negative reads as 0") << u"-5"_s << 0u;
}

void TestMonthSheet::holidayColourText()
{
    QFETCH(QString, text);
    QFETCH(quint32, colour);
    QCOMPARE(sheetWithHolidays(2001, 2, {u"2001/2/11"_s}, text).cell(2, 0).colour, colour);
}

void TestMonthSheet::todayFramedOnlyInItsOwnMonth()
{
    const QDate today(2001, 10, 8); // a Monday; October 2001 begins on a Monday
    const MonthSheet october = sheetOf(2001, 10, today);
    QCOMPARE(framedCells(october), 1);
    QVERIFY(october.cell(1, 1).framed);
    QCOMPARE(october.cell(1, 1).text, u" 8"_s);
    QCOMPARE(framedCells(sheetOf(2001, 11, today)), 0);
    QCOMPARE(framedCells(sheetOf(2001, 9, today)), 0);
    QCOMPARE(framedCells(sheetOf(2000, 10, today)), 0);
    QCOMPARE(framedCells(sheetOf(2001, 10, QDate())), 0);
    // Nothing is kept between sheets: back in October the frame is there again.
    QCOMPARE(sheetOf(2001, 10, today).cells, october.cells);
}

void TestMonthSheet::holidayThatIsTodayShowsBoth()
{
    HolidayTable table;
    table[0] = u"2001/10/8"_s;
    const MonthSheet sheet = buildMonthSheet(2001, 10, QDate(2001, 10, 8), 0, table, Value(0),
                                             columnColours, u"255"_s);
    QVERIFY(sheet.cell(1, 1).framed);
    QCOMPARE(sheet.cell(1, 1).colour, 255u);
}

void TestMonthSheet::monthOutsideTheYearIsCarried_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("sameYear");
    QTest::addColumn<int>("sameMonth");
    QTest::newRow("month 13 is January of the next year") << 2001 << 13 << 2002 << 1;
    QTest::newRow("month 0 is December of the year before") << 2001 << 0 << 2000 << 12;
    QTest::newRow("month -12 is December two years before") << 2001 << -12 << 1999 << 12;
    QTest::newRow("month 25 is January two years on") << 2001 << 25 << 2003 << 1;
}

void TestMonthSheet::monthOutsideTheYearIsCarried()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, sameYear);
    QFETCH(int, sameMonth);
    const MonthSheet carried = sheetOf(year, month);
    const MonthSheet plain = sheetOf(sameYear, sameMonth);
    QCOMPARE(carried.title, plain.title);
    QCOMPARE(carried.cells, plain.cells);
}

void TestMonthSheet::extremeYearsStayInsideTheSheet()
{
    constexpr int maxInt = std::numeric_limits<int>::max();
    constexpr int minInt = std::numeric_limits<int>::min();
    for (const auto &[year, month] : {std::pair{maxInt, maxInt}, std::pair{minInt, minInt},
                                      std::pair{0, 2}, std::pair{-1, 3}, std::pair{maxInt, 12},
                                      std::pair{minInt, 1}, std::pair{12345678, 7}}) {
        const MonthSheet sheet = sheetOf(year, month);
        const int filled = filledCells(sheet);
        QVERIFY2(filled >= 28 && filled <= 31, qPrintable(u"%1/%2: %3"_s.arg(year).arg(month).arg(filled)));
        QVERIFY(!sheet.title.isEmpty());
    }
    // Year 0 of the proleptic calendar is a leap year; negative years get their minus sign.
    QCOMPARE(monthLength(0, 2), 29);
    QCOMPARE(sheetOf(-5, 1).title, u"-5年 1月"_s);
}

void TestMonthSheet::weekdaysAgreeWithQDate()
{
    for (int year = 1900; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const MonthSheet sheet = sheetOf(year, month);
            const QDate first(year, month, 1);
            const int offset = first.dayOfWeek() % 7; // QDate: Monday 1 .. Sunday 7
            std::array<bool, 42> used{};
            for (int d = 1; d <= first.daysInMonth(); ++d) {
                const int index = offset + d - 1;
                const DayCell &cell = sheet.cells[size_t(index)];
                const QString expected = (u" "_s + QString::number(d)).right(2);
                if (cell.text != expected)
                    QFAIL(qPrintable(u"%1/%2/%3 at row %4 col %5 reads '%6'"_s.arg(year)
                                         .arg(month).arg(d).arg(index / 7).arg(index % 7)
                                         .arg(cell.text)));
                used[size_t(index)] = true;
            }
            for (size_t i = 0; i < used.size(); ++i)
                if (!used[i] && !sheet.cells[i].text.isEmpty())
                    QFAIL(qPrintable(u"%1/%2: stray text in cell %3"_s.arg(year).arg(month).arg(i)));
        }
    }
}

QTEST_GUILESS_MAIN(TestMonthSheet)
#include "tst_monthsheet.moc"
