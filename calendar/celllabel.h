#pragma once

#include <QLabel>

/** A calendar label: centred text in its own colour, and an optional single-line border. */
class CellLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit CellLabel(QWidget *parent = nullptr);

    /** Draws the border (always in the window-text colour, whatever the text colour is). */
    void setFramed(bool framed);
    bool isFramed() const { return m_framed; }
    /** The text colour; the border keeps its own. */
    void setTextColour(const QColor &colour);
    QColor textColour() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_framed = false;
};
