#include "textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace TextCodec {

namespace {

// ICU's windows-31j: the Japanese ANSI code page, 0x5C and 0x7E stay ASCII.
constexpr const char cp932Name[] = "windows-31j";

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

QString decodeCp932(QByteArrayView bytes)
{
    QStringDecoder decoder(cp932Name, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// The CP932 bytes of a text, or nullopt when CP932 cannot hold all of it.
std::optional<QByteArray> toCp932(QStringView text)
{
    if (isAscii(text))
        return text.toLatin1();
    QStringEncoder encoder(cp932Name, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    // The encoder substitutes some characters silently; decoding back catches every loss.
    if (encoder.hasError() || decodeCp932(bytes) != text)
        return std::nullopt;
    return bytes;
}

// Valid UTF-8 and not plain ASCII: the decoded text, else nullopt.
std::optional<QString> fromUtf8(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return std::nullopt;
    // Stateless: a sequence cut off at the end counts as invalid instead of waiting for more.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

bool readsAsUtf8(QByteArrayView bytes)
{
    return fromUtf8(bytes).has_value();
}

} // namespace

QString decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (std::optional<QString> text = fromUtf8(bytes))
        return *text;
    return decodeCp932(bytes);
}

bool fitsCp932(QStringView text)
{
    return toCp932(text).has_value();
}

QByteArray encode(QStringView text)
{
    // A few CP932 texts (pairs of half-width katakana) are also valid UTF-8; the reader would
    // take those for UTF-8, so they are written in UTF-8 to read back as written.
    std::optional<QByteArray> bytes = toCp932(text);
    if (bytes && !readsAsUtf8(*bytes))
        return *bytes;
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::WriteBom);
    return utf8.encode(text);
}

} // namespace TextCodec
