#include "corecontext.h"
#include "datafiles.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString noHolidays = u"休日ファイル名がありません\r\n 休日設定を行いません\r\n"
                           u"Holiday.txt ﾌｧｲﾙを追加して下さい"_s;
const QString tooManyHolidays = u"休日数は１００以下にして下さい"_s;

QString numberedLines(int count, const QString &prefix)
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += prefix + QString::number(i) + u"\r\n"_s;
    return text;
}

QString holidayLines(int count)
{
    QString text;
    const QDate first(2030, 1, 1);
    for (int i = 0; i < count; ++i)
        text += first.addDays(i).toString(u"yyyy/M/d"_s) + u"\r\n"_s;
    return text;
}

} // namespace

class TestDataFiles final : public QObject
{
    Q_OBJECT
private slots:
    void holidays_data();
    void holidays();
    void missingHolidayFile();
    void holidayFileIsAFolder();
    void shippedHolidaysAreWholeYears();
    void todaysWord_data();
    void todaysWord();
    void missingTodaysWordFile();
    void todaysWordFileIsAFolder();
    void readsAndWritesMemoFiles();
    void memoFileFailures_data();
    void memoFileFailures();
    void listsAllWords();
    void listOfMissingWordsFile();
};

void TestDataFiles::holidays_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("some");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("empty file") << QString() << 0 << QStringList() << QStringList();
    QTest::newRow("a quoted date on the second line")
        << u"2001/1/1\r\n\"2001/2/11\"\r\n"_s << 2 << QStringList{u"2001/1/1"_s, u"2001/2/11"_s}
        << QStringList();
    QTest::newRow("several on one line")
        << u"2001/5/3,2001/5/4,2001/5/5"_s << 3
        << QStringList{u"2001/5/3"_s, u"2001/5/4"_s, u"2001/5/5"_s} << QStringList();
    QTest::newRow("blank lines hold no entry")
        << u"2001/1/1\r\n\r\n2001/1/2\r\n\r\n"_s << 2 << QStringList{u"2001/1/1"_s, u"2001/1/2"_s}
        << QStringList();
    QTest::newRow("100 entries") << holidayLines(100) << 100 << QStringList{u"2030/1/1"_s}
                                 << QStringList();
    QTest::newRow("150 entries stop at 100")
        << holidayLines(150) << 100 << QStringList{u"2030/1/1"_s} << QStringList{tooManyHolidays};
}

void TestDataFiles::holidays()
{
    QFETCH(QString, content);
    QFETCH(int, count);
    QFETCH(QStringList, some);
    QFETCH(QStringList, messages);
    CoreContext c;
    QVERIFY(c.put(u"holiday.txt"_s, content));
    loadHolidays(c.ctx);
    QCOMPARE(c.platform.messageTexts(), messages);
    if (!messages.isEmpty()) {
        QCOMPARE(c.platform.messages[0].title, QString());
        QCOMPARE(c.platform.messages[0].icon, MsgIcon::Stop);
    }
    if (count == 0) {
        QVERIFY(c.ctx.holidayLast.isEmpty());
        QCOMPARE(c.ctx.holidays[0], QString());
        return;
    }
    QCOMPARE(c.ctx.holidayLast, Value(count - 1));
    for (int i = 0; i < some.size(); ++i)
        QCOMPARE(c.ctx.holidays[i], some[i]);
    QCOMPARE(c.ctx.holidays[100], QString());
    if (count == 100)
        QCOMPARE(c.ctx.holidays[99], QDate(2030, 1, 1).addDays(99).toString(u"yyyy/M/d"_s));
}

void TestDataFiles::missingHolidayFile()
{
    CoreContext c;
    loadHolidays(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList{noHolidays});
    QCOMPARE(c.platform.messages[0].icon, MsgIcon::Exclamation);
    QCOMPARE(c.platform.messages[0].title, c.platform.caption);
    QVERIFY(c.ctx.holidayLast.isEmpty());
}

