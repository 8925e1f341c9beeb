#pragma once

#include <QWidget>

class QStackedWidget;
class QTabBar;

/**
 * The settings window's tab control: one row of tabs over a stack of pages. Every page covers
 * the whole control, so its controls are placed relative to the control's corner, tab strip
 * included.
 */
class TabControl final : public QWidget
{
    Q_OBJECT
public:
    /** stripTwips: height of the tab strip. */
    TabControl(double stripTwips, QWidget *parent = nullptr);

    /** Adds a page (reparented and sized to the whole control) with its tab caption. */
    void addPage(QWidget *page, const QString &caption);
    int currentIndex() const;
    void setCurrentIndex(int index);
    int count() const;
    QWidget *page(int index) const;
    QTabBar *tabBar() const { return m_bar; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeChildren();

    int m_stripPx;
    QTabBar *m_bar;
    QStackedWidget *m_stack;
};
