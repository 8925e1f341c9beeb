#include "corecontext.h"
#include "datafiles.h"
#include "settings.h"
#include "settingsfile.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString tooShort = u"Tamoiniファイルのデータ数が不足しています"_s;
const QString noIni = u"Tamotime．ｉｎｉファイルがありません"_s;
const QString noPath = u"パスが見つかりません　ディスクを確認して下さい"_s;

// A full file with every kind of field: text with a comma and a line break, values stored as
// text, empty values, decimals and negative numbers.
QStringList goldenLines()
{
    return {
        u"1000,2000,6300,5000"_s,
        u"1,0,2,1,1,0"_s,
        u"0,0,16777215,0"_s,
        u"3,3,65535,1"_s,
        u"4,6,,0"_s,
        u"\"ＭＳ Ｐゴシック\",14,0,-1,255"_s,
        u"\"ＭＳ ゴシック\",12.5,-1,0,0"_s,
        u"\"Arial\",9,0,0,16711680"_s,
        u"\"ＭＳ 明朝\",10,0,0,32768"_s,
        u"\"ＭＳ ゴシック\",10,0,0,0"_s,
        u"\"今日も元気, 時計\r\n二行目\",1.5"_s,
        u"\"\",\"\""_s,
        u"\"1990\",\"1\",\"23\",10000,5000,2,3000,-300"_s,
        u"7800,1200,4000,3500,8421504,1"_s,
        u"\"ＭＳ ゴシック\",10,0,0,255"_s,
        u"\"ＭＳ ゴシック\",10,0,0,0"_s,
        u"\"ＭＳ ゴシック\",11,-1,0,0"_s,
        u"\"ＭＳ ゴシック\",10,0,-1,0"_s,
        u"\"ＭＳ ゴシック\",10,0,0,0"_s,
        u"\"ＭＳ ゴシック\",10,0,0,0"_s,
        u"\"ＭＳ ゴシック\",10,0,0,16711680"_s,
        u"\"Yu Gothic\",14,-1,-1,\"128\""_s,
        u"\"ＭＳ ゴシック\",10,0,0,0"_s,
        u"1,0,1,12632256,\"8388608\""_s,
    };
}

QString joined(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + u"\r\n"_s;
    return text;
}

QString shippedIniPath()
{
    return qEnvironmentVariable("TAMO_SOURCE_DIR") + u"/data/TAMOtime.INI"_s;
}

} // namespace

class TestSettingsFile final : public QObject
{
    Q_OBJECT
private slots:
    void goldenFileRoundTripsByteForByte();
    void shippedFileHoldsTheDefaults();
    void tenLineFile();
    void shortFileAtFirstStartKeepsDefaults();
    void clampsToTheScreen_data();
    void clampsToTheScreen();
    void bioWeeksDefaults_data();
    void bioWeeksDefaults();
    void emptyHolidayColor_data();
    void emptyHolidayColor();
    void lineTwoSetsBothPanelElements();
    void textInInt16Fields();
    void quoteInTextSettingNeverShiftsFields();
    void readsUtf8Files_data();
    void readsUtf8Files();
    void writesUtf8WhenCp932CannotHoldIt();
    void missingFileRunsOnDefaults();
    void missingFileOnReloadKeepsSettings();
    void settingsFileIsFolder();
    void saveToMissingFolder_data();
    void saveToMissingFolder();
};

