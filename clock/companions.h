#pragma once

class QWidget;

/**
 * The main window's access to the program's other windows. Each accessor creates its window
 * (hidden, filled) on first use; the application supplies the real windows, tests a fake.
 */
class CompanionWindows
{
public:
    CompanionWindows() = default;
    CompanionWindows(const CompanionWindows &) = delete;
    CompanionWindows &operator=(const CompanionWindows &) = delete;
    virtual ~CompanionWindows() = default;

    /** The settings window "Config". */
    virtual QWidget *settingsWindow() = 0;
    /** The calendar window "Calendar". */
    virtual QWidget *calendarWindow() = 0;
    /** The biorhythm window "bio". */
    virtual QWidget *bioWindow() = 0;
    /** Recomputes and redraws the biorhythm chart (bio_calc). */
    virtual void bioCalc() = 0;
    /** Closes every other window without running their own closing steps (program end). */
    virtual void closeAll() = 0;
};
