#include "pickers.h"

// TODO(settings-a): the real pickers.
void pickFont(Platform &, FontChoice &) {}
void pickColor(Platform &, QString &) {}
