// The clock rows, the world clock's summer time, the row and indicator commands, the daily refresh.
#include "timemain.h"

#include "appcontext.h"
#include "datafiles.h"
#include "datetime.h"
#include "greeting.h"
#include "memopages.h"
#include "picturebutton.h"
#include "platform.h"
#include "worldclock.h"

#include <QLabel>

using namespace Qt::StringLiterals;

void TimeMain::renderClockRows()
{
    const double now = DateTime::fromQDateTime(m_ctx.platform.now());
    for (int k = 0; k < 3; ++k) {
        const std::optional<QString> text = clockRowText(m_ctx.settings, m_ctx.world, k, now);
        QLabel *row = m_rows[size_t(k)];
        if (text && row->text() != *text)
            row->setText(*text);
    }
}

void TimeMain::determineDst()
{
    decideDst(m_ctx.world, m_ctx.platform.now());
    emit m_ctx.dstDetermined(); // the settings page colours the cities in force
    setIndicatorPictures();
}

void TimeMain::setIndicatorPicture(int row, int flag)
{
    if (row < 0 || row > 2)
        return;
    PictureButton *indicator = m_indicators[size_t(row)];
    const bool summer = (flag & 1) == 1;
    indicator->setPicture(summer ? Art::SummerTime : Art::NormalTime, 0);
    const QString name = summer ? u"サマータイム"_s : u"通常時間"_s;
    if (indicator->accessibleName() != name)
        indicator->setAccessibleName(name);
}

void TimeMain::setIndicatorPictures()
{
    for (int k = 0; k < 3; ++k)
        setIndicatorPicture(k, rowDstFlag(m_ctx.settings, m_ctx.world, k));
}

void TimeMain::onRowMouseDown(int row, Qt::MouseButton button)
{
    if (row < 0 || row > 2)
        return;
    m_ctx.state.editRow = row;
    const int city = rowCityIndex(m_ctx.settings, row);
    const int next =
        button == Qt::RightButton ? (city + 1) % cityCount : (city - 1 + cityCount) % cityCount;
    m_ctx.settings.rowCity[size_t(row)] = next;
    emit m_ctx.rowEdited(row);
    setIndicatorPicture(row, rowDstFlag(m_ctx.settings, m_ctx.world, row));
    renderClockRows();
}

void TimeMain::onIndicatorClick(int row)
{
    if (row < 0 || row > 2)
        return;
    m_ctx.state.editRow = row;
    qint16 &flag = m_ctx.settings.rowManualDst[size_t(row)];
    flag = qint16(1 - (flag & 1)); // a hand-edited value toggles what its picture shows
    emit m_ctx.autoDstSwitchedOff(row);
    setIndicatorPicture(row, flag);
    m_ctx.settings.autoDst = 0;
    // Every row now runs on its manual flag; its picture says so even without the settings window.
    setIndicatorPictures();
    renderClockRows();
}

void TimeMain::dailyRefresh()
{
    // The settings and both memo pages stay as they are in memory: what was changed in the
    // settings window or typed since start-up is not replaced by the files' older contents.
    const QDate today = m_ctx.platform.now().date();
    loadTodaysWord(m_ctx);
    if (m_ctx.todaysWordDay.toInt() != dayOfYear(today))
        m_ctx.todaysWordDay = dayOfYear(today); // the refresh runs once a day whatever happened
    // Today's line of the front page as it stands now, typing included.
    const int line = lastLineOfDay(memoBoxText(0), today.day());
    if (line >= 0)
        m_ctx.memoTodayLine = toInt16(line);
    KAKUGEN_DISP();
    determineDst();
    setIndicatorPictures();
    applyMainLayout();
    scrollFrontMemo(-100);
    scrollFrontMemo(m_ctx.memoTodayLine);
}
