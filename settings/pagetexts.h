#pragma once

#include <QDate>
#include <QString>

/** Texts and input rules of the settings pages, kept apart from the widgets. */
namespace PageTexts {

/** The program's banner that begins the window titles. */
QString banner();

/** The daylight-saving page's text: both rules and this year's dates ("m月d日(aaa)"). */
QString dstPeriodText(const QDate &euStart, const QDate &euEnd, const QDate &naStart,
                      const QDate &naEnd);

/** The version page's eleven lines, CR LF between them and none after the last. */
QString versionText();

/** A birth date as the biorhythm takes it over: impossible parts replaced by 2000, 01, 01. */
struct BirthDate
{
    QString year, month, day;
};
BirthDate correctedBirthDate(const QString &year, const QString &month, const QString &day);

/** The icon size factor read from a typed text. */
struct IconScale
{
    double value = 1;
    /** The text the box should show now (unchanged when the typed factor was taken). */
    QString text;
};
/** Largest icon factor taken; a larger one would only push the icons off the window. */
inline constexpr double maxIconScale = 10.0;
IconScale iconScaleFromText(const QString &typed);

/** Year (4 digits), month and day (2 digits each) of a date, as the date boxes show them. */
struct DateParts
{
    QString year, month, day;
};
DateParts dateParts(const QDate &date);

/** Text of a widget from a stored text: CR LF and lone CR become the widget's line feeds. */
QString toWidgetText(const QString &stored);
/** Stored text from a widget's text: every line feed becomes CR LF. */
QString toStoredText(const QString &widgetText);

} // namespace PageTexts
