#pragma once

#include "configwindow.h"

class AppContext;

/** What every settings page works with. */
struct ConfigEnv
{
    AppContext &ctx;
    SettingsLinks &links;
    /** The settings window itself (busy pointer, dialogs' parent). */
    QWidget *window = nullptr;
};
