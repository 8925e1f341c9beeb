#pragma once

#include "appcontext.h"
#include "fakecompanions.h"
#include "fakeplatform.h"
#include "qtplatform.h"
#include "settings.h"
#include "timemain.h"

#include <QTemporaryDir>
#include <memory>

// The main window's test fixture: data files in a fresh folder, a scripted platform, fake
// companion windows, and the window started on those files.

inline constexpr double tpp = (25.4 / 72) * (567.0 / 10);

/** The front page carries one line per day; 8 and 9 October are lines 2 and 3. */
extern const QString scheduleText;
extern const QString memoText;
/** A text with CR LF line ends as a text box shows it. */
QString shown(const QString &crlf);

/** The scripted platform, but text boxes scroll for real, as the program's own platform does. */
class RealScrollPlatform final : public Platform
{
public:
    explicit RealScrollPlatform(FakePlatform &fake) : m_fake(fake) {}
    MsgResult showMessage(const QString &text, const QString &title, MsgButtons buttons,
                          MsgIcon icon) override
    {
        return m_fake.showMessage(text, title, buttons, icon);
    }
    QString activeWindowCaption() override { return m_fake.activeWindowCaption(); }
    void beep() override { m_fake.beep(); }
    TwipsSize screenSize() override { return m_fake.screenSize(); }
    QString programFolder() override { return m_fake.programFolder(); }
    bool otherInstanceRunning() override { return m_fake.otherInstanceRunning(); }
    void setTopmost(QObject *window, bool on) override { m_fake.setTopmost(window, on); }
    void scrollTextLines(QObject *box, int lines) override
    {
        m_fake.scrollTextLines(box, lines);
        m_real.scrollTextLines(box, lines);
    }
    void setBusyPointer(QObject *window, bool on) override { m_fake.setBusyPointer(window, on); }
    std::optional<QString> fileDialog(const FileDialogRequest &request) override
    {
        return m_fake.fileDialog(request);
    }
    std::optional<FontChoice> fontDialog(const FontChoice &preset) override
    {
        return m_fake.fontDialog(preset);
    }
    std::optional<quint32> colourDialog(quint32 initial) override
    {
        return m_fake.colourDialog(initial);
    }
    void setCurrentFolder(const QString &folder) override { m_fake.setCurrentFolder(folder); }
    QDateTime now() override { return m_fake.now(); }
    double random() override { return m_fake.random(); }

private:
    FakePlatform &m_fake;
    QtPlatform m_real;
};

class MainFixture
{
protected:
    void initTestCase();
    void init();
    void cleanup();

    Settings baseSettings() const;
    /** Writes the data files from s, then runs the start-up on them. */
    TimeMain *start(const Settings &s, const QString &front = scheduleText,
                    const QString &back = memoText);
    void writeFile(const QString &name, const QString &text);
    /** The settings as the file in the folder holds them now. */
    Settings reloadedSettings();
    AppContext &ctx() { return *m_ctx; }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<AppContext> m_ctx;
    std::unique_ptr<FakeCompanions> m_companions;
    std::unique_ptr<TimeMain> m_main;
};
