#pragma once

#include "appcontext.h"
#include "biowindow.h"
#include "calendarwindow.h"
#include "companions.h"
#include "configenv.h"
#include "configwindow.h"
#include "fakeplatform.h"
#include "settings.h"
#include "timemain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

/** The main window's view of the other windows: the fixture's real calendar and chart. */
class FixtureCompanions final : public CompanionWindows
{
public:
    std::function<QWidget *()> calendar;
    std::function<QWidget *()> bio;
    QWidget *settingsWindow() override { return &settings; }
    QWidget *calendarWindow() override { return calendar(); }
    QWidget *bioWindow() override { return bio(); }
    void bioCalc() override {}
    void closeAll() override {}

private:
    QWidget settings;
};

/**
 * What a settings page works with, all real: the main window, and a calendar and a
 * biorhythm window created hidden on first use, on the scripted platform and a fresh folder.
 */
struct PagesFixture
{
    FakePlatform platform;
    AppContext ctx{platform};
    QTemporaryDir dir;
    FixtureCompanions companions;
    std::unique_ptr<TimeMain> main;
    std::unique_ptr<CalendarWindow> calendar;
    std::unique_ptr<BioWindow> bio;
    int calendarCreations = 0;
    int bioCreations = 0;
    SettingsLinks links;
    /** Stands for the settings window the pages live in. */
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    ConfigEnv env{ctx, links, window.get()};

    PagesFixture()
    {
        platform.folder = dir.path();
        ctx.settings = defaultSettings();
        ctx.settings.appFolder = dir.path();
        ctx.settings.titleBarText = QStringLiteral("old title");
        companions.calendar = [this] { return calendarWindow(); };
        companions.bio = [this] { return bioWindow(); };
        main = std::make_unique<TimeMain>(ctx, companions);
        links.main = main.get();
        links.calendar = [this] { return calendarWindow(); };
        links.bio = [this] { return bioWindow(); };
        links.showCalendar = [this] {
            calendarWindow()->show();
            ctx.state.calendarShown = 1;
        };
        links.showBio = [this] { bioWindow()->show(); };
    }

    ~PagesFixture()
    {
        // Pages first: they hold references into the fixture.
        window.reset();
    }

    CalendarWindow *calendarWindow()
    {
        if (!calendar) {
            ++calendarCreations;
            calendar = std::make_unique<CalendarWindow>(ctx);
        }
        return calendar.get();
    }

    BioWindow *bioWindow()
    {
        if (!bio) {
            ++bioCreations;
            bio = std::make_unique<BioWindow>(ctx);
        }
        return bio.get();
    }

    /** A page of type P in the stand-in settings window, filled as the window fills it. */
    template <typename P> P *page()
    {
        auto *p = new P(env, window.get());
        p->fill();
        return p;
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    bool write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(path(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

    QByteArray read(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
