#pragma once

#include "celllabel.h"

#include <QWidget>
#include <array>

class AppContext;
class QPushButton;
struct CalendarLayout;

/** The month calendar tool window "Calendar". */
class CalendarWindow final : public QWidget
{
    Q_OBJECT
public:
    /** Runs the window's start-up (caption, place, styles, on-top, calendar_calc); stays hidden. */
    explicit CalendarWindow(AppContext &ctx, QWidget *parent = nullptr);
    ~CalendarWindow() override;

    /** Fills the sheet for the displayed month under the busy pointer. */
    void calendar_calc();
    /** Caption " Calendar  " + titleBarText. */
    void updateCaption();
    /** Title label font and text colour from style entry 7. */
    void applyTitleStyle();
    /** Heading and day labels of column c: font and text colour from style entry c. */
    void applyColumnStyle(int column);
    /** Title back colour from calBackColor[0]. */
    void applyTitleBackColor();
    /** Window, heading and day back colours from calBackColor[1]. */
    void applySheetBackColor();
    /** Always-on-top band on or off. */
    void setOnTop(bool on);

    /** Title label font only (name, size, bold, italic of style entry 7); colours stay. */
    void applyTitleFont();
    /** Title label text colour only, from calForeColor[7]. */
    void applyTitleForeColor();
    /** Column c's heading and day labels: font of style entry c only; holiday colours stay. */
    void applyColumnFont(int column);
    /** Column c's heading and day labels: text colour calForeColor[c] only. */
    void applyColumnForeColor(int column);

    int displayedYear() const { return m_year; }
    int displayedMonth() const { return m_month; }
    /** Shows another month (a month outside 1..12 is carried into the year) and recomputes. */
    void showMonth(int year, int month);

    // Controls, for tests and the settings window's tests (the labels are CellLabels).
    QLabel *titleLabel() const { return m_title; }
    QLabel *headingLabel(int column) const { return m_headings[size_t(column)]; }
    /** Day label of week row 0..5 (Label3..Label8) and column 0..6. */
    QLabel *dayLabel(int row, int column) const { return m_days[size_t(row)][size_t(column)]; }
    QPushButton *prevButton() const { return m_prev; }
    QPushButton *nextButton() const { return m_next; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void applyStyleDefaults();
    void onPrevMonth();
    void onNextMonth();
    /** The resize handler: keep on screen, lay out, report the font sizes. */
    void calendarResize();
    void applyLayout(const CalendarLayout &layout);
    CellLabel *columnLabel(int column, int line) const;

    AppContext &m_ctx;
    int m_year = 2000;
    int m_month = 1;
    CellLabel *m_title = nullptr;
    std::array<CellLabel *, 7> m_headings{};
    std::array<std::array<CellLabel *, 7>, 6> m_days{};
    QPushButton *m_prev = nullptr;
    QPushButton *m_next = nullptr;
};
