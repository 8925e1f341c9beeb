#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

class QObject;

enum class MsgButtons { Ok, RetryCancel, YesNo };
enum class MsgIcon { None, Exclamation, Stop, Question };
enum class MsgResult { Ok, Retry, Cancel, Yes, No };

struct TwipsSize
{
    double width = 0;
    double height = 0;
};

/** A font as the settings hold it: name, whole points, bold and italic. */
struct FontChoice
{
    QString name;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool operator==(const FontChoice &) const = default;
};

struct FileDialogRequest
{
    bool save = false;
    QString title;
    QString filter;      // "name|pattern|..." as the memo pages use it
    int filterIndex = 1;
    bool hideReadOnly = false;
    bool overwritePrompt = false;
    QString initialFolder;
};

/** Window-system services the program's logic calls; one Qt implementation, one scripted fake. */
class Platform
{
public:
    Platform() = default;
    Platform(const Platform &) = delete;
    Platform &operator=(const Platform &) = delete;
    virtual ~Platform() = default;

    /** Modal message box; text may hold CR LF; returns the pressed button. */
    virtual MsgResult showMessage(const QString &text, const QString &title, MsgButtons buttons,
                                  MsgIcon icon) = 0;
    /** Caption of the program's active window ("" when none is active). */
    virtual QString activeWindowCaption() = 0;
    /** Short warning sound. */
    virtual void beep() = 0;
    /** Screen width and height in twips. */
    virtual TwipsSize screenSize() = 0;
    /** Folder of the program's data files, without a trailing separator. */
    virtual QString programFolder() = 0;
    /** True when another instance already runs on the same data folder. */
    virtual bool otherInstanceRunning() = 0;
    /** Puts a window into or out of the always-on-top band without moving or resizing it. */
    virtual void setTopmost(QObject *window, bool on) = 0;
    /** Scrolls a text box by n lines (negative towards the first) without moving its caret. */
    virtual void scrollTextLines(QObject *textBox, int lines) = 0;
    /** Shows or restores the busy pointer over a window. */
    virtual void setBusyPointer(QObject *window, bool on) = 0;
    /** File open or save dialog; nullopt when cancelled. */
    virtual std::optional<QString> fileDialog(const FileDialogRequest &request) = 0;
    /** Font dialog preset with the given font; nullopt when cancelled. */
    virtual std::optional<FontChoice> fontDialog(const FontChoice &preset) = 0;
    /** Colour dialog (0x00BBGGRR); nullopt when cancelled. */
    virtual std::optional<quint32> colourDialog(quint32 initial) = 0;
    /** The process's current folder. */
    virtual void setCurrentFolder(const QString &folder) = 0;
    /** The local date and time. */
    virtual QDateTime now() = 0;
    /** A pseudo-random number in [0, 1). */
    virtual double random() = 0;
};
