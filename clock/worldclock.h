#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

struct Settings;
struct WorldClockState;

/** The n-th Sunday (1-based) of a month. */
QDate nthSundayOf(int year, int month, int n);
/** The last Sunday of a month. */
QDate lastSundayOf(int year, int month);

/** North-American summer time since 2007: second Sunday of March to first Sunday of November. */
QDate naDstStart(int year);
QDate naDstEnd(int year);
/** European summer time: last Sunday of March to last Sunday of October. */
QDate euDstStart(int year);
QDate euDstEnd(int year);

constexpr int cityCount = 6;

/** Fills the suffixes, the offsets (fractions of a day) and the one-hour shift; clears the DST
 * state. */
void initCityTable(WorldClockState &world);

/** The city's standard-time date at the given local (Japanese) time. */
QDate cityStandardDate(const WorldClockState &world, int city, const QDateTime &localNow);

/**
 * Whether summer time is in force for a city at the local time: its own standard-time date
 * lies between its rule's start and end Sundays of the local year, both whole days included.
 */
bool cityDstInForce(const WorldClockState &world, int city, const QDateTime &localNow);

/** This year's four dates and cityDstActive for every city, from the local date-time. */
void decideDst(WorldClockState &world, const QDateTime &localNow);

/** A row's city; a hand-edited index outside 0..5 counts as Japan. */
int rowCityIndex(const Settings &settings, int row);
/** A row's manual flag as 0/1 (a hand-edited value counts by its low bit). */
int rowManualDstFlag(const Settings &settings, int row);
/** The city's automatic state when autoDst is 1, else the row's manual flag. */
int rowDstFlag(const Settings &settings, const WorldClockState &world, int row);
/** Local date-time (day serial) + the city's offset + the summer-time hour when flagged. */
double rowTime(const Settings &settings, const WorldClockState &world, int row, double localNow);
/** The row's caption, or nullopt when its format is not one of 0..6 (caption left as it is). */
std::optional<QString> clockRowText(const Settings &settings, const WorldClockState &world, int row,
                                    double localNow);
