#include "displayitemspage.h"

#include "appcontext.h"
#include "configenv.h"
#include "optiongroup.h"
#include "pagelayout.h"
#include "pickers.h"
#include "platform.h"
#include "timemain.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace PageLayout;

namespace {

const Look frameLook{.points = 9.75, .bold = true};
const Look nameLook{.points = 9.75, .border = true, .backColor = 16777215};
const Look sizeLook{.points = 9.75, .border = true, .centred = true, .backColor = 14737632};

QString offText()
{
    return QStringLiteral("しない");
}

QString onText()
{
    return QStringLiteral("する");
}

} // namespace

DisplayItemsPage::DisplayItemsPage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env)
{
    const auto *marking = &env.ctx.state.optionColors;

    auto *frame8 = frame(this, QStringLiteral("時計の表示"), 180, 585, 3500, 600, frameLook);
    Option7 = new OptionGroup({option(frame8, QStringLiteral("上段"), 180, 250, 960, 285),
                               option(frame8, QStringLiteral("上中段"), 1170, 250, 915, 285),
                               option(frame8, QStringLiteral("上中下段"), 2205, 250, 1140, 285)},
                              [this](int i) { onClockRows(i); }, marking, this);

    auto *frame7 =
        frame(this, QStringLiteral("自動サマータイム表示"), 3870, 630, 3500, 600, frameLook);
    Option6 = new OptionGroup({option(frame7, offText(), 630, 250, 870, 195),
                               option(frame7, onText(), 2205, 250, 825, 195)},
                              [this](int i) { onAutoDst(i); }, marking, this);

    auto *frame12 = frame(this, QStringLiteral("秒表示"), 150, 1305, 3500, 600, frameLook);
    Option11 = new OptionGroup({option(frame12, offText(), 585, 250, 1095, 240),
                                option(frame12, onText(), 2205, 250, 1095, 240)},
                               [this](int i) { onSeconds(i); }, marking, this);

    auto *frame13 = frame(this, QStringLiteral("画面を常に手前に表示"), 3870, 1305, 3500, 600,
                          Look{.points = 9, .bold = true});
    Option12 = new OptionGroup({option(frame13, offText(), 600, 250, 960, 240),
                                option(frame13, onText(), 2205, 250, 960, 240)},
                               [this](int i) { onOnTop(i); }, marking, this);

    auto *frame1 = frame(this, QStringLiteral("今日の言葉"), 180, 2295, 3495, 1680, frameLook);
    auto *frame16 = frame(frame1, QStringLiteral("表示"), 630, 300, 2805, 600,
                          Look{.backColor = 12632256});
    Option1 = new OptionGroup({option(frame16, offText(), 360, 250, 780, 180),
                               option(frame16, onText(), 1710, 250, 780, 180)},
                              [this](int i) { onWordPanel(i); }, marking, this);
    label(frame1, QStringLiteral("フォント名"), 135, 1000, 960, 240);
    label(frame1, QStringLiteral("サイズ"), 2025, 1000, 735, 240);
    Label4[0] = label(frame1, QString(), 90, 1200, 1860, 300, nameLook);
    Label4[1] = label(frame1, QString(), 2025, 1200, 510, 300, sizeLook);
    Command1[0] = button(frame1, QStringLiteral("Font"), 2700, 1200, 555, 330);

    auto *frame2 = frame(this, QStringLiteral("メモ欄"), 3915, 2295, 3495, 1680, frameLook);
    auto *frame17 = frame(frame2, QStringLiteral("表示"), 450, 300, 2985, 600);
    Option3 = new OptionGroup({option(frame17, offText(), 540, 250, 1050, 195),
                               option(frame17, onText(), 1800, 250, 1050, 195)},
                              [this](int i) { onMemoPad(i); }, marking, this);
    label(frame2, QStringLiteral("フォント名"), 135, 1000, 870, 285);
    label(frame2, QStringLiteral("サイズ"), 2115, 1000, 870, 285);
    Label6[0] = label(frame2, QString(), 90, 1200, 1860, 300, nameLook);
    Label6[1] = label(frame2, QString(), 2025, 1200, 510, 300, sizeLook);
    Command1[1] = button(frame2, QStringLiteral("Font"), 2700, 1200, 555, 330);

    for (int k = 0; k < 2; ++k)
        connect(Command1[size_t(k)], &QPushButton::clicked, this, [this, k] { onPanelFont(k); });
}

DisplayItemsPage::~DisplayItemsPage() = default;

TimeMain *DisplayItemsPage::main() const
{
    return m_env.links.main;
}

void DisplayItemsPage::fill()
{
    showPanelFont(3);
    showPanelFont(4);
}

void DisplayItemsPage::showPanelFont(int item)
{
    const Settings &s = m_env.ctx.settings;
    auto &labels = item == 3 ? Label4 : Label6;
    labels[0]->setText(s.itemFontName[size_t(item)].toText());
    labels[1]->setText(s.itemFontSize[size_t(item)].toText());
}

void DisplayItemsPage::onClockRows(int i)
{
    m_env.ctx.settings.clockRows = Value(i);
    if (TimeMain *m = main())
        m->applyMainLayout();
    Option7->mark(i);
}

void DisplayItemsPage::onAutoDst(int i)
{
    m_env.ctx.settings.autoDst = qint16(i);
    Option6->mark(i);
    if (TimeMain *m = main()) {
        m->determineDst();
        m->renderClockRows();
    }
}

void DisplayItemsPage::onSeconds(int i)
{
    m_env.ctx.settings.showSeconds = qint16(i);
    Option11->mark(i);
    if (timeParaDisp)
        timeParaDisp();
}

void DisplayItemsPage::onOnTop(int i)
{
    m_env.ctx.settings.mainOnTop = Value(i);
    Option12->mark(i);
    if (TimeMain *m = main())
        m->setMainTopmost(i == 1);
}

void DisplayItemsPage::onWordPanel(int i)
{
    Settings &s = m_env.ctx.settings;
    s.todaysWordShow[0] = Value(i);
    s.todaysWordShow[1] = Value(i);
    Option1->mark(i);
    if (TimeMain *m = main()) {
        m->showWordPanel(i == 1);
        m->Time_main_resize();
    }
}

void DisplayItemsPage::onMemoPad(int i)
{
    Settings &s = m_env.ctx.settings;
    s.memoShow[0] = Value(i);
    s.memoShow[1] = Value(i);
    if (TimeMain *m = main()) {
        m->showMemoPanel(i == 1);
        m->Time_main_resize();
    }
    Option3->mark(i);
}

void DisplayItemsPage::onPanelFont(int k)
{
    const int item = k + 3; // fontSlot: 3 the word panel, 4 the memo pages
    Settings &s = m_env.ctx.settings;
    FontChoice picked = itemFont(s, item);
    // A cancelled dialog leaves the record exactly as it was.
    if (pickFont(m_env.ctx.platform, picked))
        storeItemFont(s, item, picked);
    if (TimeMain *m = main())
        m->applyPanelFont(item);
    showPanelFont(item);
}
