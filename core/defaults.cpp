#include "settings.h"

using namespace Qt::StringLiterals;

// The same values as the shipped data/TAMOtime.INI (a test loads that file and compares).
Settings defaultSettings()
{
    constexpr int white = 16777215;
    constexpr int red = 255;
    constexpr int blue = 16711680;

    Settings s;
    s.mainTop = 1200;
    s.mainLeft = 1200;
    s.mainWidth = 6300;
    s.mainHeight = 6000;

    s.todaysWordShow = {Value(1), Value(1)};
    s.memoShow = {Value(1), Value(1)};
    s.clockRows = 2;
    s.autoDst = 1;
    s.showSeconds = 1;
    s.mainOnTop = 0;

    // Japan, New York and the United Kingdom, each in a format that suits it.
    const int cities[3] = {0, 3, 4};
    const int formats[3] = {0, 3, 1};
    for (int k = 0; k < 3; ++k) {
        s.rowCity[k] = cities[k];
        s.rowFormat[k] = formats[k];
        s.rowBackColor[k] = white;
        s.rowManualDst[k] = 0;
    }

    for (int i = 0; i < 5; ++i) {
        // The memo pages get a fixed-pitch font so that schedule columns line up.
        s.itemFontName[i] = i == 4 ? u"ＭＳ ゴシック"_s : u"ＭＳ Ｐゴシック"_s;
        s.itemFontSize[i] = i < 3 ? 14 : 10;
        s.itemFontBold[i] = 0;
        s.itemFontItalic[i] = 0;
        s.itemForeColor[i] = 0;
    }

    s.titleBarText = QString();
    s.iconScale = 1;

    s.birthYear = u"1990"_s;
    s.birthMonth = u"01"_s;
    s.birthDay = u"01"_s;
    s.bioWidth = 10000;
    s.bioHeight = 5000;
    s.bioWeeks = 3;
    s.bioLeft = 3000;
    s.bioTop = 3000;

    // Width and height 0: the calendar opens at its design size the first time.
    s.calLeft = 7800;
    s.calTop = 1200;
    s.calWidth = 0;
    s.calHeight = 0;
    s.calBackColor = {Value(0), Value(0)};
    s.calLanguage = 0;

    for (int j = 0; j < 9; ++j) {
        s.calFontName[j] = u"ＭＳ ゴシック"_s;
        s.calFontSize[j] = 10;
        s.calFontBold[j] = 0;
        s.calFontItalic[j] = 0;
        s.calForeColor[j] = j == 0 ? red : j == 6 ? blue : 0;
    }

    s.calAutoOpen = 0;
    s.bioAutoOpen = 0;
    s.calOnTop = 0;
    s.holidayColor = u"255"_s;
    return s;
}
