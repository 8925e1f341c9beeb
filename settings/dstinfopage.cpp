#include "dstinfopage.h"

#include "appcontext.h"
#include "configenv.h"
#include "lookbuilder.h"
#include "pagelayout.h"
#include "pagetexts.h"
#include "platform.h"
#include "worldclock.h"

#include <QGroupBox>
#include <QLabel>

using namespace Qt::StringLiterals;
using namespace PageLayout;

DstInfoPage::DstInfoPage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env)
{
    QLabel *normal = picture(this, Art::NormalTime, 0, 990, 450, 300, 300);
    normal->setAccessibleName(u"通常時間"_s);
    QLabel *summer = picture(this, Art::SummerTime, 0, 1440, 450, 300, 300);
    summer->setAccessibleName(u"サマータイム"_s);
    QGroupBox *box = frame(this, u"サマータイム期間"_s, 540, 900, 6105, 3000, look().pt(12).bold());
    // A little taller than the classic 2400 twips: Qt's line spacing needs it for the eleven lines.
    m_label3 = label(box, QString(), 135, 360, 5820, 2580, look().pt(9.75));
    m_label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

DstInfoPage::~DstInfoPage() = default;

void DstInfoPage::fill()
{
    const WorldClockState &w = m_env.ctx.world;
    QString text;
    if (w.euDstStart.isValid() && w.naDstStart.isValid()) {
        text = PageTexts::dstPeriodText(w.euDstStart, w.euDstEnd, w.naDstStart, w.naDstEnd);
    } else {
        // Summer time not decided yet: this year's dates by the same rules the clock applies.
        const int year = m_env.ctx.platform.now().date().year();
        text = PageTexts::dstPeriodText(euDstStart(year), euDstEnd(year), naDstStart(year),
                                        naDstEnd(year));
    }
    m_label3->setText(PageTexts::toWidgetText(text));
}
