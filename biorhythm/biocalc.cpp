#include "biocalc.h"

#include "datetime.h"
#include "formatdatetime.h"
#include "settings.h"
#include "value.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

const BioCycle &bioCycle(int cycle)
{
    static const std::array<BioCycle, Bio::cycleCount> cycles{{
        {u"身体（Ｐ）"_s, 23, 255, 255},
        {u"感情（Ｅ）"_s, 28, 65280, 49152}, // the legend text is darker than its curve
        {u"知性（Ｉ）"_s, 33, 16711680, 16711680},
    }};
    return cycles[size_t(std::clamp(cycle, 0, Bio::cycleCount - 1))];
}

std::optional<QDate> bioDate(const QString &text)
{
    const std::optional<double> serial = DateTime::fromValue(Value(text));
    if (!serial)
        return std::nullopt;
    const QDate date = DateTime::toDate(*serial);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<int> daysAliveBetween(const QString &birthYear, const QString &birthMonth,
                                    const QString &birthDay, const QString &targetDate)
{
    const std::optional<QDate> birth = bioDate(birthYear + u'/' + birthMonth + u'/' + birthDay);
    const std::optional<QDate> target = bioDate(targetDate);
    if (!birth || !target)
        return std::nullopt;
    // Dates lie within years 100..9999 here, so every count fits an int easily.
    if (birth->year() == target->year())
        return target->dayOfYear() - birth->dayOfYear();
    const int restOfBirthYear = birth->daysInYear() - birth->dayOfYear();
    qint64 wholeYears = 0;
    if (birth->year() + 1 <= target->year() - 1)
        wholeYears = QDate(birth->year() + 1, 1, 1).daysTo(QDate(target->year(), 1, 1));
    return restOfBirthYear + int(wholeYears) + target->dayOfYear();
}

double cycleValue(int cycle, int daysAlive, int t)
{
    const double day = double(daysAlive) + double(t);
    return 100.0 * std::sin(2.0 * Bio::pi * day / bioCycle(cycle).period);
}

BioPhase phaseForSine(double s)
{
    if (s >= 0.1 && s <= 1.0)
        return BioPhase::High;
    if (s >= -0.1 && s < 0.1)
        return BioPhase::Caution;
    return BioPhase::Low;
}

BioPhase cyclePhase(int cycle, int daysAlive)
{
    return phaseForSine(std::sin(2.0 * Bio::pi * double(daysAlive) / bioCycle(cycle).period));
}

int chartWeeks(const Value &bioWeeks)
{
    const int weeks = bioWeeks.toInt();
    if (weeks <= 0)
        return Bio::defaultWeeks;
    return std::min(weeks, Bio::maxWeeks);
}

void applyTargetDefaults(Settings &settings, QString &targetDate, const QDateTime &now)
{
    if (targetDate.isEmpty())
        targetDate = formatDateTime(DateTime::fromQDateTime(now), u"c");
    // A fraction of a week (0.3) would leave no whole week to draw, so it counts as none.
    if (settings.bioWeeks.toInt() <= 0)
        settings.bioWeeks = Value(Bio::defaultWeeks);
}

void applyBirthDefault(Settings &settings, const QDateTime &now)
{
    if (settings.birthYear.toNumber() != 0)
        return;
    const double today = DateTime::fromQDateTime(now);
    settings.birthYear = Value(formatDateTime(today, u"yyyy"));
    settings.birthMonth = Value(formatDateTime(today, u"mm"));
    settings.birthDay = Value(formatDateTime(today, u"dd"));
}

QString daysAliveText(int daysAlive)
{
    return u"生存日数　"_s + formatDateTime(double(daysAlive), u"##,### 日");
}

QString yearsAliveText(int daysAlive)
{
    return u"生存年数　"_s + formatDateTime(double(daysAlive), u"    yy 年");
}

BioCalculation calculateBio(const Settings &settings, const QString &targetDate)
{
    const QString year = settings.birthYear.toText();
    const QString month = settings.birthMonth.toText();
    const QString day = settings.birthDay.toText();
    BioCalculation result;
    result.daysAlive = daysAliveBetween(year, month, day, targetDate);
    if (result.daysAlive) {
        result.daysAliveText = daysAliveText(*result.daysAlive);
        result.yearsAliveText = yearsAliveText(*result.daysAlive);
        result.birthText = year + u'/' + month + u'/' + day + u"生"_s;
        return result;
    }
    // Nothing is charted; say which date stands in the way instead of drawing nonsense.
    result.daysAliveText = u"生存日数　"_s;
    result.yearsAliveText = u"生存年数　"_s;
    if (!bioDate(year + u'/' + month + u'/' + day))
        result.birthText = u"生年月日が正しくありません"_s;
    else
        result.birthText = u"表示日が正しくありません"_s;
    return result;
}
