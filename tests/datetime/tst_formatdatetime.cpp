#include "datetime.h"
#include "formatdatetime.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

double at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    const std::optional<double> serial = DateTime::fromParts(y, mo, d, h, mi, s);
    Q_ASSERT(serial);
    return *serial;
}

} // namespace

class TestFormatDateTime final : public QObject
{
    Q_OBJECT

private slots:
    void clockRows_data();
    void clockRows();
    void clockRowPatternOutsideRange();
    void tokens_data();
    void tokens();
    void noDate_data();
    void noDate();
    void weekAtYearStart_data();
    void weekAtYearStart();
    void numberPatterns_data();
    void numberPatterns();
    void matchesQDateOnRandomDays();
    void randomPatternsAndValues();
};

void TestFormatDateTime::clockRows_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("withSeconds");
    QTest::addColumn<int>("hour");
    QTest::addColumn<QString>("expected");

    struct Row
    {
        int format;
        const char16_t *afternoonSeconds;
        const char16_t *afternoon;
        const char16_t *midnightSeconds;
        const char16_t *midnight;
    };
    const Row rows[] = {
        {0, u" 10月8日(月) 13時05分09秒", u" 10月8日(月) 13時05分", u" 10月8日(月) 00時05分09秒",
         u" 10月8日(月) 00時05分"},
        {1, u" 10月8日(月) 13：05：09", u" 10月8日(月) 13：05", u" 10月8日(月) 00：05：09",
         u" 10月8日(月) 00：05"},
        {2, u" 10月8日 月 PM 01：05：09", u" 10月8日 月 PM 01：05", u" 10月8日 月 AM 12：05：09",
         u" 10月8日 月 AM 12：05"},
        {3, u" Oct/8/(Mon) 13：05：09", u" Oct/8/(Mon) 13：05", u" Oct/8/(Mon) 00：05：09",
         u" Oct/8/(Mon) 00：05"},
        {4, u" 10/8/(月) 13：05：09", u" 10/8/(月) 13：05", u" 10/8/(月) 00：05：09",
         u" 10/8/(月) 00：05"},
        {5, u" 10/8/月 pm 01：05:09", u" 10/8/月 pm 01：05", u" 10/8/月 am 12：05:09",
         u" 10/8/月 am 12：05"},
        {6, u" 10/8/月 PM 01：05:09", u" 10/8/月 PM 01：05", u" 10/8/月 AM 12：05:09",
         u" 10/8/月 AM 12：05"},
    };
    for (const Row &r : rows) {
        const QByteArray f = "pattern " + QByteArray::number(r.format);
        QTest::newRow(f + " with seconds at 13:05:09")
            << r.format << true << 13 << QString::fromUtf16(r.afternoonSeconds);
        QTest::newRow(f + " without seconds at 13:05:09")
            << r.format << false << 13 << QString::fromUtf16(r.afternoon);
        QTest::newRow(f + " with seconds at 00:05:09")
            << r.format << true << 0 << QString::fromUtf16(r.midnightSeconds);
        QTest::newRow(f + " without seconds at 00:05:09")
            << r.format << false << 0 << QString::fromUtf16(r.midnight);
    }
    QTest::newRow("noon is 12 PM") << 2 << true << 12 << u" 10月8日 月 PM 12：05：09"_s;
    QTest::newRow("11 in the morning stays 11 AM") << 6 << false << 11 << u" 10/8/月 AM 11：05"_s;
}

void TestFormatDateTime::clockRows()
{
    QFETCH(int, format);
    QFETCH(bool, withSeconds);
    QFETCH(int, hour);
    QFETCH(QString, expected);
    const QString pattern = clockRowPattern(format, withSeconds);
    QVERIFY(pattern.startsWith(u' '));
    QCOMPARE(formatDateTime(at(2001, 10, 8, hour, 5, 9), pattern), expected);
}

