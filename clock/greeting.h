#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

/** The greeting for a time of day ("????" for a time outside the day). */
QString greetingFor(int hour, int minute);
/** 1 for 1 January up to 365 or 366. */
int dayOfYear(const QDate &date);
/** Weeks begin on Sunday; week 1 is the one holding 1 January (so up to 54). */
int weekOfYear(const QDate &date);
/** The word panel: greeting, "【今日の言葉】", day and week numbers, CR LF, the day's word. */
QString panelText(const QDateTime &now, const QString &todaysWord);
