#include "corecontext.h"
#include "datafiles.h"
#include "memopages.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void setDay(CoreContext &c, int day)
{
    c.platform.clock = QDateTime(QDate(2026, 5, day), QTime(9, 0));
}

// Writes a short but complete settings file whose memo paths are the two given ones.
bool putSettings(CoreContext &c, const QString &front, const QString &back)
{
    Settings s = defaultSettings();
    s.memoFilePath = {front, back};
    s.appFolder = c.dir.path();
    c.ctx.settings = s;
    saveSettings(c.ctx, {QString(), QString()});
    c.ctx.settings = Settings();
    c.ctx.settings.appFolder = c.dir.path();
    // A page path in a missing folder makes this save ask; only the test's own messages count.
    c.platform.messages.clear();
    c.platform.beeps = 0;
    return QFile::exists(c.file(u"TAMOtime.INI"_s));
}

} // namespace

class TestMemoPages final : public QObject
{
    Q_OBJECT
private slots:
    void dayNumberOfALine_data();
    void dayNumberOfALine();
    void frontPageRoundTripsAndFindsToday();
    void todayLine_data();
    void todayLine();
    void emptyPage();
    void backPageComesBackWhole();
    void pageFilesOfOtherWriters_data();
    void pageFilesOfOtherWriters();
    void pageWithCharactersCp932Lacks();
    void missingFolderYesLoadsTheDefault_data();
    void missingFolderYesLoadsTheDefault();
    void missingFolderNoStopsAndKeepsFiles();
    void missingPageFileIsAnEmptyPage();
    void emptyPathMeansTheDefaultFile();
    void touchedPageIsWrittenAfterFailedLoad();
    void binaryPageFileIsRefusedAndKept();
};

void TestMemoPages::dayNumberOfALine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("day");
    QTest::newRow("digit and space") << u"5 歯医者"_s << 5;
    QTest::newRow("leading zero") << u"05 歯医者"_s << 5;
    QTest::newRow("two digits and kanji") << u"12日 会議"_s << 12;
    QTest::newRow("only the first two digits count") << u"123"_s << 12;
    QTest::newRow("a lone digit") << u"7"_s << 7;
    QTest::newRow("full-width digits have none") << u"１２日"_s << -1;
    QTest::newRow("text first has none") << u"a1"_s << -1;
    QTest::newRow("empty line has none") << QString() << -1;
}

void TestMemoPages::dayNumberOfALine()
{
    QFETCH(QString, line);
    QFETCH(int, day);
    QCOMPARE(lineDayNumber(line), day);
}

void TestMemoPages::frontPageRoundTripsAndFindsToday()
{
    CoreContext c;
    QVERIFY(putSettings(c, QString(), QString()));
    saveSettings(c.ctx, {u"1 A\r\n15 B\r\n31 C"_s, QString()});
    QCOMPARE(c.bytes(u"schedule.dat"_s), QByteArray("\"1 A\r\n15 B\r\n31 C\"\r\n"));
    setDay(c, 15);
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList());
    QCOMPARE(c.ctx.memoText[0], Value(u"1 A\r\n15 B\r\n31 C"_s));
    QCOMPARE(int(c.ctx.memoTodayLine), 1);
}

void TestMemoPages::todayLine_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("line");
    QTest::newRow("the later of two lines") << u"15 a\r\n15 b\r\n16 c"_s << 15 << 1;
    QTest::newRow("a line of only the digit") << u"1 a\r\n7"_s << 7 << 1;
    QTest::newRow("first line after the opening quote") << u"05 a\r\n6 b"_s << 5 << 0;
    QTest::newRow("last line before the closing quote") << u"1 a\r\n31"_s << 31 << 1;
    QTest::newRow("no line of the day keeps the old value") << u"1 a\r\n2 b"_s << 20 << 9;
}

void TestMemoPages::todayLine()
{
    QFETCH(QString, page);
    QFETCH(int, day);
    QFETCH(int, line);
    CoreContext c;
    QVERIFY(putSettings(c, QString(), QString()));
    QVERIFY(c.put(u"schedule.dat"_s, memoPageFileText(page)));
    c.platform.clock = QDateTime(QDate(2026, 1, day), QTime(9, 0));
    c.ctx.memoTodayLine = 9;
    loadSettings(c.ctx);
    QCOMPARE(int(c.ctx.memoTodayLine), line);
    QCOMPARE(c.ctx.memoText[0], Value(page));
}

