#include "value.h"

#include <cmath>
#include <limits>

namespace {

// Scans [sign] digits [. digits] [e [sign] digits] from the start of text; returns chars used.
qsizetype scanNumber(QStringView text, qsizetype from)
{
    qsizetype i = from;
    const qsizetype n = text.size();
    auto isDigit = [&](qsizetype at) { return at < n && text[at] >= u'0' && text[at] <= u'9'; };
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (isDigit(i)) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        qsizetype frac = 0;
        while (isDigit(j)) {
            ++j;
            ++frac;
        }
        if (digits + frac > 0) {
            i = j;
            digits += frac;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (isDigit(j)) {
            while (isDigit(j))
                ++j;
            i = j;
        }
    }
    return i - from;
}

qsizetype skipBlanks(QStringView text, qsizetype i)
{
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    return i;
}

double parseFinite(QStringView digits)
{
    bool ok = false;
    double v = digits.toString().toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        // Overflowing exponents ("1e400") end as the largest finite value of their sign.
        if (std::isinf(v))
            return v > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
        return 0.0;
    }
    return v;
}

} // namespace

double leadingNumber(QStringView text)
{
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype len = scanNumber(text, start);
    if (len == 0)
        return 0.0;
    return parseFinite(text.mid(start, len));
}

bool isPlainNumber(QStringView text, double *number)
{
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype len = scanNumber(text, start);
    if (len == 0)
        return false;
    if (skipBlanks(text, start + len) != text.size())
        return false;
    if (number)
        *number = parseFinite(text.mid(start, len));
    return true;
}

QString numberText(double number)
{
    if (!std::isfinite(number))
        return QStringLiteral("0");
    if (number == std::floor(number) && std::fabs(number) < 1e15)
        return QString::number(qint64(number));
    const double magnitude = std::fabs(number);
    if (magnitude < 1e-15 || magnitude >= 1e15)
        return QString::number(number, 'g', 15);
    // 15 significant digits like 'g', but never in exponent form ("0.0000001", not "1e-07").
    const int decimals = 14 - int(std::floor(std::log10(magnitude)));
    QString text = QString::number(number, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text;
}

Value Value::fromField(const QString &field)
{
    if (field.isEmpty())
        return Value();
    double n = 0;
    if (isPlainNumber(field, &n))
        return Value(n);
    return Value(field);
}

double Value::toNumber() const
{
    if (const double *d = std::get_if<double>(&m_data))
        return *d;
    if (const QString *s = std::get_if<QString>(&m_data))
        return leadingNumber(*s);
    return 0.0;
}

int Value::toInt() const
{
    const double v = std::round(toNumber());
    if (v >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(v);
}

QString Value::toText() const
{
    if (const double *d = std::get_if<double>(&m_data))
        return numberText(*d);
    if (const QString *s = std::get_if<QString>(&m_data))
        return *s;
    return QString();
}
