#include "datafiles.h"
#include "fileio.h"
#include "memopages.h"
#include "recordreader.h"
#include "textcodec.h"

using namespace Qt::StringLiterals;

namespace {

// A sentence for the settings window, which shows it with the path on the next line.
QString failureSentence(const FileFailure &failure)
{
    switch (failure.number) {
    case Failure::fileNotFound:
        return u"ファイルが見つかりません"_s;
    case Failure::folderNotFound:
        return u"フォルダが見つかりません"_s;
    case Failure::badFileName:
        return u"ファイル名が正しくありません"_s;
    case Failure::accessRefused:
        return u"このファイルは開けません（フォルダか、読み書きできないファイルです）"_s;
    case Failure::deviceNotReady:
    case Failure::deviceUnavailable:
        return u"ディスクが準備されていません"_s;
    case Failure::diskFull:
        return u"ディスクの空き容量が足りません"_s;
    default:
        return otherFailureText(failure);
    }
}

MemoFileResult failed(const FileFailure &failure, const QString &path)
{
    return {false, QString(), failureSentence(failure) + u"\r\n"_s + path};
}

} // namespace

MemoFileResult readMemoFile(const QString &path)
{
    QByteArray bytes;
    if (std::optional<FileFailure> failure = readFileBytes(path, bytes))
        return failed(*failure, path);
    // A text file never holds NUL bytes; loading a picture or program would only show garbage.
    if (bytes.contains('\0'))
        return {false, QString(), u"テキストファイルではありません\r\n"_s + path};
    return {true, memoPageFromFile(TextCodec::decode(bytes)), QString()};
}

MemoFileResult writeMemoFile(const QString &path, const QString &text)
{
    if (std::optional<FileFailure> failure = writeFileText(path, memoPageFileText(text)))
        return failed(*failure, path);
    return {true, text, QString()};
}

QString allWordsList(const QString &kakugenPath, bool *ok)
{
    QString text;
    if (std::optional<FileFailure> failure = readFileText(kakugenPath, text)) {
        if (ok)
            *ok = false;
        const QString sentence = failure->number == Failure::fileNotFound
                                     ? u"今日の言葉のファイルが見つかりません"_s
                                     : failureSentence(*failure);
        return sentence + u"\r\n"_s + kakugenPath;
    }
    RecordReader reader(std::move(text));
    QString list;
    for (qint64 n = 1; !reader.atEnd(); ++n) {
        const QString word = reader.readText().value_or(QString());
        list += u' ' + QString::number(n) + u' ' + word + u"\r\n"_s;
    }
    if (ok)
        *ok = true;
    return list;
}
