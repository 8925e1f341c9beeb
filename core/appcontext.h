#pragma once

#include "settings.h"
#include "value.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <array>

class Platform;

/** The city table and this year's daylight-saving state of the world clock. */
struct WorldClockState
{
    std::array<QString, 6> citySuffix;
    std::array<double, 6> cityOffset{};   // fractions of a day
    std::array<double, 2> dstShift{};     // 0 and one hour
    std::array<int, 6> cityDstActive{};
    QDate euDstStart, euDstEnd, naDstStart, naDstEnd;
};

/** State of the main window that the other windows share. */
struct RuntimeState
{
    int currentMemoPage = 0;
    int panelsExpanded = 1;
    double memoHeight = 0;
    int settingsShown = 0;
    int calendarShown = 0;
    int bioShown = 0;
    int editRow = 0;
    std::array<quint32, 2> optionColors{0, 16711680};
    double twipsPerPoint = (25.4 / 72) * (567.0 / 10);
    /** Set while the program ends: windows then close without storing their bounds. */
    bool ending = false;
};

/** Results of the last biorhythm calculation, shown by the settings window. */
struct BioResults
{
    QString bioTargetDate;
    int daysAlive = 0;
    QString daysAliveText;
    QString yearsAliveText;
    QString birthText;
};

/**
 * Everything one run of the program shares: the settings record, the data read from the
 * files, the main window's shared state and the platform. Windows announce changes that
 * other windows show through its signals, so no window reaches into another's controls.
 */
class AppContext final : public QObject
{
    Q_OBJECT
public:
    explicit AppContext(Platform &platform, QObject *parent = nullptr);

    Platform &platform;
    Settings settings;
    RuntimeState state;
    WorldClockState world;
    BioResults bio;

    // holiday.txt: slots 0..holidayLast (at most 100 used)
    std::array<QString, 101> holidays;
    Value holidayLast;
    // kakugen.txt
    Value todaysWord;
    Value todaysWordDay;
    // schedule.dat / memo.dat: texts with CR LF line ends
    std::array<Value, 2> memoText;
    qint16 memoTodayLine = 0;
    /** A page whose file failed to load is not written back unless the user changed it. */
    std::array<bool, 2> memoLoadFailed{};
    /** Numbered list of all today's words for the settings window; loaded once per run. */
    QString allWordsText;

    /** appFolder + separator + name. */
    QString dataFile(const QString &name) const;

signals:
    /** A clock row's city or edited row changed on the main window (the settings page follows). */
    void rowEdited(int row);
    /** An indicator click switched automatic daylight saving off. */
    void autoDstSwitchedOff(int row);
    /** determineDst ran: city captions follow cityDstActive. */
    void dstDetermined();
    /** The calendar applied new font sizes into calFontSize (title size given separately). */
    void calendarFontSizesChanged(int titleSize);
    /** bio_calc wrote new results into bio. */
    void bioResultsChanged();
};
