#include "appwindows.h"

#include "appcontext.h"
#include "biowindow.h"
#include "calendarwindow.h"
#include "configwindow.h"
#include "pictures.h"
#include "timemain.h"

AppWindows::AppWindows(AppContext &ctx) : m_ctx(ctx) {}

AppWindows::~AppWindows()
{
    closeAll();
}

CalendarWindow *AppWindows::calendar()
{
    if (!m_calendar) {
        m_calendar = new CalendarWindow(m_ctx);
        m_calendar->setAttribute(Qt::WA_DeleteOnClose);
        m_calendar->setWindowIcon(programIcon());
    }
    return m_calendar;
}

BioWindow *AppWindows::bio()
{
    if (!m_bio) {
        m_bio = new BioWindow(m_ctx);
        m_bio->setAttribute(Qt::WA_DeleteOnClose);
        m_bio->setWindowIcon(programIcon());
    }
    return m_bio;
}

ConfigWindow *AppWindows::config()
{
    if (!m_config) {
        SettingsLinks links;
        links.main = m_main;
        links.calendar = [this] { return calendar(); };
        links.bio = [this] { return bio(); };
        links.showCalendar = [this] {
            calendar()->show();
            m_ctx.state.calendarShown = 1;
        };
        links.showBio = [this] { bio()->show(); };
        m_config = new ConfigWindow(m_ctx, std::move(links));
        m_config->setAttribute(Qt::WA_DeleteOnClose);
        m_config->setWindowIcon(programIcon());
    }
    return m_config;
}

QWidget *AppWindows::settingsWindow()
{
    return config();
}

QWidget *AppWindows::calendarWindow()
{
    return calendar();
}

QWidget *AppWindows::bioWindow()
{
    return bio();
}

void AppWindows::bioCalc()
{
    bio()->bio_calc();
}

void AppWindows::closeAll()
{
    // The program is ending: the windows close without storing their bounds.
    m_ctx.state.ending = true;
    delete m_config.data();
    delete m_calendar.data();
    delete m_bio.data();
}
