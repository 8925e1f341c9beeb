// The picture buttons that open the other windows, and the always-on-top band.
#include "timemain.h"

#include "appcontext.h"
#include "companions.h"
#include "picturebutton.h"
#include "platform.h"
#include "twips.h"

#include <QThread>

void TimeMain::onSettingsButtonClick()
{
    RuntimeState &state = m_ctx.state;
    if (state.settingsShown == 0) {
        state.memoHeight = m_geo.memo[0].height;
        QWidget *settings = m_companions.settingsWindow();
        slideUpperIndicator();
        state.settingsShown = 1;
        settings->show();
    } else {
        state.settingsShown = 0;
        m_companions.settingsWindow()->hide();
    }
}

void TimeMain::slideUpperIndicator()
{
    TwipsBox &box = m_geo.indicators[0];
    const double x0 = box.left;
    const QList<double> lefts = MainLayout::slidePositions(x0);
    if (lefts.isEmpty())
        return;
    const double side = box.height;
    PictureButton *indicator = m_indicators[0];
    const bool onScreen = isVisible() && indicator->isVisible();
    for (const double left : lefts) {
        Twips::setGeometry(indicator, left, box.top, side, side);
        if (onScreen) {
            // A short visible movement; the handler does not return to the event loop meanwhile.
            repaint(0, indicator->y(), width(), indicator->height());
            if (m_slideStepMs > 0)
                QThread::msleep(ulong(m_slideStepMs));
        }
    }
    box.width = side;
    box.left = x0;
    Twips::setGeometry(indicator, box.left, box.top, box.width, box.height);
}

void TimeMain::onCalendarPictureClick()
{
    RuntimeState &state = m_ctx.state;
    if (state.calendarShown == 0) {
        state.calendarShown = 1;
        m_companions.calendarWindow()->show();
    } else {
        m_companions.calendarWindow()->hide();
        state.calendarShown = 0;
    }
}

void TimeMain::onBioPictureClick()
{
    RuntimeState &state = m_ctx.state;
    if (state.bioShown == 0) {
        m_companions.bioWindow()->show();
        m_companions.bioCalc();
        state.bioShown = 1;
    } else {
        state.bioShown = 0;
        m_companions.bioWindow()->hide();
    }
}

void TimeMain::setMainTopmost(bool on)
{
    m_ctx.platform.setTopmost(this, on);
}
