#include "appcontext.h"
#include "bioadvice.h"
#include "biochartarea.h"
#include "biowindow.h"
#include "fakeplatform.h"
#include "twips.h"

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QTextDocument>
#include <QTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

/** A context whose clock reads 2001-10-08 13:05:09, with a birth date of the given day. */
struct Fixture
{
    explicit Fixture(const QString &birthDay = u"02"_s)
    {
        ctx.settings.birthYear = Value(u"2001"_s);
        ctx.settings.birthMonth = Value(u"10"_s);
        ctx.settings.birthDay = Value(birthDay);
        ctx.settings.bioWeeks = Value(3);
        ctx.settings.bioLeft = Value(1500);
        ctx.settings.bioTop = Value(1200);
        ctx.settings.titleBarText = u"テスト"_s;
    }
    FakePlatform platform;
    AppContext ctx{platform};
};

std::unique_ptr<BioWindow> shownWindow(Fixture &f)
{
    auto w = std::make_unique<BioWindow>(f.ctx);
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        return nullptr;
    return w;
}

int curveCount(const BioChartArea *area)
{
    int n = 0;
    for (const BioSegment &s : area->segments())
        n += s.width == 2;
    return n;
}

/** A pointer move without buttons, as mouse tracking delivers it. */
void moveOver(QWidget *widget, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

bool hasColour(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

class TstBioWindow final : public QObject
{
    Q_OBJECT
private slots:
    void startUp();
    void storedSizeAndPlace();
    void bioCalcStoresResults();
    void resizeRedraws();
    void legendAndControls();
    void paintsFromTheDrawing();
    void adviceFollowsThePointer();
    void adviceTexts_data();
    void adviceTexts();
    void invalidDateChartsNothing();
    void clickOnTheChartHides();
    void closeStoresBounds();
    void closeAtProgramEndStoresNothing();
    void tinyWindowDrawsNoChart();
    void clearChartEmptiesTheSurface();
};

void TstBioWindow::startUp()
{
    Fixture f;
    BioWindow w(f.ctx);
    QCOMPARE(w.windowTitle(), u" Biorythm Chart  テスト"_s);
    QVERIFY(w.windowFlags() & Qt::Tool);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.Text1()->isVisible());
    // First run: no stored size gives 10000 x 5000 twips.
    QCOMPARE(f.ctx.settings.bioWidth.toNumber(), 10000.0);
    QCOMPARE(f.ctx.settings.bioHeight.toNumber(), 5000.0);
    QVERIFY(std::abs(Twips::outerWidth(&w) - 10000) <= Twips::perPixel);
    QVERIFY(std::abs(Twips::outerHeight(&w) - 5000) <= Twips::perPixel);

    f.ctx.settings.titleBarText = u"新しい題"_s;
    w.updateCaption();
    QCOMPARE(w.windowTitle(), u" Biorythm Chart  新しい題"_s);
}

void TstBioWindow::storedSizeAndPlace()
{
    Fixture f;
    f.ctx.settings.bioWidth = Value(6120);
    f.ctx.settings.bioHeight = Value(3345);
    BioWindow w(f.ctx);
    QCOMPARE(w.size(), QSize(400, 200));
    QCOMPARE(w.pos(), QPoint(100, 80));
    QCOMPARE(f.ctx.settings.bioWidth.toNumber(), 6120.0);
}

void TstBioWindow::bioCalcStoresResults()
{
    Fixture f;
    auto w = shownWindow(f);
    QVERIFY(w);
    QSignalSpy spy(&f.ctx, &AppContext::bioResultsChanged);
    w->bio_calc();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(f.ctx.bio.bioTargetDate, u"2001/10/08 13:05:09"_s);
    QCOMPARE(f.ctx.bio.daysAlive, 6);
    QCOMPARE(f.ctx.bio.daysAliveText, u"生存日数　6 日"_s);
    QCOMPARE(f.ctx.bio.yearsAliveText, u"生存年数　    00 年"_s);
    QCOMPARE(f.ctx.bio.birthText, u"2001/10/02生"_s);
    QCOMPARE(w->Label2()->text(), u"2001/10/02生"_s);
    QCOMPARE(curveCount(w->Picture1()), 126);
    QVERIFY(w->Picture1()->isVisible());
    const QRectF chart = w->drawing().chart;
    QCOMPARE(w->Picture1()->geometry(), QRect(Twips::toPx(chart.left()), Twips::toPx(chart.top()),
                                              Twips::toPx(chart.width()), Twips::toPx(chart.height())));
    // The chart is laid out on the outer size of the window, as stored.
    QCOMPARE(chart.width() + chart.left() + 4 * (chart.left() / 7), Twips::outerWidth(w.get()));
}

void TstBioWindow::resizeRedraws()
{
    Fixture f;
    auto w = shownWindow(f);
    QVERIFY(w);
    QSignalSpy spy(&f.ctx, &AppContext::bioResultsChanged);
    const double before = w->drawing().chart.width();
    w->resize(w->width() + 100, w->height());
    QTRY_VERIFY(spy.count() >= 1);
    QCOMPARE(w->drawing().chart.width(), before + Twips::fromPx(100));
}

void TstBioWindow::legendAndControls()
{
    Fixture f;
    auto w = shownWindow(f);
    QVERIFY(w);
    const QStringList captions{u"身体（Ｐ）"_s, u"感情（Ｅ）"_s, u"知性（Ｉ）"_s};
    const QList<QColor> colours{QColor(255, 0, 0), QColor(0, 192, 0), QColor(0, 0, 255)};
    const BioDrawing &d = w->drawing();
    for (int i = 0; i < 3; ++i) {
        QLabel *label = w->Label1(i);
        QCOMPARE(label->text(), captions[i]);
        QCOMPARE(label->palette().color(QPalette::WindowText), colours[i]);
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSizeF(), 9.75);
        QVERIFY(label->isVisible());
        QCOMPARE(label->pos(), QPoint(Twips::toPx(d.legend[size_t(i)].x()), Twips::toPx(d.legend[size_t(i)].y())));
        QVERIFY2(label->width() >= label->sizeHint().width(), "the caption must not be clipped");
    }
    QCOMPARE(w->Label2()->pos(), QPoint(0, 0));
    QVERIFY(w->Label2()->width() >= w->Label2()->sizeHint().width());
    QCOMPARE(w->Text1()->palette().color(QPalette::Base), QColor(192, 255, 255));
    QVERIFY(w->Text1()->isReadOnly());
}

