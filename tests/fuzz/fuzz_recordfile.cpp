// Feeds arbitrary bytes through the decoder, the record reader and the memo page reader; every
// field must be readable, nothing may crash or hang, and what the writers produce must read back.
#include "memopagetext.h"
#include "recordreader.h"
#include "recordwriter.h"
#include "textcodec.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = TextCodec::decode(bytes);

    RecordReader reader(text);
    qsizetype fields = 0;
    while (!reader.atEnd()) {
        const std::optional<RecordField> field = reader.readField();
        check(field.has_value());
        check(++fields <= text.size() + 1);
        // A text field written back reads back whole (a quote may become the full-width one).
        RecordReader again(quotedText(field->text) + u',');
        const std::optional<QString> back = again.readText();
        QString safe = field->text;
        safe.replace(u'"', QChar(0xFF02));
        check(back && (*back == field->text || *back == safe));
    }
    check(!reader.readField());

    RecordReader typed(text);
    while (!typed.atEnd()) {
        typed.readValue();
        typed.readInt16();
        typed.readText();
    }

    const QString page = memoPageFromFile(text);
    lastLineOfDay(page, 15);
    check(memoPageFromFile(memoPageFileText(page)) == page);
    check(TextCodec::decode(TextCodec::encode(text)) == text);
    return 0;
}
