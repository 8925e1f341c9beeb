#include "calendarwindow.h"

#include "appcontext.h"
#include "calendarlayout.h"
#include "monthsheet.h"
#include "platform.h"
#include "twips.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr double designWidth = 3630;
constexpr double designHeight = 2715;
constexpr double sizeWhenUnset = 3000;
constexpr int titleEntry = 7;

const QColor designWindowColour(192, 192, 192);

void setBackColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setPointSize(QWidget *widget, int points)
{
    QFont f = widget->font();
    if (f.pointSize() != points) {
        f.setPointSize(points);
        widget->setFont(f);
    }
}

} // namespace

CalendarWindow::CalendarWindow(AppContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setWindowFlags(windowFlags() | Qt::Tool);
    setBackColour(this, designWindowColour);
    createControls();

    Settings &s = m_ctx.settings;
    updateCaption();

    // A size never stored yet is recorded as 3000 while the window keeps its design size.
    double width = s.calWidth.toNumber();
    if (width == 0) {
        s.calWidth = Value(sizeWhenUnset);
        width = designWidth;
    }
    double height = s.calHeight.toNumber();
    if (height == 0) {
        s.calHeight = Value(sizeWhenUnset);
        height = designHeight;
    }
    Twips::setOuterGeometry(this, s.calLeft.toNumber(), s.calTop.toNumber(), width, height);

    const QDate today = m_ctx.platform.now().date();
    if (today.isValid()) {
        m_year = today.year();
        m_month = today.month();
    }

    applyStyleDefaults();
    applyTitleStyle();
    for (int c = 0; c < 7; ++c)
        applyColumnStyle(c);

    if (s.calBackColor[0].toNumber() != 0 && s.calBackColor[1].toNumber() != 0) {
        applyTitleBackColor();
        applySheetBackColor();
    }

    if (s.calOnTop.toNumber() == 1)
        setOnTop(true);

    calendar_calc();
}

CalendarWindow::~CalendarWindow() = default;

void CalendarWindow::createControls()
{
    // Label1: design position, border and font until start-up applies the stored style.
    m_title = new CellLabel(this);
    m_title->setObjectName(u"Label1"_s);
    m_title->setFramed(true);
    m_title->setFont(storedFont(u"ＭＳ Ｐゴシック"_s, 18));
    setBackColour(m_title, designWindowColour);
    Twips::setGeometry(m_title, 0, 0, 2130, 375);

    const QColor cellBack = palette().color(QPalette::Base);
    const QColor cellText = palette().color(QPalette::Text);
    for (int line = 0; line < 7; ++line) {
        for (int c = 0; c < 7; ++c) {
            auto *label = new CellLabel(this);
            label->setObjectName(u"Label%1_%2"_s.arg(line + 2).arg(c));
            setBackColour(label, cellBack);
            label->setTextColour(cellText);
            Twips::setGeometry(label, 495.0 * c, 570 + 300.0 * line, 495, 300);
            if (line == 0)
                m_headings[size_t(c)] = label;
            else
                m_days[size_t(line - 1)][size_t(c)] = label;
        }
    }

    // The buttons come last so they lie above the week row they share a corner with.
    const QFont buttonFont = storedFont(u"ＭＳ Ｐゴシック"_s, 8.25, true);
    m_prev = new QPushButton(u"＜"_s, this);
    m_prev->setObjectName(u"Command1_0"_s);
    m_next = new QPushButton(u"＞"_s, this);
    m_next->setObjectName(u"Command1_1"_s);
    for (QPushButton *b : {m_prev, m_next})
        b->setFont(buttonFont);
    Twips::setGeometry(m_prev, 2790, 0, 270, 270);
    Twips::setGeometry(m_next, 3150, 0, 270, 270);
    connect(m_prev, &QPushButton::clicked, this, &CalendarWindow::onPrevMonth);
    connect(m_next, &QPushButton::clicked, this, &CalendarWindow::onNextMonth);
}

