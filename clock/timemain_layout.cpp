// The main window's layout: row sizes, the right-hand column, the panels and the window height.
#include "timemain.h"

#include "appcontext.h"
#include "picturebutton.h"
#include "twips.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

using namespace Qt::StringLiterals;

namespace {

void setShown(QWidget *widget, bool shown)
{
    if (widget->isHidden() == shown)
        widget->setVisible(shown);
}

} // namespace

double TimeMain::windowHeightTwips() const
{
    return m_geo.windowHeight;
}

double TimeMain::windowWidthTwips() const
{
    return m_geo.windowWidth;
}

void TimeMain::setWindowGeometryTwips(double left, double top, double width, double height)
{
    left = std::clamp(std::isfinite(left) ? left : 0.0, -MainLayout::maxWindowTwips,
                      MainLayout::maxWindowTwips);
    top = std::clamp(std::isfinite(top) ? top : 0.0, -MainLayout::maxWindowTwips,
                     MainLayout::maxWindowTwips);
    width = MainLayout::sanitizedWindowLength(width);
    height = MainLayout::sanitizedWindowLength(height);
    m_outerLeft = left;
    m_outerTop = top;
    const bool resized = width != m_geo.windowWidth || height != m_geo.windowHeight;
    m_geo.windowWidth = width;
    m_geo.windowHeight = height;
    Twips::setOuterGeometry(this, left, top, width, height);
    if (resized)
        onWindowResized();
}

void TimeMain::setWindowHeightTwips(double height)
{
    height = MainLayout::sanitizedWindowLength(height);
    // Setting the height it already has changes nothing, so the nested re-fit stops here.
    if (height == m_geo.windowHeight)
        return;
    m_geo.windowHeight = height;
    Twips::setOuterHeight(this, height);
    onWindowResized();
}

void TimeMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int wantWidth = std::max(1, Twips::toPx(m_geo.windowWidth - Twips::frameWidth));
    const int wantHeight = std::max(1, Twips::toPx(m_geo.windowHeight - Twips::frameHeight));
    if (width() == wantWidth && height() == wantHeight)
        return; // the program's own change, already laid out
    if (width() != wantWidth)
        m_geo.windowWidth = Twips::outerWidth(this);
    if (height() != wantHeight)
        m_geo.windowHeight = Twips::outerHeight(this);
    onWindowResized();
}

void TimeMain::applyGeometry()
{
    // Lengths given as the outer width end at the client's right edge, so borders stay visible.
    const double clientWidth = std::max(0.0, m_geo.windowWidth - Twips::frameWidth);
    const auto place = [clientWidth](QWidget *w, const TwipsBox &b, bool capToClient) {
        const double width = capToClient ? std::min(b.width, clientWidth - b.left) : b.width;
        Twips::setGeometry(w, b.left, b.top, width, b.height);
    };
    for (size_t k = 0; k < 3; ++k) {
        place(m_rows[k], m_geo.rows[k], true);
        setShown(m_rows[k], m_rowVisibility.rows[k]);
        place(m_indicators[k], m_geo.indicators[k], false);
        setShown(m_indicators[k], m_rowVisibility.indicators[k]);
    }
    place(m_button, m_geo.button, false);
    place(m_mascot, m_geo.mascot, false);
    setShown(m_mascot, m_rowVisibility.mascot);
    place(m_animation, m_geo.animation, false);
    setShown(m_animation, m_rowVisibility.animation);
    place(m_wordPanel, m_geo.wordPanel, true);
    setShown(m_wordPanel, m_wordPanelVisible);
    // A memo page stands below the window's bottom while the pad is off; hide it so it
    // cannot overlap the word panel or reach a screen reader.
    const bool padOn = m_ctx.settings.memoShow[0].toNumber() != 0;
    for (size_t k = 0; k < 2; ++k) {
        place(m_memo[k], m_geo.memo[k], true);
        setShown(m_memo[k], m_memoVisible[k] && padOn);
    }
}

void TimeMain::applyMainLayout()
{
    const Settings &s = m_ctx.settings;
    const RowSizes sizes = MainLayout::rowSizes(s, m_ctx.state.twipsPerPoint);
    for (int k = 0; k < 3; ++k) {
        applyRowFont(k);
        QLabel *label = m_rows[size_t(k)];
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, colorFromBgr(s.itemForeColor[size_t(k)].toNumber()));
        label->setPalette(pal);
    }
    const int rows = MainLayout::rowCount(s);
    m_rowVisibility = MainLayout::rowVisibility(rows);
    MainLayout::layoutRows(m_geo, sizes, rows);
    m_button->setFont(storedFont(u"ＭＳ Ｐゴシック"_s, m_geo.buttonFontSize));
    applyGeometry();
    Time_main_resize();
}

void TimeMain::onWindowResized()
{
    for (TwipsBox &row : m_geo.rows)
        row.width = m_geo.windowWidth;
    Time_main_resize();
    MainLayout::placeSideControls(m_geo);
    applyGeometry();
}

void TimeMain::Time_main_resize()
{
    if (!normalState())
        return;
    const std::optional<double> wanted =
        MainLayout::fitPanels(m_geo, MainLayout::panelMode(m_ctx.settings));
    applyGeometry();
    if (wanted)
        setWindowHeightTwips(*wanted);
}

void TimeMain::showWordPanel(bool shown)
{
    m_wordPanelVisible = shown;
    m_geo.wordPanel.height = shown ? MainLayout::wordPanelHeight : 0;
    applyGeometry();
}

void TimeMain::showMemoPanel(bool shown)
{
    RuntimeState &state = m_ctx.state;
    if (shown) {
        if (state.memoHeight < 250)
            state.memoHeight = 3000;
        // The pad comes back with its front page. When the back page was the current one and is
        // not on view, the front page becomes current, so the next page turn stores what is
        // typed on the page the user sees instead of putting an older copy over it.
        if (state.currentMemoPage == 1 && !m_memoVisible[1]) {
            storeMemoPage(1);
            state.currentMemoPage = 0;
        }
        m_memoVisible[0] = true;
        m_geo.memo[0].height = state.memoHeight;
        m_geo.memo[1].height = state.memoHeight;
        const double rows = MainLayout::rowsHeight(m_geo);
        m_geo.wordPanel.height = MainLayout::wordPanelHeight;
        applyGeometry();
        setWindowHeightTwips(rows + MainLayout::wordPanelHeight + MainLayout::frame +
                             state.memoHeight);
    } else {
        state.memoHeight = m_geo.memo[0].height;
        m_geo.memo[0].height = 0;
        m_geo.memo[1].height = 0;
        m_memoVisible = {false, false};
        applyGeometry();
    }
}
