#pragma once

#include "value.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <optional>

/** Date-times are days since 1899-12-30 00:00 as a double; one hour is 1/24. */
namespace DateTime {

/** The first and last day a date-time may fall on: 0100-01-01 and 9999-12-31. */
inline constexpr qint64 firstDay = -657434;
inline constexpr qint64 lastDay = 2958465;

/** A date-time taken apart, after rounding to the second. */
struct Fields
{
    qint64 dayNumber = 0; // days since 1899-12-30 (floor of the serial)
    int year = 0;
    int month = 0;     // 1..12
    int day = 0;       // 1..31
    int weekday = 0;   // 1 Sunday .. 7 Saturday
    int dayOfYear = 0; // 1..366
    int hour = 0;
    int minute = 0;
    int second = 0;
};

/** 1899-12-30, day 0. */
QDate epoch();
double fromQDateTime(const QDateTime &dateTime);
double fromDate(const QDate &date);
/** The date part (floor of the serial); invalid for serials outside years 100..9999. */
QDate toDate(double serial);
/** The time of day, rounded to the nearest second. */
QTime toTime(double serial);
QDateTime toQDateTime(double serial);

/** The calendar fields of a serial; nullopt when it is not finite or outside years 100..9999. */
std::optional<Fields> fields(double serial);
/** The serial of a proleptic Gregorian date and time; nullopt for no real date or time. */
std::optional<double> fromParts(int year, int month, int day, int hour = 0, int minute = 0,
                                int second = 0);
/** Days in a month of a proleptic Gregorian year; 0 for a month outside 1..12. */
int daysInMonth(int year, int month);

/**
 * A value as a date-time: numbers unchanged; text as "yyyy/m/d" or "yyyy-m-d" (four-digit year,
 * month and day with or without leading zeros) optionally followed by blanks and "h:m" or
 * "h:m:s", a time "h:m[:s]" alone (day 0, as "c" writes it), or a plain number. Blanks around
 * the text are ignored. Two-digit years are refused: "01/2/5" could be any century and any
 * field order. nullopt for the empty value, a non-finite number and text that is no real date.
 */
std::optional<double> fromValue(const Value &value);

} // namespace DateTime
