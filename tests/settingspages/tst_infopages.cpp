#include "dstinfopage.h"
#include "pagesfixture.h"
#include "pagetexts.h"
#include "versionpage.h"
#include "worldclock.h"

#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

using namespace Qt::StringLiterals;

class TestInfoPages final : public QObject
{
    Q_OBJECT
private slots:
    void periodTextOfTheYear_data();
    void periodTextOfTheYear();
    void periodTextBuiltOnceAtFilling();
    void periodTextBeforeSummerTimeWasDecided();
    void versionTextCentred();
};

void TestInfoPages::periodTextOfTheYear_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("euLine");
    QTest::addColumn<QString>("naLine");
    QTest::newRow("2001") << QDate(2001, 10, 8) << u"　今年　3月25日(日)　～　10月28日(日)"_s
                          << u"　今年　3月11日(日)　～　11月4日(日)"_s;
    QTest::newRow("2007") << QDate(2007, 1, 1) << u"　今年　3月25日(日)　～　10月28日(日)"_s
                          << u"　今年　3月11日(日)　～　11月4日(日)"_s;
    QTest::newRow("2026") << QDate(2026, 12, 11) << u"　今年　3月29日(日)　～　10月25日(日)"_s
                          << u"　今年　3月8日(日)　～　11月1日(日)"_s;
}

void TestInfoPages::periodTextOfTheYear()
{
    QFETCH(QDate, today);
    QFETCH(QString, euLine);
    QFETCH(QString, naLine);
    PagesFixture f;
    f.platform.clock = QDateTime(today, QTime(12, 0));
    initCityTable(f.ctx.world);
    decideDst(f.ctx.world, f.platform.clock);
    auto *page = f.page<DstInfoPage>();
    const QStringList lines = page->Label3()->text().split(u'\n');
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines.at(0), u"【ＥＵ形】"_s);
    QCOMPARE(lines.at(2), u"　指定　3月最終日曜日～10月最終日曜日"_s);
    QCOMPARE(lines.at(4), euLine);
    QCOMPARE(lines.at(6), u"【北米形】"_s);
    QCOMPARE(lines.at(8), u"　指定　3月第２日曜日～11月第１日曜日"_s);
    QCOMPARE(lines.at(10), naLine);
}

void TestInfoPages::periodTextBuiltOnceAtFilling()
{
    PagesFixture f;
    initCityTable(f.ctx.world);
    decideDst(f.ctx.world, f.platform.clock);
    auto *page = f.page<DstInfoPage>();
    const QString shown = page->Label3()->text();
    decideDst(f.ctx.world, QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
    QCOMPARE(page->Label3()->text(), shown);
}

void TestInfoPages::periodTextBeforeSummerTimeWasDecided()
{
    PagesFixture f;
    f.platform.clock = QDateTime(QDate(2026, 6, 1), QTime(8, 0));
    auto *page = f.page<DstInfoPage>();
    const QStringList lines = page->Label3()->text().split(u'\n');
    QCOMPARE(lines.at(4), u"　今年　3月29日(日)　～　10月25日(日)"_s);
    QCOMPARE(lines.at(10), u"　今年　3月8日(日)　～　11月1日(日)"_s);
}

void TestInfoPages::versionTextCentred()
{
    PagesFixture f;
    auto *page = f.page<VersionPage>();
    const QString text = page->Text5()->toPlainText();
    QCOMPARE(text, PageTexts::toWidgetText(PageTexts::versionText()));
    QCOMPARE(text.split(u'\n').size(), 11);
    for (QTextBlock b = page->Text5()->document()->begin(); b.isValid(); b = b.next())
        QVERIFY(b.blockFormat().alignment() & Qt::AlignHCenter);
}

QTEST_MAIN(TestInfoPages)
#include "tst_infopages.moc"
