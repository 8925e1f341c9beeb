#include "settingsfile.h"

#include "appcontext.h"
#include "datafiles.h"
#include "fileio.h"
#include "memopages.h"
#include "platform.h"
#include "recordreader.h"
#include "recordwriter.h"
#include "settings.h"

#include <cmath>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

constexpr int settingsLines = 24;

QString settingsPath(const AppContext &ctx)
{
    return ctx.dataFile(u"TAMOtime.INI"_s);
}

// The one description of the file's layout, walked by the reader and by the writer.
template <class S, class Visitor> void visitSettingsLine(S &s, int line, Visitor &&v)
{
    switch (line) {
    case 1:
        v(s.mainTop);
        v(s.mainLeft);
        v(s.mainWidth);
        v(s.mainHeight);
        break;
    case 2: {
        // Read into what is open now, written from the stored wish.
        const int k = std::remove_cvref_t<Visitor>::reading ? 0 : 1;
        v(s.todaysWordShow[k]);
        v(s.memoShow[k]);
        v(s.clockRows);
        v(s.autoDst);
        v(s.showSeconds);
        v(s.mainOnTop);
        break;
    }
    case 3:
    case 4:
    case 5: {
        const int k = line - 3;
        v(s.rowCity[k]);
        v(s.rowFormat[k]);
        v(s.rowBackColor[k]);
        v(s.rowManualDst[k]);
        break;
    }
    case 6:
    case 7:
    case 8:
    case 9:
    case 10: {
        const int i = line - 6;
        v(s.itemFontName[i]);
        v(s.itemFontSize[i]);
        v(s.itemFontBold[i]);
        v(s.itemFontItalic[i]);
        v(s.itemForeColor[i]);
        break;
    }
    case 11:
        v(s.titleBarText);
        v(s.iconScale);
        break;
    case 12:
        v(s.memoFilePath[0]);
        v(s.memoFilePath[1]);
        break;
    case 13:
        v(s.birthYear);
        v(s.birthMonth);
        v(s.birthDay);
        v(s.bioWidth);
        v(s.bioHeight);
        v(s.bioWeeks);
        v(s.bioLeft);
        v(s.bioTop);
        break;
    case 14:
        v(s.calLeft);
        v(s.calTop);
        v(s.calWidth);
        v(s.calHeight);
        v(s.calBackColor[1]);
        v(s.calLanguage);
        break;
    case 24:
        v(s.calAutoOpen);
        v(s.bioAutoOpen);
        v(s.calOnTop);
        v(s.calBackColor[0]);
        v(s.holidayColor);
        break;
    default: {
        const int j = line - 15; // lines 15..23
        if (j < 0 || j > 8)
            break;
        v(s.calFontName[j]);
        v(s.calFontSize[j]);
        v(s.calFontBold[j]);
        v(s.calFontItalic[j]);
        v(s.calForeColor[j]);
        break;
    }
    }
}

// Reads fields in order until the data ends; the fields after that keep their values.
struct FieldLoader
{
    static constexpr bool reading = true;
    RecordReader &reader;
    bool complete = true;

    template <class T, class Read> void take(T &field, Read read)
    {
        if (!complete)
            return;
        if (auto got = (reader.*read)())
            field = std::move(*got);
        else
            complete = false;
    }
    void operator()(Value &field) { take(field, &RecordReader::readValue); }
    void operator()(qint16 &field) { take(field, &RecordReader::readInt16); }
    void operator()(QString &field) { take(field, &RecordReader::readText); }
};

struct FieldSaver
{
    static constexpr bool reading = false;
    RecordWriter &writer;

    void operator()(const Value &field) { writer.value(field); }
    void operator()(qint16 field) { writer.number(field); }
    void operator()(const QString &field) { writer.text(field); }
};

FailureTable loadFailureTable()
{
    FailureTable table;
    // While the settings file itself is read there is no memo file name to add.
    table.rules.append({{Failure::deviceNotReady, Failure::deviceUnavailable},
                        u"ディスクが準備されていません\r\n\r\nFile名  "_s,
                        false,
                        MsgButtons::RetryCancel,
                        MsgIcon::Exclamation,
                        FailureAction::Retry,
                        FailureAction::Stop});
    table.rules.append(invalidNameRule());
    table.rules.append({{Failure::endOfData},
                        u"Tamoiniファイルのデータ数が不足しています"_s,
                        false,
                        MsgButtons::Ok,
                        MsgIcon::Question,
                        FailureAction::Next,
                        FailureAction::Next});
    // The program folder missing or unnamed means the same to the user: no settings file.
    table.rules.append({{Failure::fileNotFound, Failure::folderNotFound, Failure::badFileName},
                        u"Tamotime．ｉｎｉファイルがありません"_s,
                        false,
                        MsgButtons::Ok,
                        MsgIcon::Question,
                        FailureAction::Stop,
                        FailureAction::Stop});
    table.rules.append(otherFailureRule(FailureAction::Retry));
    return table;
}

