#include "optiongroup.h"
#include "pagelayout.h"

#include <QRadioButton>
#include <QTest>
#include <QWidget>

/** Three options in a window, recording every run of the group's action. */
struct Group
{
    QWidget window;
    std::array<quint32, 2> colours{0, 16711680};
    QList<int> runs;
    OptionGroup *group;

    explicit Group(bool marked = true)
    {
        QList<QRadioButton *> options;
        for (int i = 0; i < 3; ++i)
            options.append(PageLayout::option(&window, QString::number(i), 0, 300.0 * i, 1500, 285));
        group = new OptionGroup(options, [this](int i) { runs.append(i); },
                                marked ? &colours : nullptr, &window);
    }

    int checkedCount() const
    {
        int n = 0;
        for (int i = 0; i < group->count(); ++i)
            n += group->option(i)->isChecked() ? 1 : 0;
        return n;
    }
};

class TstOptionGroup final : public QObject
{
    Q_OBJECT
private slots:
    void selectionRule_data();
    void selectionRule();
    void clickOnSelectedStaysSelected();
    void markColoursSelectedBlueOthersBlack();
    void unmarkedGroupKeepsColours();
};

void TstOptionGroup::selectionRule_data()
{
    QTest::addColumn<int>("before");   // selected in code first, -1 none
    QTest::addColumn<bool>("byClick"); // then clicked, or selected in code
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QList<int>>("runs"); // runs of the second step

    QTest::newRow("code select on a fresh group runs") << -1 << false << 1 << 1 << QList<int>{1};
    QTest::newRow("code select of another option runs") << 0 << false << 2 << 2 << QList<int>{2};
    QTest::newRow("code select of the selected option runs nothing")
        << 1 << false << 1 << 1 << QList<int>{};
    QTest::newRow("click on another option runs") << 0 << true << 1 << 1 << QList<int>{1};
    QTest::newRow("click on the selected option runs again") << 2 << true << 2 << 2 << QList<int>{2};
    QTest::newRow("index above the group clamps to the last") << -1 << false << 5 << 2
                                                              << QList<int>{2};
    QTest::newRow("negative index clamps to the first") << -1 << false << -3 << 0 << QList<int>{0};
    QTest::newRow("clamped index equal to the selected runs nothing")
        << 2 << false << 9 << 2 << QList<int>{};
}

void TstOptionGroup::selectionRule()
{
    QFETCH(int, before);
    QFETCH(bool, byClick);
    QFETCH(int, index);
    QFETCH(int, selected);
    QFETCH(QList<int>, runs);

    Group g;
    if (before >= 0)
        g.group->select(before);
    g.runs.clear();
    if (byClick)
        QTest::mouseClick(g.group->option(index), Qt::LeftButton);
    else
        g.group->select(index);

    QCOMPARE(g.runs, runs);
    QCOMPARE(g.group->selected(), selected);
    QCOMPARE(g.checkedCount(), 1);
    QVERIFY(g.group->option(selected)->isChecked());
}

void TstOptionGroup::clickOnSelectedStaysSelected()
{
    Group g;
    g.group->select(0);
    QTest::mouseClick(g.group->option(0), Qt::LeftButton);
    QTest::mouseClick(g.group->option(0), Qt::LeftButton);
    QVERIFY(g.group->option(0)->isChecked());
    QCOMPARE(g.checkedCount(), 1);
    QCOMPARE(g.runs, (QList<int>{0, 0, 0}));
}

void TstOptionGroup::markColoursSelectedBlueOthersBlack()
{
    Group g;
    g.group->mark(0);
    g.group->mark(2);
    QCOMPARE(textColor(g.group->option(0)), 0u);
    QCOMPARE(textColor(g.group->option(1)), 0u);
    QCOMPARE(textColor(g.group->option(2)), 16711680u);
}

void TstOptionGroup::unmarkedGroupKeepsColours()
{
    Group g(false);
    setTextColor(g.group->option(1), 255);
    g.group->mark(0);
    QCOMPARE(textColor(g.group->option(1)), 255u);
    QCOMPARE(textColor(g.group->option(0)), 0u);
}

QTEST_MAIN(TstOptionGroup)
#include "tst_optiongroup.moc"
