#include "datafiles.h"
#include "memofilepage.h"
#include "pagesfixture.h"
#include "todayswordpage.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFilePages final : public QObject
{
    Q_OBJECT
private slots:
    void fillShowsTextsAndPaths();
    void openShowsFileButLeavesMainAndPath_data();
    void openShowsFileButLeavesMainAndPath();
    void openReadsTextsWhole_data();
    void openReadsTextsWhole();
    void openCancelledChangesNothing();
    void unreadableFileIsReportedAndChangesNothing_data();
    void unreadableFileIsReportedAndChangesNothing();
    void saveThenCancelStillFeedsMain();
    void saveWritesPageTextAndShowsPath();
    void saveRoundTripsSeveralLines();
    void unwritableFileIsReportedAndKeepsPath();
    void downTakesMainText();
    void wordListLoadsOnceNumbered();
    void wordListSurvivesReopening();
    void missingWordFileExplainsItselfAndRetries();
    void emptyWordFileSaysSo();
};

void TestFilePages::fillShowsTextsAndPaths()
{
    PagesFixture f;
    f.ctx.memoText[0] = Value(u"front\r\nline"_s);
    f.ctx.memoText[1] = Value(u"back"_s);
    f.ctx.settings.memoFilePath = {u"/x/schedule.dat"_s, u"/x/memo.dat"_s};
    auto *page = f.page<MemoFilePage>();
    QCOMPARE(page->Text1(0)->toPlainText(), u"front\nline"_s);
    QCOMPARE(page->Text1(1)->toPlainText(), u"back"_s);
    QCOMPARE(page->Label1(0)->text(), u"/x/schedule.dat"_s);
    QCOMPARE(page->Label1(1)->text(), u"/x/memo.dat"_s);
}

void TestFilePages::openShowsFileButLeavesMainAndPath_data()
{
    QTest::addColumn<int>("k");
    QTest::newRow("front page") << 0;
    QTest::newRow("back page") << 1;
}

void TestFilePages::openShowsFileButLeavesMainAndPath()
{
    QFETCH(int, k);
    PagesFixture f;
    f.ctx.settings.memoFilePath = {u"/x/schedule.dat"_s, u"/x/memo.dat"_s};
    f.main->setMemoBoxText(k, u"main text"_s);
    f.ctx.state.currentMemoPage = 1 - k;
    QVERIFY(f.write(u"chosen.txt"_s, "\"abc\"\r\n"));
    auto *page = f.page<MemoFilePage>();
    f.platform.fileAnswers.enqueue(f.path(u"chosen.txt"_s));
    f.platform.currentFolder = u"/elsewhere"_s;

    page->Image4(k)->click();

    QCOMPARE(page->Text1(k)->toPlainText(), u"abc"_s);
    QCOMPARE(page->Label1(k)->text(), f.path(u"chosen.txt"_s));
    QCOMPARE(f.ctx.memoText[size_t(k)].toText(), u"abc"_s);
    QCOMPARE(f.main->memoBoxText(k), u"main text"_s);
    QCOMPARE(f.ctx.settings.memoFilePath[size_t(k)],
             k == 0 ? u"/x/schedule.dat"_s : u"/x/memo.dat"_s);
    QCOMPARE(f.ctx.state.currentMemoPage, k);
    QCOMPARE(f.platform.currentFolder, f.dir.path());
    QCOMPARE(page->chosenFilePath(), f.path(u"chosen.txt"_s));

    QCOMPARE(f.platform.fileRequests.size(), 1);
    const FileDialogRequest &r = f.platform.fileRequests.first();
    QVERIFY(!r.save);
    QCOMPARE(r.title, u"  メモ　ファィルを開く"_s);
    QCOMPARE(r.filter, u"すべてのﾌｧｲﾙ|*.*|"_s);
    QCOMPARE(r.filterIndex, 2);
    QVERIFY(r.hideReadOnly);
    QVERIFY(!r.overwritePrompt);
    QVERIFY(r.initialFolder.isEmpty());

    // "↑" puts the page text on the main window, "自動読込" makes the file the page's own.
    page->Command14(k)->click();
    QCOMPARE(f.main->memoBoxText(k), u"abc"_s);
    page->Command10(k)->click();
    QCOMPARE(f.ctx.settings.memoFilePath[size_t(k)], f.path(u"chosen.txt"_s));
    QCOMPARE(f.ctx.settings.memoFilePath[size_t(1 - k)],
             k == 1 ? u"/x/schedule.dat"_s : u"/x/memo.dat"_s);
}

