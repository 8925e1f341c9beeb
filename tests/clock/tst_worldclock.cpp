#include "appcontext.h"
#include "datetime.h"
#include "settings.h"
#include "worldclock.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum City { Japan, LosAngeles, Chicago, NewYork, Uk, Germany };

WorldClockState cityTable()
{
    WorldClockState world;
    initCityTable(world);
    return world;
}

// The local (Japanese) date-time at which a city's own clock reads cityTime.
QDateTime localAt(City city, const QDateTime &cityTime)
{
    static constexpr int hoursBehind[] = {0, 17, 15, 14, 9, 8};
    // Wall-clock arithmetic, free of the machine's own summer-time transitions.
    const QDateTime wall = QDateTime(cityTime.date(), cityTime.time(), Qt::UTC)
                               .addSecs(qint64(hoursBehind[city]) * 3600);
    return QDateTime(wall.date(), wall.time());
}

Settings rowsOn(std::array<int, 3> cities, qint16 autoDst)
{
    Settings s;
    for (size_t k = 0; k < 3; ++k) {
        s.rowCity[k] = cities[k];
        s.rowFormat[k] = 0;
    }
    s.autoDst = autoDst;
    s.showSeconds = 1;
    return s;
}

} // namespace

class TestWorldClock final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cityTable_();
    void dstDatesEveryYear_data();
    void dstDatesEveryYear();
    void knownDstDates();
    void cityDecisionAroundEachSwitch_data();
    void cityDecisionAroundEachSwitch();
    void runningThrough2002SwitchesAtLocalMidnights();
    void startedOnStartSundayEveningCountsThatSunday();
    void decideDstFillsDatesAndJapanStaysOff();
    void rowDstFlagAutomaticAndManual();
    void japanWithManualFlagGetsTheExtraHour();
    void handEditedRowValues();
    void clockRowTexts_data();
    void clockRowTexts();
    void formatOutsideTableLeavesCaption();
    void secondsOnlyWhenShowSecondsIsOne();
};

void TestWorldClock::initTestCase()
{
    // The arithmetic must not depend on the machine's own time zone or its transitions.
    qputenv("TZ", "Europe/Berlin");
}

void TestWorldClock::cityTable_()
{
    const WorldClockState w = cityTable();
    QCOMPARE(w.citySuffix, (std::array<QString, 6>{QString(), u"/LA"_s, u"/ｼｶｺﾞ"_s, u"/NY"_s,
                                                   u"(英)"_s, u"(独)"_s}));
    QCOMPARE(w.cityOffset[0], 0.0);
    QCOMPARE(w.cityOffset[1], -17 / 24.0);
    QCOMPARE(w.cityOffset[3], -14 / 24.0);
    QCOMPARE(w.cityOffset[5], -8 / 24.0);
    QCOMPARE(w.dstShift[0], 0.0);
    QCOMPARE(w.dstShift[1], 1 / 24.0);
    QCOMPARE(w.cityDstActive, (std::array<int, 6>{}));
}

void TestWorldClock::dstDatesEveryYear_data()
{
    QTest::addColumn<int>("year");
    for (int year = 2000; year <= 2040; ++year)
        QTest::addRow("%d", year) << year;
}

void TestWorldClock::dstDatesEveryYear()
{
    QFETCH(int, year);
    const auto check = [year](const QDate &d, int month, int firstDay, const char *what) {
        QVERIFY2(d.isValid() && d.year() == year && d.month() == month && d.dayOfWeek() == 7 &&
                     d.day() >= firstDay && d.day() <= firstDay + 6,
                 qPrintable(u"%1: %2"_s.arg(QLatin1StringView(what), d.toString(Qt::ISODate))));
    };
    check(naDstStart(year), 3, 8, "North-American start: second Sunday of March");
    check(naDstEnd(year), 11, 1, "North-American end: first Sunday of November");
    check(euDstStart(year), 3, 25, "European start: last Sunday of March");
    check(euDstEnd(year), 10, 25, "European end: last Sunday of October");
}

