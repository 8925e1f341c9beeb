#include "celllabel.h"

#include <QPainter>

CellLabel::CellLabel(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setMargin(0);
    setIndent(0);
    // Text is drawn in the Text role so that a holiday's red never reaches the border.
    setForegroundRole(QPalette::Text);
}

void CellLabel::setFramed(bool framed)
{
    if (m_framed == framed)
        return;
    m_framed = framed;
    update();
}

void CellLabel::setTextColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, colour);
    setPalette(p);
}

QColor CellLabel::textColour() const
{
    return palette().color(QPalette::Text);
}

void CellLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_framed)
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
