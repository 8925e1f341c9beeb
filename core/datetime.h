#pragma once

#include "value.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <optional>

/** Date-times are days since 1899-12-30 00:00 as a double; one hour is 1/24. */
namespace DateTime {

/** 1899-12-30, day 0. */
QDate epoch();
double fromQDateTime(const QDateTime &dateTime);
double fromDate(const QDate &date);
/** The date part (floor of the serial); invalid for serials outside years 100..9999. */
QDate toDate(double serial);
/** The time of day, rounded to the nearest second. */
QTime toTime(double serial);
QDateTime toQDateTime(double serial);

/**
 * A value as a date-time: numbers unchanged; text as "yyyy/m/d" with an optional " h:m:s",
 * or as a plain number. nullopt when the text is no real date.
 */
std::optional<double> fromValue(const Value &value);

} // namespace DateTime
