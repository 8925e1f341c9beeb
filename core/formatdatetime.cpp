#include "formatdatetime.h"

#include "datetime.h"
#include "numberpattern.h"

#include <QStringView>

namespace {

constexpr QStringView amPmUpper = u"AM/PM";
constexpr QStringView amPmLower = u"am/pm";

constexpr QStringView monthShort[12] = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                        u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
constexpr QStringView monthLong[12] = {u"January",   u"February", u"March",    u"April",
                                       u"May",       u"June",     u"July",     u"August",
                                       u"September", u"October",  u"November", u"December"};
constexpr QStringView weekdayShort[7] = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
constexpr QStringView weekdayLong[7] = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                        u"Thursday", u"Friday", u"Saturday"};
constexpr char16_t weekdayKanji[7] = {u'日', u'月', u'火', u'水', u'木', u'金', u'土'};

char16_t asciiLower(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? char16_t(u + (u'a' - u'A')) : u;
}

bool isMarkerAt(QStringView pattern, qsizetype i)
{
    const QStringView rest = pattern.sliced(i);
    return rest.startsWith(amPmUpper) || rest.startsWith(amPmLower);
}

// How many of the same letter (any case) follow at i, at most cap.
int runLength(QStringView pattern, qsizetype i, char16_t lower, int cap)
{
    int n = 0;
    while (n < cap && i + n < pattern.size() && asciiLower(pattern[i + n]) == lower)
        ++n;
    return n;
}

void appendNumber(QString &out, int value, int minDigits = 1)
{
    char16_t buf[12];
    int n = 0;
    unsigned v = value < 0 ? 0u : unsigned(value);
    do {
        buf[11 - n++] = char16_t(u'0' + v % 10);
        v /= 10;
    } while (v != 0 && n < 12);
    while (n < minDigits && n < 12)
        buf[11 - n++] = u'0';
    out.append(QStringView(buf + 12 - n, n));
}

void appendShortDate(QString &out, const DateTime::Fields &f)
{
    appendNumber(out, f.year, 4);
    out.append(u'/');
    appendNumber(out, f.month, 2);
    out.append(u'/');
    appendNumber(out, f.day, 2);
}

// "c": the date, the time when it is not midnight, the time alone on day 0.
void appendGeneral(QString &out, const DateTime::Fields &f)
{
    const bool hasTime = f.hour != 0 || f.minute != 0 || f.second != 0;
    if (f.dayNumber != 0) {
        appendShortDate(out, f);
        if (!hasTime)
            return;
        out.append(u' ');
    }
    appendNumber(out, f.hour);
    out.append(u':');
    appendNumber(out, f.minute, 2);
    out.append(u':');
    appendNumber(out, f.second, 2);
}

struct PatternScan
{
    bool hasDateToken = false;
    bool hasDigitPlace = false;
    bool hasMarker = false;
};

PatternScan scanPattern(QStringView pattern)
{
    PatternScan scan;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (isMarkerAt(pattern, i)) {
            scan.hasDateToken = scan.hasMarker = true;
            i += amPmUpper.size() - 1;
            continue;
        }
        switch (asciiLower(pattern[i])) {
        case u'c':
        case u'd':
        case u'h':
        case u'm':
        case u'n':
        case u's':
        case u'w':
        case u'y':
            scan.hasDateToken = true;
            break;
        case u'a':
            if (runLength(pattern, i, u'a', 3) == 3)
                scan.hasDateToken = true;
            break;
        case u'#':
        case u'0':
            scan.hasDigitPlace = true;
            break;
        default:
            break;
        }
    }
    return scan;
}

