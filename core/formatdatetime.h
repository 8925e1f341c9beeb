#pragma once

#include "value.h"

#include <QString>
#include <QStringView>

/**
 * Renders a date-time (or a number) with one of the program's patterns: date tokens such as
 * "m月d日(aaa) hh：nn：ss", "yyyy", "y", "ww", or number patterns such as "##,### 日".
 * A value that is no date under a date pattern gives "", as does the empty value; a text
 * that is no plain number under a number pattern gives "". Besides the program's tokens, the
 * letters read as h, n, s (no leading zero), dddd / mmmm (English names), aaaa (月曜日),
 * ddddd (yyyy/mm/dd), dddddd (yyyy年m月d日); longer runs split greedily (yyy is yy then y).
 * Only "AM/PM" and "am/pm" are markers; other letters and characters are copied.
 */
QString formatDateTime(const Value &value, QStringView pattern);
QString formatDateTime(double serial, QStringView pattern);

/** The 14 clock-row patterns: format 0..6, with or without seconds. Empty for other indexes. */
QString clockRowPattern(int format, bool withSeconds);
