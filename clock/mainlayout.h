#pragma once

#include <QList>
#include <array>
#include <optional>

struct Settings;
class Value;

/** One control's place in twips, relative to the window's client area. */
struct TwipsBox
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const TwipsBox &) const = default;
};

/** The main window's controls in twips: the layout operations change it, the window applies it. */
struct MainGeometry
{
    double windowWidth = 0;             // outer, with the caption bar and borders
    double windowHeight = 0;            // outer
    std::array<TwipsBox, 3> rows;       // Label1
    std::array<TwipsBox, 3> indicators; // Image1
    TwipsBox button;                    // Command1
    TwipsBox mascot;                    // Image4
    TwipsBox animation;                 // Image5
    TwipsBox wordPanel;                 // Text2
    std::array<TwipsBox, 2> memo;       // Text3
    double buttonFontSize = 0;          // points
};

/** Which row-dependent controls the row count shows (the upper row and its indicator always). */
struct RowVisibility
{
    std::array<bool, 3> rows{true, true, true};
    std::array<bool, 3> indicators{true, true, true};
    bool mascot = true;
    bool animation = true;
    bool operator==(const RowVisibility &) const = default;
};

/** The sizes the row fonts and iconScale give. */
struct RowSizes
{
    std::array<double, 3> fontSize{}; // points
    std::array<double, 3> iconBase{}; // font size in twips
    std::array<double, 3> icon{};     // indicator side
};

namespace MainLayout {

constexpr double frame = 345;     // caption bar and borders, as stored heights include them
constexpr double rowsGap = 25;    // below the clock rows
constexpr double buttonCap = 350; // largest settings button
constexpr double memoMinimum = 2000;
constexpr double wordPanelHeight = 800;
// Bounds for hand-edited values, far beyond anything a screen can use.
constexpr double maxFontPoints = 500;
constexpr double maxIconTwips = 15000;
constexpr double maxWindowTwips = 150000;

/** The design-time places of the controls (before the first layout). */
MainGeometry designGeometry();

/** A font size as the layout uses it: negative, huge or missing sizes become 0..500 points. */
double sanitizedFontSize(const Value &size);
/** iconScale as the layout uses it: never negative, the icons stay below 15000 twips. */
double sanitizedIconScale(const Value &scale);
/** A stored window length (twips) clamped into what a window can take. */
double sanitizedWindowLength(double twips);

RowSizes rowSizes(const Settings &settings, double twipsPerPoint);
/** clockRows as 0, 1 or 2 (any other value shows all three rows). */
int rowCount(const Settings &settings);
RowVisibility rowVisibility(int rowCount);
/** todaysWordShow[0] + 10 * memoShow[0]: 0, 1, 10, 11, or -1 for any other sum. */
int panelMode(const Settings &settings);

/** applyMainLayout's arithmetic: row heights, the row count, icon and button sizes, places. */
void layoutRows(MainGeometry &geometry, const RowSizes &sizes, int rowCount);
/** The button's left and the pictures' places from the current sizes (after a resize). */
void placeSideControls(MainGeometry &geometry);
/** The three row heights + 25. */
double rowsHeight(const MainGeometry &geometry);
/** Time_main_resize's arithmetic for a panel mode; returns the window height it asks for. */
std::optional<double> fitPanels(MainGeometry &geometry, int panelMode);

/** The lefts of the settings-button slide: 40 steps to 0, 40 steps back, ending exactly at x0. */
QList<double> slidePositions(double x0);

} // namespace MainLayout
