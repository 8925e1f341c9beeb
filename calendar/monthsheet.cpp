#include "monthsheet.h"

#include "datetime.h"

#include <algorithm>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const std::array<QString, 7> japaneseHeadings{u"日"_s, u"月"_s, u"火"_s, u"水"_s,
                                              u"木"_s, u"金"_s, u"土"_s};
const std::array<QString, 7> englishHeadings{u"Sun"_s, u"Mon"_s, u"Tue"_s, u"Wed"_s,
                                             u"Thu"_s, u"Fri"_s, u"Sat"_s};
const std::array<QString, 12> englishMonths{
    u"January"_s, u"February"_s, u"March"_s,     u"April"_s,   u"May"_s,      u"June"_s,
    u"July"_s,    u"August"_s,   u"September"_s, u"October"_s, u"November"_s, u"December"_s};

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

qint64 floorMod(qint64 a, qint64 b)
{
    return a - floorDiv(a, b) * b;
}

bool isLeapYear(qint64 year)
{
    return floorMod(year, 4) == 0 && (floorMod(year, 100) != 0 || floorMod(year, 400) == 0);
}

// Days from 1970-01-01 to a proleptic Gregorian date; exact for every year a qint64 allows here.
qint64 daysFromCivil(qint64 year, int month, int day)
{
    const qint64 y = month <= 2 ? year - 1 : year;
    const qint64 era = floorDiv(y, 400);
    const qint64 yoe = y - era * 400;
    const qint64 mp = (month + 9) % 12;
    const qint64 doy = (153 * mp + 2) / 5 + day - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// Whole numbers are shown with a leading blank, negatives with their minus sign.
QString signedNumberText(qint64 n)
{
    return n >= 0 ? u" "_s + QString::number(n) : QString::number(n);
}

struct YearMonthDay
{
    int year = 0;
    int month = 0;
    int day = 0;
};

// A holiday entry as a date; nothing for blank entries and texts that are no real date.
std::optional<YearMonthDay> holidayDate(const QString &entry)
{
    if (entry.trimmed().isEmpty())
        return std::nullopt;
    const std::optional<double> serial = DateTime::fromValue(Value(entry));
    if (!serial)
        return std::nullopt;
    const QDate date = DateTime::toDate(*serial);
    if (!date.isValid())
        return std::nullopt;
    return YearMonthDay{date.year(), date.month(), date.day()};
}

} // namespace

quint32 colourNumber(double stored)
{
    if (!std::isfinite(stored) || stored <= 0)
        return 0;
    if (stored >= 16777215.0)
        return 16777215u;
    return quint32(stored);
}

int monthLength(qint64 year, int month)
{
    static constexpr std::array<int, 12> lengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && isLeapYear(year))
        return 29;
    return lengths[size_t(month - 1)];
}

int weekdayOf(qint64 year, int month, int day)
{
    // 1970-01-01 was a Thursday.
    return int(floorMod(daysFromCivil(year, month, day) + 4, 7));
}

MonthSheet buildMonthSheet(int displayedYear, int displayedMonth, const QDate &currentDate,
                           const Value &language, const HolidayTable &holidays,
                           const Value &holidayLast, const std::array<quint32, 7> &weekdayColours,
                           const QString &holidayColour)
{
    // A month outside 1..12 is carried into the year, so the tables below are never overrun.
    const qint64 year = qint64(displayedYear) + floorDiv(qint64(displayedMonth) - 1, 12);
    const int month = int(floorMod(qint64(displayedMonth) - 1, 12)) + 1;
    const bool english = language.toNumber() != 0;

    MonthSheet sheet;
    sheet.headings = english ? englishHeadings : japaneseHeadings;
    sheet.title = english ? signedNumberText(year) + u'/' + englishMonths[size_t(month - 1)]
                          : signedNumberText(year) + u'年' + signedNumberText(month) + u'月';

    for (int row = 0; row < MonthSheet::rows; ++row)
        for (int column = 0; column < MonthSheet::columns; ++column)
            sheet.cells[size_t(row * MonthSheet::columns + column)].colour =
                weekdayColours[size_t(column)];

    const bool isCurrentMonth =
        currentDate.isValid() && currentDate.year() == year && currentDate.month() == month;
    const int todayDay = currentDate.isValid() ? currentDate.day() : 0;

    std::array<bool, 33> holidayFlag{};
    const int last = std::clamp(holidayLast.toInt(), 0, int(holidays.size()) - 1);
    for (int k = 0; k <= last; ++k) {
        const std::optional<YearMonthDay> date = holidayDate(holidays[size_t(k)]);
        if (date && date->year == year && date->month == month && date->day >= 1
            && date->day < int(holidayFlag.size()))
            holidayFlag[size_t(date->day)] = true;
    }
    const quint32 holidayRgb = colourNumber(leadingNumber(holidayColour));

    const int days = monthLength(year, month);
    int row = 0;
    for (int d = 1; d <= days && row < MonthSheet::rows; ++d) {
        const int column = weekdayOf(year, month, d);
        DayCell &cell = sheet.cells[size_t(row * MonthSheet::columns + column)];
        cell.text = (u" "_s + signedNumberText(d)).right(2);
        if (holidayFlag[size_t(d)])
            cell.colour = holidayRgb;
        if (isCurrentMonth && d == todayDay)
            cell.framed = true;
        if (column == 6)
            ++row;
    }
    return sheet;
}
