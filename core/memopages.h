#pragma once

#include "memopagetext.h"

#include <QString>
#include <array>

class AppContext;
class FileOperation;

/** The default file of memo page k (schedule.dat, memo.dat) in the program folder. */
QString defaultMemoPath(const AppContext &ctx, int page);
/** The file memo page k is read from and written to: memoFilePath[k], or its default when "". */
QString memoPagePath(const AppContext &ctx, int page);

/** Loads both memo pages into ctx.memoText and finds memoTodayLine (the end of loadSettings). */
void loadMemoPages(AppContext &ctx);
/** Writes the memo pages from the box texts (the end of saveSettings), sharing its failures. */
void saveMemoPages(AppContext &ctx, const std::array<QString, 2> &boxTexts, FileOperation &op);