void TestWorldClock::knownDstDates()
{
    QCOMPARE(naDstStart(2007), QDate(2007, 3, 11));
    QCOMPARE(naDstEnd(2007), QDate(2007, 11, 4));
    QCOMPARE(naDstStart(2024), QDate(2024, 3, 10));
    QCOMPARE(naDstEnd(2024), QDate(2024, 11, 3));
    QCOMPARE(euDstStart(2002), QDate(2002, 3, 31));
    QCOMPARE(euDstEnd(2002), QDate(2002, 10, 27));
    QCOMPARE(euDstStart(2024), QDate(2024, 3, 31));
    QCOMPARE(euDstEnd(2024), QDate(2024, 10, 27));
    // A month beginning on a Sunday: that day is its first Sunday.
    QCOMPARE(naDstEnd(2026), QDate(2026, 11, 1));
}

void TestWorldClock::cityDecisionAroundEachSwitch_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("city");
    for (int year = 2000; year <= 2040; ++year) {
        for (int city = LosAngeles; city <= Germany; ++city)
            QTest::addRow("%d city %d", year, city) << year << city;
    }
}

void TestWorldClock::cityDecisionAroundEachSwitch()
{
    QFETCH(int, year);
    QFETCH(int, city);
    const WorldClockState w = cityTable();
    const bool na = city <= NewYork;
    const QDate start = na ? naDstStart(year) : euDstStart(year);
    const QDate end = na ? naDstEnd(year) : euDstEnd(year);
    const auto inForce = [&](const QDate &cityDate, const QTime &cityTime) {
        return cityDstInForce(w, city, localAt(City(city), QDateTime(cityDate, cityTime)));
    };
    // Whole days of the city's own standard-time date, both Sundays included.
    QVERIFY(!inForce(start.addDays(-1), QTime(23, 59, 59)));
    QVERIFY(inForce(start, QTime(0, 0, 0)));
    QVERIFY(inForce(start.addDays(1), QTime(12, 0, 0)));
    QVERIFY(inForce(end, QTime(23, 59, 59)));
    QVERIFY(!inForce(end.addDays(1), QTime(0, 0, 0)));
    QVERIFY(!inForce(QDate(year, 1, 15), QTime(12, 0)));
    QVERIFY(inForce(QDate(year, 7, 1), QTime(12, 0)));
    QVERIFY(!inForce(QDate(year, 12, 1), QTime(12, 0)));
    QVERIFY(!cityDstInForce(w, Japan, QDateTime(QDate(year, 7, 1), QTime(12, 0))));
}

void TestWorldClock::runningThrough2002SwitchesAtLocalMidnights()
{
    const WorldClockState w = cityTable();
    const auto at = [&](City c, int month, int day) {
        return cityDstInForce(w, c, QDateTime(QDate(2002, month, day), QTime(0, 0, 0)));
    };
    // UK: from the local midnight beginning Monday 1 April to the one beginning Tuesday 29 October.
    QVERIFY(!at(Uk, 3, 31));
    QVERIFY(at(Uk, 4, 1));
    QVERIFY(at(Uk, 10, 28));
    QVERIFY(!at(Uk, 10, 29));
    // Los Angeles under the rule in force: start Sunday 10 March, end Sunday 3 November.
    QVERIFY(!at(LosAngeles, 3, 10));
    QVERIFY(at(LosAngeles, 3, 11));
    QVERIFY(at(LosAngeles, 11, 4));
    QVERIFY(!at(LosAngeles, 11, 5));
}

void TestWorldClock::startedOnStartSundayEveningCountsThatSunday()
{
    const WorldClockState w = cityTable();
    // Sunday 31 March 2002, 20:00 in Japan: it is 11:00 that Sunday in the UK.
    QVERIFY(cityDstInForce(w, Uk, QDateTime(QDate(2002, 3, 31), QTime(20, 0))));
    // 08:00 in Japan is still Saturday 23:00 in the UK.
    QVERIFY(!cityDstInForce(w, Uk, QDateTime(QDate(2002, 3, 31), QTime(8, 0))));
}

