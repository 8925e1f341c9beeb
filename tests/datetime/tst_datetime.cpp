#include "datetime.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

class TestDateTime final : public QObject
{
    Q_OBJECT

private slots:
    void fromValueReads_data();
    void fromValueReads();
    void fromValueRefuses_data();
    void fromValueRefuses();
    void fromValueSurvivesGarbage();
    void helpersRoundToTheSecond();
    void supportedRange();
    void fieldsMatchQDate();
};

void TestDateTime::fromValueReads_data()
{
    QTest::addColumn<Value>("value");
    QTest::addColumn<QDateTime>("expected");
    auto row = [](const char *name, const Value &v, QDate d, QTime t = QTime(0, 0)) {
        QTest::newRow(name) << v << QDateTime(d, t);
    };
    row("number unchanged", 84.25, QDate(1900, 3, 24), QTime(6, 0));
    row("holiday date", u"2001/2/11"_s, QDate(2001, 2, 11));
    row("leading zeros", u"2001/02/05"_s, QDate(2001, 2, 5));
    row("hyphens", u"2001-2-11"_s, QDate(2001, 2, 11));
    row("date and time", u"2000/5/5 13:05:09"_s, QDate(2000, 5, 5), QTime(13, 5, 9));
    row("date and time without seconds", u"2000/5/5 13:05"_s, QDate(2000, 5, 5), QTime(13, 5));
    row("what c writes", u"2001/10/08 9:05:09"_s, QDate(2001, 10, 8), QTime(9, 5, 9));
    row("blanks around", u"  2000/5/5\t "_s, QDate(2000, 5, 5));
    row("several blanks before the time", u"2000/5/5   1:02:03"_s, QDate(2000, 5, 5),
        QTime(1, 2, 3));
    row("29 February of a leap year", u"2000/2/29"_s, QDate(2000, 2, 29));
    row("time alone is day 0", u"13:05:09"_s, QDate(1899, 12, 30), QTime(13, 5, 9));
    row("numeric text", u"42"_s, QDate(1900, 2, 10));
    row("numeric text with a fraction", u" 42.5 "_s, QDate(1900, 2, 10), QTime(12, 0));
    row("year 100", u"0100/1/1"_s, QDate(100, 1, 1));
    row("year 9999", u"9999/12/31 23:59:59"_s, QDate(9999, 12, 31), QTime(23, 59, 59));
}

void TestDateTime::fromValueReads()
{
    QFETCH(Value, value);
    QFETCH(QDateTime, expected);
    const std::optional<double> serial = DateTime::fromValue(value);
    QVERIFY(serial);
    QCOMPARE(DateTime::toQDateTime(*serial), expected);
    QCOMPARE(*serial, DateTime::fromQDateTime(expected));
}

void TestDateTime::fromValueRefuses_data()
{
    QTest::addColumn<Value>("value");
    QTest::newRow("word") << Value(u"abc"_s);
    QTest::newRow("separators only") << Value(u"//"_s);
    QTest::newRow("30 February") << Value(u"2001/2/30"_s);
    QTest::newRow("29 February of a common year") << Value(u"1900/2/29"_s);
    QTest::newRow("month 13") << Value(u"2001/13/1"_s);
    QTest::newRow("month 0") << Value(u"2001/0/1"_s);
    QTest::newRow("day 0") << Value(u"2001/1/0"_s);
    QTest::newRow("two-digit year") << Value(u"01/2/5"_s);
    QTest::newRow("five-digit year") << Value(u"20011/2/5"_s);
    QTest::newRow("year before 100") << Value(u"0099/12/31"_s);
    QTest::newRow("year and month only") << Value(u"2001/2"_s);
    QTest::newRow("mixed separators") << Value(u"2001/2-11"_s);
    QTest::newRow("three-digit month") << Value(u"2001/002/1"_s);
    QTest::newRow("trailing letters") << Value(u"2001/2/11x"_s);
    QTest::newRow("hour 24") << Value(u"2001/2/11 24:00"_s);
    QTest::newRow("minute 60") << Value(u"2001/2/11 12:60"_s);
    QTest::newRow("second 60") << Value(u"2001/2/11 12:00:60"_s);
    QTest::newRow("hour alone") << Value(u"2001/2/11 12"_s);
    QTest::newRow("text after the time") << Value(u"2001/2/11 12:00:00 x"_s);
    QTest::newRow("time glued to the date") << Value(u"2001/2/11/12:00"_s);
    QTest::newRow("full-width digits") << Value(u"２００１/２/１１"_s);
    QTest::newRow("empty text") << Value(QString());
    QTest::newRow("empty value") << Value();
    QTest::newRow("NaN") << Value(std::numeric_limits<double>::quiet_NaN());
    QTest::newRow("infinity") << Value(-std::numeric_limits<double>::infinity());
}

