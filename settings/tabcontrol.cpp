#include "tabcontrol.h"

#include "twips.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

namespace {

/** A tab strip whose tabs share its width equally, so all of them stay in one row. */
class EqualTabBar final : public QTabBar
{
public:
    explicit EqualTabBar(QWidget *parent) : QTabBar(parent) {}

protected:
    QSize tabSizeHint(int index) const override
    {
        const int n = std::max(1, count());
        // The last tab takes the pixels left over by the division.
        const int w = width() / n + (index == n - 1 ? width() % n : 0);
        return {w, height()};
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

    void paintEvent(QPaintEvent *) override
    {
        // The captions get the whole tab: the style's padding would clip eight tabs in one row.
        QStylePainter painter(this);
        const auto paintTab = [&](int i) {
            QStyleOptionTab tab;
            initStyleOption(&tab, i);
            painter.drawControl(QStyle::CE_TabBarTabShape, tab);
            painter.drawItemText(tab.rect, Qt::AlignCenter, tab.palette, isTabEnabled(i), tab.text,
                                 QPalette::WindowText);
        };
        for (int i = 0; i < count(); ++i)
            if (i != currentIndex())
                paintTab(i);
        if (currentIndex() >= 0)
            paintTab(currentIndex()); // drawn last: it overlaps its neighbours
    }
};

} // namespace

TabControl::TabControl(double stripTwips, QWidget *parent)
    : QWidget(parent), m_stripPx(Twips::toPx(stripTwips)), m_bar(new EqualTabBar(this)),
      m_stack(new QStackedWidget(this))
{
    m_bar->setExpanding(false);
    m_bar->setUsesScrollButtons(false);
    m_bar->setElideMode(Qt::ElideNone);
    m_bar->setDrawBase(false);
    m_bar->setFocusPolicy(Qt::TabFocus);
    connect(m_bar, &QTabBar::currentChanged, m_stack, &QStackedWidget::setCurrentIndex);
    // The pages lie under the strip; the strip must stay on top to receive the clicks.
    m_bar->raise();
}

void TabControl::addPage(QWidget *page, const QString &caption)
{
    m_stack->addWidget(page);
    m_bar->addTab(caption);
    m_bar->raise();
    placeChildren();
}

int TabControl::currentIndex() const
{
    return m_bar->currentIndex();
}

void TabControl::setCurrentIndex(int index)
{
    m_bar->setCurrentIndex(index);
}

int TabControl::count() const
{
    return m_bar->count();
}

QWidget *TabControl::page(int index) const
{
    return m_stack->widget(index);
}

void TabControl::resizeEvent(QResizeEvent *)
{
    placeChildren();
}

void TabControl::placeChildren()
{
    // Also while hidden: the pages are full size from the start.
    m_bar->setGeometry(0, 0, width(), m_stripPx);
    m_stack->setGeometry(rect());
    for (int i = 0; i < m_stack->count(); ++i)
        m_stack->widget(i)->setGeometry(rect());
}

void TabControl::paintEvent(QPaintEvent *)
{
    // The pages share the window's grey inside a raised panel.
    QPainter painter(this);
    const QRect pane(0, m_stripPx - 1, width(), height() - m_stripPx + 1);
    painter.fillRect(pane, palette().window());
    qDrawWinPanel(&painter, pane, palette(), false);
}