void TestSettingsFile::goldenFileRoundTripsByteForByte()
{
    CoreContext c;
    const QByteArray golden = CoreFiles::cp932(joined(goldenLines()));
    QVERIFY(CoreFiles::writeBytes(c.file(u"TAMOtime.INI"_s), golden));
    QVERIFY(c.put(u"schedule.dat"_s, u"\"1 初日\r\n15 \"中日\", 給料\r\n31 末\"\r\n"_s));
    QVERIFY(c.put(u"memo.dat"_s, u"\"買い物, 牛乳\"\r\n"_s));
    const QByteArray schedule = c.bytes(u"schedule.dat"_s);
    const QByteArray memo = c.bytes(u"memo.dat"_s);

    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList());
    const Settings &s = c.ctx.settings;
    QCOMPARE(s.mainTop, Value(1000));
    QCOMPARE(s.mainLeft, Value(2000));
    QCOMPARE(s.titleBarText, u"今日も元気, 時計\r\n二行目"_s);
    QCOMPARE(s.birthMonth, Value(u"1"_s));
    QVERIFY(s.rowBackColor[2].isEmpty());
    QCOMPARE(s.itemFontSize[1], Value(12.5));
    QCOMPARE(s.bioLeft, Value(3000));
    QCOMPARE(s.bioTop, Value(-300));
    QCOMPARE(s.calLeft, Value(7800));
    QCOMPARE(s.calBackColor[1], Value(8421504));
    QCOMPARE(s.calBackColor[0], Value(12632256));
    QCOMPARE(s.calForeColor[7], Value(u"128"_s));
    QCOMPARE(int(s.calFontBold[7]), -1);
    QCOMPARE(s.holidayColor, u"8388608"_s);

    saveSettings(c.ctx, {c.ctx.memoText[0].toText(), c.ctx.memoText[1].toText()});
    QCOMPARE(c.bytes(u"TAMOtime.INI"_s), golden);
    QCOMPARE(c.bytes(u"schedule.dat"_s), schedule);
    QCOMPARE(c.bytes(u"memo.dat"_s), memo);
    QCOMPARE(c.platform.beeps, 0);
}

void TestSettingsFile::shippedFileHoldsTheDefaults()
{
    CoreContext c;
    const QByteArray shipped = CoreFiles::readBytes(shippedIniPath());
    QVERIFY2(shipped.count("\r\n") == 24, "the shipped file has 24 CR LF lines");
    QVERIFY(CoreFiles::writeBytes(c.file(u"TAMOtime.INI"_s), shipped));
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList());
    Settings expected = defaultSettings();
    expected.appFolder = c.dir.path();
    QCOMPARE(settingsFileText(c.ctx.settings), settingsFileText(expected));
    QVERIFY(c.ctx.settings == expected);
    QCOMPARE(CoreFiles::cp932(settingsFileText(defaultSettings())), shipped);
}

void TestSettingsFile::tenLineFile()
{
    CoreContext c;
    QStringList lines = goldenLines().mid(0, 10);
    lines[0] = u"9300,2000,6300,5000"_s;
    QVERIFY(c.put(u"TAMOtime.INI"_s, joined(lines)));
    QVERIFY(c.put(u"schedule.dat"_s, u"\"8 予定\"\r\n"_s));
    c.ctx.settings.titleBarText = u"before"_s;

    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList(14, tooShort));
    for (const FakePlatform::Message &m : c.platform.messages) {
        QCOMPARE(m.icon, MsgIcon::Question);
        QCOMPARE(m.buttons, MsgButtons::Ok);
        QCOMPARE(m.title, c.platform.caption);
    }
    const Settings &s = c.ctx.settings;
    QCOMPARE(s.itemFontName[4], Value(u"ＭＳ ゴシック"_s));
    QCOMPARE(s.titleBarText, u"before"_s);
    QCOMPARE(s.holidayColor, u"255"_s);
    QCOMPARE(s.mainTop, Value(0));
    // bioWeeks was never read: its defaults apply.
    QCOMPARE(s.bioWeeks, Value(3));
    QCOMPARE(c.ctx.memoText[0], Value(u"8 予定"_s));
    QCOMPARE(int(c.ctx.memoTodayLine), 0);
}

void TestSettingsFile::shortFileAtFirstStartKeepsDefaults()
{
    CoreContext c;
    QVERIFY(c.put(u"TAMOtime.INI"_s, joined(goldenLines().mid(0, 10))));
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList(14, tooShort));
    const Settings defaults = defaultSettings();
    const Settings &s = c.ctx.settings;
    QCOMPARE(s.mainTop, Value(1000));
    QCOMPARE(s.iconScale, defaults.iconScale);
    QCOMPARE(s.calFontName, defaults.calFontName);
    QCOMPARE(s.calFontSize, defaults.calFontSize);
    QCOMPARE(s.bioWidth, defaults.bioWidth);
}

