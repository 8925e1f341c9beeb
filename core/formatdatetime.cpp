#include "formatdatetime.h"

// TODO(formatter): the full token and number-pattern formatter.
QString formatDateTime(const Value &value, QStringView pattern)
{
    Q_UNUSED(value);
    return pattern.toString();
}

QString formatDateTime(double serial, QStringView pattern)
{
    return formatDateTime(Value(serial), pattern);
}

QString clockRowPattern(int format, bool withSeconds)
{
    Q_UNUSED(format);
    Q_UNUSED(withSeconds);
    return QString();
}
