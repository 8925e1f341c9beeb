#include "bioadvice.h"
#include "biocalc.h"
#include "fakeplatform.h"
#include "settings.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

using namespace Qt::StringLiterals;

class TstBioCalc final : public QObject
{
    Q_OBJECT
private slots:
    void daysAlive_data();
    void daysAlive();
    void notARealDate_data();
    void notARealDate();
    void daysAliveMatchesPlainDayCount();
    void cycleValueUsesTheShortPi();
    void cycleValueStaysInRange();
    void phase_data();
    void phase();
    void phaseLimits_data();
    void phaseLimits();
    void daysText_data();
    void daysText();
    void yearsText_data();
    void yearsText();
    void targetAndWeeksDefaults_data();
    void targetAndWeeksDefaults();
    void chartWeeksUsed_data();
    void chartWeeksUsed();
    void birthDefault_data();
    void birthDefault();
    void emptyBirthYearOnToday();
    void calculationTexts_data();
    void calculationTexts();
    void advice_data();
    void advice();
};

void TstBioCalc::daysAlive_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("expected");
    QTest::newRow("new year's eve to new year's day") << u"1999"_s << u"12"_s << u"31"_s << u"2000/1/1"_s << 1;
    QTest::newRow("through the leap year 2000") << u"2000"_s << u"1"_s << u"1"_s << u"2000/12/31"_s << 365;
    QTest::newRow("two years across a leap day") << u"1999"_s << u"3"_s << u"1"_s << u"2001/3/1"_s << 731;
    QTest::newRow("birth later in the target's year is negative")
        << u"2001"_s << u"3"_s << u"1"_s << u"2001/2/1"_s << -28;
    QTest::newRow("birth year after the target year keeps the year count")
        << u"2005"_s << u"6"_s << u"1"_s << u"2001/2/5"_s << 249;
    QTest::newRow("same day is 0") << u"2001"_s << u"2"_s << u"5"_s << u"2001/2/5"_s << 0;
    QTest::newRow("target with a time of day") << u"2001"_s << u"10"_s << u"01"_s
                                                << u"2001/10/08 13:05:09"_s << 7;
    QTest::newRow("leading zeros in the boxes") << u"1999"_s << u"02"_s << u"05"_s << u"2001/02/05"_s << 731;
    QTest::newRow("born 1900, beyond 16 bits") << u"1900"_s << u"1"_s << u"1"_s << u"2025/6/1"_s << 45807;
}

void TstBioCalc::daysAlive()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, target);
    QFETCH(int, expected);
    const std::optional<int> days = daysAliveBetween(year, month, day, target);
    QVERIFY2(days.has_value(), "a real date pair must give a count");
    QCOMPARE(*days, expected);
}

void TstBioCalc::notARealDate_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("target");
    QTest::newRow("30 February") << u"2001"_s << u"2"_s << u"30"_s << u"2001/3/1"_s;
    QTest::newRow("29 February of a common year") << u"1999"_s << u"2"_s << u"29"_s << u"2001/3/1"_s;
    QTest::newRow("three empty target boxes") << u"1999"_s << u"12"_s << u"31"_s << u"//"_s;
    QTest::newRow("letters in the birth year") << u"abcd"_s << u"1"_s << u"1"_s << u"2001/3/1"_s;
    QTest::newRow("letters in the month") << u"1999"_s << u"1x"_s << u"1"_s << u"2001/3/1"_s;
    QTest::newRow("target month 13") << u"1999"_s << u"1"_s << u"1"_s << u"2001/13/1"_s;
    QTest::newRow("empty target") << u"1999"_s << u"1"_s << u"1"_s << QString();
    QTest::newRow("target in letters") << u"1999"_s << u"1"_s << u"1"_s << u"today"_s;
}

void TstBioCalc::notARealDate()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, target);
    QCOMPARE(daysAliveBetween(year, month, day, target), std::nullopt);
}

void TstBioCalc::daysAliveMatchesPlainDayCount()
{
    // For a birth not after the target the year-by-year count is the plain difference of days.
    QRandomGenerator random(20011008);
    const qint64 first = QDate(1900, 1, 1).toJulianDay();
    const qint64 last = QDate(2100, 12, 31).toJulianDay();
    for (int i = 0; i < 5000; ++i) {
        QDate a = QDate::fromJulianDay(first + qint64(random.bounded(quint32(last - first + 1))));
        QDate b = QDate::fromJulianDay(first + qint64(random.bounded(quint32(last - first + 1))));
        if (b < a)
            std::swap(a, b);
        const std::optional<int> days =
            daysAliveBetween(QString::number(a.year()), QString::number(a.month()),
                             QString::number(a.day()), b.toString(u"yyyy/M/d"));
        QVERIFY2(days.has_value(), qPrintable(a.toString(Qt::ISODate) + u' ' + b.toString(Qt::ISODate)));
        QVERIFY2(qint64(*days) == a.daysTo(b),
                 qPrintable(a.toString(Qt::ISODate) + u" to "_s + b.toString(Qt::ISODate) +
                            u" gave "_s + QString::number(*days)));
    }
}

