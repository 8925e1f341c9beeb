#pragma once

#include "platform.h"

#include <QList>
#include <QObject>
#include <QQueue>

/** A scripted platform: fixed clock, queued answers, everything recorded. */
class FakePlatform final : public Platform
{
public:
    struct Message
    {
        QString text;
        QString title;
        MsgButtons buttons;
        MsgIcon icon;
    };
    struct TopmostCall
    {
        QObject *window;
        bool on;
    };
    struct ScrollCall
    {
        QObject *box;
        int lines;
    };

    MsgResult showMessage(const QString &text, const QString &title, MsgButtons buttons,
                          MsgIcon icon) override;
    QString activeWindowCaption() override { return caption; }
    void beep() override { ++beeps; }
    TwipsSize screenSize() override { return screen; }
    QString programFolder() override { return folder; }
    bool otherInstanceRunning() override { return otherInstance; }
    void setTopmost(QObject *window, bool on) override { topmostCalls.append({window, on}); }
    void scrollTextLines(QObject *box, int lines) override { scrollCalls.append({box, lines}); }
    void setBusyPointer(QObject *, bool on) override { busyCalls.append(on); }
    std::optional<QString> fileDialog(const FileDialogRequest &request) override;
    std::optional<FontChoice> fontDialog(const FontChoice &preset) override;
    std::optional<quint32> colourDialog(quint32 initial) override;
    void setCurrentFolder(const QString &f) override { currentFolder = f; }
    QDateTime now() override { return clock; }
    double random() override { return randoms.isEmpty() ? 0.0 : randoms.dequeue(); }

    /** Message texts only, in order. */
    QStringList messageTexts() const;

    // Script and record.
    QQueue<MsgResult> answers;  // when empty: Ok, Cancel or No
    QList<Message> messages;
    int beeps = 0;
    QString caption = QStringLiteral("TamoTime");
    TwipsSize screen{15360, 11520}; // 1024 x 768 pixels
    QString folder;
    bool otherInstance = false;
    QList<TopmostCall> topmostCalls;
    QList<ScrollCall> scrollCalls;
    QList<bool> busyCalls;
    QQueue<std::optional<QString>> fileAnswers;        // empty: cancelled
    QList<FileDialogRequest> fileRequests;
    QQueue<std::optional<FontChoice>> fontAnswers;     // empty: cancelled
    QList<FontChoice> fontPresets;
    QQueue<std::optional<quint32>> colourAnswers;      // empty: cancelled
    QList<quint32> colourInitials;
    QString currentFolder;
    QDateTime clock{QDate(2001, 10, 8), QTime(13, 5, 9)};
    QQueue<double> randoms;
};
