#pragma once

#include "appcontext.h"
#include "calendarwindow.h"
#include "companions.h"
#include "configwindow.h"
#include "fakeplatform.h"
#include "timemain.h"

#include <QPointer>
#include <QWidget>
#include <memory>

/** The main window's companions in the settings tests: the settings window is created on demand. */
class SettingsTestCompanions final : public CompanionWindows
{
public:
    std::function<QWidget *()> makeSettings;

    QWidget *settingsWindow() override { return makeSettings ? makeSettings() : nullptr; }
    QWidget *calendarWindow() override { return plain(calendar); }
    QWidget *bioWindow() override { return plain(bio); }
    void bioCalc() override {}
    void closeAll() override {}

private:
    static QWidget *plain(std::unique_ptr<QWidget> &slot)
    {
        if (!slot)
            slot = std::make_unique<QWidget>();
        return slot.get();
    }
    std::unique_ptr<QWidget> calendar, bio;
};

/**
 * One run of the program for the settings window: fake platform, record with usable values,
 * the city table, a real main window and the settings window made on demand.
 */
struct ConfigFixture
{
    FakePlatform platform;
    AppContext ctx{platform};
    SettingsTestCompanions companions;
    std::unique_ptr<TimeMain> main;
    std::unique_ptr<CalendarWindow> calendar;
    QPointer<ConfigWindow> config;

    ConfigFixture()
    {
        Settings &s = ctx.settings;
        s.clockRows = Value(2);
        s.todaysWordShow = {Value(1), Value(1)};
        s.memoShow = {Value(1), Value(1)};
        s.autoDst = 1;
        s.showSeconds = 0;
        s.mainOnTop = Value(0);
        s.rowCity = {Value(0), Value(3), Value(4)};
        s.rowFormat = {Value(0), Value(1), Value(5)};
        s.rowBackColor = {Value(16777215), Value(14737632), Value(65535)};
        for (int i = 0; i < 5; ++i) {
            s.itemFontName[size_t(i)] = Value(QStringLiteral("ＭＳ Ｐゴシック"));
            s.itemFontSize[size_t(i)] = Value(12 + i);
            s.itemFontBold[size_t(i)] = Value(0);
            s.itemFontItalic[size_t(i)] = Value(0);
            s.itemForeColor[size_t(i)] = Value(0);
        }
        s.itemFontName[1] = Value(QStringLiteral("ＭＳ ゴシック"));
        s.itemForeColor[1] = Value(255);
        s.iconScale = Value(1);
        s.birthYear = Value(QStringLiteral("1970"));
        s.birthMonth = Value(QStringLiteral("05"));
        s.birthDay = Value(QStringLiteral("20"));
        s.bioWeeks = Value(3);
        s.calLanguage = Value(0);
        s.calAutoOpen = Value(0);
        s.calOnTop = Value(0);
        for (int j = 0; j < 9; ++j) {
            s.calFontName[size_t(j)] = QStringLiteral("ＭＳ ゴシック");
            s.calFontSize[size_t(j)] = 10;
        }
        s.holidayColor = QStringLiteral("255");

        WorldClockState &w = ctx.world;
        w.citySuffix = {QString(), QStringLiteral("/LA"), QStringLiteral("/ｼｶｺﾞ"),
                        QStringLiteral("/NY"), QStringLiteral("(英)"), QStringLiteral("(独)")};
        w.cityOffset = {0, -17.0 / 24, -15.0 / 24, -14.0 / 24, -9.0 / 24, -8.0 / 24};
        w.dstShift = {0, 1.0 / 24};

        companions.makeSettings = [this] { return window(); };
    }

    ~ConfigFixture()
    {
        ctx.state.ending = true;
        delete config.data();
        calendar.reset();
        main.reset();
    }

    /** The main window, made once and laid out as its start-up leaves it (no files read). */
    TimeMain *mainWindow()
    {
        if (!main) {
            main = std::make_unique<TimeMain>(ctx, companions);
            main->setSlideStepDelay(0);
            main->applyMainLayout();
        }
        return main.get();
    }

    /** The calendar window, made hidden on first use. */
    CalendarWindow *calendarWindow()
    {
        if (!calendar)
            calendar = std::make_unique<CalendarWindow>(ctx);
        return calendar.get();
    }

    /** The settings window as the application makes it: deleted on close, made again after. */
    ConfigWindow *window()
    {
        if (!config) {
            SettingsLinks links;
            links.main = mainWindow();
            links.calendar = [this] { return calendarWindow(); };
            config = new ConfigWindow(ctx, std::move(links));
            config->setAttribute(Qt::WA_DeleteOnClose);
        }
        return config;
    }
};
