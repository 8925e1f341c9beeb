#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

class Value;
struct Settings;

/** How a cycle stands on the target day; chooses the advice text. */
enum class BioPhase { High, Caution, Low };

/** One of the three cycles: legend caption, period in days, curve and legend colours (0x00BBGGRR). */
struct BioCycle
{
    QString legend;
    int period;
    quint32 curveColour;
    quint32 legendColour;
};

namespace Bio {
/** The program has always used this shortened value; keep it so charts stay as they were. */
constexpr double pi = 3.141592653589;
constexpr int cycleCount = 3;
/** Weeks drawn on each side when none (or 0 or fewer) are set. */
constexpr int defaultWeeks = 3;
/** A hand-edited weeks count beyond this would only draw a black band (and take ages). */
constexpr int maxWeeks = 1000;
} // namespace Bio

/** Cycle 0 physical, 1 emotional, 2 intellectual (other indexes are clamped). */
const BioCycle &bioCycle(int cycle);

/** A date written as text ("2001/2/5", optionally with a time), or nullopt when it is no real date. */
std::optional<QDate> bioDate(const QString &text);

/**
 * Days from the birth date to the target date (the birth day itself counts 0). A target before
 * the birth in the same year gives a negative count; a birth year after the target year keeps the
 * old year-by-year count. nullopt when either date is no real date.
 */
std::optional<int> daysAliveBetween(const QString &birthYear, const QString &birthMonth,
                                    const QString &birthDay, const QString &targetDate);

/** 100 sin(2 pi (daysAlive + t) / period): the cycle t days after the target day, -100..100. */
double cycleValue(int cycle, int daysAlive, int t);
/** The phase of a cycle on the target day. */
BioPhase cyclePhase(int cycle, int daysAlive);
/** The phase for a sine value: 0.1 and above high, below -0.1 low, in between caution. */
BioPhase phaseForSine(double s);

/** The weeks count the chart uses: whole weeks, 0 or fewer give 3, at most Bio::maxWeeks. */
int chartWeeks(const Value &bioWeeks);

/** Fills an empty target date with now (as the "c" text) and a weeks count of 0 or fewer with 3. */
void applyTargetDefaults(Settings &settings, QString &targetDate, const QDateTime &now);
/** A birth year that reads as 0 (empty, not a number) makes today the birth date. */
void applyBirthDefault(Settings &settings, const QDateTime &now);

/** "生存日数　" and the grouped days, "生存日数　12,345 日". */
QString daysAliveText(int daysAlive);
/** "生存年数　" and the years counted from 1900 on the date serial, "生存年数　    27 年". */
QString yearsAliveText(int daysAlive);

/** What one calculation gives the window and the settings page. */
struct BioCalculation
{
    /** nullopt when the birth date or the target date is no real date. */
    std::optional<int> daysAlive;
    QString daysAliveText;
    QString yearsAliveText;
    /** "1999/12/31生", or the reason nothing is charted. */
    QString birthText;
};

/** Days alive and the texts for the settings (after the defaults) and the target date. */
BioCalculation calculateBio(const Settings &settings, const QString &targetDate);