void TestSettingsFile::clampsToTheScreen_data()
{
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("expected");
    // 1024 x 768 pixels at 15 twips a pixel: W = 15360, H = 11520.
    QTest::newRow("top below 0.8 H moves up") << u"9300,0,100,100"_s << u"0,0,100,100"_s;
    QTest::newRow("top at 0.8 H stays") << u"9216,0,100,100"_s << u"9216,0,100,100"_s;
    QTest::newRow("left beyond 0.8 W moves left") << u"0,12289,100,100"_s << u"0,0,100,100"_s;
    QTest::newRow("left at 0.8 W stays") << u"0,12288,100,100"_s << u"0,12288,100,100"_s;
    QTest::newRow("too wide becomes a quarter") << u"0,0,16000,100"_s << u"0,0,3840,100"_s;
    QTest::newRow("too high becomes 0.8 H") << u"0,0,100,12000"_s << u"0,0,100,9216"_s;
    QTest::newRow("screen size stays") << u"0,0,15360,11520"_s << u"0,0,15360,11520"_s;
    QTest::newRow("huge height saturates then clamps") << u"0,0,100,1e400"_s << u"0,0,100,9216"_s;
}

void TestSettingsFile::clampsToTheScreen()
{
    QFETCH(QString, line1);
    QFETCH(QString, expected);
    CoreContext c;
    QStringList lines = goldenLines();
    lines[0] = line1;
    QVERIFY(c.put(u"TAMOtime.INI"_s, joined(lines)));
    loadSettings(c.ctx);
    QCOMPARE(settingsFileText(c.ctx.settings).section(u"\r\n"_s, 0, 0), expected);
}

void TestSettingsFile::bioWeeksDefaults_data()
{
    QTest::addColumn<QString>("weeks");
    QTest::addColumn<QList<int>>("expected"); // width, height, weeks, left, top
    QTest::newRow("0 weeks") << u"0"_s << QList<int>{10000, 5000, 3, 100, 200};
    QTest::newRow("empty weeks") << QString() << QList<int>{10000, 5000, 3, 100, 200};
    QTest::newRow("text weeks count as 0") << u"\"x\""_s << QList<int>{10000, 5000, 3, 100, 200};
    QTest::newRow("2 weeks kept") << u"2"_s << QList<int>{8000, 4000, 2, 100, 200};
}

void TestSettingsFile::bioWeeksDefaults()
{
    QFETCH(QString, weeks);
    QFETCH(QList<int>, expected);
    CoreContext c;
    QStringList lines = goldenLines();
    lines[12] = u"\"1990\",\"1\",\"1\",8000,4000,"_s + weeks + u",100,200"_s;
    QVERIFY(c.put(u"TAMOtime.INI"_s, joined(lines)));
    loadSettings(c.ctx);
    const Settings &s = c.ctx.settings;
    const QList<int> got{s.bioWidth.toInt(), s.bioHeight.toInt(), s.bioWeeks.toInt(),
                         s.bioLeft.toInt(), s.bioTop.toInt()};
    QCOMPARE(got, expected);
}

void TestSettingsFile::emptyHolidayColor_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("color");
    QTest::newRow("two quotes") << u"\"\""_s << u"255"_s;
    QTest::newRow("nothing") << QString() << u"255"_s;
    QTest::newRow("text 0 stays") << u"\"0\""_s << u"0"_s;
}

void TestSettingsFile::emptyHolidayColor()
{
    QFETCH(QString, field);
    QFETCH(QString, color);
    CoreContext c;
    QStringList lines = goldenLines();
    lines[23] = u"1,0,1,12632256,"_s + field;
    QVERIFY(c.put(u"TAMOtime.INI"_s, joined(lines)));
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList());
    QCOMPARE(c.ctx.settings.holidayColor, color);
}

