#pragma once

#include "companions.h"

#include <QPointer>

class AppContext;
class BioWindow;
class CalendarWindow;
class ConfigWindow;
class TimeMain;

/** Creates the settings, calendar and biorhythm windows on first use and wires them together. */
class AppWindows final : public CompanionWindows
{
public:
    explicit AppWindows(AppContext &ctx);
    ~AppWindows() override;

    void setMainWindow(TimeMain *main) { m_main = main; }

    QWidget *settingsWindow() override;
    QWidget *calendarWindow() override;
    QWidget *bioWindow() override;
    void bioCalc() override;
    void closeAll() override;

    CalendarWindow *calendar();
    BioWindow *bio();
    ConfigWindow *config();

private:
    AppContext &m_ctx;
    TimeMain *m_main = nullptr;
    QPointer<CalendarWindow> m_calendar;
    QPointer<BioWindow> m_bio;
    QPointer<ConfigWindow> m_config;
};
