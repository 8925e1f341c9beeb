#pragma once

#include "biochart.h"

#include <QWidget>

/** The chart area "Picture1": paints the axes and curves of the last calculation. */
class BioChartArea final : public QWidget
{
    Q_OBJECT
public:
    explicit BioChartArea(QWidget *parent = nullptr);

    /** Takes the segments to paint; an empty list leaves the area white. */
    void setSegments(const QList<BioSegment> &segments, int span);
    const QList<BioSegment> &segments() const { return m_segments; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<BioSegment> m_segments;
    int m_span = 21;
};