QString formatFields(const DateTime::Fields &f, QStringView pattern, bool twelveHour)
{
    QString out;
    out.reserve(pattern.size() + 24);
    const int hour12 = f.hour % 12 == 0 ? 12 : f.hour % 12;
    const int shownHour = twelveHour ? hour12 : f.hour;
    // "m"/"mm" mean minutes right after an hour field; separators and literals keep that state.
    bool afterHour = false;

    qsizetype i = 0;
    while (i < pattern.size()) {
        if (isMarkerAt(pattern, i)) {
            const bool upper = pattern[i] == u'A';
            out.append(f.hour < 12 ? (upper ? u"AM" : u"am") : (upper ? u"PM" : u"pm"));
            afterHour = false;
            i += amPmUpper.size();
            continue;
        }
        const QChar ch = pattern[i];
        const char16_t c = asciiLower(ch);
        int used = 1;
        bool hourField = false;
        switch (c) {
        case u'c':
            appendGeneral(out, f);
            break;
        case u'y':
            used = runLength(pattern, i, c, 4);
            if (used == 3)
                used = 2; // "yyy" reads as "yy" then "y"
            if (used == 4)
                appendNumber(out, f.year, 4);
            else if (used == 2)
                appendNumber(out, f.year % 100, 2);
            else
                appendNumber(out, f.dayOfYear);
            break;
        case u'm':
            used = runLength(pattern, i, c, 4);
            if (used == 4)
                out.append(monthLong[f.month - 1]);
            else if (used == 3)
                out.append(monthShort[f.month - 1]);
            else
                appendNumber(out, afterHour ? f.minute : f.month, used);
            break;
        case u'd':
            used = runLength(pattern, i, c, 6);
            if (used == 6) {
                appendNumber(out, f.year);
                out.append(u'年');
                appendNumber(out, f.month);
                out.append(u'月');
                appendNumber(out, f.day);
                out.append(u'日');
            } else if (used == 5) {
                appendShortDate(out, f);
            } else if (used == 4) {
                out.append(weekdayLong[f.weekday - 1]);
            } else if (used == 3) {
                out.append(weekdayShort[f.weekday - 1]);
            } else {
                appendNumber(out, f.day, used);
            }
            break;
        case u'a':
            used = runLength(pattern, i, c, 4);
            if (used >= 3) {
                out.append(QChar(weekdayKanji[f.weekday - 1]));
                if (used == 4)
                    out.append(u"曜日");
            } else {
                used = 1;
                out.append(ch);
                i += used;
                continue; // a literal: the hour state stays
            }
            break;
        case u'w':
            used = runLength(pattern, i, c, 2);
            if (used == 2) {
                // Weeks run Sunday to Saturday; week 1 holds 1 January.
                const int jan1Weekday = (f.weekday - 1 - (f.dayOfYear - 1) % 7 + 7) % 7;
                appendNumber(out, (f.dayOfYear - 1 + jan1Weekday) / 7 + 1);
            } else {
                appendNumber(out, f.weekday);
            }
            break;
        case u'h':
            used = runLength(pattern, i, c, 2);
            appendNumber(out, shownHour, used);
            hourField = true;
            break;
        case u'n':
            used = runLength(pattern, i, c, 2);
            appendNumber(out, f.minute, used);
            break;
        case u's':
            used = runLength(pattern, i, c, 2);
            appendNumber(out, f.second, used);
            break;
        default:
            out.append(ch);
            i += 1;
            continue; // literals and the separators / and : keep the hour state
        }
        afterHour = hourField;
        i += used;
    }
    return out;
}

} // namespace

QString formatDateTime(const Value &value, QStringView pattern)
{
    if (value.isEmpty())
        return QString();
    if (pattern.isEmpty())
        return value.toText();

    const PatternScan scan = scanPattern(pattern);
    if (scan.hasDateToken) {
        const std::optional<double> serial = DateTime::fromValue(value);
        if (!serial)
            return QString();
        const std::optional<DateTime::Fields> f = DateTime::fields(*serial);
        if (!f)
            return QString();
        return formatFields(*f, pattern, scan.hasMarker);
    }

    double number = 0;
    if (value.isNumber())
        number = value.toNumber();
    else if (!isPlainNumber(value.toText(), &number))
        return QString();
    return formatNumber(number, pattern);
}

QString formatDateTime(double serial, QStringView pattern)
{
    return formatDateTime(Value(serial), pattern);
}

QString clockRowPattern(int format, bool withSeconds)
{
    switch (format) {
    case 0:
        return withSeconds ? QStringLiteral(" m月d日(aaa) hh時nn分ss秒")
                           : QStringLiteral(" m月d日(aaa) hh時nn分");
    case 1:
        return withSeconds ? QStringLiteral(" m月d日(aaa) hh：nn：ss")
                           : QStringLiteral(" m月d日(aaa) hh：nn");
    case 2:
        return withSeconds ? QStringLiteral(" m月d日 aaa AM/PM hh：nn：ss")
                           : QStringLiteral(" m月d日 aaa AM/PM hh：nn");
    case 3:
        return withSeconds ? QStringLiteral(" mmm/d/(ddd) hh：nn：ss")
                           : QStringLiteral(" mmm/d/(ddd) hh：nn");
    case 4:
        return withSeconds ? QStringLiteral(" m/d/(aaa) hh：nn：ss")
                           : QStringLiteral(" m/d/(aaa) hh：nn");
    case 5:
        return withSeconds ? QStringLiteral(" m/d/aaa am/pm hh：nn:ss")
                           : QStringLiteral(" m/d/aaa am/pm hh：nn");
    case 6:
        return withSeconds ? QStringLiteral(" m/d/aaa AM/PM hh：nn:ss")
                           : QStringLiteral(" m/d/aaa AM/PM hh：nn");
    default:
        return QString();
    }
}