void TestFilePages::openReadsTextsWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("several lines, an empty one among them")
        << QByteArray("\"one\r\ntwo\r\n\r\nthree\"\r\n") << u"one\r\ntwo\r\n\r\nthree"_s;
    QTest::newRow("Shift_JIS Japanese")
        << QByteArray("\"\x93\xfa\x96\x7b\x8c\xea\"\r\n") << u"日本語"_s;
    QTest::newRow("UTF-8 Japanese")
        << u"\"予定　会議\r\n買い物\"\r\n"_s.toUtf8() << u"予定　会議\r\n買い物"_s;
    QTest::newRow("a double quote inside")
        << QByteArray("\"say \"hi\" now\"\r\n") << u"say \"hi\" now"_s;
    QTest::newRow("a comma inside") << QByteArray("\"a, b\"\r\n") << u"a, b"_s;
}

void TestFilePages::openReadsTextsWhole()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    PagesFixture f;
    QVERIFY(f.write(u"memo.txt"_s, bytes));
    auto *page = f.page<MemoFilePage>();
    f.platform.fileAnswers.enqueue(f.path(u"memo.txt"_s));
    page->Image4(1)->click();
    QCOMPARE(f.ctx.memoText[1].toText(), text);
    QCOMPARE(page->Text1(1)->toPlainText(), QString(text).replace(u"\r\n"_s, u"\n"_s));
    QVERIFY2(f.platform.messages.isEmpty(), qPrintable(f.platform.messageTexts().join(u'|')));
}

void TestFilePages::openCancelledChangesNothing()
{
    PagesFixture f;
    f.ctx.memoText[0] = Value(u"kept"_s);
    f.ctx.settings.memoFilePath[0] = u"/x/schedule.dat"_s;
    auto *page = f.page<MemoFilePage>();
    f.platform.currentFolder = u"/elsewhere"_s;
    page->Image4(0)->click(); // no answer queued: cancelled
    QCOMPARE(page->chosenFilePath(), u"CANCEL"_s);
    QCOMPARE(page->Text1(0)->toPlainText(), u"kept"_s);
    QCOMPARE(page->Label1(0)->text(), u"/x/schedule.dat"_s);
    QCOMPARE(f.platform.currentFolder, u"/elsewhere"_s);
}

void TestFilePages::unreadableFileIsReportedAndChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << u"nothere.txt"_s;
    QTest::newRow("a folder") << u"folder"_s;
    QTest::newRow("binary file") << u"picture.bin"_s;
}

