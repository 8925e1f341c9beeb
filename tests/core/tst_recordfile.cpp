#include "recordreader.h"
#include "recordwriter.h"
#include "textcodec.h"
#include "value.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

// Fields are listed as "q:text" (quoted) or "u:text" (unquoted).
static QStringList readAll(const QString &text)
{
    RecordReader reader(text);
    QStringList fields;
    while (!reader.atEnd()) {
        const std::optional<RecordField> field = reader.readField();
        if (!field)
            return {u"<end of data before atEnd>"_s};
        fields << (field->quoted ? u"q:"_s : u"u:"_s) + field->text;
    }
    if (reader.readField())
        fields << u"<field after atEnd>"_s;
    return fields;
}

class TestRecordFile final : public QObject
{
    Q_OBJECT
private slots:
    void readsFields_data();
    void readsFields();
    void readsValues_data();
    void readsValues();
    void readsInt16_data();
    void readsInt16();
    void endOfDataLeavesNothingMore();
    void writesRecords();
    void numberTextIsPlainDecimal_data();
    void numberTextIsPlainDecimal();
    void textRoundTrips_data();
    void textRoundTrips();
    void decodes_data();
    void decodes();
    void encodesCp932WhenItFits();
    void encodesUtf8WhenCp932WouldNotReadBack_data();
    void encodesUtf8WhenCp932WouldNotReadBack();
    void survivesHostileInput();
};

void TestRecordFile::readsFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("commas separate") << u"1,2,3"_s << QStringList{u"u:1"_s, u"u:2"_s, u"u:3"_s};
    QTest::newRow("CR LF separates like a comma")
        << u"1\r\n2\r\n"_s << QStringList{u"u:1"_s, u"u:2"_s};
    QTest::newRow("lone CR ends a line") << u"1\r2"_s << QStringList{u"u:1"_s, u"u:2"_s};
    QTest::newRow("lone LF ends a line") << u"1\n2\n"_s << QStringList{u"u:1"_s, u"u:2"_s};
    QTest::newRow("last line without line end") << u"a\r\nb"_s << QStringList{u"u:a"_s, u"u:b"_s};
    QTest::newRow("quoted text keeps commas and line breaks")
        << u"\"a,b\r\nc\",d"_s << QStringList{u"q:a,b\r\nc"_s, u"u:d"_s};
    QTest::newRow("rest after the closing quote is skipped")
        << u"\"ab\"xy,3"_s << QStringList{u"q:ab"_s, u"u:3"_s};
    QTest::newRow("a quote inside ends the text")
        << u"\"a\"b\"c\",d"_s << QStringList{u"q:a"_s, u"u:d"_s};
    QTest::newRow("leading spaces and tabs skipped")
        << u"  \t5,  \"x\""_s << QStringList{u"u:5"_s, u"q:x"_s};
    QTest::newRow("trailing spaces of unquoted field removed")
        << u"ab  ,c d \r\n"_s << QStringList{u"u:ab"_s, u"u:c d"_s};
    QTest::newRow("two commas enclose an empty field")
        << u"1,,3"_s << QStringList{u"u:1"_s, u"u:"_s, u"u:3"_s};
    QTest::newRow("comma before line end gives an empty field")
        << u"1,\r\n2"_s << QStringList{u"u:1"_s, u"u:"_s, u"u:2"_s};
    QTest::newRow("comma at the very end gives an empty field")
        << u"1,"_s << QStringList{u"u:1"_s, u"u:"_s};
    QTest::newRow("blank lines hold no field")
        << u"1\r\n\r\n  \r\n2\r\n\r\n"_s << QStringList{u"u:1"_s, u"u:2"_s};
    QTest::newRow("empty quoted fields") << u"\"\",\"\""_s << QStringList{u"q:"_s, u"q:"_s};
    QTest::newRow("unclosed quote runs to the end")
        << u"\"abc\r\ndef"_s << QStringList{u"q:abc\r\ndef"_s};
    QTest::newRow("empty text") << QString() << QStringList{};
    QTest::newRow("only line ends") << u"\r\n\n\r"_s << QStringList{};
    QTest::newRow("Japanese text unquoted")
        << u"一日一善、二日目\r\n\"三,四\""_s << QStringList{u"u:一日一善、二日目"_s, u"q:三,四"_s};
}

