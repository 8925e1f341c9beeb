#include "appcontext.h"
#include "datafiles.h"
#include "fileio.h"
#include "platform.h"
#include "recordreader.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int maxHolidays = 100;

FailureTable holidayFailureTable()
{
    FailureTable table;
    table.rules.append({{Failure::folderNotFound, Failure::badFileName, Failure::fileNotFound},
                        u"休日ファイル名がありません\r\n 休日設定を行いません\r\n"
                        u"Holiday.txt ﾌｧｲﾙを追加して下さい"_s,
                        false,
                        MsgButtons::Ok,
                        MsgIcon::Exclamation,
                        FailureAction::Stop,
                        FailureAction::Stop});
    table.rules.append(otherFailureRule(FailureAction::Stop));
    return table;
}

} // namespace

void loadHolidays(AppContext &ctx)
{
    FileOperation op(ctx.platform, holidayFailureTable());
    QString text;
    op.run([&] { return readFileText(ctx.dataFile(u"holiday.txt"_s), text); });
    if (op.stopped())
        return;
    RecordReader reader(std::move(text));
    int n = 0;
    while (!reader.atEnd()) {
        ctx.holidays[n] = reader.readText().value_or(QString());
        ctx.holidayLast = Value(n);
        ++n;
        if (n == maxHolidays && !reader.atEnd()) {
            ctx.platform.showMessage(u"休日数は１００以下にして下さい"_s, QString(), MsgButtons::Ok,
                                     MsgIcon::Stop);
            break;
        }
    }
}
