#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringEncoder>

// Small helpers for the file tests: bytes in and out, CP932 text.
namespace CoreFiles {

inline QByteArray cp932(const QString &text)
{
    QStringEncoder encoder("windows-31j");
    return encoder.encode(text);
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline QString join(const QString &dir, const QString &name)
{
    return dir + QDir::separator() + name;
}

} // namespace CoreFiles