void TestFormatDateTime::clockRowPatternOutsideRange()
{
    QCOMPARE(clockRowPattern(7, true), QString());
    QCOMPARE(clockRowPattern(-1, false), QString());
    // Formats 5 and 6 end in a full-width then an ASCII colon; the others in two full-width ones.
    QVERIFY(clockRowPattern(5, true).endsWith(u"hh：nn:ss"));
    QVERIFY(clockRowPattern(6, true).endsWith(u"hh：nn:ss"));
    QVERIFY(clockRowPattern(4, true).endsWith(u"hh：nn：ss"));
}

void TestFormatDateTime::tokens_data()
{
    QTest::addColumn<Value>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    const double mon = at(2001, 10, 8, 13, 5, 9);
    auto row = [](const char *name, const Value &v, const QString &p, const QString &e) {
        QTest::newRow(name) << v << p << e;
    };
    row("offset crossing midnight shows the city's date", at(2001, 10, 8, 8, 0, 0) - 17.0 / 24,
        clockRowPattern(0, true), u" 10月7日(日) 15時00分00秒"_s);
    row("y of 2001-12-31 is 365", at(2001, 12, 31), u"y"_s, u"365"_s);
    row("y of 2000-12-31 is 366", at(2000, 12, 31), u"y"_s, u"366"_s);
    row("y of 1 January is 1", at(2001, 1, 1), u"y"_s, u"1"_s);
    row("w of a Sunday in 2001 is 1", at(2001, 10, 7), u"w"_s, u"1"_s);
    row("w of a Sunday in 1900 is 1", at(1900, 1, 7), u"w"_s, u"1"_s);
    row("w of a Sunday in 2024 is 1", at(2024, 3, 3), u"w"_s, u"1"_s);
    row("w of a Monday is 2", mon, u"w"_s, u"2"_s);
    row("number 84 with m is March", 84, u"m"_s, u"3"_s);
    row("number 84 with w is Saturday", 84, u"w"_s, u"7"_s);
    row("number 84 is 1900/03/24", 84, u"yyyy/mm/dd"_s, u"1900/03/24"_s);
    row("ww of 2000-12-31 is week 54", at(2000, 12, 31), u"ww"_s, u"54"_s);
    row("ww of 2000-12-30 is week 53", at(2000, 12, 30), u"ww"_s, u"53"_s);
    row("ww of 2001-12-31 is week 53", at(2001, 12, 31), u"ww"_s, u"53"_s);
    row("space then ww", mon, u" ww"_s, u" 41"_s);
    row("hh.mm gives minutes after the hour", mon, u"hh.mm"_s, u"13.05"_s);
    row("hh.mm keeps the leading zero", at(2001, 10, 8, 8, 29, 0), u"hh.mm"_s, u"08.29"_s);
    row("m after h reads minutes", mon, u"h:m"_s, u"13:5"_s);
    row("mm after hh across kanji reads minutes", mon, u"hh時mm分"_s, u"13時05分"_s);
    row("mm before hh is the month", mon, u"mm/dd hh"_s, u"10/08 13"_s);
    row("mm after nn is the month again", mon, u"hh nn mm"_s, u"13 05 10"_s);
    row("mmm is the English month", mon, u"mmm"_s, u"Oct"_s);
    row("ddd is the English weekday", mon, u"ddd"_s, u"Mon"_s);
    row("aaa is the kanji weekday", mon, u"aaa"_s, u"月"_s);
    row("yyyy/mm/dd", mon, u"yyyy/mm/dd"_s, u"2001/10/08"_s);
    row("letters match in any case", mon, u"YYYY/MM/DD HH:NN:SS"_s, u"2001/10/08 13:05:09"_s);
    row("DD is dd", at(2001, 2, 5), u"DD"_s, u"05"_s);
    row("yy/m/d of the chart", at(2001, 2, 5), u"yy/m/d"_s, u"01/2/5"_s);
    row("number with a year pattern is a date serial", 10000, u"    yy 年"_s, u"    27 年"_s);
    row("m月d日(aaa) of a Sunday", at(2001, 3, 25), u"m月d日(aaa)"_s, u"3月25日(日)"_s);
    row("yyyy of holiday text", u"2000/5/5"_s, u"yyyy"_s, u"2000"_s);
    row("m of holiday text", u"2000/5/5"_s, u"m"_s, u"5"_s);
    row("d of holiday text", u"2000/5/5"_s, u"d"_s, u"5"_s);
    row("text date", u"2001/2/11"_s, u"yyyy/mm/dd"_s, u"2001/02/11"_s);
    row("text date and time", u"2000/5/5 13:05:09"_s, u"c"_s, u"2000/05/05 13:05:09"_s);
    row("numeric text is a serial", u"42"_s, u"yyyy/mm/dd"_s, u"1900/02/10"_s);
    row("c with a time", mon, u"c"_s, u"2001/10/08 13:05:09"_s);
    row("c hour has no leading zero", at(2001, 10, 8, 9, 5, 9), u"c"_s, u"2001/10/08 9:05:09"_s);
    row("c at midnight is the date alone", at(2001, 10, 8), u"c"_s, u"2001/10/08"_s);
    row("c of date part 0 is the time alone", 0.5 + 309.0 / 86400, u"c"_s, u"12:05:09"_s);
    row("c of 0 is midnight", 0, u"c"_s, u"0:00:00"_s);
    row("a fraction below half a second rounds down", mon + 0.4 / 86400, u"hh:nn:ss"_s,
        u"13:05:09"_s);
    row("rounding to the second may reach the next day", at(2001, 10, 8, 23, 59, 59) + 0.6 / 86400,
        u"yyyy/mm/dd hh:nn:ss"_s, u"2001/10/09 00:00:00"_s);
    row("h is the hour without a zero", at(2001, 10, 8, 8, 5, 9), u"h"_s, u"8"_s);
    row("h with a marker is 12-hour", mon, u"h AM/PM"_s, u"1 PM"_s);
    row("am/pm marker in small letters", at(2001, 10, 8, 0, 5, 9), u"hh am/pm"_s, u"12 am"_s);
    row("the marker anywhere turns hh 12-hour", mon, u"AM/PM hh"_s, u"PM 01"_s);
    row("mixed-case marker is no marker", mon, u"hh Am/Pm"_s, u"13 A5/P10"_s);
    row("n and s without zeros", at(2001, 10, 8, 13, 5, 9), u"n s"_s, u"5 9"_s);
    row("yyy is yy then y", mon, u"yyy"_s, u"01281"_s);
    row("dddd is the full English weekday", mon, u"dddd"_s, u"Monday"_s);
    row("mmmm is the full English month", mon, u"mmmm"_s, u"October"_s);
    row("aaaa is the full Japanese weekday", mon, u"aaaa"_s, u"月曜日"_s);
    row("ddddd is the short date", mon, u"ddddd"_s, u"2001/10/08"_s);
    row("dddddd is the long date", mon, u"dddddd"_s, u"2001年10月8日"_s);
    row("a single a is copied", mon, u"a d"_s, u"a 8"_s);
    row("full-width letters and kanji are copied", mon, u"ｍ月d日（ｄ）　年"_s,
        u"ｍ月8日（ｄ）　年"_s);
    row("other letters and signs are copied", mon, u"[d] x#q"_s, u"[8] x#q"_s);
    row("year 100 shows four digits", at(100, 1, 1), u"yyyy"_s, u"0100"_s);
    row("last supported day", at(9999, 12, 31, 23, 59, 59), u"c"_s, u"9999/12/31 23:59:59"_s);
}