void TestMemoPages::emptyPage()
{
    CoreContext c;
    QVERIFY(putSettings(c, QString(), QString()));
    QCOMPARE(c.bytes(u"schedule.dat"_s), QByteArray("\"\"\r\n"));
    QCOMPARE(c.bytes(u"memo.dat"_s), QByteArray("\"\"\r\n"));
    c.ctx.memoText = {Value(u"old"_s), Value(u"old"_s)};
    loadSettings(c.ctx);
    QCOMPARE(c.ctx.memoText[0], Value(QString()));
    QCOMPARE(c.ctx.memoText[1], Value(QString()));
    QCOMPARE(c.platform.messageTexts(), QStringList());
}

void TestMemoPages::backPageComesBackWhole()
{
    CoreContext c;
    QVERIFY(putSettings(c, QString(), QString()));
    const QString back = u"買い物, 牛乳\r\n\"至急\" と書く\r\n"_s;
    saveSettings(c.ctx, {QString(), back});
    loadSettings(c.ctx);
    QCOMPARE(c.ctx.memoText[1], Value(back));
}

void TestMemoPages::pageFilesOfOtherWriters_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("page");
    QTest::newRow("as the program writes it") << QByteArray("\"abc\"\r\n") << u"abc"_s;
    QTest::newRow("CP932 text") << CoreFiles::cp932(u"\"予定\"\r\n"_s) << u"予定"_s;
    QTest::newRow("UTF-8 text") << QByteArray("\"\xe4\xba\x88\xe5\xae\x9a\"\r\n") << u"予定"_s;
    QTest::newRow("no final line end") << QByteArray("\"abc\"") << u"abc"_s;
    QTest::newRow("line feeds only") << QByteArray("\"1 A\n2 B\"\n") << u"1 A\r\n2 B"_s;
    QTest::newRow("blank line after the page") << QByteArray("\"abc\"\r\n\r\n") << u"abc"_s;
    QTest::newRow("no closing quote") << QByteArray("\"abc\r\n") << u"abc"_s;
    QTest::newRow("plain text without quotes")
        << QByteArray("hello\r\nworld\r\n") << u"hello\r\nworld"_s;
    QTest::newRow("empty file") << QByteArray() << QString();
}

void TestMemoPages::pageFilesOfOtherWriters()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, page);
    CoreContext c;
    QVERIFY(putSettings(c, QString(), QString()));
    QVERIFY(CoreFiles::writeBytes(c.file(u"schedule.dat"_s), bytes));
    QVERIFY(CoreFiles::writeBytes(c.file(u"memo.dat"_s), bytes));
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList());
    QCOMPARE(c.ctx.memoText[0], Value(page));
    QCOMPARE(c.ctx.memoText[1], Value(page));
}

void TestMemoPages::pageWithCharactersCp932Lacks()
{
    CoreContext c;
    QVERIFY(putSettings(c, QString(), QString()));
    const QString page = u"10時〜12時 会議 📅"_s;
    saveSettings(c.ctx, {page, QString()});
    QVERIFY(c.bytes(u"schedule.dat"_s).startsWith("\xef\xbb\xbf\""));
    QVERIFY(!c.bytes(u"schedule.dat"_s).contains('?'));
    loadSettings(c.ctx);
    QCOMPARE(c.ctx.memoText[0], Value(page));
}

void TestMemoPages::missingFolderYesLoadsTheDefault_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("folder that does not exist") << u"nofolder/page.dat"_s;
    QTest::newRow("path from another system") << u"!C:\\TAMO\\schedule.dat"_s;
}

void TestMemoPages::missingFolderYesLoadsTheDefault()
{
    QFETCH(QString, path);
    CoreContext c;
    // A path starting with '!' is used as it is, without the program folder.
    const QString old = path.startsWith(u'!') ? path.mid(1) : c.file(path);
    QVERIFY(putSettings(c, old, QString()));
    QVERIFY(c.put(u"schedule.dat"_s, u"\"8 既定\"\r\n"_s));
    c.platform.answers.enqueue(MsgResult::Yes);
    loadSettings(c.ctx);
    const QString fallback = c.file(u"schedule.dat"_s);
    QCOMPARE(c.platform.messageTexts(), QStringList{old + u" ファイルが見つかりません\r\n\r\n"_s +
                                                    fallback + u" を読み込みます"_s});
    QCOMPARE(c.platform.messages[0].buttons, MsgButtons::YesNo);
    QCOMPARE(c.platform.messages[0].icon, MsgIcon::Exclamation);
    QCOMPARE(c.ctx.memoText[0], Value(u"8 既定"_s));
    QCOMPARE(c.ctx.settings.memoFilePath[0], fallback);
}

