#pragma once

#include "value.h"

#include <QDate>
#include <QString>
#include <array>

/** One day label of the sheet: two-character day text or empty, text colour, today's frame. */
struct DayCell
{
    QString text;
    quint32 colour = 0; // 0x00BBGGRR
    bool framed = false;
    bool operator==(const DayCell &) const = default;
};

/** What the calendar window shows for one month: title, weekday headings, 6 x 7 day cells. */
struct MonthSheet
{
    static constexpr int rows = 6;
    static constexpr int columns = 7;

    QString title;
    std::array<QString, columns> headings;
    /** Row-major: cell (row, column) is cells[row * 7 + column]; column 0 is Sunday. */
    std::array<DayCell, rows * columns> cells;

    const DayCell &cell(int row, int column) const { return cells[size_t(row * columns + column)]; }
};

/** Holiday slots 0..holidayLast as the holiday file fills them. */
using HolidayTable = std::array<QString, 101>;

/**
 * The sheet of (year, month) with today framed and the holidays of that month in the holiday
 * colour. language 0 is Japanese, any other number English. A month outside 1..12 is carried
 * into the year; entries that are no real date mark nothing.
 */
MonthSheet buildMonthSheet(int displayedYear, int displayedMonth, const QDate &currentDate,
                           const Value &language, const HolidayTable &holidays,
                           const Value &holidayLast, const std::array<quint32, 7> &weekdayColours,
                           const QString &holidayColour);

/** A stored colour number as 0x00BBGGRR: not a number or negative gives 0, larger gives white. */
quint32 colourNumber(double stored);

/** Days in a month of the proleptic Gregorian calendar (any year); 0 outside 1..12. */
int monthLength(qint64 year, int month);
/** Weekday of a proleptic Gregorian date, 0 Sunday .. 6 Saturday (any year). */
int weekdayOf(qint64 year, int month, int day);
