#include "greeting.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestGreeting final : public QObject
{
    Q_OBJECT
private slots:
    void greetingAtLimits_data();
    void greetingAtLimits();
    void timeOutsideTheDayGivesQuestionMarks();
    void firstOfJanuaryIsDayOneWeekOne_data();
    void firstOfJanuaryIsDayOneWeekOne();
    void weekAdvancesOnSundaysOnly();
    void leapYearBeginningOnSaturdayEndsInWeek54();
    void commonYearEndsOnDay365();
    void panelTextFirstLineAndWord();
    void panelTextIgnoresSeconds();
    void panelTextWithEmptyWord();
};

void TestGreeting::greetingAtLimits_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("greeting");
    const auto row = [](int h, int m, const QString &g) {
        QTest::addRow("%02d:%02d", h, m) << h << m << g;
    };
    row(0, 0, u"おはようございます"_s);
    row(8, 28, u"おはようございます"_s);
    row(8, 29, u"今日も一日楽しくね"_s);
    row(10, 0, u"今日も一日楽しくね"_s);
    row(10, 1, u"お茶にしませんか"_s);
    row(10, 31, u"お茶にしませんか"_s);
    row(10, 32, u"こんにちは"_s);
    row(11, 45, u"こんにちは"_s);
    row(11, 46, u"そろそろお昼ですよ"_s);
    row(12, 0, u"そろそろお昼ですよ"_s);
    row(12, 1, u"こんにちは"_s);
    row(15, 1, u"こんにちは"_s);
    row(15, 2, u"お茶にしませんか"_s);
    row(15, 31, u"お茶にしませんか"_s);
    row(15, 32, u"こんにちは"_s);
    row(17, 31, u"こんにちは"_s);
    row(17, 32, u"残業ですか"_s);
    row(19, 0, u"残業ですか"_s);
    row(19, 1, u"今晩は"_s);
    row(20, 0, u"今晩は"_s);
    row(20, 1, u"お疲れさん"_s);
    row(23, 59, u"お疲れさん"_s);
}

void TestGreeting::greetingAtLimits()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, greeting);
    QCOMPARE(greetingFor(hour, minute), greeting);
}

void TestGreeting::timeOutsideTheDayGivesQuestionMarks()
{
    QCOMPARE(greetingFor(24, 0), u"????"_s);
    QCOMPARE(greetingFor(-1, 30), u"????"_s);
    QCOMPARE(greetingFor(12, 60), u"????"_s);
}

void TestGreeting::firstOfJanuaryIsDayOneWeekOne_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("weekday"); // Qt: Monday 1 .. Sunday 7
    for (int year : {2006, 2007, 2008, 2003, 2004, 2010, 2005}) {
        const QDate d(year, 1, 1);
        QTest::addRow("%d begins on %s", year, qPrintable(QLocale::c().dayName(d.dayOfWeek())))
            << year << d.dayOfWeek();
    }
}

void TestGreeting::firstOfJanuaryIsDayOneWeekOne()
{
    QFETCH(int, year);
    QFETCH(int, weekday);
    const QDate first(year, 1, 1);
    QCOMPARE(first.dayOfWeek(), weekday);
    QCOMPARE(dayOfYear(first), 1);
    QCOMPARE(weekOfYear(first), 1);
    // The first Sunday after 1 January opens week 2 (a Saturday start gives 2 January).
    QDate nextSunday = first.addDays(1);
    while (nextSunday.dayOfWeek() != 7)
        nextSunday = nextSunday.addDays(1);
    QCOMPARE(weekOfYear(nextSunday.addDays(-1)), 1);
    QCOMPARE(weekOfYear(nextSunday), 2);
}

void TestGreeting::weekAdvancesOnSundaysOnly()
{
    for (QDate d(2000, 1, 1); d.year() <= 2030; d = d.addDays(1)) {
        if (d.dayOfYear() == 1) {
            QCOMPARE(weekOfYear(d), 1);
            continue;
        }
        const int expected = weekOfYear(d.addDays(-1)) + (d.dayOfWeek() == 7 ? 1 : 0);
        QVERIFY2(weekOfYear(d) == expected, qPrintable(d.toString(Qt::ISODate)));
        QCOMPARE(dayOfYear(d), dayOfYear(d.addDays(-1)) + 1);
    }
}

void TestGreeting::leapYearBeginningOnSaturdayEndsInWeek54()
{
    QCOMPARE(QDate(2000, 1, 1).dayOfWeek(), 6);
    QCOMPARE(weekOfYear(QDate(2000, 1, 2)), 2);
    QCOMPARE(dayOfYear(QDate(2000, 12, 31)), 366);
    QCOMPARE(weekOfYear(QDate(2000, 12, 31)), 54);
}

void TestGreeting::commonYearEndsOnDay365()
{
    QCOMPARE(dayOfYear(QDate(2001, 12, 31)), 365);
    QCOMPARE(weekOfYear(QDate(2001, 12, 31)), 53);
}

void TestGreeting::panelTextFirstLineAndWord()
{
    // 5 June 2001 is day 156 of week 23.
    const QDateTime now(QDate(2001, 6, 5), QTime(14, 0, 0));
    QCOMPARE(panelText(now, u"一行目\r\n二行目"_s),
             u"こんにちは【今日の言葉】156日23週\r\n一行目\r\n二行目"_s);
}

void TestGreeting::panelTextIgnoresSeconds()
{
    const QDateTime now(QDate(2001, 6, 5), QTime(8, 28, 59));
    QVERIFY(panelText(now, u"x"_s).startsWith(u"おはようございます【今日の言葉】"_s));
}

void TestGreeting::panelTextWithEmptyWord()
{
    const QDateTime now(QDate(2000, 12, 31), QTime(23, 0, 0));
    QCOMPARE(panelText(now, QString()), u"お疲れさん【今日の言葉】366日54週\r\n"_s);
}

QTEST_APPLESS_MAIN(TestGreeting)
#include "tst_greeting.moc"
