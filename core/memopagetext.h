#pragma once

#include <QString>
#include <QStringView>

/** The day number a schedule line begins with (one or two ASCII digits), or -1 for none. */
int lineDayNumber(QStringView line);
/** The 0-based number of the last line of a page whose day number is day, or -1. */
int lastLineOfDay(QStringView pageText, int day);
/** The text with every line end (CR LF, lone CR, lone LF) written as CR LF. */
QString withCrLf(QStringView text);
/**
 * The page text a page file holds: everything between its opening and its last double quote,
 * so quotes, commas and line breaks inside come back whole. A file without quotes (written by
 * hand) is taken whole, less its final line end.
 */
QString memoPageFromFile(QStringView content);
/** The content of a page file: the page text between double quotes, then CR LF. */
QString memoPageFileText(QStringView pageText);
