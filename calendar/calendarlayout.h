#pragma once

#include <array>

/** Where the calendar window puts its controls for one outer size (twips) and which fonts fit. */
struct CalendarLayout
{
    /** False while the window is too low to lay out (nothing is moved then). */
    bool apply = false;

    double buttonSide = 0;
    int buttonFontSize = 1;
    double prevLeft = 0; // Command1(0) "＜"
    double nextLeft = 0; // Command1(1) "＞"
    double buttonTop = 0;

    double titleWidth = 0;
    double titleHeight = 0;
    int titleFontSize = 1;

    double columnWidth = 0; // pitch of the seven columns
    double rowPitch = 0;    // pitch of the heading row and the six week rows
    double cellWidth = 0;
    double cellHeight = 0;
    int headingFontSize = 1;
    int dayFontSize = 1;

    /** Left of column 0..6. */
    double cellLeft(int column) const { return columnWidth * column + 50; }
    /** Top of line 0 (the headings) .. 6 (week row 5). */
    double lineTop(int line) const { return titleHeight + rowPitch * line; }
};

/** Below this outer height the window keeps its controls as they are. */
inline constexpr double calendarMinimumHeight = 660;

/** The layout for an outer width and height in twips. */
CalendarLayout calendarLayout(double width, double height);

/** Left and top that keep a window mostly on the screen (all twips). */
struct ScreenSnap
{
    double left = 0;
    double top = 0;
};
/** More than half beyond the right or bottom screen edge snaps that edge onto the screen edge. */
ScreenSnap keepOnScreen(double left, double top, double width, double height, double screenWidth,
                        double screenHeight);
