#include "filefailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

QString systemText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

FileFailure failure(int number, int code)
{
    return {number, systemText(code)};
}

// Linux limits; the fallbacks cover systems that do not define them.
#ifdef PATH_MAX
constexpr qsizetype maxPathBytes = PATH_MAX;
#else
constexpr qsizetype maxPathBytes = 4096;
#endif
#ifdef NAME_MAX
constexpr qsizetype maxNameBytes = NAME_MAX;
#else
constexpr qsizetype maxNameBytes = 255;
#endif

bool nameTooLong(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.size() >= maxPathBytes)
        return true;
    for (const QByteArray &part : encoded.split('/')) {
        if (part.size() > maxNameBytes)
            return true;
    }
    return false;
}

} // namespace

std::optional<FileFailure> checkPath(const QString &path, FileAccess access)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return failure(Failure::badFileName, EINVAL);
    if (nameTooLong(path))
        return failure(Failure::badFileName, ENAMETOOLONG);
    // A relative name (or one from another system, such as "C:\memo.dat") would depend on
    // the current folder; the program's files always have a full path.
    if (QDir::isRelativePath(path))
        return failure(Failure::badFileName, EINVAL);
    const QFileInfo info(path);
    if (info.isDir())
        return failure(Failure::accessRefused, EISDIR);
    // Pipes and devices could block or never end; the data files are plain files.
    if (info.exists() && !info.isFile())
        return failure(Failure::accessRefused, EINVAL);
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return failure(Failure::folderNotFound, ENOENT);
    if (!folder.isDir())
        return failure(Failure::folderNotFound, ENOTDIR);
    if (access == FileAccess::Read && !info.exists())
        return failure(Failure::fileNotFound, ENOENT);
    return std::nullopt;
}

FileFailure failureFromSystemError(int systemError, FileAccess access, const QString &text)
{
    const QString description = text.isEmpty() && systemError != 0 ? systemText(systemError) : text;
    auto as = [&](int number) { return FileFailure{number, description}; };
    switch (systemError) {
    case 0:
        return as(Failure::ioError);
    case ENOENT:
        return as(access == FileAccess::Read ? Failure::fileNotFound : Failure::folderNotFound);
    case ENOTDIR:
        return as(Failure::folderNotFound);
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
    case EILSEQ:
        return as(Failure::badFileName);
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EISDIR:
        return as(Failure::accessRefused);
#ifdef ENOMEDIUM
    case ENOMEDIUM:
        return as(Failure::deviceNotReady);
#endif
    case ENXIO:
    case ENODEV:
        return as(Failure::deviceUnavailable);
    case EIO:
        return as(Failure::ioError);
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return as(Failure::diskFull);
    case EMFILE:
    case ENFILE:
        return as(Failure::tooManyFiles);
    default:
        return as(Failure::systemBase + systemError);
    }
}

QString otherFailureText(const FileFailure &failure)
{
    return QString::number(failure.number) + u" : "_s + failure.description;
}

FileOperation::FileOperation(Platform &platform, FailureTable table)
    : m_platform(platform), m_table(std::move(table))
{
}

StepResult FileOperation::run(const Step &step)
{
    if (m_stopped)
        return StepResult::Stop;
    for (int failures = 1;; ++failures) {
        std::optional<FileFailure> failure = step();
        if (!failure)
            return StepResult::Done;
        m_lastFailure = std::move(*failure);
        FailureAction action = answer(m_lastFailure);
        if (action == FailureAction::Retry && failures >= maxFailuresPerStep)
            action = FailureAction::Stop;
        switch (action) {
        case FailureAction::Retry:
            continue;
        case FailureAction::Next:
            return StepResult::Next;
        case FailureAction::Custom:
            return StepResult::Custom;
        case FailureAction::Stop:
            break;
        }
        m_stopped = true;
        return StepResult::Stop;
    }
}

FailureAction FileOperation::answer(const FileFailure &failure)
{
    const FailureRule *named = nullptr;
    const FailureRule *anyOther = nullptr;
    for (const FailureRule &r : m_table.rules) {
        if (r.numbers.contains(failure.number)) {
            named = &r;
            break;
        }
        if (r.numbers.isEmpty() && !anyOther)
            anyOther = &r;
    }
    const FailureRule *rule = named ? named : anyOther;
    if (m_table.beep)
        m_platform.beep();
    if (!rule)
        return FailureAction::Stop;
    const QString text = rule->showSystemText ? otherFailureText(failure) : rule->message;
    if (text.isEmpty())
        return rule->onAccept;
    const MsgResult pressed =
        m_platform.showMessage(text, m_platform.activeWindowCaption(), rule->buttons, rule->icon);
    const bool accepted =
        pressed == MsgResult::Ok || pressed == MsgResult::Retry || pressed == MsgResult::Yes;
    return accepted ? rule->onAccept : rule->onDecline;
}

FailureRule invalidNameRule()
{
    return {{Failure::accessRefused}, u"ファイル名が無効です"_s, false, MsgButtons::Ok,
            MsgIcon::Stop, FailureAction::Stop, FailureAction::Stop};
}

FailureRule otherFailureRule(FailureAction then)
{
    return {{}, QString(), true, MsgButtons::Ok, MsgIcon::None, then, then};
}
