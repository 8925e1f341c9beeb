#pragma once

#include "companions.h"

#include <QWidget>
#include <memory>

/** Plain hidden windows in place of the settings, calendar and biorhythm windows. */
class FakeCompanions final : public CompanionWindows
{
public:
    QWidget *settingsWindow() override { return window(settings, settingsCreations); }
    QWidget *calendarWindow() override { return window(calendar, calendarCreations); }
    QWidget *bioWindow() override { return window(bio, bioCreations); }
    void bioCalc() override { ++bioCalcs; }
    void closeAll() override
    {
        ++closeAllCalls;
        settings.reset();
        calendar.reset();
        bio.reset();
    }

    bool shown(const std::unique_ptr<QWidget> &w) const { return w && w->isVisible(); }

    std::unique_ptr<QWidget> settings, calendar, bio;
    int settingsCreations = 0, calendarCreations = 0, bioCreations = 0;
    int bioCalcs = 0;
    int closeAllCalls = 0;

private:
    static QWidget *window(std::unique_ptr<QWidget> &slot, int &creations)
    {
        if (!slot) {
            ++creations;
            slot = std::make_unique<QWidget>();
            slot->resize(200, 150);
        }
        return slot.get();
    }
};