void TstBioCalc::cycleValueUsesTheShortPi()
{
    // The shortened pi shifts far days measurably from full precision; the chart keeps it.
    const double shortPi = 3.141592653589;
    QCOMPARE(cycleValue(0, 12345, 7), 100.0 * std::sin(2 * shortPi * 12352 / 23));
    QCOMPARE(cycleValue(1, 12345, -21), 100.0 * std::sin(2 * shortPi * 12324 / 28));
    QCOMPARE(cycleValue(2, 12345, 0), 100.0 * std::sin(2 * shortPi * 12345 / 33));
    QVERIFY(std::fabs(cycleValue(0, 6, 0) - 99.767) < 0.01);
    QCOMPARE(cycleValue(1, 7, 0), 100.0);
}

void TstBioCalc::cycleValueStaysInRange()
{
    for (int cycle = 0; cycle < Bio::cycleCount; ++cycle) {
        for (int t = -21; t <= 21; ++t) {
            const double v = cycleValue(cycle, 45807, t);
            QVERIFY2(v >= -100 && v <= 100, qPrintable(QString::number(v)));
        }
    }
    QVERIFY(std::fabs(cycleValue(0, 0, 0)) < 1e-9);
    QVERIFY(cycleValue(0, 0, 1) > 0); // rising through the target day
}

void TstBioCalc::phase_data()
{
    QTest::addColumn<int>("cycle");
    QTest::addColumn<int>("days");
    QTest::addColumn<BioPhase>("expected");
    for (int cycle = 0; cycle < 3; ++cycle)
        QTest::addRow("day 0, cycle %d, at the zero crossing", cycle) << cycle << 0 << BioPhase::Caution;
    QTest::newRow("physical day 6 near its peak") << 0 << 6 << BioPhase::High;
    QTest::newRow("physical day 17 near its trough") << 0 << 17 << BioPhase::Low;
    QTest::newRow("physical day 23 back at zero") << 0 << 23 << BioPhase::Caution;
    QTest::newRow("emotional day 7 at its peak") << 1 << 7 << BioPhase::High;
    QTest::newRow("emotional day 21 at its trough") << 1 << 21 << BioPhase::Low;
    QTest::newRow("emotional day 14 half way") << 1 << 14 << BioPhase::Caution;
    QTest::newRow("intellectual day 8") << 2 << 8 << BioPhase::High;
    QTest::newRow("intellectual day 25") << 2 << 25 << BioPhase::Low;
    QTest::newRow("physical day -6 before the birth") << 0 << -6 << BioPhase::Low;
}

void TstBioCalc::phase()
{
    QFETCH(int, cycle);
    QFETCH(int, days);
    QFETCH(BioPhase, expected);
    QCOMPARE(cyclePhase(cycle, days), expected);
}

void TstBioCalc::phaseLimits_data()
{
    QTest::addColumn<double>("sine");
    QTest::addColumn<BioPhase>("expected");
    QTest::newRow("top") << 1.0 << BioPhase::High;
    QTest::newRow("exactly 0.1 is high") << 0.1 << BioPhase::High;
    QTest::newRow("just below 0.1") << 0.0999999 << BioPhase::Caution;
    QTest::newRow("zero") << 0.0 << BioPhase::Caution;
    QTest::newRow("exactly -0.1 is caution") << -0.1 << BioPhase::Caution;
    QTest::newRow("just below -0.1") << -0.1000001 << BioPhase::Low;
    QTest::newRow("bottom") << -1.0 << BioPhase::Low;
}

void TstBioCalc::phaseLimits()
{
    QFETCH(double, sine);
    QFETCH(BioPhase, expected);
    QCOMPARE(phaseForSine(sine), expected);
}

void TstBioCalc::daysText_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("expected");
    QTest::newRow("grouped thousands") << 12345 << u"生存日数　12,345 日"_s;
    QTest::newRow("zero prints no digits") << 0 << u"生存日数　 日"_s;
    QTest::newRow("under a thousand") << 731 << u"生存日数　731 日"_s;
    QTest::newRow("millions") << 1234567 << u"生存日数　1,234,567 日"_s;
    QTest::newRow("negative") << -28 << u"生存日数　-28 日"_s;
}

void TstBioCalc::daysText()
{
    QFETCH(int, days);
    QFETCH(QString, expected);
    QCOMPARE(daysAliveText(days), expected);
}