void TestFormatDateTime::tokens()
{
    QFETCH(Value, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatDateTime(value, pattern), expected);
}

void TestFormatDateTime::noDate_data()
{
    QTest::addColumn<Value>("value");
    QTest::newRow("text that is no date") << Value(u"abc"_s);
    QTest::newRow("30 February") << Value(u"2001/2/30"_s);
    QTest::newRow("month 13") << Value(u"2001/13/1"_s);
    QTest::newRow("separators only") << Value(u"//"_s);
    QTest::newRow("empty value") << Value();
    QTest::newRow("empty text") << Value(QString());
    QTest::newRow("serial after year 9999") << Value(2958466.0);
    QTest::newRow("serial before year 100") << Value(-657435.0);
    QTest::newRow("huge number") << Value(1e300);
    QTest::newRow("NaN") << Value(std::numeric_limits<double>::quiet_NaN());
    QTest::newRow("infinity") << Value(std::numeric_limits<double>::infinity());
}

void TestFormatDateTime::noDate()
{
    QFETCH(Value, value);
    QCOMPARE(formatDateTime(value, u"yyyy/m/d"), QString());
    QCOMPARE(formatDateTime(value, clockRowPattern(0, true)), QString());
    QCOMPARE(formatDateTime(value, u"c"), QString());
}

