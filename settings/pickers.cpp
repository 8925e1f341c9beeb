#include "pickers.h"

#include "settings.h"
#include "value.h"

#include <cmath>

double roundPointsHalfEven(double points)
{
    if (!std::isfinite(points))
        return points;
    const double down = std::floor(points);
    const double rest = points - down;
    if (rest > 0.5)
        return down + 1;
    if (rest < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

bool pickFont(Platform &platform, FontChoice &picked)
{
    const std::optional<FontChoice> chosen = platform.fontDialog(picked);
    if (!chosen)
        return false;
    picked.name = chosen->name;
    // A size the dialog could not give keeps the old one.
    if (std::isfinite(chosen->size) && chosen->size > 0)
        picked.size = roundPointsHalfEven(chosen->size);
    picked.bold = chosen->bold;
    picked.italic = chosen->italic;
    return true;
}

quint32 colorValue(double number)
{
    if (!std::isfinite(number) || number <= 0)
        return 0;
    if (number >= 16777215.0)
        return 16777215u;
    return quint32(number);
}

bool pickColor(Platform &platform, QString &pickedColor)
{
    const std::optional<quint32> chosen =
        platform.colourDialog(colorValue(leadingNumber(pickedColor)));
    if (!chosen)
        return false;
    pickedColor = QString::number(*chosen & 0xFFFFFFu);
    return true;
}

FontChoice itemFont(const Settings &settings, int item)
{
    const auto i = size_t(item);
    return FontChoice{settings.itemFontName[i].toText(), settings.itemFontSize[i].toNumber(),
                      settings.itemFontBold[i].toNumber() != 0,
                      settings.itemFontItalic[i].toNumber() != 0};
}

void storeItemFont(Settings &settings, int item, const FontChoice &font)
{
    const auto i = size_t(item);
    settings.itemFontName[i] = Value(font.name);
    settings.itemFontSize[i] = Value(font.size);
    settings.itemFontBold[i] = Value(font.bold ? -1 : 0);
    settings.itemFontItalic[i] = Value(font.italic ? -1 : 0);
}