void TstBioCalc::yearsText_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("expected");
    QTest::newRow("day 0 lies in 1899") << 0 << u"生存年数　    99 年"_s;
    QTest::newRow("day 1 still 1899") << 1 << u"生存年数　    99 年"_s;
    QTest::newRow("day 2 is 1900") << 2 << u"生存年数　    00 年"_s;
    QTest::newRow("10000 days is 1927") << 10000 << u"生存年数　    27 年"_s;
    QTest::newRow("born 1900, 45807 days") << 45807 << u"生存年数　    25 年"_s;
}

void TstBioCalc::yearsText()
{
    QFETCH(int, days);
    QFETCH(QString, expected);
    QCOMPARE(yearsAliveText(days), expected);
}

void TstBioCalc::targetAndWeeksDefaults_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Value>("weeks");
    QTest::addColumn<QString>("expectedTarget");
    QTest::addColumn<Value>("expectedWeeks");
    QTest::newRow("empty target becomes now, 0 weeks 3")
        << QString() << Value(0) << u"2001/10/08 13:05:09"_s << Value(3);
    QTest::newRow("two slashes are not empty and stay") << u"//"_s << Value(2) << u"//"_s << Value(2);
    QTest::newRow("negative weeks") << u"2001/2/5"_s << Value(-1) << u"2001/2/5"_s << Value(3);
    QTest::newRow("empty weeks") << u"2001/2/5"_s << Value() << u"2001/2/5"_s << Value(3);
    QTest::newRow("a fraction of a week") << u"2001/2/5"_s << Value(0.3) << u"2001/2/5"_s << Value(3);
    QTest::newRow("weeks as text") << u"2001/2/5"_s << Value(u"4"_s) << u"2001/2/5"_s << Value(u"4"_s);
}

void TstBioCalc::targetAndWeeksDefaults()
{
    QFETCH(QString, target);
    QFETCH(Value, weeks);
    QFETCH(QString, expectedTarget);
    QFETCH(Value, expectedWeeks);
    FakePlatform platform;
    Settings settings;
    settings.bioWeeks = weeks;
    applyTargetDefaults(settings, target, platform.now());
    QCOMPARE(target, expectedTarget);
    QVERIFY(settings.bioWeeks == expectedWeeks);
}

void TstBioCalc::chartWeeksUsed_data()
{
    QTest::addColumn<Value>("weeks");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero") << Value(0) << 3;
    QTest::newRow("minus one") << Value(-1) << 3;
    QTest::newRow("two") << Value(2) << 2;
    QTest::newRow("text") << Value(u"5"_s) << 5;
    QTest::newRow("hand-edited huge count is capped") << Value(1.0e12) << Bio::maxWeeks;
}

void TstBioCalc::chartWeeksUsed()
{
    QFETCH(Value, weeks);
    QFETCH(int, expected);
    QCOMPARE(chartWeeks(weeks), expected);
}

void TstBioCalc::birthDefault_data()
{
    QTest::addColumn<Value>("year");
    QTest::addColumn<QString>("expectedYear");
    QTest::addColumn<QString>("expectedMonth");
    QTest::addColumn<QString>("expectedDay");
    QTest::newRow("empty year becomes today") << Value() << u"2001"_s << u"10"_s << u"08"_s;
    QTest::newRow("letters read as 0") << Value(u"abc"_s) << u"2001"_s << u"10"_s << u"08"_s;
    QTest::newRow("a stored year stays") << Value(u"1999"_s) << u"1999"_s << u"12"_s << u"31"_s;
}

void TstBioCalc::birthDefault()
{
    QFETCH(Value, year);
    QFETCH(QString, expectedYear);
    QFETCH(QString, expectedMonth);
    QFETCH(QString, expectedDay);
    FakePlatform platform;
    Settings settings;
    settings.birthYear = year;
    settings.birthMonth = Value(u"12"_s);
    settings.birthDay = Value(u"31"_s);
    applyBirthDefault(settings, platform.now());
    QCOMPARE(settings.birthYear.toText(), expectedYear);
    QCOMPARE(settings.birthMonth.toText(), expectedMonth);
    QCOMPARE(settings.birthDay.toText(), expectedDay);
}

void TstBioCalc::emptyBirthYearOnToday()
{
    FakePlatform platform;
    Settings settings;
    QString target;
    applyTargetDefaults(settings, target, platform.now());
    applyBirthDefault(settings, platform.now());
    const BioCalculation calc = calculateBio(settings, target);
    QCOMPARE(calc.daysAlive, std::optional<int>(0));
    QCOMPARE(calc.daysAliveText, u"生存日数　 日"_s);
    QCOMPARE(calc.yearsAliveText, u"生存年数　    99 年"_s);
    QCOMPARE(calc.birthText, u"2001/10/08生"_s);
}