void TstBioWindow::paintsFromTheDrawing()
{
    Fixture f;
    auto w = shownWindow(f);
    QVERIFY(w);
    const QImage image = w->grab().toImage();
    QVERIFY2(hasColour(image, QColor(255, 0, 0)), "the physical curve is painted");
    QVERIFY2(hasColour(image, QColor(0, 255, 0)), "the emotional curve is painted");
    QVERIFY2(hasColour(image, QColor(0, 0, 255)), "the intellectual curve is painted");
    // A second paint (as after the window was covered) draws the same again.
    QCOMPARE(w->grab().toImage(), image);
}

void TstBioWindow::adviceFollowsThePointer()
{
    Fixture f;
    auto w = shownWindow(f);
    QVERIFY(w);
    QLabel *entry = w->Label1(0);
    QTextEdit *box = w->Text1();
    // Moves without a button reach these only with tracking on.
    QVERIFY(entry->hasMouseTracking() && w->Picture1()->hasMouseTracking() && w->hasMouseTracking());

    moveOver(entry, QPoint(10, 5));
    QVERIFY(box->isVisible());
    QCOMPARE(box->toPlainText(), adviceText(0, BioPhase::High).replace(u"\r\n"_s, u"\n"_s));
    const double left = Twips::fromPx(10) + Twips::fromPx(entry->x()) - 2175 / 2.0;
    const double top = Twips::fromPx(5) + 1.5 * Twips::fromPx(entry->height());
    QCOMPARE(box->pos(), QPoint(Twips::toPx(left), Twips::toPx(top)));
    QCOMPARE(box->width(), Twips::toPx(2175));
    QVERIFY(box->height() >= Twips::toPx(1185));
    QVERIFY2(box->document()->size().height() <= box->viewport()->height(), "the advice must not be clipped");

    moveOver(entry, QPoint(30, 8));
    QCOMPARE(box->x(), Twips::toPx(left + Twips::fromPx(20)));

    moveOver(w->Picture1(), QPoint(50, 50));
    QVERIFY(!box->isVisible());
    moveOver(entry, QPoint(10, 5));
    QVERIFY(box->isVisible());
    moveOver(w.get(), QPoint(2, w->height() - 2)); // the bare window
    QVERIFY(!box->isVisible());
}

void TstBioWindow::adviceTexts_data()
{
    QTest::addColumn<QString>("birthDay");
    QTest::addColumn<int>("entry");
    QTest::addColumn<BioPhase>("phase");
    // Target 2001/10/08: day 0 is a zero crossing for all, day 7 high for all, day 20 low for all.
    const QString names[] = {u"physical"_s, u"emotional"_s, u"intellectual"_s};
    for (int i = 0; i < 3; ++i) {
        QTest::addRow("%s caution on day 0", qPrintable(names[i])) << u"08"_s << i << BioPhase::Caution;
        QTest::addRow("%s high on day 7", qPrintable(names[i])) << u"01"_s << i << BioPhase::High;
        QTest::addRow("%s low on day 20", qPrintable(names[i])) << u"9/18"_s << i << BioPhase::Low;
    }
}

void TstBioWindow::adviceTexts()
{
    QFETCH(QString, birthDay);
    QFETCH(int, entry);
    QFETCH(BioPhase, phase);
    Fixture f;
    if (birthDay.contains(u'/')) {
        const QStringList md = birthDay.split(u'/');
        f.ctx.settings.birthMonth = Value(md[0]);
        f.ctx.settings.birthDay = Value(md[1]);
    } else {
        f.ctx.settings.birthDay = Value(birthDay);
    }
    auto w = shownWindow(f);
    QVERIFY(w);
    QCOMPARE(cyclePhase(entry, f.ctx.bio.daysAlive), phase);
    moveOver(w->Label1(entry), QPoint(20, 6));
    QVERIFY(w->Text1()->isVisible());
    QCOMPARE(w->Text1()->toPlainText(), adviceHeading(phase) + u'\n' + adviceBody(entry, phase));
}

