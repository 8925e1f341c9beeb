#include "calendarwindow.h"

#include "appcontext.h"

#include <QLabel>
#include <QPushButton>

// TODO(calendar): the real window; these stubs only keep the program linking.
CalendarWindow::CalendarWindow(AppContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    m_title = new QLabel(this);
    for (auto &h : m_headings)
        h = new QLabel(this);
    for (auto &row : m_days)
        for (auto &cell : row)
            cell = new QLabel(this);
    m_prev = new QPushButton(this);
    m_next = new QPushButton(this);
}

CalendarWindow::~CalendarWindow() = default;
void CalendarWindow::calendar_calc() {}
void CalendarWindow::updateCaption() {}
void CalendarWindow::applyTitleStyle() {}
void CalendarWindow::applyColumnStyle(int) {}
void CalendarWindow::applyTitleBackColor() {}
void CalendarWindow::applySheetBackColor() {}
void CalendarWindow::setOnTop(bool) {}
void CalendarWindow::showMonth(int year, int month)
{
    m_year = year;
    m_month = month;
}