void TestRecordFile::readsFields()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    QCOMPARE(readAll(text), fields);
}

void TestRecordFile::readsValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Value>("value");
    QTest::newRow("unquoted number is a number") << u"42"_s << Value(42);
    QTest::newRow("negative decimal") << u"-1.5"_s << Value(-1.5);
    QTest::newRow("quoted number stays text") << u"\"42\""_s << Value(u"42"_s);
    QTest::newRow("empty field is empty") << u","_s << Value();
    QTest::newRow("empty quotes are empty text") << u"\"\""_s << Value(QString());
    QTest::newRow("other unquoted text is text") << u"12abc"_s << Value(u"12abc"_s);
    QTest::newRow("huge exponent stays finite")
        << u"1e400"_s << Value(std::numeric_limits<double>::max());
}

void TestRecordFile::readsValues()
{
    QFETCH(QString, text);
    QFETCH(Value, value);
    RecordReader reader(text);
    const std::optional<Value> got = reader.readValue();
    QVERIFY(got.has_value());
    QCOMPARE(got->isEmpty(), value.isEmpty());
    QCOMPARE(got->isText(), value.isText());
    QCOMPARE(*got, value);
}

void TestRecordFile::readsInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("number") << u"7"_s << 7;
    QTest::newRow("quoted number") << u"\"7\""_s << 7;
    QTest::newRow("text gives its leading number") << u"12abc"_s << 12;
    QTest::newRow("text without number gives 0") << u"abc"_s << 0;
    QTest::newRow("empty gives 0") << u","_s << 0;
    QTest::newRow("too large saturates") << u"99999"_s << 32767;
    QTest::newRow("too small saturates") << u"-99999"_s << -32768;
    QTest::newRow("huge exponent saturates") << u"1e400"_s << 32767;
    QTest::newRow("rounded") << u"-0.6"_s << -1;
}

void TestRecordFile::readsInt16()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    RecordReader reader(text);
    const std::optional<qint16> got = reader.readInt16();
    QVERIFY(got.has_value());
    QCOMPARE(int(*got), number);
}

void TestRecordFile::endOfDataLeavesNothingMore()
{
    RecordReader reader(u"1,2\r\n"_s);
    QVERIFY(reader.readValue());
    QVERIFY(reader.readText());
    QVERIFY(reader.atEnd());
    QVERIFY(!reader.readValue());
    QVERIFY(!reader.readInt16());
    QVERIFY(!reader.readText());
}

void TestRecordFile::writesRecords()
{
    RecordWriter w;
    w.number(1200).value(Value()).value(Value(u"a,b"_s)).number(-3).endRecord();
    w.text(u"ＭＳ ゴシック"_s).value(Value(0.5)).value(Value()).endRecord();
    w.text(QString()).text(u"two\r\nlines"_s).endRecord();
    QCOMPARE(w.result(),
             u"1200,,\"a,b\",-3\r\n\"ＭＳ ゴシック\",0.5,\r\n\"\",\"two\r\nlines\"\r\n"_s);
}

void TestRecordFile::numberTextIsPlainDecimal_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << 16777215.0 << u"16777215"_s;
    QTest::newRow("negative") << -3840.0 << u"-3840"_s;
    QTest::newRow("fraction") << 0.25 << u"0.25"_s;
    QTest::newRow("small fraction without exponent") << 1e-7 << u"0.0000001"_s;
    QTest::newRow("15 significant digits") << 1.0 / 3 << u"0.333333333333333"_s;
    QTest::newRow("sum error hidden") << 0.1 + 0.2 << u"0.3"_s;
    QTest::newRow("negative zero") << -0.0 << u"0"_s;
}

void TestRecordFile::numberTextIsPlainDecimal()
{
    QFETCH(double, number);
    QFETCH(QString, text);
    QCOMPARE(numberText(number), text);
}