void TestFormatDateTime::weekAtYearStart_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("firstSaturday");
    // Years whose 1 January falls on Sunday, Monday ... Saturday.
    const int years[7][2] = {{2006, 7}, {2001, 6}, {2002, 5}, {2003, 4},
                             {2004, 3}, {2010, 2}, {2005, 1}};
    const char *names[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                            "Thursday", "Friday", "Saturday"};
    for (int k = 0; k < 7; ++k)
        QTest::newRow(
            qPrintable(QString::fromLatin1("year starting on %1").arg(QLatin1StringView(names[k]))))
            << years[k][0] << years[k][1];
}

void TestFormatDateTime::weekAtYearStart()
{
    QFETCH(int, year);
    QFETCH(int, firstSaturday);
    QCOMPARE(formatDateTime(at(year, 1, 1), u"w"), QString::number(8 - firstSaturday));
    QCOMPARE(formatDateTime(at(year, 1, 1), u"ww"), u"1"_s);
    QCOMPARE(formatDateTime(at(year, 1, firstSaturday), u"ww"), u"1"_s);
    QCOMPARE(formatDateTime(at(year, 1, firstSaturday + 1), u"ww"), u"2"_s);
    QCOMPARE(formatDateTime(at(year, 1, firstSaturday + 7), u"ww"), u"2"_s);
    QCOMPARE(formatDateTime(at(year, 1, firstSaturday + 8), u"ww"), u"3"_s);
}

void TestFormatDateTime::numberPatterns_data()
{
    QTest::addColumn<Value>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *name, const Value &v, const QString &p, const QString &e) {
        QTest::newRow(name) << v << p << e;
    };
    const QString grouped = u"##,### 日"_s;
    row("grouped 12345", 12345, grouped, u"12,345 日"_s);
    row("grouped zero shows nothing", 0, grouped, u" 日"_s);
    row("grouped 123 has no comma", 123, grouped, u"123 日"_s);
    row("grouped 1234567 takes more places than written", 1234567, grouped, u"1,234,567 日"_s);
    row("grouped negative", -12345, grouped, u"-12,345 日"_s);
    row("grouped fraction rounds", 12344.5, grouped, u"12,345 日"_s);
    row("negative week", -3, u"#週"_s, u"-3週"_s);
    row("positive week with a plus", 3, u"+#週"_s, u"+3週"_s);
    row("half rounds up", 0.5, u"#"_s, u"1"_s);
    row("1.5 rounds to 2", 1.5, u"#"_s, u"2"_s);
    row("2.5 rounds to 3, not to even", 2.5, u"#"_s, u"3"_s);
    row("minus half rounds away from zero", -0.5, u"#"_s, u"-1"_s);
    row("minus 0.4 rounds to nothing, no sign", -0.4, u"#"_s, QString());
    row("999.5 carries into a new group", 999.5, u"#,###"_s, u"1,000"_s);
    row("plain-number text", u"12345"_s, grouped, u"12,345 日"_s);
    row("text that is no number", u"abc"_s, grouped, QString());
    row("zero places show zeros", 5, u"000"_s, u"005"_s);
    row("zero place of zero", 0, u"0"_s, u"0"_s);
    row("grouping with zero places", 5, u"0,000"_s, u"0,005"_s);
    row("decimals round like they are written", 1.005, u"0.00"_s, u"1.01"_s);
    row("hash decimals drop trailing zeros", 2.5, u"#.##"_s, u"2.5"_s);
    row("hash decimals of a whole number keep the point", 3, u"#.##"_s, u"3."_s);
    row("decimals before any integer place", 12.25, u".##"_s, u"12.25"_s);
    row("big number grouped", 1e20, u"#,###"_s, u"100,000,000,000,000,000,000"_s);
    row("pattern without places is copied", 5, u"年"_s, u"年"_s);
    row("empty pattern gives the number", 84, QString(), u"84"_s);
    row("NaN gives nothing", std::numeric_limits<double>::quiet_NaN(), u"#"_s, QString());
    row("empty value gives nothing", Value(), grouped, QString());
}

