#include "pagetexts.h"

#include <QTest>
#include <cmath>

using namespace Qt::StringLiterals;

class TestPageTexts final : public QObject
{
    Q_OBJECT
private slots:
    void periodTextWhole();
    void periodTextDates_data();
    void periodTextDates();
    void periodTextWithoutDates();
    void versionTextLines();
    void birthDateCorrections_data();
    void birthDateCorrections();
    void iconScale_data();
    void iconScale();
    void dateParts();
    void lineEndsAtTheWidgetBoundary_data();
    void lineEndsAtTheWidgetBoundary();
};

void TestPageTexts::periodTextWhole()
{
    const QString text = PageTexts::dstPeriodText(QDate(2001, 3, 25), QDate(2001, 10, 28),
                                                  QDate(2001, 3, 11), QDate(2001, 11, 4));
    QCOMPARE(text, u"【ＥＵ形】\r\n\r\n"
                   u"　指定　3月最終日曜日～10月最終日曜日\r\n\r\n"
                   u"　今年　3月25日(日)　～　10月28日(日)\r\n\r\n"
                   u"【北米形】\r\n\r\n"
                   u"　指定　3月第２日曜日～11月第１日曜日\r\n\r\n"
                   u"　今年　3月11日(日)　～　11月4日(日)\r\n"_s);
}

void TestPageTexts::periodTextDates_data()
{
    QTest::addColumn<QDate>("euStart");
    QTest::addColumn<QDate>("euEnd");
    QTest::addColumn<QDate>("naStart");
    QTest::addColumn<QDate>("naEnd");
    QTest::addColumn<QString>("euLine");
    QTest::addColumn<QString>("naLine");
    QTest::newRow("2001") << QDate(2001, 3, 25) << QDate(2001, 10, 28) << QDate(2001, 3, 11)
                          << QDate(2001, 11, 4) << u"　今年　3月25日(日)　～　10月28日(日)"_s
                          << u"　今年　3月11日(日)　～　11月4日(日)"_s;
    QTest::newRow("2007, the first year of the March rule")
        << QDate(2007, 3, 25) << QDate(2007, 10, 28) << QDate(2007, 3, 11) << QDate(2007, 11, 4)
        << u"　今年　3月25日(日)　～　10月28日(日)"_s << u"　今年　3月11日(日)　～　11月4日(日)"_s;
    QTest::newRow("2026, 1 March a Sunday")
        << QDate(2026, 3, 29) << QDate(2026, 10, 25) << QDate(2026, 3, 8) << QDate(2026, 11, 1)
        << u"　今年　3月29日(日)　～　10月25日(日)"_s << u"　今年　3月8日(日)　～　11月1日(日)"_s;
}

void TestPageTexts::periodTextDates()
{
    QFETCH(QDate, euStart);
    QFETCH(QDate, euEnd);
    QFETCH(QDate, naStart);
    QFETCH(QDate, naEnd);
    QFETCH(QString, euLine);
    QFETCH(QString, naLine);
    const QStringList lines =
        PageTexts::dstPeriodText(euStart, euEnd, naStart, naEnd).split(u"\r\n"_s);
    QCOMPARE(lines.size(), 12); // eleven lines, the last one ended too
    QCOMPARE(lines.at(4), euLine);
    QCOMPARE(lines.at(10), naLine);
    QCOMPARE(lines.at(8), u"　指定　3月第２日曜日～11月第１日曜日"_s);
    QCOMPARE(lines.at(11), QString());
}

void TestPageTexts::periodTextWithoutDates()
{
    // Before the world clock decided anything the lines stay readable, with no dates.
    const QStringList lines = PageTexts::dstPeriodText({}, {}, {}, {}).split(u"\r\n"_s);
    QCOMPARE(lines.at(4), u"　今年　　～　"_s);
}

void TestPageTexts::versionTextLines()
{
    const QString text = PageTexts::versionText();
    const QStringList lines = text.split(u"\r\n"_s);
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.at(0), QString());
    QCOMPARE(lines.at(1), u"バージョン 【TamoＴｉｍｅ v1.7e】"_s);
    QCOMPARE(lines.at(2), u"Since 2000/Apr/13"_s);
    QCOMPARE(lines.at(3), QString());
    QCOMPARE(lines.at(4), u"ご意見をお聞かせください"_s);
    for (int i : {5, 7, 9})
        QCOMPARE(lines.at(i), QString());
    // Eleven lines means no line end after the last; every line end is CR LF.
    QCOMPARE(text.count(u'\n'), text.count(u"\r\n"_s));
}

