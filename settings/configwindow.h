#pragma once

#include <QWidget>
#include <functional>

class AppContext;
class BioWindow;
class CalendarWindow;
class TimeMain;

/** What the settings window reaches: the main window and, created on demand, the other two. */
struct SettingsLinks
{
    TimeMain *main = nullptr;
    /** The calendar window, created hidden when it was never loaded. */
    std::function<CalendarWindow *()> calendar;
    /** The biorhythm window, created hidden when it was never loaded. */
    std::function<BioWindow *()> bio;
    /** Shows the calendar window (the main window's flag follows). */
    std::function<void()> showCalendar;
    /** Shows the biorhythm window without touching bioShown. */
    std::function<void()> showBio;
};

/** The eight-page settings window "Config"; every change applies at once. */
class ConfigWindow final : public QWidget
{
    Q_OBJECT
public:
    /** Creates and fills the window (hidden). */
    ConfigWindow(AppContext &ctx, SettingsLinks links, QWidget *parent = nullptr);
    ~ConfigWindow() override;

    void OPEN_FILE();
    void save_file();
    void time_para_disp();

private:
    AppContext &m_ctx;
    SettingsLinks m_links;
};
