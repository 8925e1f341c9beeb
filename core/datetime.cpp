#include "datetime.h"

#include <cmath>

namespace DateTime {

namespace {

constexpr qint64 secondsPerDay = 86400;
// days_from_civil counts from 1970-01-01; day 0 here is 1899-12-30.
constexpr qint64 unixDayOfEpoch = -25569;

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Proleptic Gregorian day arithmetic without tables (H. Hinnant's civil algorithms).
qint64 daysFromCivil(qint64 y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(qint64 z, int &year, int &month, int &day)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

qint64 dayNumberOf(int year, int month, int day)
{
    return daysFromCivil(year, month, day) - unixDayOfEpoch;
}

// The serial rounded to whole seconds, or nothing when it lies outside the supported days.
std::optional<qint64> roundedSeconds(double serial)
{
    if (!std::isfinite(serial) || serial < double(firstDay - 1) || serial > double(lastDay + 2))
        return std::nullopt;
    // Round to the second first, so 23:59:59.9999 does not fall back a day.
    const qint64 secs = qint64(std::round(serial * double(secondsPerDay)));
    const qint64 dayNo = floorDiv(secs, secondsPerDay);
    if (dayNo < firstDay || dayNo > lastDay)
        return std::nullopt;
    return secs;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Reads 1..maxDigits ASCII digits at text[i]; -1 when there is none.
int readNumber(QStringView text, qsizetype &i, int maxDigits, int *digitCount = nullptr)
{
    int value = 0;
    int count = 0;
    while (i < text.size() && count < maxDigits && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10 + (text[i].unicode() - u'0');
        ++i;
        ++count;
    }
    if (digitCount)
        *digitCount = count;
    return count == 0 ? -1 : value;
}

// "h:m" or "h:m:s" at text[i]; the second fraction of a day, or nothing.
std::optional<double> readTime(QStringView text, qsizetype &i)
{
    const int h = readNumber(text, i, 2);
    if (h < 0 || i >= text.size() || text[i] != u':')
        return std::nullopt;
    ++i;
    const int m = readNumber(text, i, 2);
    if (m < 0)
        return std::nullopt;
    int s = 0;
    if (i < text.size() && text[i] == u':') {
        ++i;
        s = readNumber(text, i, 2);
        if (s < 0)
            return std::nullopt;
    }
    if (h > 23 || m > 59 || s > 59)
        return std::nullopt;
    return double(h * 3600 + m * 60 + s) / double(secondsPerDay);
}

std::optional<double> parseText(QStringView text)
{
    double number = 0;
    if (isPlainNumber(text, &number))
        return number;

    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    qsizetype end = text.size();
    while (end > i && isBlank(text[end - 1]))
        --end;
    text = text.first(end);

    // A time alone is day 0, the form "c" gives a serial below 1.
    {
        qsizetype j = i;
        if (const auto t = readTime(text, j); t && j == text.size())
            return *t;
    }

    int yearDigits = 0;
    const int year = readNumber(text, i, 4, &yearDigits);
    if (yearDigits != 4 || i >= text.size() || (text[i] != u'/' && text[i] != u'-'))
        return std::nullopt;
    const QChar separator = text[i++];
    const int month = readNumber(text, i, 2);
    if (month < 0 || i >= text.size() || text[i] != separator)
        return std::nullopt;
    ++i;
    const int day = readNumber(text, i, 2);
    if (day < 0)
        return std::nullopt;
    const std::optional<double> date = fromParts(year, month, day);
    if (!date)
        return std::nullopt;
    if (i == text.size())
        return date;

    if (!isBlank(text[i]))
        return std::nullopt;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    const std::optional<double> time = readTime(text, i);
    if (!time || i != text.size())
        return std::nullopt;
    return *date + *time;
}

} // namespace

QDate epoch()
{
    return QDate(1899, 12, 30);
}

double fromDate(const QDate &date)
{
    return double(epoch().daysTo(date));
}

double fromQDateTime(const QDateTime &dateTime)
{
    const QTime t = dateTime.time();
    return fromDate(dateTime.date()) + (t.msecsSinceStartOfDay() / 1000) / 86400.0;
}

QDate toDate(double serial)
{
    const std::optional<qint64> secs = roundedSeconds(serial);
    if (!secs)
        return QDate();
    return epoch().addDays(floorDiv(*secs, secondsPerDay));
}

QTime toTime(double serial)
{
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6)
        return QTime(0, 0);
    const double secs = std::round(serial * 86400.0);
    double inDay = std::fmod(secs, 86400.0);
    if (inDay < 0)
        inDay += 86400.0;
    return QTime(0, 0).addSecs(int(inDay));
}

QDateTime toQDateTime(double serial)
{
    return QDateTime(toDate(serial), toTime(serial));
}

std::optional<Fields> fields(double serial)
{
    const std::optional<qint64> secs = roundedSeconds(serial);
    if (!secs)
        return std::nullopt;
    Fields f;
    f.dayNumber = floorDiv(*secs, secondsPerDay);
    const int inDay = int(*secs - f.dayNumber * secondsPerDay);
    f.hour = inDay / 3600;
    f.minute = inDay / 60 % 60;
    f.second = inDay % 60;
    civilFromDays(f.dayNumber + unixDayOfEpoch, f.year, f.month, f.day);
    // Day 0 was a Saturday.
    f.weekday = int((f.dayNumber % 7 + 7 + 6) % 7) + 1;
    f.dayOfYear = int(f.dayNumber - dayNumberOf(f.year, 1, 1)) + 1;
    return f;
}

int daysInMonth(int year, int month)
{
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : lengths[month - 1];
}

std::optional<double> fromParts(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 100 || year > 9999 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    return double(dayNumberOf(year, month, day)) +
           double(hour * 3600 + minute * 60 + second) / double(secondsPerDay);
}

std::optional<double> fromValue(const Value &value)
{
    if (value.isEmpty())
        return std::nullopt;
    if (value.isText())
        return parseText(value.toText());
    const double number = value.toNumber();
    if (!std::isfinite(number))
        return std::nullopt;
    return number;
}

} // namespace DateTime
