#pragma once

#include "platform.h"

#include <QLockFile>
#include <memory>
#include <random>

/** The platform services on Qt Widgets (X11 and Wayland desktops). */
class QtPlatform final : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    MsgResult showMessage(const QString &text, const QString &title, MsgButtons buttons,
                          MsgIcon icon) override;
    QString activeWindowCaption() override;
    void beep() override;
    TwipsSize screenSize() override;
    QString programFolder() override;
    bool otherInstanceRunning() override;
    void setTopmost(QObject *window, bool on) override;
    void scrollTextLines(QObject *textBox, int lines) override;
    void setBusyPointer(QObject *window, bool on) override;
    std::optional<QString> fileDialog(const FileDialogRequest &request) override;
    std::optional<FontChoice> fontDialog(const FontChoice &preset) override;
    std::optional<quint32> colourDialog(quint32 initial) override;
    void setCurrentFolder(const QString &folder) override;
    QDateTime now() override;
    double random() override;

private:
    QString m_programFolder;
    std::unique_ptr<QLockFile> m_instanceLock;
    std::minstd_rand m_random; // default seed: the mascot sequence is not seeded from the clock
    int m_busyDepth = 0;
};

/** Where the shipped default files live for an installed copy ("" when none is found). */
QString shippedDataFolder();