void CalendarWindow::applyStyleDefaults()
{
    Settings &s = m_ctx.settings;
    for (size_t j = 0; j <= size_t(titleEntry); ++j) {
        if (s.calFontName[j].isEmpty())
            s.calFontName[j] = u"ＭＳ ゴシック"_s;
        if (s.calFontSize[j] == 0)
            s.calFontSize[j] = 10;
        if (s.calForeColor[j].toNumber() == 0)
            s.calForeColor[j] = Value(0);
    }
}

CellLabel *CalendarWindow::columnLabel(int column, int line) const
{
    return line == 0 ? m_headings[size_t(column)] : m_days[size_t(line - 1)][size_t(column)];
}

void CalendarWindow::calendar_calc()
{
    m_ctx.platform.setBusyPointer(this, true);
    const Settings &s = m_ctx.settings;
    std::array<quint32, 7> colours{};
    for (size_t c = 0; c < colours.size(); ++c)
        colours[c] = colourNumber(s.calForeColor[c].toNumber());
    const MonthSheet sheet =
        buildMonthSheet(m_year, m_month, m_ctx.platform.now().date(), s.calLanguage,
                        m_ctx.holidays, m_ctx.holidayLast, colours, s.holidayColor);

    m_title->setText(sheet.title);
    for (int c = 0; c < MonthSheet::columns; ++c)
        m_headings[size_t(c)]->setText(sheet.headings[size_t(c)]);
    for (int r = 0; r < MonthSheet::rows; ++r) {
        for (int c = 0; c < MonthSheet::columns; ++c) {
            const DayCell &cell = sheet.cell(r, c);
            CellLabel *label = m_days[size_t(r)][size_t(c)];
            label->setText(cell.text);
            label->setTextColour(colorFromBgr(cell.colour));
            label->setFramed(cell.framed);
        }
    }
    m_ctx.platform.setBusyPointer(this, false);
}

void CalendarWindow::updateCaption()
{
    setWindowTitle(u" Calendar  "_s + m_ctx.settings.titleBarText);
}

void CalendarWindow::applyTitleFont()
{
    const Settings &s = m_ctx.settings;
    const size_t j = size_t(titleEntry);
    m_title->setFont(storedFont(s.calFontName[j], s.calFontSize[j], s.calFontBold[j] != 0,
                                s.calFontItalic[j] != 0));
}

void CalendarWindow::applyTitleForeColor()
{
    m_title->setTextColour(colorFromBgr(m_ctx.settings.calForeColor[size_t(titleEntry)].toNumber()));
}

void CalendarWindow::applyTitleStyle()
{
    applyTitleFont();
    applyTitleForeColor();
}

void CalendarWindow::applyColumnFont(int column)
{
    if (column < 0 || column > 6)
        return;
    const Settings &s = m_ctx.settings;
    const size_t j = size_t(column);
    const QFont font = storedFont(s.calFontName[j], s.calFontSize[j], s.calFontBold[j] != 0,
                                  s.calFontItalic[j] != 0);
    for (int line = 0; line < 7; ++line)
        columnLabel(column, line)->setFont(font);
}

void CalendarWindow::applyColumnForeColor(int column)
{
    if (column < 0 || column > 6)
        return;
    const QColor colour = colorFromBgr(m_ctx.settings.calForeColor[size_t(column)].toNumber());
    for (int line = 0; line < 7; ++line)
        columnLabel(column, line)->setTextColour(colour);
}

void CalendarWindow::applyColumnStyle(int column)
{
    applyColumnFont(column);
    applyColumnForeColor(column);
}

void CalendarWindow::applyTitleBackColor()
{
    setBackColour(m_title, colorFromBgr(m_ctx.settings.calBackColor[0].toNumber()));
}

