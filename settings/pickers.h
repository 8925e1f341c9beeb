#pragma once

#include "platform.h"

#include <QString>

/**
 * The font picker: opens the font dialog preset with `picked` and reads the choice back,
 * the size rounded to whole points (halves to even). Cancel leaves all four values.
 */
void pickFont(Platform &platform, FontChoice &picked);
/**
 * The colour picker: `pickedColor` is the decimal text of a 0x00BBGGRR colour, preselected in
 * the dialog and replaced by the chosen one. Cancel leaves it.
 */
void pickColor(Platform &platform, QString &pickedColor);
