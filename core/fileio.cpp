#include "fileio.h"

#include "textcodec.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>

namespace {

// errno right after a failed call; Qt leaves it as the system set it.
FileFailure lastSystemFailure(const QFileDevice &file, FileAccess access)
{
    const int code = errno;
    return failureFromSystemError(code, access, file.errorString());
}

} // namespace

std::optional<FileFailure> readFileBytes(const QString &path, QByteArray &bytes)
{
    bytes.clear();
    if (std::optional<FileFailure> bad = checkPath(path, FileAccess::Read))
        return bad;
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return lastSystemFailure(file, FileAccess::Read);
    if (file.size() > maxDataFileBytes)
        return failureFromSystemError(EFBIG, FileAccess::Read, QString());
    errno = 0;
    // read() with a bound also ends files whose reported size is 0 (proc-like files).
    bytes = file.read(maxDataFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        FileFailure failure = lastSystemFailure(file, FileAccess::Read);
        bytes.clear();
        return failure;
    }
    if (bytes.size() > maxDataFileBytes) {
        bytes.clear();
        return failureFromSystemError(EFBIG, FileAccess::Read, QString());
    }
    return std::nullopt;
}

std::optional<FileFailure> readFileText(const QString &path, QString &text)
{
    QByteArray bytes;
    std::optional<FileFailure> failure = readFileBytes(path, bytes);
    text = failure ? QString() : TextCodec::decode(bytes);
    return failure;
}

std::optional<FileFailure> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    if (std::optional<FileFailure> bad = checkPath(path, FileAccess::Write))
        return bad;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return lastSystemFailure(file, FileAccess::Write);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        FileFailure failure = lastSystemFailure(file, FileAccess::Write);
        file.cancelWriting();
        return failure;
    }
    errno = 0;
    if (!file.commit())
        return lastSystemFailure(file, FileAccess::Write);
    return std::nullopt;
}

std::optional<FileFailure> writeFileText(const QString &path, QStringView text)
{
    return writeFileAtomically(path, TextCodec::encode(text));
}
