#pragma once

#include "platform.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

/** The failure numbers the program's messages use. */
namespace Failure {
inline constexpr int deviceNotReady = 71;
inline constexpr int deviceUnavailable = 68;
inline constexpr int accessRefused = 75; // file name invalid, or access refused
inline constexpr int folderNotFound = 76;
inline constexpr int badFileName = 52;
inline constexpr int endOfData = 62;
inline constexpr int fileNotFound = 53;
// Other failures keep a number of their own:
inline constexpr int ioError = 57;
inline constexpr int diskFull = 61;
inline constexpr int tooManyFiles = 67;
/** A system error without a number above is shown as this base + the system's code. */
inline constexpr int systemBase = 1000;
} // namespace Failure

/** One classified failure of a file step: its number and the system's description. */
struct FileFailure
{
    int number = 0;
    QString description;
};

enum class FileAccess { Read, Write };

/** A failure found by looking at the path alone (empty, too long, folder missing...), if any. */
std::optional<FileFailure> checkPath(const QString &path, FileAccess access);
/** Classifies a system error code (errno) raised by opening, reading or writing a file. */
FileFailure failureFromSystemError(int systemError, FileAccess access, const QString &text);
/** The any-other message: "<number> : <description>". */
QString otherFailureText(const FileFailure &failure);

/** What follows a failure once its message was answered. */
enum class FailureAction {
    Retry,  // the failed step runs again
    Next,   // the operation goes on with its next step
    Stop,   // the operation stops and closes its file
    Custom, // the caller decides (e.g. reopen from another path)
};

/** How one kind of failure is answered: message, buttons, icon and the action per button. */
struct FailureRule
{
    QList<int> numbers; // the failure numbers this rule answers; empty: every other number
    QString message;    // the text shown; empty with showSystemText false: nothing is shown
    bool showSystemText = false; // show otherFailureText() instead of message
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    FailureAction onAccept = FailureAction::Stop;  // Ok, Retry or Yes
    FailureAction onDecline = FailureAction::Stop; // Cancel or No
};

/** The loaders' shared answer to an invalid name or refused access: "ファイル名が無効です", then stop. */
FailureRule invalidNameRule();
/** The any-other answer: the failure's number and the system's description, OK, then `then`. */
FailureRule otherFailureRule(FailureAction then);

/** A loader's or writer's whole answer to failures; the first rule naming a number wins. */
struct FailureTable
{
    QList<FailureRule> rules;
    bool beep = false; // sound the warning before any answer
};

/** How one step of a file operation ended. */
enum class StepResult { Done, Next, Stop, Custom };

/**
 * Runs the steps of one file operation and answers their failures from its table. A step that
 * fails a third time while its answer says "retry" stops the operation as if cancelled, so a
 * recurring failure never loops for ever. Messages are titled with the active window's caption.
 */
class FileOperation final
{
public:
    /** A step returns nullopt when it succeeded, else its failure. */
    using Step = std::function<std::optional<FileFailure>()>;

    FileOperation(Platform &platform, FailureTable table);

    /** Runs a step until it succeeds or its failure's answer is not "retry". */
    StepResult run(const Step &step);
    /** True once a step stopped the operation; later run() calls then do nothing. */
    bool stopped() const { return m_stopped; }
    /** The last failure answered (number 0 when none). */
    const FileFailure &lastFailure() const { return m_lastFailure; }
    /** Replaces the table, e.g. when the operation moves on to another file. */
    void setTable(FailureTable table) { m_table = std::move(table); }

    /** Failures of one step that end the retries. */
    static constexpr int maxFailuresPerStep = 3;

private:
    FailureAction answer(const FileFailure &failure);

    Platform &m_platform;
    FailureTable m_table;
    FileFailure m_lastFailure;
    bool m_stopped = false;
};
