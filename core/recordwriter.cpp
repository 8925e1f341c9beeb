#include "recordwriter.h"

#include "recordreader.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Whether an unquoted field of this text reads back as exactly this text.
bool readsBackUnquoted(QStringView text)
{
    if (text.isEmpty() || text.front() == u'"' || isBlank(text.front()) || isBlank(text.back()))
        return false;
    for (const QChar c : text) {
        if (c == u',' || isLineEnd(c))
            return false;
    }
    return true;
}

} // namespace

QString quotedText(QStringView text)
{
    if (!text.contains(u'"'))
        return u'"' + text.toString() + u'"';
    if (readsBackUnquoted(text))
        return text.toString();
    QString safe = text.toString();
    safe.replace(u'"', QChar(0xFF02));
    return u'"' + safe + u'"';
}

void RecordWriter::separate()
{
    if (m_recordStarted)
        m_out += u',';
    m_recordStarted = true;
}

RecordWriter &RecordWriter::text(QStringView text)
{
    separate();
    m_out += quotedText(text);
    return *this;
}

RecordWriter &RecordWriter::number(double number)
{
    separate();
    m_out += numberText(number);
    return *this;
}

RecordWriter &RecordWriter::value(const Value &value)
{
    if (value.isNumber())
        return number(value.toNumber());
    if (value.isText())
        return text(value.toText());
    separate();
    return *this;
}

RecordWriter &RecordWriter::endRecord()
{
    m_out += u"\r\n";
    m_recordStarted = false;
    return *this;
}