void TestWorldClock::decideDstFillsDatesAndJapanStaysOff()
{
    WorldClockState w = cityTable();
    w.cityDstActive[0] = 1;
    decideDst(w, QDateTime(QDate(2001, 10, 8), QTime(13, 5, 9)));
    QCOMPARE(w.naDstStart, QDate(2001, 3, 11));
    QCOMPARE(w.naDstEnd, QDate(2001, 11, 4));
    QCOMPARE(w.euDstStart, QDate(2001, 3, 25));
    QCOMPARE(w.euDstEnd, QDate(2001, 10, 28));
    QCOMPARE(w.cityDstActive, (std::array<int, 6>{0, 1, 1, 1, 1, 1}));
    decideDst(w, QDateTime(QDate(2001, 12, 24), QTime(12, 0)));
    QCOMPARE(w.cityDstActive, (std::array<int, 6>{}));
}

void TestWorldClock::rowDstFlagAutomaticAndManual()
{
    WorldClockState w = cityTable();
    decideDst(w, QDateTime(QDate(2001, 7, 1), QTime(12, 0)));
    Settings s = rowsOn({Japan, NewYork, Germany}, 1);
    s.rowManualDst = {1, 0, 0};
    QCOMPARE(rowDstFlag(s, w, 0), 0);
    QCOMPARE(rowDstFlag(s, w, 1), 1);
    QCOMPARE(rowDstFlag(s, w, 2), 1);
    s.autoDst = 0;
    QCOMPARE(rowDstFlag(s, w, 0), 1);
    QCOMPARE(rowDstFlag(s, w, 1), 0);
    QCOMPARE(rowDstFlag(s, w, 2), 0);
}

void TestWorldClock::japanWithManualFlagGetsTheExtraHour()
{
    const WorldClockState w = cityTable();
    Settings s = rowsOn({Japan, Japan, Japan}, 0);
    s.rowManualDst = {1, 0, 0};
    const double now = DateTime::fromQDateTime(QDateTime(QDate(2001, 10, 8), QTime(13, 5, 9)));
    QCOMPARE(rowTime(s, w, 0, now), now + 1 / 24.0);
    QCOMPARE(rowTime(s, w, 1, now), now);
    QCOMPARE(*clockRowText(s, w, 0, now), u" 10月8日(月) 14時05分09秒"_s);
    s.autoDst = 1; // automatic summer time never gives Japan the hour
    QCOMPARE(rowTime(s, w, 0, now), now);
}

void TestWorldClock::handEditedRowValues()
{
    WorldClockState w = cityTable();
    decideDst(w, QDateTime(QDate(2001, 7, 1), QTime(12, 0)));
    Settings s = rowsOn({7, -1, 0}, 0);
    s.rowCity[2] = Value(1e9);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(rowCityIndex(s, k), 0);
    s.rowManualDst = {3, 2, -1};
    QCOMPARE(rowManualDstFlag(s, 0), 1);
    QCOMPARE(rowManualDstFlag(s, 1), 0);
    QCOMPARE(rowManualDstFlag(s, 2), 1);
    const double now = DateTime::fromQDateTime(QDateTime(QDate(2001, 10, 8), QTime(13, 5, 9)));
    QCOMPARE(rowTime(s, w, 1, now), now);
    QCOMPARE(rowTime(s, w, 0, now), now + 1 / 24.0);
    s.autoDst = 1;
    QCOMPARE(rowDstFlag(s, w, 0), 0);
}