void CalendarWindow::applySheetBackColor()
{
    const QColor colour = colorFromBgr(m_ctx.settings.calBackColor[1].toNumber());
    setBackColour(this, colour);
    for (int c = 0; c < 7; ++c)
        for (int line = 0; line < 7; ++line)
            setBackColour(columnLabel(c, line), colour);
}

void CalendarWindow::setOnTop(bool on)
{
    m_ctx.platform.setTopmost(this, on);
}

void CalendarWindow::showMonth(int year, int month)
{
    // Carry a month outside 1..12 into the year; the year saturates instead of overflowing.
    qint64 y = qint64(year) + (month - 1) / 12;
    int m = (month - 1) % 12;
    if (m < 0) {
        m += 12;
        --y;
    }
    m_year = int(std::clamp<qint64>(y, std::numeric_limits<int>::min(),
                                    std::numeric_limits<int>::max()));
    m_month = m + 1;
    calendar_calc();
}

void CalendarWindow::onPrevMonth()
{
    if (m_month == 1) {
        if (m_year == std::numeric_limits<int>::min())
            return;
        --m_year;
        m_month = 12;
    } else {
        --m_month;
    }
    calendar_calc();
}

void CalendarWindow::onNextMonth()
{
    if (m_month == 12) {
        if (m_year == std::numeric_limits<int>::max())
            return;
        ++m_year;
        m_month = 1;
    } else {
        ++m_month;
    }
    calendar_calc();
}

void CalendarWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    calendarResize();
}

void CalendarWindow::calendarResize()
{
    if (isMinimized())
        return;
    double left = 0, top = 0, width = 0, height = 0;
    Twips::outerGeometry(this, &left, &top, &width, &height);
    const CalendarLayout layout = calendarLayout(width, height);
    if (!layout.apply)
        return;

    const TwipsSize screen = m_ctx.platform.screenSize();
    const ScreenSnap snap = keepOnScreen(left, top, width, height, screen.width, screen.height);
    if (snap.left != left || snap.top != top)
        move(Twips::toPx(snap.left), Twips::toPx(snap.top));

    applyLayout(layout);

    Settings &s = m_ctx.settings;
    for (size_t c = 0; c < 7; ++c)
        s.calFontSize[c] = qint16(layout.dayFontSize);
    s.calFontSize[8] = qint16(layout.dayFontSize);
    emit m_ctx.calendarFontSizesChanged(layout.titleFontSize);
}

void CalendarWindow::applyLayout(const CalendarLayout &layout)
{
    for (QPushButton *b : {m_prev, m_next})
        setPointSize(b, layout.buttonFontSize);
    Twips::setGeometry(m_prev, layout.prevLeft, layout.buttonTop, layout.buttonSide,
                       layout.buttonSide);
    Twips::setGeometry(m_next, layout.nextLeft, layout.buttonTop, layout.buttonSide,
                       layout.buttonSide);

    Twips::setGeometry(m_title, 0, 0, layout.titleWidth, layout.titleHeight);
    setPointSize(m_title, layout.titleFontSize);

    for (int c = 0; c < 7; ++c) {
        for (int line = 0; line < 7; ++line) {
            CellLabel *label = columnLabel(c, line);
            Twips::setGeometry(label, layout.cellLeft(c), layout.lineTop(line), layout.cellWidth,
                               layout.cellHeight);
            setPointSize(label, line == 0 ? layout.headingFontSize : layout.dayFontSize);
        }
    }
}

void CalendarWindow::closeEvent(QCloseEvent *event)
{
    if (!m_ctx.state.ending) {
        Settings &s = m_ctx.settings;
        double left = 0, top = 0, width = 0, height = 0;
        Twips::outerGeometry(this, &left, &top, &width, &height);
        s.calLeft = Value(left);
        s.calTop = Value(top);
        s.calWidth = Value(width);
        s.calHeight = Value(height);
        m_ctx.state.calendarShown = 0;
    }
    event->accept();
}