void TestFormatDateTime::numberPatterns()
{
    QFETCH(Value, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatDateTime(value, pattern), expected);
}

void TestFormatDateTime::matchesQDateOnRandomDays()
{
    QRandomGenerator rng(20011008);
    const qint64 first = DateTime::fromDate(QDate(1900, 1, 1));
    const qint64 last = DateTime::fromDate(QDate(2100, 12, 31));
    for (int k = 0; k < 20000; ++k) {
        const qint64 day = first + qint64(rng.bounded(quint32(last - first + 1)));
        const int second = int(rng.bounded(86400));
        const double serial = double(day) + second / 86400.0;
        const QDate date = DateTime::epoch().addDays(day);
        const QTime time = QTime(0, 0).addSecs(second);
        const QString why = date.toString(Qt::ISODate) + u' ' + time.toString(Qt::ISODate);

        QVERIFY2(formatDateTime(serial, u"yyyy/mm/dd hh:nn:ss") ==
                     date.toString(u"yyyy/MM/dd") + u' ' + time.toString(u"HH:mm:ss"),
                 qPrintable(why));
        QVERIFY2(formatDateTime(serial, u"y") == QString::number(date.dayOfYear()),
                 qPrintable(why));
        QVERIFY2(formatDateTime(serial, u"w") == QString::number(date.dayOfWeek() % 7 + 1),
                 qPrintable(why));
        // Week k+1 starts on the k-th Sunday after 1 January.
        int week = 1;
        for (QDate d = QDate(date.year(), 1, 2); d <= date; d = d.addDays(1))
            week += d.dayOfWeek() == 7 ? 1 : 0;
        QVERIFY2(formatDateTime(serial, u"ww") == QString::number(week), qPrintable(why));
    }
}

void TestFormatDateTime::randomPatternsAndValues()
{
    // Any mix of tokens, places and literals: never a crash, and every token prints something.
    const QString alphabet = u"cdhmnswyaAMP/:#0,.+- 年日ｍ"_s;
    const Value values[] = {at(2001, 10, 8, 13, 5, 9),
                            at(100, 1, 1),
                            at(9999, 12, 31, 23, 59, 59),
                            0,
                            -0.5,
                            1e308,
                            -1e308,
                            5e-324,
                            std::numeric_limits<double>::quiet_NaN(),
                            u"2000/5/5 13:05:09"_s,
                            u"-12345.678"_s,
                            u"x"_s};
    QRandomGenerator rng(7);
    for (int k = 0; k < 20000; ++k) {
        QString pattern;
        const int len = 1 + int(rng.bounded(16));
        for (int i = 0; i < len; ++i)
            pattern.append(alphabet[int(rng.bounded(int(alphabet.size())))]);
        const Value &value = values[rng.bounded(int(std::size(values)))];
        const QString text = formatDateTime(value, pattern);
        QCOMPARE(formatDateTime(value, pattern), text);
        const std::optional<double> serial = DateTime::fromValue(value);
        if (serial && DateTime::fields(*serial) &&
            (pattern.contains(u'y') || pattern.contains(u'd')))
            QVERIFY2(!text.isEmpty() && text.size() >= pattern.size() / 6, qPrintable(pattern));
    }
}

QTEST_GUILESS_MAIN(TestFormatDateTime)
#include "tst_formatdatetime.moc"