void TstBioWindow::invalidDateChartsNothing()
{
    Fixture f;
    f.ctx.settings.birthMonth = Value(u"2"_s);
    f.ctx.settings.birthDay = Value(u"30"_s);
    auto w = shownWindow(f);
    QVERIFY(w);
    QCOMPARE(w->Label2()->text(), u"生年月日が正しくありません"_s);
    QVERIFY2(w->Label2()->width() >= w->Label2()->sizeHint().width(), "the message must not be clipped");
    QCOMPARE(curveCount(w->Picture1()), 0);
    moveOver(w->Label1(0), QPoint(10, 5));
    QVERIFY2(!w->Text1()->isVisible(), "no advice for a date that is no date");

    f.ctx.bio.bioTargetDate = u"//"_s;
    f.ctx.settings.birthDay = Value(u"3"_s);
    w->bio_calc();
    QCOMPARE(w->Label2()->text(), u"表示日が正しくありません"_s);
    QCOMPARE(curveCount(w->Picture1()), 0);

    f.ctx.bio.bioTargetDate = u"2001/02/05"_s;
    w->bio_calc();
    QCOMPARE(w->Label2()->text(), u"2001/2/3生"_s);
    QCOMPARE(curveCount(w->Picture1()), 126);
    QCOMPARE(w->drawing().texts.first().text, u"01/2/5"_s);
}

void TstBioWindow::clickOnTheChartHides()
{
    Fixture f;
    auto w = shownWindow(f);
    QVERIFY(w);
    f.ctx.state.bioShown = 1;
    QTest::mouseClick(w->Picture1(), Qt::LeftButton, {}, QPoint(40, 30));
    QVERIFY(!w->isVisible());
    QCOMPARE(f.ctx.state.bioShown, 0);
    // Hidden, not closed: the bounds stay as they were stored.
    QCOMPARE(f.ctx.settings.bioLeft.toNumber(), 1500.0);
}

void TstBioWindow::closeStoresBounds()
{
    Fixture f;
    auto w = shownWindow(f);
    QVERIFY(w);
    f.ctx.state.bioShown = 1;
    w->resize(500, 250);
    w->move(120, 90);
    QVERIFY(w->close());
    double left = 0, top = 0, width = 0, height = 0;
    Twips::outerGeometry(w.get(), &left, &top, &width, &height);
    QCOMPARE(f.ctx.settings.bioWidth.toNumber(), width);
    QCOMPARE(f.ctx.settings.bioHeight.toNumber(), height);
    QCOMPARE(f.ctx.settings.bioLeft.toNumber(), left);
    QCOMPARE(f.ctx.settings.bioTop.toNumber(), top);
    QCOMPARE(width, Twips::fromPx(500) + Twips::frameWidth);
    QCOMPARE(f.ctx.state.bioShown, 0);
}

void TstBioWindow::closeAtProgramEndStoresNothing()
{
    Fixture f;
    auto w = shownWindow(f);
    QVERIFY(w);
    f.ctx.state.bioShown = 1;
    f.ctx.state.ending = true;
    w->resize(500, 250);
    QVERIFY(w->close());
    QCOMPARE(f.ctx.settings.bioWidth.toNumber(), 10000.0);
    QCOMPARE(f.ctx.state.bioShown, 1);
}

void TstBioWindow::tinyWindowDrawsNoChart()
{
    Fixture f;
    auto w = shownWindow(f);
    QVERIFY(w);
    // Qt warns about impossible geometry; none may come from here on.
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    w->resize(60, 40);
    QTRY_VERIFY(!w->drawing().chartShown);
    QVERIFY(!w->Picture1()->isVisible());
    for (int i = 0; i < 3; ++i)
        QVERIFY(!w->Label1(i)->isVisible());
    QVERIFY(w->Label2()->isVisible());
    QVERIFY(!w->grab().isNull());
    w->resize(1, 1);
    QTRY_COMPARE(w->size(), QSize(1, 1));
    QVERIFY(!w->drawing().chartShown);
    w->resize(700, 300);
    QTRY_VERIFY(w->drawing().chartShown);
    QVERIFY(w->Picture1()->isVisible());
}

void TstBioWindow::clearChartEmptiesTheSurface()
{
    Fixture f;
    auto w = shownWindow(f);
    QVERIFY(w);
    w->clearChart();
    QVERIFY(w->drawing().texts.isEmpty());
    QCOMPARE(curveCount(w->Picture1()), 0);
    w->bio_calc();
    QCOMPARE(curveCount(w->Picture1()), 126);
}

QTEST_MAIN(TstBioWindow)
#include "tst_biowindow.moc"
