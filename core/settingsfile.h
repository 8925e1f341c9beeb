#pragma once

#include <QString>

struct Settings;

/** The 24 lines of TAMOtime.INI for these settings, as the program writes them. */
QString settingsFileText(const Settings &settings);
