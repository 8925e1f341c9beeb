#include "biochartarea.h"

#include "twips.h"

#include <QPainter>
#include <QPen>

BioChartArea::BioChartArea(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void BioChartArea::setSegments(const QList<BioSegment> &segments, int span)
{
    m_segments = segments;
    m_span = std::max(1, span);
    update();
}

void BioChartArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.drawRect(frame);

    const QRectF inner = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (inner.width() <= 0 || inner.height() <= 0)
        return;
    const double span = m_span;
    auto map = [&](const QPointF &pt) {
        return QPointF(inner.left() + (pt.x() + span) * inner.width() / (2 * span),
                       inner.top() + (100.0 - pt.y()) * inner.height() / 200.0);
    };
    const QColor text = palette().color(QPalette::WindowText);
    p.setClipRect(inner);
    for (const BioSegment &s : m_segments) {
        const QColor colour = s.colour ? colorFromBgr(double(*s.colour)) : text;
        QPen pen(colour, s.width);
        pen.setCapStyle(s.width > 1 ? Qt::RoundCap : Qt::FlatCap);
        p.setPen(pen);
        // The wide curves read better smoothed; the thin axes and ticks stay crisp.
        p.setRenderHint(QPainter::Antialiasing, s.width > 1);
        p.drawLine(map(s.from), map(s.to));
    }
}