void TestDataFiles::holidayFileIsAFolder()
{
    CoreContext c;
    QVERIFY(QDir(c.dir.path()).mkdir(u"holiday.txt"_s));
    loadHolidays(c.ctx);
    QCOMPARE(c.platform.messages.size(), 1);
    QVERIFY2(c.platform.messages[0].text.startsWith(u"75 : "_s),
             qPrintable(c.platform.messages[0].text));
    QCOMPARE(c.platform.messages[0].icon, MsgIcon::None);
}

void TestDataFiles::shippedHolidaysAreWholeYears()
{
    CoreContext c;
    const QByteArray shipped =
        CoreFiles::readBytes(qEnvironmentVariable("TAMO_SOURCE_DIR") + u"/data/holiday.txt"_s);
    QVERIFY(CoreFiles::writeBytes(c.file(u"holiday.txt"_s), shipped));
    loadHolidays(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList());
    const int last = c.ctx.holidayLast.toInt();
    QVERIFY(last >= 80 && last < 100);
    QDate previous;
    for (int i = 0; i <= last; ++i) {
        const QDate date = QDate::fromString(c.ctx.holidays[i], u"yyyy/M/d"_s);
        QVERIFY2(date.isValid() && date > previous, qPrintable(c.ctx.holidays[i]));
        previous = date;
    }
    QCOMPARE(c.ctx.holidays[0], u"2026/1/1"_s);
    QVERIFY(previous.month() == 11 && previous.day() == 23);
    // The substitute holiday and the day between two holidays of 2026.
    const QStringList all(c.ctx.holidays.begin(), c.ctx.holidays.begin() + last + 1);
    QVERIFY(all.contains(u"2026/5/6"_s));
    QVERIFY(all.contains(u"2026/9/22"_s));
    QVERIFY(all.contains(u"2027/3/22"_s));
}

void TestDataFiles::todaysWord_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<Value>("word");
    QTest::newRow("day 32 of 400")
        << numberedLines(400, u"言葉"_s) << QDate(2026, 2, 1) << Value(u"言葉32"_s);
    QTest::newRow("day 366 of 365 gives the last")
        << numberedLines(365, u"言葉"_s) << QDate(2024, 12, 31) << Value(u"言葉365"_s);
    QTest::newRow("an unquoted comma makes two entries")
        << u"a,b\r\nc\r\n"_s << QDate(2026, 1, 2) << Value(u"b"_s);
    QTest::newRow("a quoted comma stays in one entry")
        << u"\"a,b\"\r\nc\r\n"_s << QDate(2026, 1, 2) << Value(u"c"_s);
    QTest::newRow("a quoted saying keeps its comma")
        << u"\"a,b\"\r\nc\r\n"_s << QDate(2026, 1, 1) << Value(u"a,b"_s);
    QTest::newRow("a plain number is a number") << u"42\r\n"_s << QDate(2026, 1, 1) << Value(42);
    QTest::newRow("an empty file leaves the word")
        << QString() << QDate(2026, 1, 1) << Value(u"yesterday"_s);
}

void TestDataFiles::todaysWord()
{
    QFETCH(QString, content);
    QFETCH(QDate, date);
    QFETCH(Value, word);
    CoreContext c;
    QVERIFY(c.put(u"kakugen.txt"_s, content));
    c.platform.clock = QDateTime(date, QTime(12, 0));
    c.ctx.todaysWord = Value(u"yesterday"_s);
    loadTodaysWord(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList());
    QCOMPARE(c.ctx.todaysWordDay, Value(date.dayOfYear()));
    QCOMPARE(c.ctx.todaysWord.isNumber(), word.isNumber());
    QCOMPARE(c.ctx.todaysWord, word);
}

void TestDataFiles::missingTodaysWordFile()
{
    CoreContext c;
    c.platform.clock = QDateTime(QDate(2026, 3, 1), QTime(12, 0));
    c.ctx.todaysWord = Value(u"kept"_s);
    loadTodaysWord(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList());
    QCOMPARE(c.ctx.todaysWordDay, Value(60));
    QCOMPARE(c.ctx.todaysWord, Value(u"kept"_s));
}