void TestWorldClock::clockRowTexts_data()
{
    QTest::addColumn<int>("city");
    QTest::addColumn<int>("format");
    QTest::addColumn<QTime>("local");
    QTest::addColumn<qint16>("autoDst");
    QTest::addColumn<QString>("text");
    const QTime t(13, 5, 9);
    QTest::newRow("format 0") << 0 << 0 << t << qint16(0) << u" 10月8日(月) 13時05分09秒"_s;
    QTest::newRow("format 1") << 0 << 1 << t << qint16(0) << u" 10月8日(月) 13：05：09"_s;
    QTest::newRow("format 2") << 0 << 2 << t << qint16(0) << u" 10月8日 月 PM 01：05：09"_s;
    QTest::newRow("format 3") << 0 << 3 << t << qint16(0) << u" Oct/8/(Mon) 13：05：09"_s;
    QTest::newRow("format 4") << 0 << 4 << t << qint16(0) << u" 10/8/(月) 13：05：09"_s;
    QTest::newRow("format 5") << 0 << 5 << t << qint16(0) << u" 10/8/月 pm 01：05:09"_s;
    QTest::newRow("format 6") << 0 << 6 << t << qint16(0) << u" 10/8/月 PM 01：05:09"_s;
    QTest::newRow("format 2 just after midnight")
        << 0 << 2 << QTime(0, 5, 9) << qint16(0) << u" 10月8日 月 AM 12：05：09"_s;
    QTest::newRow("Los Angeles crosses midnight")
        << 1 << 0 << QTime(8, 0, 0) << qint16(0) << u" 10月7日(日) 15時00分00秒/LA"_s;
    QTest::newRow("New York with summer time")
        << 3 << 0 << t << qint16(1) << u" 10月8日(月) 00時05分09秒/NY"_s;
    QTest::newRow("New York with summer time off")
        << 3 << 0 << t << qint16(0) << u" 10月7日(日) 23時05分09秒/NY"_s;
    QTest::newRow("Germany with summer time")
        << 5 << 1 << t << qint16(1) << u" 10月8日(月) 06：05：09(独)"_s;
}

void TestWorldClock::clockRowTexts()
{
    QFETCH(int, city);
    QFETCH(int, format);
    QFETCH(QTime, local);
    QFETCH(qint16, autoDst);
    QFETCH(QString, text);
    WorldClockState w = cityTable();
    const QDateTime now(QDate(2001, 10, 8), local);
    decideDst(w, now);
    Settings s = rowsOn({city, 0, 0}, autoDst);
    s.rowFormat[0] = format;
    QCOMPARE(clockRowText(s, w, 0, DateTime::fromQDateTime(now)), std::optional<QString>(text));
}

void TestWorldClock::formatOutsideTableLeavesCaption()
{
    const WorldClockState w = cityTable();
    Settings s = rowsOn({0, 0, 0}, 0);
    for (const Value &format : {Value(7), Value(-1), Value(2.5), Value(1e9), Value(u"9"_s)}) {
        s.rowFormat[0] = format;
        QVERIFY2(!clockRowText(s, w, 0, 37172.5).has_value(), qPrintable(format.toText()));
    }
    s.rowFormat[0] = Value(u"3"_s); // a number written as text is that number
    QVERIFY(clockRowText(s, w, 0, 37172.5).has_value());
}

void TestWorldClock::secondsOnlyWhenShowSecondsIsOne()
{
    const WorldClockState w = cityTable();
    Settings s = rowsOn({0, 0, 0}, 0);
    const double now = DateTime::fromQDateTime(QDateTime(QDate(2001, 10, 8), QTime(13, 5, 9)));
    for (qint16 seconds : {qint16(0), qint16(2)}) {
        s.showSeconds = seconds;
        QCOMPARE(*clockRowText(s, w, 0, now), u" 10月8日(月) 13時05分"_s);
    }
    s.showSeconds = 1;
    QCOMPARE(*clockRowText(s, w, 0, now), u" 10月8日(月) 13時05分09秒"_s);
}

QTEST_APPLESS_MAIN(TestWorldClock)
#include "tst_worldclock.moc"