void TestPageTexts::birthDateCorrections_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("taken");
    auto row = [](const char *name, QStringList typed, QStringList taken) {
        QTest::newRow(name) << typed << taken;
    };
    row("ordinary date kept as typed", {u"1965"_s, u"7"_s, u"09"_s}, {u"1965"_s, u"7"_s, u"09"_s});
    row("year 1899 becomes 2000", {u"1899"_s, u"01"_s, u"01"_s}, {u"2000"_s, u"01"_s, u"01"_s});
    row("year 1900 stays", {u"1900"_s, u"01"_s, u"01"_s}, {u"1900"_s, u"01"_s, u"01"_s});
    row("year 1850 becomes 2000", {u"1850"_s, u"5"_s, u"5"_s}, {u"2000"_s, u"5"_s, u"5"_s});
    row("empty year becomes 2000", {QString(), u"5"_s, u"5"_s}, {u"2000"_s, u"5"_s, u"5"_s});
    row("month 12 stays, 13 becomes 01", {u"1999"_s, u"13"_s, u"31"_s},
        {u"1999"_s, u"01"_s, u"31"_s});
    row("month 0 becomes 01", {u"1999"_s, u"0"_s, u"1"_s}, {u"1999"_s, u"01"_s, u"1"_s});
    row("day 31 stays", {u"1999"_s, u"12"_s, u"31"_s}, {u"1999"_s, u"12"_s, u"31"_s});
    row("day 32 becomes 01", {u"1999"_s, u"12"_s, u"32"_s}, {u"1999"_s, u"12"_s, u"01"_s});
    row("negative month and day become 01", {u"1999"_s, u"-3"_s, u"-1"_s},
        {u"1999"_s, u"01"_s, u"01"_s});
    row("text month becomes 01", {u"1999"_s, u"abc"_s, u"10"_s}, {u"1999"_s, u"01"_s, u"10"_s});
}

void TestPageTexts::birthDateCorrections()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, taken);
    const PageTexts::BirthDate b = PageTexts::correctedBirthDate(typed[0], typed[1], typed[2]);
    QCOMPARE(QStringList({b.year, b.month, b.day}), taken);
}

void TestPageTexts::iconScale_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("abc gives 1") << u"abc"_s << 1.0 << u"1"_s;
    QTest::newRow("-2 gives 1") << u"-2"_s << 1.0 << u"1"_s;
    QTest::newRow("0 gives 1") << u"0"_s << 1.0 << u"1"_s;
    QTest::newRow("empty gives 1") << QString() << 1.0 << u"1"_s;
    QTest::newRow("1.5 kept with its text") << u"1.5"_s << 1.5 << u"1.5"_s;
    QTest::newRow("leading number of 2x") << u"2x"_s << 2.0 << u"2x"_s;
    QTest::newRow("1e400 is no infinity") << u"1e400"_s << PageTexts::maxIconScale << u"10"_s;
    QTest::newRow("1e9 is capped") << u"1e9"_s << PageTexts::maxIconScale << u"10"_s;
    QTest::newRow("-1e400 gives 1") << u"-1e400"_s << 1.0 << u"1"_s;
}

void TestPageTexts::iconScale()
{
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(QString, shown);
    const PageTexts::IconScale s = PageTexts::iconScaleFromText(typed);
    QVERIFY(std::isfinite(s.value));
    QCOMPARE(s.value, value);
    QCOMPARE(s.text, shown);
}

void TestPageTexts::dateParts()
{
    const PageTexts::DateParts p = PageTexts::dateParts(QDate(2001, 2, 5));
    QCOMPARE(QStringList({p.year, p.month, p.day}), QStringList({u"2001"_s, u"02"_s, u"05"_s}));
}

void TestPageTexts::lineEndsAtTheWidgetBoundary_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("back");
    QTest::newRow("CR LF") << u"a\r\nb\r\n"_s << u"a\nb\n"_s << u"a\r\nb\r\n"_s;
    QTest::newRow("lone CR") << u"a\rb"_s << u"a\nb"_s << u"a\r\nb"_s;
    QTest::newRow("no line end") << u"abc"_s << u"abc"_s << u"abc"_s;
}

void TestPageTexts::lineEndsAtTheWidgetBoundary()
{
    QFETCH(QString, stored);
    QFETCH(QString, widget);
    QFETCH(QString, back);
    QCOMPARE(PageTexts::toWidgetText(stored), widget);
    QCOMPARE(PageTexts::toStoredText(widget), back);
}

QTEST_GUILESS_MAIN(TestPageTexts)
#include "tst_pagetexts.moc"
