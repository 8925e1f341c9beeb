#include "datetime.h"
#include "formatdatetime.h"

#include <QTest>

using namespace Qt::StringLiterals;

class BenchFormat final : public QObject
{
    Q_OBJECT

private slots:
    void clockRow_data();
    void clockRow();
    void numberPattern();
    void holidayText();
};

void BenchFormat::clockRow_data()
{
    QTest::addColumn<QString>("pattern");
    for (int format = 0; format <= 6; ++format) {
        for (const bool seconds : {true, false}) {
            const QByteArray name = "pattern " + QByteArray::number(format) +
                                    (seconds ? " with seconds" : " without seconds");
            QTest::newRow(name.constData()) << clockRowPattern(format, seconds);
        }
    }
}

void BenchFormat::clockRow()
{
    QFETCH(QString, pattern);
    const double serial = *DateTime::fromParts(2001, 10, 8, 13, 5, 9);
    qsizetype total = 0;
    QBENCHMARK {
        total += formatDateTime(serial, pattern).size();
    }
    QVERIFY(total > 0);
}

void BenchFormat::numberPattern()
{
    const QString pattern = u"##,### 日"_s;
    qsizetype total = 0;
    double days = 12345;
    QBENCHMARK {
        total += formatDateTime(days, pattern).size();
        days += 1;
    }
    QVERIFY(total > 0);
}

void BenchFormat::holidayText()
{
    // The calendar reads year, month and day of every holiday entry on each redraw.
    const Value entry(u"2000/5/5"_s);
    qsizetype total = 0;
    QBENCHMARK {
        total += formatDateTime(entry, u"yyyy").size();
    }
    QVERIFY(total > 0);
}

QTEST_GUILESS_MAIN(BenchFormat)
#include "bench_format.moc"
