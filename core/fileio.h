#pragma once

#include "filefailure.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

/** The largest data file read: far above any real one, small enough to hold in memory. */
inline constexpr qint64 maxDataFileBytes = 64 * 1024 * 1024;

/** Reads a whole plain file into bytes; nullopt when it worked, else the classified failure. */
std::optional<FileFailure> readFileBytes(const QString &path, QByteArray &bytes);
/** Reads and decodes a data file (UTF-8 or CP932). */
std::optional<FileFailure> readFileText(const QString &path, QString &text);
/**
 * Replaces a file with bytes atomically (QSaveFile, no direct-write fallback): on any failure
 * the old file stays as it was.
 */
std::optional<FileFailure> writeFileAtomically(const QString &path, const QByteArray &bytes);
/** Encodes text for a data file (CP932, or UTF-8 with BOM when needed) and writes it atomically. */
std::optional<FileFailure> writeFileText(const QString &path, QStringView text);
