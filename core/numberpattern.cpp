#include "numberpattern.h"

#include <QVarLengthArray>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool isPlace(QChar c)
{
    return c == u'#' || c == u'0';
}

// The shown digits of a number: integer digits (leading zeros dropped, then padded to the
// pattern's zero places, grouped if asked) and the decimals kept after rounding.
struct Digits
{
    QVarLengthArray<char16_t, 48> integer;
    QVarLengthArray<char16_t, 16> fraction;
    bool zero = true;
};

Digits digitsOf(double magnitude, qsizetype fracPlaces, qsizetype minInt, qsizetype minFrac,
                bool grouping)
{
    // The shortest decimal that reads back as the same double: 1.005 rounds like it is written.
    char buf[400];
    const std::to_chars_result r =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed);
    const char *end = r.ec == std::errc() ? r.ptr : buf;
    const char *point = std::find(static_cast<const char *>(buf), end, '.');

    QVarLengthArray<char, 400> all; // a carry slot, the integer digits, fracPlaces decimals
    all.append('0');
    all.append(buf, point - buf);
    const qsizetype intLen = all.size();
    const char *frac = point == end ? end : point + 1;
    const qsizetype fracAvail = end - frac;
    for (qsizetype k = 0; k < fracPlaces; ++k)
        all.append(k < fracAvail ? frac[k] : '0');
    if (fracAvail > fracPlaces && frac[fracPlaces] >= '5') {
        qsizetype k = all.size() - 1;
        while (all[k] == '9')
            all[k--] = '0';
        ++all[k];
    }

    Digits d;
    qsizetype first = 0;
    while (first < intLen && all[first] == '0')
        ++first;
    const qsizetype intDigits = intLen - first;
    const qsizetype shownInt = std::max(intDigits, minInt);
    for (qsizetype k = 0; k < shownInt; ++k) {
        const qsizetype fromRight = shownInt - k; // this digit and those right of it
        d.integer.append(k < shownInt - intDigits ? u'0' : char16_t(all[intLen - fromRight]));
        if (grouping && fromRight > 1 && fromRight % 3 == 1)
            d.integer.append(u',');
    }
    qsizetype shownFrac = fracPlaces;
    while (shownFrac > minFrac && all[intLen + shownFrac - 1] == '0')
        --shownFrac;
    for (qsizetype k = 0; k < shownFrac; ++k)
        d.fraction.append(char16_t(all[intLen + k]));
    d.zero = intDigits == 0 &&
             std::all_of(all.begin() + intLen, all.end(), [](char c) { return c == '0'; });
    return d;
}

} // namespace

QString formatNumber(double number, QStringView pattern)
{
    if (!std::isfinite(number))
        return QString();

    // The number field runs from the first digit place (or a '.' before one) to the last one.
    const qsizetype n = pattern.size();
    qsizetype start = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < n; ++i) {
        const bool place = isPlace(pattern[i]);
        if (start < 0 && (place || (pattern[i] == u'.' && i + 1 < n && isPlace(pattern[i + 1]))))
            start = i;
        if (place)
            last = i;
    }
    if (start < 0)
        return pattern.toString();

    qsizetype point = -1;
    for (qsizetype i = start; i <= last && point < 0; ++i) {
        if (pattern[i] == u'.')
            point = i;
    }
    const qsizetype intEnd = point >= 0 ? point : last + 1;
    qsizetype intPlaces = 0;
    qsizetype minInt = 0;
    bool grouping = false;
    for (qsizetype i = start; i < intEnd; ++i) {
        intPlaces += isPlace(pattern[i]) ? 1 : 0;
        minInt += pattern[i] == u'0' ? 1 : 0;
        grouping = grouping || pattern[i] == u',';
    }
    qsizetype fracPlaces = 0;
    qsizetype minFrac = 0;
    for (qsizetype i = intEnd + 1; point >= 0 && i <= last; ++i) {
        if (isPlace(pattern[i]))
            ++fracPlaces;
        if (pattern[i] == u'0')
            minFrac = fracPlaces;
    }

    const Digits d = digitsOf(std::fabs(number), fracPlaces, minInt, minFrac, grouping);

    QString out;
    out.reserve(n + d.integer.size() + d.fraction.size() + 2);
    if (number < 0 && !d.zero)
        out.append(u'-');
    out.append(pattern.first(start));

    // Integer places fill from the right; the leftmost one takes every digit that is left.
    QVarLengthArray<char16_t, 64> reversed;
    qsizetype left = d.integer.size();
    qsizetype placesLeft = intPlaces;
    for (qsizetype i = intEnd - 1; i >= start; --i) {
        const QChar c = pattern[i];
        if (isPlace(c)) {
            if (left == 0) {
                if (c == u'0')
                    reversed.append(u'0');
            } else if (placesLeft == 1) {
                while (left > 0)
                    reversed.append(d.integer[--left]);
            } else {
                reversed.append(d.integer[--left]);
                if (left > 0 && d.integer[left - 1] == u',')
                    reversed.append(d.integer[--left]);
            }
            --placesLeft;
        } else if (c != u',') {
            reversed.append(c.unicode());
        }
    }
    while (left > 0)
        reversed.append(d.integer[--left]);
    for (qsizetype k = reversed.size() - 1; k >= 0; --k)
        out.append(QChar(reversed[k]));

    if (point >= 0) {
        out.append(u'.');
        qsizetype shown = 0;
        for (qsizetype i = point + 1; i <= last; ++i) {
            if (!isPlace(pattern[i]))
                out.append(pattern[i]);
            else if (shown < d.fraction.size())
                out.append(QChar(d.fraction[shown++]));
        }
    }
    out.append(pattern.sliced(last + 1));
    return out;
}
