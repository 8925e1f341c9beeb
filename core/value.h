#pragma once

#include <QString>
#include <variant>

/** A settings field that is empty, a number or a text, converted on use like the file format wants. */
class Value
{
public:
    Value() = default;
    Value(double number) : m_data(number) {}
    Value(int number) : m_data(double(number)) {}
    Value(const QString &text) : m_data(text) {}

    static Value fromField(const QString &field);

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_data); }
    bool isNumber() const { return std::holds_alternative<double>(m_data); }
    bool isText() const { return std::holds_alternative<QString>(m_data); }

    /** Used as a number: text by its leading decimal number (none gives 0), empty gives 0. */
    double toNumber() const;
    /** toNumber() rounded half away from zero and clamped into int's range. */
    int toInt() const;
    /** Used as text: a number in its decimal form, empty gives "". */
    QString toText() const;

    bool operator==(const Value &other) const = default;

private:
    std::variant<std::monostate, double, QString> m_data;
};

/** The leading decimal number of a text ("12abc" gives 12, "abc" gives 0); never infinite or NaN. */
double leadingNumber(QStringView text);
/** Whether a text is one plain decimal number and nothing else (surrounding blanks allowed). */
bool isPlainNumber(QStringView text, double *number = nullptr);
/** A number in the decimal form the files use: no exponent for ordinary magnitudes, '.' separator. */
QString numberText(double number);
