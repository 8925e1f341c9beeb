#pragma once

#include "value.h"

#include <QString>
#include <QStringView>

/** Builds record-file text: fields separated by single commas, each record ended by CR LF. */
class RecordWriter final
{
public:
    /** A text field, quoted; see quotedText for a text that holds a double quote. */
    RecordWriter &text(QStringView text);
    /** A number in plain decimal. */
    RecordWriter &number(double number);
    /** A value in its current form: empty as nothing, a number plain, text quoted. */
    RecordWriter &value(const Value &value);
    /** Ends the record with CR LF. */
    RecordWriter &endRecord();

    const QString &result() const { return m_out; }

private:
    void separate();

    QString m_out;
    bool m_recordStarted = false;
};

/**
 * The field text that a reader takes back as the given text. The format has no escape for a
 * double quote inside a quoted field, so a text holding one is written unquoted when that is
 * read back whole (no comma, no line break, no blank at either end); otherwise each double
 * quote becomes the full-width ＂, so it can never cut the field and shift the fields after it.
 */
QString quotedText(QStringView text);
