#include "appcontext.h"
#include "datafiles.h"
#include "fileio.h"
#include "platform.h"
#include "recordreader.h"

using namespace Qt::StringLiterals;

namespace {

FailureTable todaysWordFailureTable()
{
    FailureTable table;
    table.rules.append({{Failure::deviceNotReady},
                        u"ディスクが準備されていません"_s,
                        false,
                        MsgButtons::Ok,
                        MsgIcon::Stop,
                        FailureAction::Retry,
                        FailureAction::Retry});
    table.rules.append(invalidNameRule());
    table.rules.append({{Failure::endOfData},
                        u"指定ファイルのデータ数が不足しています"_s,
                        false,
                        MsgButtons::Ok,
                        MsgIcon::Question,
                        FailureAction::Stop,
                        FailureAction::Stop});
    // No maxims file (or no program folder) simply means no word today.
    table.rules.append({{Failure::fileNotFound, Failure::folderNotFound, Failure::badFileName},
                        QString(),
                        false,
                        MsgButtons::Ok,
                        MsgIcon::None,
                        FailureAction::Stop,
                        FailureAction::Stop});
    table.rules.append(otherFailureRule(FailureAction::Retry));
    return table;
}

} // namespace

void loadTodaysWord(AppContext &ctx)
{
    // Set first, so a missing file does not make the day check retry every tick.
    const int day = ctx.platform.now().date().dayOfYear();
    ctx.todaysWordDay = Value(day);
    FileOperation op(ctx.platform, todaysWordFailureTable());
    QString text;
    op.run([&] { return readFileText(ctx.dataFile(u"kakugen.txt"_s), text); });
    if (op.stopped())
        return;
    RecordReader reader(std::move(text));
    for (int n = 1; !reader.atEnd(); ++n) {
        if (std::optional<Value> word = reader.readValue())
            ctx.todaysWord = std::move(*word);
        if (n == day)
            break;
    }
}
