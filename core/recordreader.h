#pragma once

#include "value.h"

#include <QString>
#include <optional>

/** One field as found in a record file: its text and whether it was written in quotes. */
struct RecordField
{
    QString text;
    bool quoted = false;
};

/**
 * Reads the comma- and line-separated fields of a record file (already decoded). A line end
 * (CR LF, a lone CR or a lone LF) separates fields like a comma; a line holding nothing but
 * blanks holds no field. Reading past the last field gives nullopt, the end-of-data failure.
 */
class RecordReader final
{
public:
    explicit RecordReader(QString text);

    /** True when no field is left. */
    bool atEnd() const { return !m_fieldPending && m_pos >= m_text.size(); }
    /** The next field, or nullopt at the end of the data. */
    std::optional<RecordField> readField();
    /** The next field as text (quoted or not). */
    std::optional<QString> readText();
    /** The next field as a value: quoted gives text, else empty, a number or text. */
    std::optional<Value> readValue();
    /** The next field as a 16-bit number: its leading number, saturated. */
    std::optional<qint16> readInt16();

private:
    void skipBlankLines();
    void finishField();

    QString m_text;
    qsizetype m_pos = 0;
    bool m_fieldPending = false; // a comma was read, so one more (maybe empty) field follows
};

/** Whether c ends a line in a record file (CR or LF). */
constexpr bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}
