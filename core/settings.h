#pragma once

#include "value.h"

#include <QString>
#include <array>

/** Every persistent option of the program, as stored in the 24 lines of TAMOtime.INI. */
struct Settings
{
    // line 1 (stored top first)
    Value mainTop, mainLeft, mainWidth;
    qint16 mainHeight = 0;
    // line 2: [1] is the stored wish, [0] whether the panel is open now
    std::array<Value, 2> todaysWordShow, memoShow;
    Value clockRows;
    qint16 autoDst = 0;
    qint16 showSeconds = 0;
    Value mainOnTop;
    // lines 3..5, one per clock row
    std::array<Value, 3> rowCity, rowFormat, rowBackColor;
    std::array<qint16, 3> rowManualDst{};
    // lines 6..10: items 0..2 the rows, 3 the today's-word panel, 4 the memo pages
    std::array<Value, 5> itemFontName, itemFontSize, itemFontBold, itemFontItalic, itemForeColor;
    // line 11
    QString titleBarText;
    Value iconScale;
    // line 12
    std::array<QString, 2> memoFilePath;
    // line 13 (size before weeks, position after)
    Value birthYear, birthMonth, birthDay, bioWidth, bioHeight, bioWeeks, bioLeft, bioTop;
    // line 14 (left before top) and line 24: [0] title area, [1] day grid
    Value calLeft, calTop, calWidth, calHeight;
    std::array<Value, 2> calBackColor;
    Value calLanguage;
    // lines 15..23: 0..6 Sunday..Saturday, 7 the title, 8 the all-items entry
    std::array<QString, 9> calFontName;
    std::array<qint16, 9> calFontSize{}, calFontBold{}, calFontItalic{};
    std::array<Value, 9> calForeColor;
    // line 24
    Value calAutoOpen;
    qint16 bioAutoOpen = 0;
    Value calOnTop;
    QString holidayColor;

    /** The program folder; never stored. */
    QString appFolder;

    bool operator==(const Settings &) const = default;
};

/** The values a first start runs on when TAMOtime.INI is missing (the same as the shipped file). */
Settings defaultSettings();

/** Clamps a number into qint16 like a hand-edited file needs (rounded, saturated). */
qint16 toInt16(double number);
