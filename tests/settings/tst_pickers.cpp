#include "clockformatpage.h"
#include "configwindow.h"
#include "datetime.h"
#include "fakeplatform.h"
#include "pickers.h"
#include "settings.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TstPickers final : public QObject
{
    Q_OBJECT
private slots:
    void roundsSizeHalfToEven_data();
    void roundsSizeHalfToEven();
    void fontPresetAndReadBack();
    void cancelledFontKeepsAllFour();
    void colourDecimalTextBothWays_data();
    void colourDecimalTextBothWays();
    void cancelledColourKeepsText();
    void itemFontRoundTrip();
    void samplesInStandardTimeWithSuffix_data();
    void samplesInStandardTimeWithSuffix();
    void windowStandsAtAThird();
};

void TstPickers::roundsSizeHalfToEven_data()
{
    QTest::addColumn<double>("chosen");
    QTest::addColumn<double>("stored");
    QTest::newRow("10.5 goes down to even 10") << 10.5 << 10.0;
    QTest::newRow("11.5 goes up to even 12") << 11.5 << 12.0;
    QTest::newRow("12.5 goes down to even 12") << 12.5 << 12.0;
    QTest::newRow("9.75 goes to 10") << 9.75 << 10.0;
    QTest::newRow("8.25 goes to 8") << 8.25 << 8.0;
    QTest::newRow("whole 14 stays") << 14.0 << 14.0;
}

void TstPickers::roundsSizeHalfToEven()
{
    QFETCH(double, chosen);
    QFETCH(double, stored);
    FakePlatform platform;
    platform.fontAnswers.enqueue(FontChoice{QStringLiteral("IPAGothic"), chosen, false, false});
    FontChoice picked{QStringLiteral("ＭＳ ゴシック"), 9, false, false};
    QVERIFY(pickFont(platform, picked));
    QCOMPARE(picked.size, stored);
}

void TstPickers::fontPresetAndReadBack()
{
    FakePlatform platform;
    platform.fontAnswers.enqueue(FontChoice{QStringLiteral("IPAMincho"), 16, true, true});
    FontChoice picked{QStringLiteral("ＭＳ Ｐゴシック"), 11, true, false};
    QVERIFY(pickFont(platform, picked));
    QCOMPARE(platform.fontPresets.size(), 1);
    QCOMPARE(platform.fontPresets[0], (FontChoice{QStringLiteral("ＭＳ Ｐゴシック"), 11, true, false}));
    QCOMPARE(picked, (FontChoice{QStringLiteral("IPAMincho"), 16, true, true}));
}

void TstPickers::cancelledFontKeepsAllFour()
{
    FakePlatform platform; // no answer queued: the dialog is cancelled
    const FontChoice before{QStringLiteral("ＭＳ ゴシック"), 10.5, true, true};
    FontChoice picked = before;
    QVERIFY(!pickFont(platform, picked));
    QCOMPARE(picked, before);
    QCOMPARE(platform.fontPresets.size(), 1);
}

void TstPickers::colourDecimalTextBothWays_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<quint32>("initial");
    QTest::addColumn<quint32>("chosen");
    QTest::addColumn<QString>("after");
    QTest::newRow("white preset, blue chosen") << u"16777215"_s << 16777215u << 16711680u
                                              << u"16711680"_s;
    QTest::newRow("red preset, black chosen") << u"255"_s << 255u << 0u << u"0"_s;
    QTest::newRow("empty text presets black") << QString() << 0u << 65280u << u"65280"_s;
    QTest::newRow("text with garbage after the number") << u"255abc"_s << 255u << 255u
                                                        << u"255"_s;
    QTest::newRow("too large a number presets white") << u"99999999"_s << 16777215u << 1u
                                                      << u"1"_s;
}

void TstPickers::colourDecimalTextBothWays()
{
    QFETCH(QString, before);
    QFETCH(quint32, initial);
    QFETCH(quint32, chosen);
    QFETCH(QString, after);
    FakePlatform platform;
    platform.colourAnswers.enqueue(chosen);
    QString picked = before;
    QVERIFY(pickColor(platform, picked));
    QCOMPARE(platform.colourInitials, QList<quint32>{initial});
    QCOMPARE(picked, after);
}

void TstPickers::cancelledColourKeepsText()
{
    FakePlatform platform;
    QString picked = u"12345abc"_s;
    QVERIFY(!pickColor(platform, picked));
    QCOMPARE(picked, u"12345abc"_s);
}

void TstPickers::itemFontRoundTrip()
{
    Settings s;
    s.itemFontName[4] = Value(QStringLiteral("ＭＳ 明朝"));
    s.itemFontSize[4] = Value(QStringLiteral("11")); // hand-edited as text
    s.itemFontBold[4] = Value(1);                    // any non-zero is on
    s.itemFontItalic[4] = Value(0);
    const FontChoice f = itemFont(s, 4);
    QCOMPARE(f, (FontChoice{QStringLiteral("ＭＳ 明朝"), 11, true, false}));
    storeItemFont(s, 4, FontChoice{QStringLiteral("IPAGothic"), 12, false, true});
    QCOMPARE(s.itemFontName[4], Value(QStringLiteral("IPAGothic")));
    QCOMPARE(s.itemFontSize[4], Value(12));
    QCOMPARE(s.itemFontBold[4], Value(0));
    QCOMPARE(s.itemFontItalic[4], Value(-1));
}

void TstPickers::samplesInStandardTimeWithSuffix_data()
{
    QTest::addColumn<double>("offsetHours");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("seconds");
    QTest::addColumn<QString>("format1");
    QTest::newRow("Japan without seconds") << 0.0 << QString() << false
                                           << u" 10月8日(月) 13：05"_s;
    QTest::newRow("Japan with seconds") << 0.0 << QString() << true
                                        << u" 10月8日(月) 13：05：09"_s;
    QTest::newRow("New York the day before, 14 hours behind") << -14.0 << u"/NY"_s << false
                                                              << u" 10月7日(日) 23：05/NY"_s;
}

void TstPickers::samplesInStandardTimeWithSuffix()
{
    QFETCH(double, offsetHours);
    QFETCH(QString, suffix);
    QFETCH(bool, seconds);
    QFETCH(QString, format1);
    const double now = DateTime::fromQDateTime(QDateTime(QDate(2001, 10, 8), QTime(13, 5, 9)));
    const QStringList samples = clockSamples(now, offsetHours / 24, suffix, seconds);
    QCOMPARE(samples.size(), 7);
    QCOMPARE(samples[1], format1);
    for (const QString &sample : samples) {
        QVERIFY2(sample.endsWith(suffix), qPrintable(sample));
        QCOMPARE(sample.contains(u"09"_s), seconds);
    }
}

void TstPickers::windowStandsAtAThird()
{
    const QPointF at = configWindowPosition(15360, 11520);
    QCOMPARE(at.x(), (15360 - 7545) / 3.0);
    QCOMPARE(at.y(), (11520 - 4440) / 3.0);
}

QTEST_MAIN(TstPickers)
#include "tst_pickers.moc"