void TestDateTime::fromValueRefuses()
{
    QFETCH(Value, value);
    QCOMPARE(DateTime::fromValue(value), std::nullopt);
}

void TestDateTime::fromValueSurvivesGarbage()
{
    // Bits of dates in any order: whatever is accepted must be a real, supported date-time.
    const QString alphabet = u"0123456789/-: .x年"_s;
    QRandomGenerator rng(42);
    for (int k = 0; k < 20000; ++k) {
        QString text;
        const int len = int(rng.bounded(22));
        for (int i = 0; i < len; ++i)
            text.append(alphabet[int(rng.bounded(int(alphabet.size())))]);
        const std::optional<double> serial = DateTime::fromValue(text);
        if (serial && !std::isfinite(*serial))
            QFAIL(qPrintable(u"not finite: "_s + text));
        if (serial && text.contains(u'/'))
            QVERIFY2(DateTime::fields(*serial).has_value(), qPrintable(text));
    }
}

void TestDateTime::helpersRoundToTheSecond()
{
    const double lateEvening =
        DateTime::fromQDateTime(QDateTime(QDate(2001, 10, 8), QTime(23, 59, 59)));
    QCOMPARE(DateTime::toDate(lateEvening + 0.6 / 86400), QDate(2001, 10, 9));
    QCOMPARE(DateTime::toTime(lateEvening + 0.6 / 86400), QTime(0, 0));
    QCOMPARE(DateTime::toTime(lateEvening + 0.4 / 86400), QTime(23, 59, 59));
    QCOMPARE(DateTime::toDate(0), QDate(1899, 12, 30));
    QCOMPARE(DateTime::toDate(2), QDate(1900, 1, 1));
    // Adding hours is plain arithmetic: 10 hours back from 08:00 is the previous evening.
    const double morning = DateTime::fromQDateTime(QDateTime(QDate(2001, 1, 1), QTime(8, 0)));
    QCOMPARE(DateTime::toQDateTime(morning - 10.0 / 24),
             QDateTime(QDate(2000, 12, 31), QTime(22, 0)));
    const std::optional<DateTime::Fields> f = DateTime::fields(morning + 59.7 / 86400);
    QVERIFY(f);
    QCOMPARE(f->hour, 8);
    QCOMPARE(f->minute, 1);
    QCOMPARE(f->second, 0);
}

void TestDateTime::supportedRange()
{
    QCOMPARE(DateTime::toDate(double(DateTime::firstDay)), QDate(100, 1, 1));
    QCOMPARE(DateTime::toDate(double(DateTime::lastDay)), QDate(9999, 12, 31));
    QVERIFY(DateTime::fields(double(DateTime::lastDay) + 86399.0 / 86400));
    QVERIFY(!DateTime::fields(double(DateTime::lastDay) + 1));
    QVERIFY(!DateTime::fields(double(DateTime::firstDay) - 0.5));
    QVERIFY(!DateTime::toDate(double(DateTime::lastDay) + 1).isValid());
    QVERIFY(!DateTime::toDate(std::numeric_limits<double>::quiet_NaN()).isValid());
    QVERIFY(!DateTime::fields(1e300));
    QCOMPARE(DateTime::fromParts(2001, 2, 29), std::nullopt);
    QCOMPARE(DateTime::fromParts(2001, 2, 28, 24), std::nullopt);
    QCOMPARE(DateTime::daysInMonth(2000, 2), 29);
    QCOMPARE(DateTime::daysInMonth(1900, 2), 28);
    QCOMPARE(DateTime::daysInMonth(2001, 13), 0);
}

void TestDateTime::fieldsMatchQDate()
{
    QRandomGenerator rng(8);
    const qint64 span = DateTime::lastDay - DateTime::firstDay + 1;
    for (int k = 0; k < 50000; ++k) {
        const qint64 day = DateTime::firstDay + qint64(rng.bounded(quint32(span)));
        const QDate date = DateTime::epoch().addDays(day);
        const std::optional<DateTime::Fields> f = DateTime::fields(double(day) + 0.25);
        const QString why = date.toString(Qt::ISODate);
        QVERIFY2(f, qPrintable(why));
        QVERIFY2(f->year == date.year() && f->month == date.month() && f->day == date.day(),
                 qPrintable(why));
        QVERIFY2(f->dayOfYear == date.dayOfYear(), qPrintable(why));
        QVERIFY2(f->weekday == date.dayOfWeek() % 7 + 1, qPrintable(why));
        QVERIFY2(f->hour == 6 && f->minute == 0, qPrintable(why));
        QCOMPARE(DateTime::fromParts(f->year, f->month, f->day, 6), double(day) + 0.25);
        QCOMPARE(DateTime::fromDate(date), double(day));
    }
}

QTEST_GUILESS_MAIN(TestDateTime)
#include "tst_datetime.moc"