void TestFilePages::unreadableFileIsReportedAndChangesNothing()
{
    QFETCH(QString, name);
    PagesFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(u"folder"_s));
    QVERIFY(
        f.write(u"picture.bin"_s, QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200000010")));
    f.ctx.memoText[0] = Value(u"kept"_s);
    f.ctx.settings.memoFilePath[0] = u"/x/schedule.dat"_s;
    auto *page = f.page<MemoFilePage>();
    f.main->setMemoBoxText(0, u"main"_s);
    f.platform.fileAnswers.enqueue(f.path(name));

    page->Image4(0)->click();

    QCOMPARE(f.platform.messages.size(), 1);
    const QString message = f.platform.messages.first().text;
    QVERIFY2(!message.isEmpty() && message.front().unicode() > 0x2fff, qPrintable(message));
    QCOMPARE(page->Text1(0)->toPlainText(), u"kept"_s);
    QCOMPARE(page->Label1(0)->text(), u"/x/schedule.dat"_s);
    QCOMPARE(f.ctx.memoText[0].toText(), u"kept"_s);
    QCOMPARE(f.ctx.settings.memoFilePath[0], u"/x/schedule.dat"_s);
    QCOMPARE(f.main->memoBoxText(0), u"main"_s);
}

void TestFilePages::saveThenCancelStillFeedsMain()
{
    PagesFixture f;
    f.ctx.settings.memoFilePath[1] = u"/x/memo.dat"_s;
    auto *page = f.page<MemoFilePage>();
    f.main->setMemoBoxText(1, u"main"_s);
    page->Text1(1)->setPlainText(u"typed\nhere"_s);
    const QStringList before = QDir(f.dir.path()).entryList(QDir::Files);

    page->Image3(1)->click(); // cancelled

    QCOMPARE(f.main->memoBoxText(1), u"typed\r\nhere"_s);
    QCOMPARE(page->chosenFilePath(), u"CANCEL"_s);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), before);
    QCOMPARE(page->Label1(1)->text(), u"/x/memo.dat"_s);
    QCOMPARE(f.ctx.state.currentMemoPage, 1);
    QCOMPARE(f.platform.fileRequests.size(), 1);
    const FileDialogRequest &r = f.platform.fileRequests.first();
    QVERIFY(r.save);
    QCOMPARE(r.title, u"  ｽｹｼﾞｭｰﾙ ﾌｧｲﾙを保存"_s);
    QCOMPARE(r.filter, u"すべてのﾌｧｲﾙ|*.*|"_s);
    QCOMPARE(r.filterIndex, 2);
    QVERIFY(r.hideReadOnly);
    QVERIFY(r.overwritePrompt);
}

void TestFilePages::saveWritesPageTextAndShowsPath()
{
    PagesFixture f;
    f.ctx.memoText[0] = Value(u"as loaded"_s);
    f.ctx.settings.memoFilePath[0] = u"/x/schedule.dat"_s;
    auto *page = f.page<MemoFilePage>();
    page->Text1(0)->setPlainText(u"1日 会議\n2日 休み"_s);
    f.platform.fileAnswers.enqueue(f.path(u"out.dat"_s));
    f.platform.currentFolder = u"/elsewhere"_s;

    page->Image3(0)->click();

    const QByteArray bytes = f.read(u"out.dat"_s);
    QVERIFY2(bytes.startsWith('"') && bytes.endsWith("\"\r\n"), bytes.constData());
    const MemoFileResult back = readMemoFile(f.path(u"out.dat"_s));
    QVERIFY(back.ok);
    QCOMPARE(back.text, u"1日 会議\r\n2日 休み"_s);
    QCOMPARE(page->Label1(0)->text(), f.path(u"out.dat"_s));
    QCOMPARE(f.main->memoBoxText(0), u"1日 会議\r\n2日 休み"_s);
    // The page's own text and file stay: only "自動読込" changes the file.
    QCOMPARE(f.ctx.memoText[0].toText(), u"as loaded"_s);
    QCOMPARE(f.ctx.settings.memoFilePath[0], u"/x/schedule.dat"_s);
    // The save dialog leaves the current folder where it was.
    QCOMPARE(f.platform.currentFolder, u"/elsewhere"_s);
}

void TestFilePages::saveRoundTripsSeveralLines()
{
    PagesFixture f;
    auto *page = f.page<MemoFilePage>();
    page->Text1(0)->setPlainText(u"ascii only\n\nlast"_s);
    f.platform.fileAnswers.enqueue(f.path(u"round.dat"_s));
    page->Image3(0)->click();
    QCOMPARE(f.read(u"round.dat"_s), QByteArray("\"ascii only\r\n\r\nlast\"\r\n"));
    page->Text1(1)->setPlainText(QString());
    f.platform.fileAnswers.enqueue(f.path(u"round.dat"_s));
    page->Image4(1)->click();
    QCOMPARE(page->Text1(1)->toPlainText(), u"ascii only\n\nlast"_s);
}

