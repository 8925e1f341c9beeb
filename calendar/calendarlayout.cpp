#include "calendarlayout.h"

#include <algorithm>
#include <cmath>

namespace {

// Whole points as the font system takes them: at least 1, never beyond what a font can be.
int fontPoints(double points)
{
    if (!std::isfinite(points))
        return 1;
    return int(std::clamp(std::floor(points), 1.0, 500.0));
}

} // namespace

CalendarLayout calendarLayout(double width, double height)
{
    CalendarLayout l;
    if (!std::isfinite(width) || !std::isfinite(height) || height < calendarMinimumHeight)
        return l;
    l.apply = true;

    l.buttonSide = std::min(height / 10, 270.0);
    l.buttonFontSize = fontPoints(l.buttonSide * 0.049 * 0.6);
    l.nextLeft = width - l.buttonSide - 120;
    l.prevLeft = l.nextLeft - l.buttonSide;
    l.buttonTop = height - 350 - l.buttonSide;

    l.titleHeight = height / 6;
    l.titleFontSize = fontPoints(l.titleHeight * 0.04);
    l.titleWidth = std::max(0.0, width - 125);

    l.columnWidth = (width - 200) / 7;
    l.rowPitch = (height - 350 - l.titleHeight) / 7;
    l.cellWidth = std::max(0.0, l.columnWidth * 0.95);
    l.cellHeight = std::max(0.0, l.rowPitch * 0.95);
    l.headingFontSize = fontPoints(l.rowPitch * 0.95 * 0.049 * 0.9);
    l.dayFontSize = fontPoints(l.rowPitch * 0.95 * 0.049);
    return l;
}

ScreenSnap keepOnScreen(double left, double top, double width, double height, double screenWidth,
                        double screenHeight)
{
    ScreenSnap s{left, top};
    if (left > screenWidth - width / 2)
        s.left = screenWidth - width;
    if (top > screenHeight - height / 2)
        s.top = screenHeight - height;
    return s;
}
