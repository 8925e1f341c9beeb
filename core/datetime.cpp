#include "datetime.h"

#include <cmath>

namespace DateTime {

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
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6)
        return QDate();
    // Round to the second first, so 23:59:59.9999 does not fall back a day.
    const double secs = std::round(serial * 86400.0);
    return epoch().addDays(qint64(std::floor(secs / 86400.0)));
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

std::optional<double> fromValue(const Value &value)
{
    // TODO(formatter): parse "yyyy/m/d [h:m:s]" and plain-number text.
    if (value.isText())
        return std::nullopt;
    return value.toNumber();
}

} // namespace DateTime