void TestMemoPages::missingFolderNoStopsAndKeepsFiles()
{
    CoreContext c;
    QVERIFY(putSettings(c, c.file(u"nofolder/page.dat"_s), QString()));
    QVERIFY(c.put(u"schedule.dat"_s, u"\"8 既定\"\r\n"_s));
    QVERIFY(c.put(u"memo.dat"_s, u"\"裏\"\r\n"_s));
    c.ctx.memoText[1] = Value(u"previous"_s);
    c.platform.answers.enqueue(MsgResult::No);
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messages.size(), 1);
    QCOMPARE(c.ctx.settings.memoFilePath[0], c.file(u"schedule.dat"_s));
    QCOMPARE(c.ctx.memoText[0], Value(QString()));
    QCOMPARE(c.ctx.memoText[1], Value(u"previous"_s));
    QCOMPARE(c.ctx.memoLoadFailed[0], true);
    QCOMPARE(c.ctx.memoLoadFailed[1], true);

    // Closing without typing keeps both page files as they are.
    saveSettings(c.ctx, {QString(), u"previous"_s});
    QCOMPARE(c.bytes(u"schedule.dat"_s), CoreFiles::cp932(u"\"8 既定\"\r\n"_s));
    QCOMPARE(c.bytes(u"memo.dat"_s), CoreFiles::cp932(u"\"裏\"\r\n"_s));
}

void TestMemoPages::missingPageFileIsAnEmptyPage()
{
    CoreContext c;
    QVERIFY(putSettings(c, c.file(u"gone.dat"_s), QString()));
    QVERIFY(c.put(u"memo.dat"_s, u"\"裏\"\r\n"_s));
    c.ctx.memoText[0] = Value(u"old"_s);
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList());
    QCOMPARE(c.ctx.memoText[0], Value(QString()));
    QCOMPARE(c.ctx.memoText[1], Value(u"裏"_s));
    QCOMPARE(c.ctx.memoLoadFailed[0], false);
    QCOMPARE(c.ctx.settings.memoFilePath[0], c.file(u"gone.dat"_s));
    saveSettings(c.ctx, {u"新しい"_s, u"裏"_s});
    QCOMPARE(CoreFiles::readBytes(c.file(u"gone.dat"_s)), CoreFiles::cp932(u"\"新しい\"\r\n"_s));
}

void TestMemoPages::emptyPathMeansTheDefaultFile()
{
    CoreContext c;
    const QString custom = c.file(u"mine.dat"_s);
    QVERIFY(putSettings(c, custom, QString()));
    loadSettings(c.ctx);
    QCOMPARE(memoPagePath(c.ctx, 0), custom);
    QCOMPARE(memoPagePath(c.ctx, 1), c.file(u"memo.dat"_s));
    saveSettings(c.ctx, {u"表"_s, u"裏"_s});
    QCOMPARE(CoreFiles::readBytes(custom), CoreFiles::cp932(u"\"表\"\r\n"_s));
    QCOMPARE(c.bytes(u"memo.dat"_s), CoreFiles::cp932(u"\"裏\"\r\n"_s));
    QCOMPARE(c.ctx.settings.memoFilePath[1], QString());
}

void TestMemoPages::touchedPageIsWrittenAfterFailedLoad()
{
    CoreContext c;
    QVERIFY(putSettings(c, QString(), QString()));
    QVERIFY(QFile::remove(c.file(u"schedule.dat"_s)));
    QVERIFY(QDir(c.dir.path()).mkdir(u"schedule.dat"_s));
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList{u"ファイル名が無効です"_s});
    QCOMPARE(c.ctx.memoLoadFailed[0], true);
    // Loading stopped at the front page; a back page typed in is still saved.
    saveSettings(c.ctx, {QString(), u"書いた"_s});
    QCOMPARE(c.bytes(u"memo.dat"_s), CoreFiles::cp932(u"\"書いた\"\r\n"_s));
    QVERIFY(QFileInfo(c.file(u"schedule.dat"_s)).isDir());
}

void TestMemoPages::binaryPageFileIsRefusedAndKept()
{
    CoreContext c;
    const QByteArray picture("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    QVERIFY(putSettings(c, c.file(u"picture.png"_s), QString()));
    QVERIFY(CoreFiles::writeBytes(c.file(u"picture.png"_s), picture));
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList{u"ファイル名が無効です"_s});
    QCOMPARE(c.ctx.memoText[0], Value(QString()));
    saveSettings(c.ctx, {QString(), QString()});
    QCOMPARE(c.bytes(u"picture.png"_s), picture);
}

QTEST_GUILESS_MAIN(TestMemoPages)
#include "tst_memopages.moc"
