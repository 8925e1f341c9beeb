#include "pagetexts.h"

#include "datetime.h"
#include "formatdatetime.h"
#include "value.h"

#include <QStringList>
#include <cmath>

using namespace Qt::StringLiterals;

namespace PageTexts {

namespace {

const QString crlf = u"\r\n"_s;

QString dayText(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return formatDateTime(DateTime::fromDate(date), u"m月d日(aaa)");
}

QString twoDigits(int n)
{
    return u"%1"_s.arg(n, 2, 10, QChar(u'0'));
}

} // namespace

QString banner()
{
    return u"【TamoＴｉｍｅ v1.7e】"_s;
}

QString dstPeriodText(const QDate &euStart, const QDate &euEnd, const QDate &naStart,
                      const QDate &naEnd)
{
    QString text;
    text += u"【ＥＵ形】"_s + crlf + crlf;
    text += u"　指定　3月最終日曜日～10月最終日曜日"_s + crlf + crlf;
    text += u"　今年　"_s + dayText(euStart) + u"　～　"_s + dayText(euEnd) + crlf + crlf;
    text += u"【北米形】"_s + crlf + crlf;
    // The rule in force in North America since 2007, the one the world clock applies.
    text += u"　指定　3月第２日曜日～11月第１日曜日"_s + crlf + crlf;
    text += u"　今年　"_s + dayText(naStart) + u"　～　"_s + dayText(naEnd) + crlf;
    return text;
}

QString versionText()
{
    // Lines 7, 9 and 11 would carry the maker's home page, e-mail and name; the program
    // names no personal contact, so they stay empty.
    const QStringList lines{
        QString(),
        u"バージョン "_s + banner(),
        u"Since 2000/Apr/13"_s,
        QString(),
        u"ご意見をお聞かせください"_s,
        QString(),
        QString(),
        QString(),
        QString(),
        QString(),
        QString(),
    };
    return lines.join(crlf);
}

BirthDate correctedBirthDate(const QString &year, const QString &month, const QString &day)
{
    BirthDate out{year, month, day};
    const double y = leadingNumber(year);
    if (y < 1900)
        out.year = u"2000"_s;
    // Negative months and days are as impossible as 0 and 13; they get the same default.
    const double m = leadingNumber(month);
    if (m >= 13 || m < 1)
        out.month = u"01"_s;
    const double d = leadingNumber(day);
    if (d >= 32 || d < 1)
        out.day = u"01"_s;
    return out;
}

IconScale iconScaleFromText(const QString &typed)
{
    const double n = leadingNumber(typed);
    if (!std::isfinite(n) || n <= 0)
        return {1.0, u"1"_s};
    if (n > maxIconScale)
        return {maxIconScale, numberText(maxIconScale)};
    return {n, typed};
}

DateParts dateParts(const QDate &date)
{
    return {u"%1"_s.arg(date.year(), 4, 10, QChar(u'0')), twoDigits(date.month()),
            twoDigits(date.day())};
}

QString toWidgetText(const QString &stored)
{
    QString text = stored;
    text.replace(crlf, u"\n"_s);
    text.replace(u'\r', u'\n');
    return text;
}

QString toStoredText(const QString &widgetText)
{
    QString text = widgetText;
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    text.replace(u'\n', crlf);
    return text;
}

} // namespace PageTexts
