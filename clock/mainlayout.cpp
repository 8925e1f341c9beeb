#include "mainlayout.h"

#include "settings.h"
#include "value.h"

#include <algorithm>
#include <cmath>

namespace MainLayout {

namespace {

double clampFinite(double v, double lo, double hi)
{
    if (!std::isfinite(v))
        return lo;
    return std::clamp(v, lo, hi);
}

} // namespace

MainGeometry designGeometry()
{
    MainGeometry g;
    g.windowWidth = 4965;
    g.windowHeight = 3210;
    g.rows = {TwipsBox{90, 45, 1185, 465}, TwipsBox{1350, 45, 1185, 465},
              TwipsBox{2655, 45, 1185, 465}};
    for (TwipsBox &ind : g.indicators)
        ind = {0, 0, 300, 300};
    g.button = {4410, 570, 320, 320};
    g.mascot = {0, 0, 300, 300};
    g.animation = {0, 0, 300, 300};
    g.wordPanel = {1440, 990, 2130, 615};
    g.memo = {TwipsBox{1440, 1665, 2085, 480}, TwipsBox{1440, 2250, 2085, 480}};
    g.buttonFontSize = 8.25;
    return g;
}

double sanitizedFontSize(const Value &size)
{
    return clampFinite(size.toNumber(), 0, maxFontPoints);
}

double sanitizedIconScale(const Value &scale)
{
    // A 500-point font still gets its 15000-twip icon; beyond that the scale means nothing.
    return clampFinite(scale.toNumber(), 0, maxIconTwips);
}

double sanitizedWindowLength(double twips)
{
    return clampFinite(twips, 0, maxWindowTwips);
}

RowSizes rowSizes(const Settings &settings, double twipsPerPoint)
{
    RowSizes sizes;
    const double scale = sanitizedIconScale(settings.iconScale);
    for (size_t k = 0; k < 3; ++k) {
        sizes.fontSize[k] = sanitizedFontSize(settings.itemFontSize[k]);
        sizes.iconBase[k] = sizes.fontSize[k] * twipsPerPoint;
        sizes.icon[k] = std::min(sizes.iconBase[k] * scale, maxIconTwips);
    }
    return sizes;
}

int rowCount(const Settings &settings)
{
    const double rows = settings.clockRows.toNumber();
    if (rows == 0)
        return 0;
    if (rows == 1)
        return 1;
    return 2;
}

RowVisibility rowVisibility(int rowCount)
{
    RowVisibility v;
    if (rowCount == 0) {
        v.rows = {true, false, false};
        v.indicators = {true, false, false};
        v.mascot = false;
        v.animation = false;
    } else if (rowCount == 1) {
        v.rows = {true, true, false};
        v.indicators = {true, true, false};
        v.mascot = true;
        v.animation = false;
    }
    return v;
}

int panelMode(const Settings &settings)
{
    const double mode =
        settings.todaysWordShow[0].toNumber() + 10 * settings.memoShow[0].toNumber();
    for (int known : {0, 1, 10, 11}) {
        if (mode == known)
            return known;
    }
    return -1;
}

void layoutRows(MainGeometry &g, const RowSizes &sizes, int rowCount)
{
    for (size_t k = 0; k < 3; ++k)
        g.rows[k].height = sizes.iconBase[k] * 1.03;
    if (rowCount == 0) {
        g.rows[1].height = 0;
        g.rows[2].height = 0;
    } else if (rowCount == 1) {
        g.rows[2].height = 0;
    }
    for (size_t k = 0; k < 3; ++k) {
        g.indicators[k].width = sizes.icon[k];
        g.indicators[k].height = sizes.icon[k];
    }
    g.button.width = std::min(sizes.icon[0], buttonCap);
    g.button.height = g.button.width;
    g.button.top = (sizes.iconBase[0] - g.button.height) / 2;
    placeSideControls(g);
    g.buttonFontSize = 0.4 * sizes.fontSize[0];
}

void placeSideControls(MainGeometry &g)
{
    g.button.left = g.windowWidth - g.button.width - 140;

    const std::array<double, 3> icon{g.indicators[0].width, g.indicators[1].width,
                                     g.indicators[2].width};
    const double h0 = g.rows[0].height;
    const double h1 = g.rows[1].height;
    const double h2 = g.rows[2].height;
    const std::array<double, 3> tops{(h0 - icon[0]) / 2, h0 + (h1 - icon[1]) / 2,
                                     h0 + h1 + (h2 - icon[2]) / 2};

    // The mascot and the animation stand centred under the settings button.
    const auto besideButton = [&](TwipsBox &picture, size_t row) {
        const double side = std::min(icon[row], g.button.height);
        picture.width = side;
        picture.height = side;
        picture.top = tops[row] + (icon[row] - side) / 2;
        picture.left = g.button.left + g.button.width / 2 - side / 2;
    };
    besideButton(g.mascot, 1);
    besideButton(g.animation, 2);

    const double widest = std::max({icon[0], icon[1], icon[2]});
    const double centre = g.button.left - widest / 2 - 40;
    for (size_t k = 0; k < 3; ++k) {
        g.indicators[k].left = std::round(centre - icon[k] / 2);
        g.indicators[k].top = tops[k];
        g.indicators[k].width = icon[k];
        g.indicators[k].height = icon[k];
    }
}

double rowsHeight(const MainGeometry &g)
{
    return g.rows[0].height + g.rows[1].height + g.rows[2].height + rowsGap;
}

std::optional<double> fitPanels(MainGeometry &g, int panelMode)
{
    const double rh = rowsHeight(g);
    const double h = g.windowHeight;
    std::optional<double> wanted;
    switch (panelMode) {
    case 11:
        if (h - rh - g.wordPanel.height - frame <= 0)
            wanted = rh + g.wordPanel.height + memoMinimum + frame;
        else
            g.memo[0].height = h - rh - g.wordPanel.height - frame;
        g.memo[0].top = rh + g.wordPanel.height;
        break;
    case 1:
        wanted = rh + 1.05 * g.wordPanel.height + frame;
        break;
    case 10:
        g.wordPanel.height = 0;
        g.memo[0].top = rh;
        if (h - rh - frame < 0)
            wanted = rh + frame + memoMinimum;
        else
            g.memo[0].height = h - rh - frame;
        break;
    case 0:
        g.wordPanel.height = 0;
        wanted = rh + frame;
        break;
    default:
        break;
    }
    g.wordPanel.width = 0.99 * g.windowWidth;
    g.memo[0].width = g.wordPanel.width;
    g.wordPanel.top = rh;
    g.memo[1] = g.memo[0];
    g.rows[0].top = 0;
    g.rows[1].top = g.rows[0].height;
    g.rows[2].top = g.rows[0].height + g.rows[1].height;
    return wanted;
}

QList<double> slidePositions(double x0)
{
    QList<double> lefts;
    if (x0 == 0)
        return lefts;
    constexpr int steps = 40;
    lefts.reserve(2 * steps + 1);
    for (int i = 1; i <= steps; ++i)
        lefts.append(x0 - x0 * i / steps);
    for (int i = 1; i <= steps; ++i)
        lefts.append(x0 * i / steps);
    lefts.append(x0);
    return lefts;
}

} // namespace MainLayout
