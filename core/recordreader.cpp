#include "recordreader.h"

#include "settings.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

RecordReader::RecordReader(QString text) : m_text(std::move(text))
{
    skipBlankLines();
}

void RecordReader::skipBlankLines()
{
    const qsizetype n = m_text.size();
    for (;;) {
        qsizetype i = m_pos;
        while (i < n && isBlank(m_text.at(i)))
            ++i;
        if (i >= n) {
            m_pos = n;
            return;
        }
        if (!isLineEnd(m_text.at(i)))
            return;
        m_pos = i + ((m_text.at(i) == u'\r' && i + 1 < n && m_text.at(i + 1) == u'\n') ? 2 : 1);
    }
}

// Consumes the comma or line end after a field.
void RecordReader::finishField()
{
    const qsizetype n = m_text.size();
    m_fieldPending = false;
    if (m_pos >= n)
        return;
    const QChar c = m_text.at(m_pos);
    ++m_pos;
    if (c == u',') {
        m_fieldPending = true;
        return;
    }
    if (c == u'\r' && m_pos < n && m_text.at(m_pos) == u'\n')
        ++m_pos;
    skipBlankLines();
}

std::optional<RecordField> RecordReader::readField()
{
    if (atEnd())
        return std::nullopt;
    const qsizetype n = m_text.size();
    while (m_pos < n && isBlank(m_text.at(m_pos)))
        ++m_pos;

    RecordField field;
    if (m_pos < n && m_text.at(m_pos) == u'"') {
        field.quoted = true;
        const qsizetype close = m_text.indexOf(u'"', m_pos + 1);
        const qsizetype end = close < 0 ? n : close;
        field.text = m_text.mid(m_pos + 1, end - m_pos - 1);
        m_pos = close < 0 ? n : close + 1;
        // Whatever follows the closing quote up to the separator is not part of the field.
        while (m_pos < n && m_text.at(m_pos) != u',' && !isLineEnd(m_text.at(m_pos)))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < n && m_text.at(m_pos) != u',' && !isLineEnd(m_text.at(m_pos)))
            ++m_pos;
        qsizetype end = m_pos;
        while (end > start && isBlank(m_text.at(end - 1)))
            --end;
        field.text = m_text.mid(start, end - start);
    }
    finishField();
    return field;
}

std::optional<QString> RecordReader::readText()
{
    std::optional<RecordField> field = readField();
    if (!field)
        return std::nullopt;
    return std::move(field->text);
}

std::optional<Value> RecordReader::readValue()
{
    std::optional<RecordField> field = readField();
    if (!field)
        return std::nullopt;
    if (field->quoted)
        return Value(field->text);
    return Value::fromField(field->text);
}

std::optional<qint16> RecordReader::readInt16()
{
    std::optional<RecordField> field = readField();
    if (!field)
        return std::nullopt;
    return toInt16(leadingNumber(field->text));
}