void TestFilePages::unwritableFileIsReportedAndKeepsPath()
{
    PagesFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(u"folder"_s));
    f.ctx.settings.memoFilePath[0] = u"/x/schedule.dat"_s;
    auto *page = f.page<MemoFilePage>();
    page->Text1(0)->setPlainText(u"text"_s);
    // A folder where the file should be, and a file in a folder that does not exist.
    f.platform.fileAnswers.enqueue(f.path(u"folder"_s));
    page->Image3(0)->click();
    f.platform.fileAnswers.enqueue(f.path(u"nofolder/out.dat"_s));
    page->Image3(0)->click();
    QCOMPARE(f.platform.messages.size(), 2);
    QCOMPARE(page->Label1(0)->text(), u"/x/schedule.dat"_s);
    QVERIFY(!QFile::exists(f.path(u"nofolder/out.dat"_s)));
}

void TestFilePages::downTakesMainText()
{
    PagesFixture f;
    auto *page = f.page<MemoFilePage>();
    f.main->setMemoBoxText(0, u"from\r\nmain"_s);
    page->Command5(0)->click();
    QCOMPARE(page->Text1(0)->toPlainText(), u"from\nmain"_s);
    QCOMPARE(page->Text1(1)->toPlainText(), QString());
}

void TestFilePages::wordListLoadsOnceNumbered()
{
    PagesFixture f;
    QVERIFY(f.write(u"kakugen.txt"_s, "A\r\nB\r\nC\r\n"));
    auto *page = f.page<TodaysWordPage>();
    QCOMPARE(page->Text4()->toPlainText(), TodaysWordPage::hint());

    page->Image9()->click();
    QCOMPARE(f.ctx.allWordsText, u" 1 A\r\n 2 B\r\n 3 C\r\n"_s);
    QCOMPARE(page->Text4()->toPlainText(), u" 1 A\n 2 B\n 3 C\n"_s);
    QCOMPARE(f.platform.busyCalls, QList<bool>({true, false}));

    // Loaded once per run: a changed file and a second click change nothing.
    QVERIFY(f.write(u"kakugen.txt"_s, "X\r\n"));
    page->Image9()->click();
    QCOMPARE(f.ctx.allWordsText, u" 1 A\r\n 2 B\r\n 3 C\r\n"_s);
    QCOMPARE(page->Text4()->toPlainText(), u" 1 A\n 2 B\n 3 C\n"_s);
    QCOMPARE(f.platform.busyCalls.size(), 2);
}

void TestFilePages::wordListSurvivesReopening()
{
    PagesFixture f;
    QVERIFY(f.write(u"kakugen.txt"_s, "A\r\nB\r\nC\r\n"));
    auto *first = f.page<TodaysWordPage>();
    first->Image9()->click();
    delete first;

    QVERIFY(f.write(u"kakugen.txt"_s, "X\r\n"));
    auto *again = f.page<TodaysWordPage>();
    QCOMPARE(again->Text4()->toPlainText(), u" 1 A\n 2 B\n 3 C\n"_s);
    again->Image9()->click();
    QCOMPARE(again->Text4()->toPlainText(), u" 1 A\n 2 B\n 3 C\n"_s);
}

void TestFilePages::missingWordFileExplainsItselfAndRetries()
{
    PagesFixture f;
    auto *page = f.page<TodaysWordPage>();
    page->Image9()->click();
    const QString shown = page->Text4()->toPlainText();
    QVERIFY2(!shown.trimmed().isEmpty() && shown != TodaysWordPage::hint(), qPrintable(shown));
    QVERIFY(f.ctx.allWordsText.isEmpty());
    QCOMPARE(f.platform.busyCalls, QList<bool>({true, false}));

    QVERIFY(f.write(u"kakugen.txt"_s, "A\r\n"));
    page->Image9()->click();
    QCOMPARE(page->Text4()->toPlainText(), u" 1 A\n"_s);
}

void TestFilePages::emptyWordFileSaysSo()
{
    PagesFixture f;
    QVERIFY(f.write(u"kakugen.txt"_s, ""));
    auto *page = f.page<TodaysWordPage>();
    page->Image9()->click();
    QCOMPARE(page->Text4()->toPlainText(), u"今日の言葉のファイルに言葉がありません"_s);
    QVERIFY(f.ctx.allWordsText.isEmpty());
}

QTEST_MAIN(TestFilePages)
#include "tst_filepages.moc"
