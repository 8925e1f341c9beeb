#include "appcontext.h"
#include "datafiles.h"

// TODO(core): replace with the real settings, holiday, today's-word and memo files.
void loadSettings(AppContext &) {}
void saveSettings(AppContext &, const std::array<QString, 2> &) {}
void loadHolidays(AppContext &) {}
void loadTodaysWord(AppContext &) {}
MemoFileResult readMemoFile(const QString &) { return {}; }
MemoFileResult writeMemoFile(const QString &, const QString &) { return {}; }
QString allWordsList(const QString &, bool *ok)
{
    if (ok)
        *ok = false;
    return QString();
}