FailureTable saveFailureTable()
{
    FailureTable table;
    table.beep = true;
    table.rules.append({{Failure::folderNotFound},
                        u"パスが見つかりません　ディスクを確認して下さい"_s,
                        false,
                        MsgButtons::RetryCancel,
                        MsgIcon::Stop,
                        FailureAction::Retry,
                        FailureAction::Stop});
    table.rules.append({{},
                        QString(),
                        false,
                        MsgButtons::Ok,
                        MsgIcon::None,
                        FailureAction::Next,
                        FailureAction::Next});
    return table;
}

bool neverFilled(const Settings &s)
{
    Settings blank;
    blank.appFolder = s.appFolder;
    return s == blank;
}

// Keeps the main window on a screen that may be smaller than the one it was closed on.
void clampToScreen(Settings &s, const TwipsSize &screen)
{
    const double w = screen.width;
    const double h = screen.height;
    if (s.mainTop.toNumber() > 0.8 * h)
        s.mainTop = Value(0);
    if (s.mainLeft.toNumber() > 0.8 * w)
        s.mainLeft = Value(0);
    if (s.mainWidth.toNumber() > w)
        s.mainWidth = Value(0.25 * w);
    if (s.mainHeight > h)
        s.mainHeight = toInt16(std::round(0.8 * h));
}

void finishLoading(AppContext &ctx)
{
    Settings &s = ctx.settings;
    if (s.holidayColor.isEmpty())
        s.holidayColor = u"255"_s;
    clampToScreen(s, ctx.platform.screenSize());
    loadMemoPages(ctx);
}

} // namespace

QString settingsFileText(const Settings &settings)
{
    RecordWriter writer;
    for (int line = 1; line <= settingsLines; ++line) {
        visitSettingsLine(settings, line, FieldSaver{writer});
        writer.endRecord();
    }
    return writer.result();
}

void loadSettings(AppContext &ctx)
{
    // Until a page is read, saving at close must not replace its file with an empty page.
    ctx.memoLoadFailed = {true, true};
    Settings &s = ctx.settings;
    // The first load starts from the built-in defaults, so a missing file, or fields a short
    // file lacks, never leave the program on empty values (rows of zero height). A later
    // reload keeps what the program already holds.
    const bool firstLoad = neverFilled(s);
    if (firstLoad) {
        const QString folder = s.appFolder;
        s = defaultSettings();
        s.appFolder = folder;
    }
    FileOperation op(ctx.platform, loadFailureTable());
    QString text;
    op.run([&] { return readFileText(settingsPath(ctx), text); });
    if (op.stopped()) {
        const int number = op.lastFailure().number;
        const bool missing = number == Failure::fileNotFound || number == Failure::folderNotFound ||
                             number == Failure::badFileName;
        // Without the file the program runs on the defaults and writes them at close.
        if (missing && firstLoad)
            finishLoading(ctx);
        return;
    }

    RecordReader reader(std::move(text));
    for (int line = 1; line <= settingsLines; ++line) {
        if (line == 14 && s.bioWeeks.toNumber() == 0) {
            s.bioWeeks = Value(3);
            s.bioWidth = Value(10000);
            s.bioHeight = Value(5000);
        }
        const StepResult result = op.run([&]() -> std::optional<FileFailure> {
            FieldLoader loader{reader};
            visitSettingsLine(s, line, loader);
            if (loader.complete)
                return std::nullopt;
            return FileFailure{Failure::endOfData, u"Input past end of file"_s};
        });
        if (line == 2 && result == StepResult::Done) {
            s.todaysWordShow[1] = s.todaysWordShow[0];
            s.memoShow[1] = s.memoShow[0];
        }
        if (op.stopped())
            return;
    }
    finishLoading(ctx);
}

void saveSettings(AppContext &ctx, const std::array<QString, 2> &memoBoxTexts)
{
    FileOperation op(ctx.platform, saveFailureTable());
    const QString text = settingsFileText(ctx.settings);
    op.run([&] { return writeFileText(settingsPath(ctx), text); });
    if (op.stopped())
        return;
    saveMemoPages(ctx, memoBoxTexts, op);
}
