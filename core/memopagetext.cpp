#include "memopagetext.h"

using namespace Qt::StringLiterals;

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

int lineDayNumber(QStringView line)
{
    if (line.isEmpty() || !isAsciiDigit(line[0]))
        return -1;
    const int first = line[0].unicode() - u'0';
    if (line.size() >= 2 && isAsciiDigit(line[1]))
        return first * 10 + (line[1].unicode() - u'0');
    return first;
}

int lastLineOfDay(QStringView pageText, int day)
{
    int found = -1;
    int index = 0;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = pageText.indexOf(u"\r\n", start);
        const QStringView line = pageText.mid(start, (end < 0 ? pageText.size() : end) - start);
        if (!line.isEmpty() && lineDayNumber(line) == day)
            found = index;
        if (end < 0)
            return found;
        start = end + 2;
        ++index;
    }
}

QString withCrLf(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += u"\r\n";
        } else if (c == u'\n') {
            out += u"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

QString memoPageFromFile(QStringView content)
{
    QString text = withCrLf(content);
    if (text.startsWith(u'"')) {
        const qsizetype close = text.lastIndexOf(u'"');
        if (close > 0)
            return text.mid(1, close - 1);
        text.remove(0, 1);
    }
    if (text.endsWith(u"\r\n"))
        text.chop(2);
    return text;
}

QString memoPageFileText(QStringView pageText)
{
    return u'"' + pageText.toString() + u"\"\r\n"_s;
}