void TestSettingsFile::lineTwoSetsBothPanelElements()
{
    CoreContext c;
    QStringList lines = goldenLines();
    lines[1] = u"1,0,2,1,1,0"_s;
    QVERIFY(c.put(u"TAMOtime.INI"_s, joined(lines)));
    c.ctx.settings.memoShow = {Value(1), Value(1)};
    loadSettings(c.ctx);
    const Settings &s = c.ctx.settings;
    QCOMPARE(s.todaysWordShow[0], Value(1));
    QCOMPARE(s.todaysWordShow[1], Value(1));
    QCOMPARE(s.memoShow[0], Value(0));
    QCOMPARE(s.memoShow[1], Value(0));
    QCOMPARE(s.clockRows, Value(2));
    QCOMPARE(int(s.autoDst), 1);
    QCOMPARE(int(s.showSeconds), 1);
}

void TestSettingsFile::textInInt16Fields()
{
    CoreContext c;
    QStringList lines = goldenLines();
    lines[0] = u"1000,2000,6300,abc"_s;
    lines[14] = u"\"ＭＳ ゴシック\",12pt,\"-1\",x,255"_s;
    QVERIFY(c.put(u"TAMOtime.INI"_s, joined(lines)));
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList());
    const Settings &s = c.ctx.settings;
    QCOMPARE(int(s.mainHeight), 0);
    QCOMPARE(int(s.calFontSize[0]), 12);
    QCOMPARE(int(s.calFontBold[0]), -1);
    QCOMPARE(int(s.calFontItalic[0]), 0);
    QCOMPARE(s.calForeColor[0], Value(255));
    QCOMPARE(s.holidayColor, u"8388608"_s);
}

void TestSettingsFile::quoteInTextSettingNeverShiftsFields()
{
    CoreContext c;
    QVERIFY(c.put(u"TAMOtime.INI"_s, joined(goldenLines())));
    loadSettings(c.ctx);
    Settings &s = c.ctx.settings;
    s.titleBarText = u"say \"hi\", then go"_s;
    s.itemFontName[0] = Value(u"Font \"X\""_s);
    QVERIFY(QDir(c.dir.path()).mkdir(u"a\"b"_s));
    s.memoFilePath[0] = c.file(u"a\"b/page.dat"_s);
    s.calFontName[3] = u"\"quoted\""_s;
    const Settings written = s;
    saveSettings(c.ctx, {u"x"_s, QString()});

    c.ctx.settings = Settings();
    c.ctx.settings.appFolder = c.dir.path();
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList());
    Settings expected = written;
    // A quote that would end the field comes back as the full-width quote; the rest is whole.
    expected.titleBarText = u"say ＂hi＂, then go"_s;
    expected.calFontName[3] = u"＂quoted＂"_s;
    QCOMPARE(settingsFileText(c.ctx.settings), settingsFileText(expected));
    QCOMPARE(c.ctx.memoText[0], Value(u"x"_s));
}

void TestSettingsFile::readsUtf8Files_data()
{
    QTest::addColumn<QByteArray>("prefix");
    QTest::newRow("UTF-8 without BOM") << QByteArray();
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf");
}

void TestSettingsFile::readsUtf8Files()
{
    QFETCH(QByteArray, prefix);
    CoreContext c;
    QVERIFY(
        CoreFiles::writeBytes(c.file(u"TAMOtime.INI"_s), prefix + joined(goldenLines()).toUtf8()));
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList());
    QCOMPARE(c.ctx.settings.mainTop, Value(1000));
    QCOMPARE(c.ctx.settings.itemFontName[0], Value(u"ＭＳ Ｐゴシック"_s));
    QCOMPARE(c.ctx.settings.titleBarText, u"今日も元気, 時計\r\n二行目"_s);
}

