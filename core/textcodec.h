#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

/** How the data files' bytes become text and back: CP932 by default, UTF-8 where needed. */
namespace TextCodec {

/** UTF-8 when the bytes are valid UTF-8 and not plain ASCII (a BOM is dropped), else CP932. */
QString decode(QByteArrayView bytes);
/** CP932 when it holds the text exactly, otherwise UTF-8 with a BOM so no character is lost. */
QByteArray encode(QStringView text);
/** Whether CP932 holds every character of the text (round trip gives the same text). */
bool fitsCp932(QStringView text);

} // namespace TextCodec
