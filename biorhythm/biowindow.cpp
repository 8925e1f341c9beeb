#include "biowindow.h"

#include "appcontext.h"
#include "bioadvice.h"
#include "biocalc.h"
#include "biochartarea.h"
#include "platform.h"
#include "twips.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QTextEdit>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString pGothic = u"ＭＳ Ｐゴシック"_s;
constexpr double label2Width = 1185;
constexpr double label2Height = 195;
constexpr double text1Width = 2175;
constexpr double text1Height = 1185;

QPalette withColours(QPalette pal, const QColor &text, const QColor &back)
{
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Base, back);
    return pal;
}

/** A design width that grows when the installed font needs more room than the design font. */
double fittingWidth(const QLabel *label, double designWidth)
{
    return std::max(designWidth, Twips::fromPx(label->sizeHint().width()));
}

} // namespace

BioWindow::BioWindow(AppContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setWindowFlag(Qt::Tool);
    setFont(storedFont(pGothic, 9));
    const QColor grey(224, 224, 224);
    setPalette(withColours(palette(), palette().color(QPalette::WindowText), grey));
    setAutoFillBackground(true);
    setMouseTracking(true);

    m_picture1 = new BioChartArea(this);
    m_picture1->setObjectName(u"Picture1"_s);
    m_picture1->setMouseTracking(true);
    m_picture1->installEventFilter(this);

    m_label2 = new QLabel(this);
    m_label2->setObjectName(u"Label2"_s);
    m_label2->setAlignment(Qt::AlignCenter);
    m_label2->setFont(storedFont(pGothic, 8.25));
    m_label2->setPalette(withColours(m_label2->palette(), palette().color(QPalette::WindowText), grey));
    m_label2->setAutoFillBackground(true);
    m_label2->setMouseTracking(true);
    m_label2->installEventFilter(this);
    Twips::setGeometry(m_label2, 0, 0, label2Width, label2Height);

    for (int i = 0; i < Bio::cycleCount; ++i) {
        auto *label = new QLabel(bioCycle(i).legend, this);
        label->setObjectName(u"Label1_%1"_s.arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(storedFont(pGothic, 9.75, true));
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
        label->setPalette(withColours(label->palette(), colorFromBgr(bioCycle(i).legendColour), Qt::white));
        label->setAutoFillBackground(true);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        m_label1[size_t(i)] = label;
        m_legendWidth = std::max(m_legendWidth, fittingWidth(label, 900));
    }
    for (QLabel *label : m_label1)
        Twips::setGeometry(label, 0, 0, m_legendWidth, m_legendHeight);

    m_text1 = new QTextEdit(this);
    m_text1->setObjectName(u"Text1"_s);
    m_text1->setReadOnly(true);
    m_text1->setAcceptRichText(false);
    m_text1->setFocusPolicy(Qt::NoFocus);
    m_text1->setFont(storedFont(pGothic, 9));
    m_text1->setPalette(withColours(m_text1->palette(), palette().color(QPalette::WindowText),
                                    QColor(192, 255, 255)));
    Twips::setGeometry(m_text1, 0, 0, text1Width, text1Height);
    m_text1->hide();

    updateCaption();
    Settings &s = m_ctx.settings;
    if (s.bioWidth.toNumber() == 0)
        s.bioWidth = Value(10000);
    if (s.bioHeight.toNumber() == 0)
        s.bioHeight = Value(5000);
    Twips::setOuterGeometry(this, s.bioLeft.toNumber(), s.bioTop.toNumber(), s.bioWidth.toNumber(),
                            s.bioHeight.toNumber());
}

BioWindow::~BioWindow() = default;

void BioWindow::updateCaption()
{
    setWindowTitle(u" Biorythm Chart  "_s + m_ctx.settings.titleBarText);
}

void BioWindow::clearChart()
{
    m_drawing.segments.clear();
    m_drawing.texts.clear();
    m_picture1->setSegments({}, m_drawing.span);
    update();
}

void BioWindow::bio_calc()
{
    clearChart();
    const QDateTime now = m_ctx.platform.now();
    applyTargetDefaults(m_ctx.settings, m_ctx.bio.bioTargetDate, now);
    applyBirthDefault(m_ctx.settings, now);
    const BioCalculation calc = calculateBio(m_ctx.settings, m_ctx.bio.bioTargetDate);

    const QFontMetricsF metrics(font());
    BioChartInput in;
    in.windowWidth = Twips::outerWidth(this);
    in.windowHeight = Twips::outerHeight(this);
    in.c = metrics.horizontalAdvance(u"1"_s) * Twips::perPixel;
    in.r = metrics.height() * Twips::perPixel;
    in.legendWidth = m_legendWidth;
    in.legendHeight = m_legendHeight;
    in.weeks = chartWeeks(m_ctx.settings.bioWeeks);
    in.daysAlive = calc.daysAlive;
    in.targetDate = m_ctx.bio.bioTargetDate;
    m_drawing = bioDrawing(in);
    m_daysAlive = calc.daysAlive;

    m_label2->setText(calc.birthText);
    Twips::setGeometry(m_label2, 0, 0, fittingWidth(m_label2, label2Width),
                       std::max(label2Height, Twips::fromPx(m_label2->sizeHint().height())));
    applyDrawing();

    m_ctx.bio.daysAlive = calc.daysAlive.value_or(0);
    m_ctx.bio.daysAliveText = calc.daysAliveText;
    m_ctx.bio.yearsAliveText = calc.yearsAliveText;
    m_ctx.bio.birthText = calc.birthText;
    emit m_ctx.bioResultsChanged();
}

void BioWindow::applyDrawing()
{
    const BioDrawing &d = m_drawing;
    if (d.chartShown) {
        Twips::setGeometry(m_picture1, d.chart.left(), d.chart.top(), d.chart.width(), d.chart.height());
        m_picture1->setSegments(d.segments, d.span);
        m_picture1->show();
    } else {
        m_picture1->setSegments({}, d.span);
        m_picture1->hide();
        m_text1->hide();
    }
    for (int i = 0; i < Bio::cycleCount; ++i) {
        QLabel *label = m_label1[size_t(i)];
        Twips::setGeometry(label, d.legend[size_t(i)].x(), d.legend[size_t(i)].y(), m_legendWidth,
                           m_legendHeight);
        label->setVisible(d.chartShown);
    }
    m_text1->raise();
    update();
}

void BioWindow::showAdvice(int entry, const QPointF &posPx)
{
    if (!m_daysAlive) {
        m_text1->hide();
        return;
    }
    const QLabel *label = m_label1[size_t(entry)];
    const double x = Twips::fromPx(qRound(posPx.x()));
    const double y = Twips::fromPx(qRound(posPx.y()));
    const double entryLeft = Twips::fromPx(label->x());
    const double entryHeight = Twips::fromPx(label->height());
    QString text = adviceText(entry, cyclePhase(entry, *m_daysAlive));
    text.replace(u"\r\n"_s, u"\n"_s); // the text box starts a new paragraph at CR as well
    if (m_text1->toPlainText() != text)
        m_text1->setPlainText(text);
    Twips::setGeometry(m_text1, x + entryLeft - text1Width / 2, y + 1.5 * entryHeight, text1Width,
                       adviceBoxHeight(text));
    m_text1->show();
    m_text1->raise();
}

double BioWindow::adviceBoxHeight(const QString &text) const
{
    // The installed fonts set lines wider apart than the design font: grow rather than clip.
    const int frame = m_text1->frameWidth();
    QTextDocument measure;
    measure.setDefaultFont(m_text1->font());
    measure.setDocumentMargin(m_text1->document()->documentMargin());
    measure.setPlainText(text);
    measure.setTextWidth(Twips::toPx(text1Width) - 2 * frame);
    const int needed = int(std::ceil(measure.size().height())) + 2 * frame;
    return std::max(text1Height, Twips::fromPx(needed));
}

void BioWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    bio_calc();
}

void BioWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const double ascent = QFontMetricsF(font()).ascent();
    for (const BioText &t : m_drawing.texts)
        p.drawText(QPointF(t.topLeft.x() / Twips::perPixel, t.topLeft.y() / Twips::perPixel + ascent),
                   t.text);
}

void BioWindow::mouseMoveEvent(QMouseEvent *event)
{
    m_text1->hide();
    QWidget::mouseMoveEvent(event);
}

bool BioWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        for (int i = 0; i < Bio::cycleCount; ++i) {
            if (watched == m_label1[size_t(i)]) {
                showAdvice(i, mouse->position());
                return true; // an ignored move would reach the window and hide the box again
            }
        }
        if (watched == m_picture1 || watched == m_label2)
            m_text1->hide();
    } else if (event->type() == QEvent::MouseButtonRelease && watched == m_picture1) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_picture1->rect().contains(mouse->position().toPoint())) {
            m_ctx.state.bioShown = 0;
            hide();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BioWindow::closeEvent(QCloseEvent *event)
{
    if (!m_ctx.state.ending) {
        double left = 0, top = 0, width = 0, height = 0;
        Twips::outerGeometry(this, &left, &top, &width, &height);
        Settings &s = m_ctx.settings;
        s.bioWidth = Value(width);
        s.bioHeight = Value(height);
        s.bioLeft = Value(left);
        s.bioTop = Value(top);
        m_ctx.state.bioShown = 0;
    }
    event->accept();
}
