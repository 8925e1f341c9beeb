#include "memopages.h"

#include "appcontext.h"
#include "fileio.h"
#include "memopagetext.h"
#include "platform.h"

using namespace Qt::StringLiterals;

namespace {

FailureTable pageLoadTable(const QString &path, const QString &fallback)
{
    FailureTable table;
    table.rules.append({{Failure::deviceNotReady, Failure::deviceUnavailable},
                        u"ディスクが準備されていません\r\n\r\nFile名  "_s + path,
                        false,
                        MsgButtons::RetryCancel,
                        MsgIcon::Exclamation,
                        FailureAction::Retry,
                        FailureAction::Stop});
    table.rules.append(invalidNameRule());
    // A page file that does not exist is an empty page: nothing is lost by writing it later.
    QList<int> missing{Failure::fileNotFound};
    if (path != fallback) {
        table.rules.append(
            {{Failure::folderNotFound, Failure::badFileName},
             path + u" ファイルが見つかりません\r\n\r\n"_s + fallback + u" を読み込みます"_s,
             false,
             MsgButtons::YesNo,
             MsgIcon::Exclamation,
             FailureAction::Custom,
             FailureAction::Stop});
    } else {
        // Offering the same default file again would only repeat the question.
        missing << Failure::folderNotFound << Failure::badFileName;
    }
    table.rules.append({missing, QString(), false, MsgButtons::Ok, MsgIcon::None,
                        FailureAction::Next, FailureAction::Next});
    table.rules.append(otherFailureRule(FailureAction::Retry));
    return table;
}

void applyPage(AppContext &ctx, int page, const QString &text, int today)
{
    ctx.memoText[page] = Value(text);
    ctx.memoLoadFailed[page] = false;
    if (page == 0) {
        const int line = lastLineOfDay(text, today);
        if (line >= 0)
            ctx.memoTodayLine = qint16(qMin(line, 32767));
    }
}

} // namespace

QString defaultMemoPath(const AppContext &ctx, int page)
{
    return ctx.dataFile(page == 0 ? u"schedule.dat"_s : u"memo.dat"_s);
}

QString memoPagePath(const AppContext &ctx, int page)
{
    const QString &path = ctx.settings.memoFilePath[page];
    return path.isEmpty() ? defaultMemoPath(ctx, page) : path;
}

void loadMemoPages(AppContext &ctx)
{
    const int today = ctx.platform.now().date().day();
    ctx.memoText[0] = Value(QString());
    for (int page = 0; page < 2; ++page) {
        const QString fallback = defaultMemoPath(ctx, page);
        QString path = memoPagePath(ctx, page);
        for (;;) {
            FileOperation op(ctx.platform, pageLoadTable(path, fallback));
            QString content;
            const StepResult result = op.run([&]() -> std::optional<FileFailure> {
                std::optional<FileFailure> failure = readFileText(path, content);
                // A page file never holds NUL: refusing a picture or program named here also
                // keeps saving at close from replacing it.
                if (!failure && content.contains(QChar(0)))
                    failure = FileFailure{Failure::accessRefused, u"Not a text file"_s};
                const bool folderMissing = failure && (failure->number == Failure::folderNotFound ||
                                                       failure->number == Failure::badFileName);
                // The page now names its default file, whatever the answer to the question.
                if (folderMissing && path != fallback)
                    ctx.settings.memoFilePath[page] = fallback;
                return failure;
            });
            if (result == StepResult::Done) {
                applyPage(ctx, page, memoPageFromFile(content), today);
                break;
            }
            if (result == StepResult::Next) {
                applyPage(ctx, page, QString(), today);
                break;
            }
            if (result == StepResult::Custom) {
                path = fallback;
                continue;
            }
            return;
        }
    }
}

void saveMemoPages(AppContext &ctx, const std::array<QString, 2> &boxTexts, FileOperation &op)
{
    for (int page = 0; page < 2; ++page) {
        const QString text = withCrLf(boxTexts[page]);
        // A page whose file could not be read is written only once the user changed it.
        const bool untouched = text == ctx.memoText[page].toText();
        ctx.memoText[page] = Value(text);
        if (ctx.memoLoadFailed[page] && untouched)
            continue;
        const QString path = memoPagePath(ctx, page);
        op.run([&] { return writeFileText(path, memoPageFileText(text)); });
        if (op.stopped())
            return;
    }
}