void TestSettingsFile::writesUtf8WhenCp932CannotHoldIt()
{
    CoreContext c;
    QVERIFY(c.put(u"TAMOtime.INI"_s, joined(goldenLines())));
    loadSettings(c.ctx);
    c.ctx.settings.titleBarText = u"時計 ⏰ 𠮷"_s;
    saveSettings(c.ctx, {QString(), QString()});
    QVERIFY(c.bytes(u"TAMOtime.INI"_s).startsWith("\xef\xbb\xbf"));
    c.ctx.settings.titleBarText.clear();
    loadSettings(c.ctx);
    QCOMPARE(c.ctx.settings.titleBarText, u"時計 ⏰ 𠮷"_s);
    QCOMPARE(c.ctx.settings.itemFontName[0], Value(u"ＭＳ Ｐゴシック"_s));
}

void TestSettingsFile::missingFileRunsOnDefaults()
{
    CoreContext c;
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList{noIni});
    QCOMPARE(c.platform.messages[0].icon, MsgIcon::Question);
    Settings expected = defaultSettings();
    expected.appFolder = c.dir.path();
    QVERIFY(c.ctx.settings == expected);
    // The memo pages still load (no files yet: empty pages, no message).
    QCOMPARE(c.ctx.memoText[0], Value(QString()));
    QCOMPARE(c.ctx.memoLoadFailed[0], false);

    saveSettings(c.ctx, {u"1 初め"_s, QString()});
    QCOMPARE(c.bytes(u"TAMOtime.INI"_s), CoreFiles::readBytes(shippedIniPath()));
    QCOMPARE(c.bytes(u"schedule.dat"_s), CoreFiles::cp932(u"\"1 初め\"\r\n"_s));
}

void TestSettingsFile::missingFileOnReloadKeepsSettings()
{
    CoreContext c;
    QVERIFY(c.put(u"TAMOtime.INI"_s, joined(goldenLines())));
    loadSettings(c.ctx);
    const Settings loaded = c.ctx.settings;
    QVERIFY(QFile::remove(c.file(u"TAMOtime.INI"_s)));
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList{noIni});
    QVERIFY(c.ctx.settings == loaded);
}

void TestSettingsFile::settingsFileIsFolder()
{
    CoreContext c;
    QVERIFY(QDir(c.dir.path()).mkdir(u"TAMOtime.INI"_s));
    QVERIFY(c.put(u"schedule.dat"_s, u"\"keep me\"\r\n"_s));
    loadSettings(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList{u"ファイル名が無効です"_s});
    QCOMPARE(c.platform.messages[0].icon, MsgIcon::Stop);
    // Loading stopped before the memo pages: saving keeps their files unless typed into.
    QCOMPARE(c.ctx.memoLoadFailed[0], true);
    saveSettings(c.ctx, {QString(), u"new back page"_s});
    QCOMPARE(c.platform.beeps, 1);
    QCOMPARE(c.platform.messages.size(), 1);
    QCOMPARE(c.bytes(u"schedule.dat"_s), CoreFiles::cp932(u"\"keep me\"\r\n"_s));
    QCOMPARE(c.bytes(u"memo.dat"_s), QByteArray("\"new back page\"\r\n"));
}

void TestSettingsFile::saveToMissingFolder_data()
{
    QTest::addColumn<QList<MsgResult>>("answers");
    QTest::addColumn<int>("messages");
    QTest::newRow("cancel ends saving") << QList<MsgResult>{MsgResult::Cancel} << 1;
    QTest::newRow("retry stops after the third failure")
        << QList<MsgResult>{MsgResult::Retry, MsgResult::Retry, MsgResult::Retry, MsgResult::Retry}
        << 3;
}

void TestSettingsFile::saveToMissingFolder()
{
    QFETCH(QList<MsgResult>, answers);
    QFETCH(int, messages);
    CoreContext c;
    c.ctx.settings = defaultSettings();
    c.ctx.settings.appFolder = c.file(u"gone"_s);
    queueAnswers(c.platform, answers);
    saveSettings(c.ctx, {u"a"_s, u"b"_s});
    QCOMPARE(c.platform.messageTexts(), QStringList(messages, noPath));
    QCOMPARE(c.platform.messages[0].buttons, MsgButtons::RetryCancel);
    QCOMPARE(c.platform.messages[0].icon, MsgIcon::Stop);
    QCOMPARE(c.platform.beeps, messages);
    QCOMPARE(QDir(c.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
