#pragma once

#include <array>

#include <QString>

class AppContext;

/** Reads TAMOtime.INI into ctx.settings, applies defaults and the screen clamp, loads the memo pages. */
void loadSettings(AppContext &ctx);
/** Writes TAMOtime.INI, then the memo pages from the texts of the two memo boxes (CR LF). */
void saveSettings(AppContext &ctx, const std::array<QString, 2> &memoBoxTexts);
/** Reads holiday.txt into ctx.holidays / ctx.holidayLast. */
void loadHolidays(AppContext &ctx);
/** Sets ctx.todaysWordDay to today and ctx.todaysWord to that entry of kakugen.txt. */
void loadTodaysWord(AppContext &ctx);

/** Outcome of reading or writing one memo file chosen by the user. */
struct MemoFileResult
{
    bool ok = false;
    QString text;          // the page text (CR LF) when reading succeeded
    QString errorMessage;  // a Japanese sentence for the user when it failed
};
/** Reads a memo file (one quoted field); the whole text between the outer quotes. */
MemoFileResult readMemoFile(const QString &path);
/** Writes text as one quoted field + CR LF, atomically. */
MemoFileResult writeMemoFile(const QString &path, const QString &text);

/** The numbered list " 1 A\r\n 2 B\r\n" of kakugen.txt, or a Japanese message when it cannot be read. */
QString allWordsList(const QString &kakugenPath, bool *ok = nullptr);