void TstBioCalc::calculationTexts_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("charted");
    QTest::addColumn<QString>("birthText");
    QTest::newRow("valid dates") << u"1999"_s << u"12"_s << u"31"_s << u"2000/1/1"_s << true
                                 << u"1999/12/31生"_s;
    QTest::newRow("birth on 30 February") << u"1999"_s << u"2"_s << u"30"_s << u"2000/1/1"_s << false
                                          << u"生年月日が正しくありません"_s;
    QTest::newRow("empty target boxes") << u"1999"_s << u"12"_s << u"31"_s << u"//"_s << false
                                        << u"表示日が正しくありません"_s;
    QTest::newRow("both wrong names the birth date") << u"1999"_s << u"13"_s << u"1"_s << u"//"_s
                                                     << false << u"生年月日が正しくありません"_s;
}

void TstBioCalc::calculationTexts()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, target);
    QFETCH(bool, charted);
    QFETCH(QString, birthText);
    Settings settings;
    settings.birthYear = Value(year);
    settings.birthMonth = Value(month);
    settings.birthDay = Value(day);
    const BioCalculation calc = calculateBio(settings, target);
    QCOMPARE(calc.daysAlive.has_value(), charted);
    QCOMPARE(calc.birthText, birthText);
    if (charted) {
        QCOMPARE(calc.daysAliveText, u"生存日数　1 日"_s);
        QCOMPARE(calc.yearsAliveText, u"生存年数　    99 年"_s);
    } else {
        // No count to show, so the settings page shows none rather than a false 0.
        QCOMPARE(calc.daysAliveText, u"生存日数　"_s);
        QCOMPARE(calc.yearsAliveText, u"生存年数　"_s);
    }
}

void TstBioCalc::advice_data()
{
    QTest::addColumn<int>("cycle");
    QTest::addColumn<BioPhase>("phase");
    QTest::addColumn<QString>("expected");
    const QString high = u"【高調】\r\n"_s;
    const QString caution = u"【注意】\r\n"_s;
    const QString low = u"【低調】\r\n"_s;
    QTest::newRow("physical high") << 0 << BioPhase::High
        << high + u"体力の伴う仕事、旅行、スポーツ、強化訓練に適す。但し体力過信の暴走に注意。回復力がはやいので外科手術に適す。"_s;
    QTest::newRow("physical caution, half-width space after 発熱") << 0 << BioPhase::Caution
        << caution + u"発熱 ・発作・カゼ・頭痛・病状の悪化・悪酔い・能力の低下が起きやすい。ドライバーは、とくに運転を充分注意すること。"_s;
    QTest::newRow("physical low") << 0 << BioPhase::Low
        << low + u"疲れやすく、過労、暴飲、暴食をつつしみ体力の蓄積につとめる。型のはまったかるいトレーニングは潜在能力を養う。"_s;
    QTest::newRow("emotional high") << 1 << BioPhase::High
        << high + u"気力横溢、積極的に仕事をかたずけるとき。共同作業、求愛、デート等に強い。麻雀などのギャンブルに強い。"_s;
    QTest::newRow("emotional caution") << 1 << BioPhase::Caution
        << caution + u"感情や神経が動揺しやすい日。立腹・失言・口論。病状の悪化反応の低下。勝負事には手を出さないこと。運転には注意。"_s;
    QTest::newRow("emotional low") << 1 << BioPhase::Low
        << low + u"すべてやや消極的になりがちなとき。極度に忍耐や神経を要する仕事を避ける。対人関係や勝負事に深入りしないこと。"_s;
    QTest::newRow("intellectual high") << 2 << BioPhase::High
        << high + u"頭の回転がよく知的作業に最適のとき。計画の立案検討・決定。不得意・難解な科目の勉強や暗記に最適。"_s;
    QTest::newRow("intellectual caution") << 2 << BioPhase::Caution
        << caution + u"注意力、集中力の欠如による大小のミスやポカ。重要な決定事項や契約のサインはこの日は避けたい。運転には注意のこと。"_s;
    QTest::newRow("intellectual low") << 2 << BioPhase::Low
        << low + u"知的活動やや低調、頭の酷使を避け、データの整理。学生なら得意な科目の勉強・復習・予習・ノートやカードの整理をする。"_s;
}

void TstBioCalc::advice()
{
    QFETCH(int, cycle);
    QFETCH(BioPhase, phase);
    QFETCH(QString, expected);
    QCOMPARE(adviceText(cycle, phase), expected);
}

QTEST_GUILESS_MAIN(TstBioCalc)
#include "tst_biocalc.moc"
