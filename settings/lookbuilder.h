#pragma once

#include "pagelayout.h"

/** Spells a control's Look in one line: look().pt(9.75).bold(). */
struct LookBuilder : PageLayout::Look
{
    LookBuilder &pt(double p)
    {
        points = p;
        return *this;
    }
    LookBuilder &bold()
    {
        Look::bold = true;
        return *this;
    }
    LookBuilder &font(const QString &name)
    {
        fontName = name;
        return *this;
    }
    LookBuilder &border()
    {
        Look::border = true;
        return *this;
    }
    LookBuilder &centred()
    {
        Look::centred = true;
        return *this;
    }
    LookBuilder &back(double bgr)
    {
        backColor = bgr;
        return *this;
    }
};

inline LookBuilder look()
{
    return {};
}
