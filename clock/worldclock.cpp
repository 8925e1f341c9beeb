#include "worldclock.h"

#include "appcontext.h"
#include "formatdatetime.h"
#include "settings.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

enum class DstRule { None, NorthAmerican, European };

constexpr std::array<int, cityCount> cityOffsetHours{0, -17, -15, -14, -9, -8};
constexpr std::array<DstRule, cityCount> cityRules{DstRule::None,          DstRule::NorthAmerican,
                                                   DstRule::NorthAmerican, DstRule::NorthAmerican,
                                                   DstRule::European,      DstRule::European};

bool validCity(int city)
{
    return city >= 0 && city < cityCount;
}

// Offsets are whole hours; the table holds them as fractions of a day.
int offsetHours(const WorldClockState &world, int city)
{
    const double hours = std::round(world.cityOffset[size_t(city)] * 24.0);
    return std::isfinite(hours) ? int(std::clamp(hours, -48.0, 48.0)) : 0;
}

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

QDate nthSundayOf(int year, int month, int n)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return {};
    const int toSunday = (7 - first.dayOfWeek() % 7) % 7; // dayOfWeek: Monday 1 .. Sunday 7
    return first.addDays(toSunday + 7 * (n - 1));
}

QDate lastSundayOf(int year, int month)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return {};
    const QDate last = first.addDays(first.daysInMonth() - 1);
    return last.addDays(-(last.dayOfWeek() % 7));
}

QDate naDstStart(int year)
{
    return nthSundayOf(year, 3, 2);
}

QDate naDstEnd(int year)
{
    return nthSundayOf(year, 11, 1);
}

QDate euDstStart(int year)
{
    return lastSundayOf(year, 3);
}

QDate euDstEnd(int year)
{
    return lastSundayOf(year, 10);
}

void initCityTable(WorldClockState &world)
{
    world.citySuffix = {QString(), u"/LA"_s, u"/ｼｶｺﾞ"_s, u"/NY"_s, u"(英)"_s, u"(独)"_s};
    for (size_t c = 0; c < cityOffsetHours.size(); ++c)
        world.cityOffset[c] = cityOffsetHours[c] / 24.0;
    world.dstShift = {0.0, 1.0 / 24.0};
    world.cityDstActive.fill(0);
}

QDate cityStandardDate(const WorldClockState &world, int city, const QDateTime &localNow)
{
    if (!validCity(city))
        return localNow.date();
    // Whole seconds, so an offset of -17 h at exactly 17:00 stays on the local date.
    const qint64 seconds =
        localNow.time().msecsSinceStartOfDay() / 1000 + qint64(offsetHours(world, city)) * 3600;
    return localNow.date().addDays(floorDiv(seconds, 86400));
}

bool cityDstInForce(const WorldClockState &world, int city, const QDateTime &localNow)
{
    if (!validCity(city))
        return false;
    const int year = localNow.date().year();
    QDate start, end;
    switch (cityRules[size_t(city)]) {
    case DstRule::None:
        return false;
    case DstRule::NorthAmerican:
        start = naDstStart(year);
        end = naDstEnd(year);
        break;
    case DstRule::European:
        start = euDstStart(year);
        end = euDstEnd(year);
        break;
    }
    const QDate d = cityStandardDate(world, city, localNow);
    return start <= d && d <= end;
}

void decideDst(WorldClockState &world, const QDateTime &localNow)
{
    const int year = localNow.date().year();
    world.naDstStart = naDstStart(year);
    world.naDstEnd = naDstEnd(year);
    world.euDstStart = euDstStart(year);
    world.euDstEnd = euDstEnd(year);
    for (int c = 1; c < cityCount; ++c)
        world.cityDstActive[size_t(c)] = cityDstInForce(world, c, localNow) ? 1 : 0;
    world.cityDstActive[0] = 0;
}

int rowCityIndex(const Settings &settings, int row)
{
    const int city = settings.rowCity[size_t(row)].toInt();
    return validCity(city) ? city : 0;
}

int rowManualDstFlag(const Settings &settings, int row)
{
    return settings.rowManualDst[size_t(row)] & 1;
}

int rowDstFlag(const Settings &settings, const WorldClockState &world, int row)
{
    if (settings.autoDst == 1)
        return world.cityDstActive[size_t(rowCityIndex(settings, row))] & 1;
    return rowManualDstFlag(settings, row);
}

double rowTime(const Settings &settings, const WorldClockState &world, int row, double localNow)
{
    const int city = rowCityIndex(settings, row);
    return localNow + world.cityOffset[size_t(city)] +
           world.dstShift[size_t(rowDstFlag(settings, world, row))];
}

std::optional<QString> clockRowText(const Settings &settings, const WorldClockState &world, int row,
                                    double localNow)
{
    const double format = settings.rowFormat[size_t(row)].toNumber();
    if (!(format >= 0 && format <= 6 && format == std::floor(format)))
        return std::nullopt;
    const QString pattern = clockRowPattern(int(format), settings.showSeconds == 1);
    QString text = formatDateTime(rowTime(settings, world, row, localNow), pattern);
    text += world.citySuffix[size_t(rowCityIndex(settings, row))];
    return text;
}