void TestRecordFile::textRoundTrips_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("comma") << u"今日, 明日"_s << u"今日, 明日"_s;
    QTest::newRow("line breaks") << u"a\r\nb"_s << u"a\r\nb"_s;
    QTest::newRow("quote without comma comes back whole")
        << u"He said \"hi\""_s << u"He said \"hi\""_s;
    QTest::newRow("quote with comma becomes full-width") << u"a\"b,c"_s << u"a＂b,c"_s;
    QTest::newRow("leading quote becomes full-width") << u"\"x\""_s << u"＂x＂"_s;
    QTest::newRow("quote with trailing blank becomes full-width") << u"x\" "_s << u"x＂ "_s;
}

void TestRecordFile::textRoundTrips()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    RecordWriter w;
    w.text(text).number(7).endRecord();
    RecordReader reader(w.result());
    QCOMPARE(reader.readText(), std::optional<QString>(readBack));
    // The field after it never shifts.
    QCOMPARE(reader.readInt16(), std::optional<qint16>(7));
    QVERIFY(reader.atEnd());
}

void TestRecordFile::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("1,\"a\\b~\"\r\n") << u"1,\"a\\b~\"\r\n"_s;
    QTest::newRow("CP932") << QByteArray("\x93\xfa\x96\x7b") << u"日本"_s;
    QTest::newRow("CP932 extension characters") << QByteArray("\x87\x40\xfa\x57") << u"①＂"_s;
    QTest::newRow("UTF-8 without BOM") << QByteArray("\xe6\x97\xa5\xe6\x9c\xac") << u"日本"_s;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf\x61\xe6\x97\xa5") << u"a日"_s;
    QTest::newRow("UTF-8 cut in the middle of a character is CP932")
        << QByteArray("\xe6\x97") << u"譌"_s;
}

void TestRecordFile::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextCodec::decode(bytes), text);
}

void TestRecordFile::encodesCp932WhenItFits()
{
    const QString text = u"\"ＭＳ Ｐゴシック\",14\r\n髙①～＂\\~"_s;
    const QByteArray bytes = TextCodec::encode(text);
    QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));
    QVERIFY(bytes.startsWith("\"\x82\x6c\x82\x72 \x82\x6f"));
    QCOMPARE(TextCodec::decode(bytes), text);
}

void TestRecordFile::encodesUtf8WhenCp932WouldNotReadBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("emoji") << u"会議 😀"_s;
    QTest::newRow("rare kanji") << u"𠮷野家"_s;
    QTest::newRow("wave dash as typed on Linux") << u"10時〜12時"_s;
    QTest::newRow("accented Latin") << u"Café"_s;
    QTest::newRow("half-width katakana whose CP932 bytes are valid UTF-8") << u"ﾃｽ"_s;
}

void TestRecordFile::encodesUtf8WhenCp932WouldNotReadBack()
{
    QFETCH(QString, text);
    const QByteArray bytes = TextCodec::encode(text);
    QVERIFY(bytes.startsWith("\xef\xbb\xbf"));
    QVERIFY(!bytes.contains('?'));
    QCOMPARE(TextCodec::decode(bytes), text);
}

void TestRecordFile::survivesHostileInput()
{
    // Binary garbage, a megabyte line, a long run of quotes: every field is read, nothing hangs.
    QByteArray garbage;
    for (int i = 0; i < 65536; ++i)
        garbage.append(char((i * 7919) & 0xff));
    const QString decoded = TextCodec::decode(garbage);
    RecordReader reader(decoded);
    int fields = 0;
    while (!reader.atEnd() && reader.readField())
        ++fields;
    QVERIFY(fields > 0);

    const QString longLine = QString(1 << 20, u'x') + u",\""_s + QString(1 << 20, u'"');
    RecordReader longReader(longLine);
    QCOMPARE(longReader.readText()->size(), 1 << 20);
    QVERIFY(longReader.readText().has_value());
    while (!longReader.atEnd())
        QVERIFY(longReader.readField().has_value());
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
