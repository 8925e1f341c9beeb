#include "tabcontrol.h"

#include "twips.h"

#include <QPainter>
#include <QStackedWidget>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

TabControl::TabControl(double stripTwips, QWidget *parent)
    : QWidget(parent), m_stripPx(Twips::toPx(stripTwips)), m_bar(new QTabBar(this)),
      m_stack(new QStackedWidget(this))
{
    m_bar->setExpanding(true);
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
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, m_stripPx - 1, width(), height() - m_stripPx + 1);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = QSize(width(), m_stripPx);
    frame.tabBarRect = QRect(0, 0, width(), m_stripPx);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}
