#pragma once

#include <QPointF>
#include <QWidget>
#include <functional>
#include <memory>

class AppContext;
class BioWindow;
class CalendarWindow;
class TimeMain;
class TabControl;
class DisplayItemsPage;
class TodaysWordPage;
class ClockFormatPage;
class MemoFilePage;
class TitleBioPage;
class DstInfoPage;
class CalendarPage;
class VersionPage;
struct ConfigEnv;

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

    /** Page indexes in tab order. */
    enum Page { DisplayItems, TodaysWord, ClockFormat, MemoFile, TitleBio, DstInfo, Calendar,
                Version, PageCount };

    /** The index of the page shown. */
    int currentPage() const;
    void setCurrentPage(int page);
    TabControl *tabControl() const { return m_tabs; }

    DisplayItemsPage *displayItemsPage() const { return m_displayItems; }
    TodaysWordPage *todaysWordPage() const { return m_todaysWord; }
    ClockFormatPage *clockFormatPage() const { return m_clockFormat; }
    MemoFilePage *memoFilePage() const { return m_memoFile; }
    TitleBioPage *titleBioPage() const { return m_titleBio; }
    DstInfoPage *dstInfoPage() const { return m_dstInfo; }
    CalendarPage *calendarPage() const { return m_calendar; }
    VersionPage *versionPage() const { return m_version; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildFrame();
    void connectSignals();
    void fill();
    void colourCityCaptions(bool blackOtherwise);
    void onRowEdited(int row);
    void onAutoDstSwitchedOff(int row);

    AppContext &m_ctx;
    SettingsLinks m_links;
    std::unique_ptr<ConfigEnv> m_env;
    TabControl *m_tabs = nullptr;
    DisplayItemsPage *m_displayItems = nullptr;
    TodaysWordPage *m_todaysWord = nullptr;
    ClockFormatPage *m_clockFormat = nullptr;
    MemoFilePage *m_memoFile = nullptr;
    TitleBioPage *m_titleBio = nullptr;
    DstInfoPage *m_dstInfo = nullptr;
    CalendarPage *m_calendar = nullptr;
    VersionPage *m_version = nullptr;
};

/** The window's outer size in twips. */
inline constexpr double configOuterWidth = 7545;
inline constexpr double configOuterHeight = 4440;

/** Where the settings window stands: a third of the free screen on each axis (twips). */
QPointF configWindowPosition(double screenWidth, double screenHeight);
