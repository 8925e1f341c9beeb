#pragma once

#include "platform.h"

struct Settings;

#include <QString>

/** A font size in points rounded to a whole number, halves to the even neighbour (10.5 -> 10). */
double roundPointsHalfEven(double points);

/**
 * The font picker: opens the font dialog preset with `picked` and reads the choice back,
 * the size rounded to whole points (halves to even). Cancel leaves all four values.
 * Returns whether the dialog gave a font.
 */
bool pickFont(Platform &platform, FontChoice &picked);
/**
 * The colour picker: `pickedColor` is the decimal text of a 0x00BBGGRR colour, preselected in
 * the dialog and replaced by the chosen one. Cancel leaves it. Returns whether a colour came back.
 */
bool pickColor(Platform &platform, QString &pickedColor);

/** A stored colour value (number or decimal text) as 0x00BBGGRR; anything else gives 0. */
quint32 colorValue(double number);

/** The font of text item 0..4 as the pickers exchange it (bold and italic: any non-zero is on). */
FontChoice itemFont(const Settings &settings, int item);
/** Stores a picked font into text item 0..4 (bold and italic as -1 on, 0 off). */
void storeItemFont(Settings &settings, int item, const FontChoice &font);