void TestDataFiles::todaysWordFileIsAFolder()
{
    CoreContext c;
    QVERIFY(QDir(c.dir.path()).mkdir(u"kakugen.txt"_s));
    c.ctx.todaysWord = Value(u"kept"_s);
    loadTodaysWord(c.ctx);
    QCOMPARE(c.platform.messageTexts(), QStringList{u"ファイル名が無効です"_s});
    QCOMPARE(c.platform.messages[0].icon, MsgIcon::Stop);
    QCOMPARE(c.ctx.todaysWord, Value(u"kept"_s));
}

void TestDataFiles::readsAndWritesMemoFiles()
{
    QTemporaryDir dir;
    const QString path = CoreFiles::join(dir.path(), u"page.txt"_s);
    const QString text = u"一行目, \"引用\"\r\n二行目 😀\r\n"_s;
    const MemoFileResult written = writeMemoFile(path, text);
    QVERIFY2(written.ok, qPrintable(written.errorMessage));
    const MemoFileResult read = readMemoFile(path);
    QVERIFY2(read.ok, qPrintable(read.errorMessage));
    QCOMPARE(read.text, text);

    QVERIFY(CoreFiles::writeBytes(path, "\"abc\"\r\n"));
    QCOMPARE(readMemoFile(path).text, u"abc"_s);
    QVERIFY(writeMemoFile(path, u"二"_s).ok);
    QCOMPARE(CoreFiles::readBytes(path), CoreFiles::cp932(u"\"二\"\r\n"_s));
}

void TestDataFiles::memoFileFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("forWriting");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("missing file") << u"none.txt"_s << false << u"ファイルが見つかりません"_s;
    QTest::newRow("missing folder, reading")
        << u"no/none.txt"_s << false << u"フォルダが見つかりません"_s;
    QTest::newRow("missing folder, writing")
        << u"no/none.txt"_s << true << u"フォルダが見つかりません"_s;
    QTest::newRow("a folder, reading") << u"folder"_s << false << u"このファイルは開けません"_s;
    QTest::newRow("a folder, writing") << u"folder"_s << true << u"このファイルは開けません"_s;
    QTest::newRow("a binary file")
        << u"picture.png"_s << false << u"テキストファイルではありません"_s;
    QTest::newRow("no name") << QString() << false << u"ファイル名が正しくありません"_s;
}

void TestDataFiles::memoFileFailures()
{
    QFETCH(QString, name);
    QFETCH(bool, forWriting);
    QFETCH(QString, sentence);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
    QVERIFY(CoreFiles::writeBytes(CoreFiles::join(dir.path(), u"picture.png"_s),
                                  QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
    const QString path = name.isEmpty() ? QString() : CoreFiles::join(dir.path(), name);
    const MemoFileResult result = forWriting ? writeMemoFile(path, u"text"_s) : readMemoFile(path);
    QVERIFY(!result.ok);
    QVERIFY2(result.errorMessage.startsWith(sentence), qPrintable(result.errorMessage));
    QVERIFY(result.errorMessage.endsWith(path));
}

void TestDataFiles::listsAllWords()
{
    CoreContext c;
    QVERIFY(c.put(u"kakugen.txt"_s, u"A\r\nB\r\n\"C, D\"\r\n"_s));
    bool ok = false;
    QCOMPARE(allWordsList(c.file(u"kakugen.txt"_s), &ok), u" 1 A\r\n 2 B\r\n 3 C, D\r\n"_s);
    QVERIFY(ok);
}

void TestDataFiles::listOfMissingWordsFile()
{
    CoreContext c;
    bool ok = true;
    const QString text = allWordsList(c.file(u"kakugen.txt"_s), &ok);
    QVERIFY(!ok);
    QVERIFY2(text.startsWith(u"今日の言葉のファイルが見つかりません"_s), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
