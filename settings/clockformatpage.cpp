#include "clockformatpage.h"

#include "appcontext.h"
#include "configenv.h"
#include "datetime.h"
#include "formatdatetime.h"
#include "optiongroup.h"
#include "pagelayout.h"
#include "pickers.h"
#include "platform.h"
#include "timemain.h"
#include "twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace PageLayout;

namespace {

constexpr int cityCount = 6;
constexpr int formatCount = 7;
constexpr quint32 red = 255;

void setBackColor(QWidget *control, quint32 bgr)
{
    QPalette pal = control->palette();
    const QColor c = colorFromBgr(bgr);
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::Button, c);
    control->setPalette(pal);
    control->setAutoFillBackground(true);
}

} // namespace

QStringList clockSamples(double now, double cityOffset, const QString &citySuffix,
                         bool withSeconds)
{
    QStringList samples;
    const double t = now + cityOffset;
    for (int i = 0; i < formatCount; ++i)
        samples.append(formatDateTime(t, clockRowPattern(i, withSeconds)) + citySuffix);
    return samples;
}

ClockFormatPage::ClockFormatPage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env)
{
    const auto *marking = &env.ctx.state.optionColors;
    const Look frameLook{.points = 9.75, .bold = true};

    auto *frame10 = frame(this, QStringLiteral("編集する時計"), 150, 540, 3200, 735, frameLook);
    Option10 = new OptionGroup(
        {option(frame10, QStringLiteral("上段"), 225, 360, 780, 240, Look{.points = 9.75}),
         option(frame10, QStringLiteral("中段"), 1260, 360, 915, 180, Look{.backColor = 12632256}),
         option(frame10, QStringLiteral("下段"), 2205, 360, 915, 180)},
        [this](int i) { onEditRow(i); }, marking, this);

    auto *frame3 = frame(this, QStringLiteral("地　域"), 150, 1260, 3195, 2940, frameLook);
    const Look cityLook{.points = 9.75, .fontName = QStringLiteral("ＭＳ ゴシック"), .foreColor = 0};
    QList<QRadioButton *> cities(cityCount);
    cities[0] = option(frame3, QStringLiteral("日本"), 250, 300, 1965, 225,
                       Look{.points = 9.75, .foreColor = 0});
    cities[1] = option(frame3, QStringLiteral("米(ＬＡ) -17Hr"), 250, 765, 2010, 225, cityLook);
    cities[2] = option(frame3, QStringLiteral("米(ｼｶｺﾞ) -15Hr"), 250, 1260, 1995, 225, cityLook);
    cities[3] = option(frame3, QStringLiteral("米(NY)   -14Hr"), 250, 1710, 2145, 225, cityLook);
    cities[5] = option(frame3, QStringLiteral("独       - 8Hr"), 250, 2160, 2055, 225, cityLook);
    cities[4] = option(frame3, QStringLiteral("英(UTC)  - 9Hr"), 250, 2565, 2100, 225, cityLook);
    Option5 = new OptionGroup(cities, [this](int i) { onCity(i); }, nullptr, this);

    auto *frame4 = frame(this, QStringLiteral("書式と背景色"), 3510, 540, 3885, 2850, frameLook);
    // Created first so that it lies behind the samples.
    Label15 = label(frame4, QString(), 45, 225, 3750, 2535,
                    Look{.border = true, .backColor = 16777215});
    const Look sampleLook{.backColor = 16777215};
    const double tops[formatCount] = {360, 675, 990, 1350, 1665, 2025, 2340};
    QList<QRadioButton *> samples;
    for (int i = 0; i < formatCount; ++i)
        samples.append(option(frame4, QString(), 200, tops[i], i < 5 ? 3500 : 2730, 285,
                              sampleLook));
    Option8 = new OptionGroup(samples, [this](int i) { onFormat(i); }, nullptr, this);
    Command7 = button(frame4, QStringLiteral("背景色"), 3015, 2385, 735, 330);

    auto *frame9 = frame(this, QStringLiteral("時計のフォント"), 3465, 3375, 3885, 870,
                         Look{.points = 9, .bold = true});
    Label8 = label(frame9, QString(), 90, 360, 2220, 300,
                   Look{.points = 8.25, .border = true, .backColor = 16777215});
    Label16 = label(frame9, QString(), 2385, 360, 510, 300,
                    Look{.points = 9.75, .border = true, .centred = true, .backColor = 14737632});
    Command2 = button(frame9, QStringLiteral("Font"), 2970, 360, 500, 330);
    Command6 = button(frame9, QStringLiteral("色"), 3500, 360, 330, 330,
                      Look{.points = 8.25, .fontName = QStringLiteral("ＭＳ ゴシック")});

    connect(Command7, &QPushButton::clicked, this, &ClockFormatPage::onBackColor);
    connect(Command6, &QPushButton::clicked, this, &ClockFormatPage::onForeColor);
    connect(Command2, &QPushButton::clicked, this, &ClockFormatPage::onFont);
}

ClockFormatPage::~ClockFormatPage() = default;

TimeMain *ClockFormatPage::main() const
{
    return m_env.links.main;
}

int ClockFormatPage::row() const
{
    return OptionGroup::clampIndex(m_env.ctx.state.editRow, 3);
}

void ClockFormatPage::time_para_disp()
{
    AppContext &ctx = m_env.ctx;
    const Settings &s = ctx.settings;
    const auto r = size_t(row());
    Option5->select(s.rowCity[r].toInt());
    if (m_option6)
        m_option6->select(s.autoDst);

    const auto c = size_t(OptionGroup::clampIndex(s.rowCity[r].toInt(), cityCount));
    const QStringList texts =
        clockSamples(DateTime::fromQDateTime(ctx.platform.now()), ctx.world.cityOffset[c],
                     ctx.world.citySuffix[c], s.showSeconds == 1);
    for (int i = 0; i < formatCount; ++i)
        Option8->option(i)->setText(texts[i]);

    Option8->select(s.rowFormat[r].toInt());
    showSampleFore(colorValue(s.itemForeColor[r].toNumber()));
    showSampleBack(colorValue(s.rowBackColor[r].toNumber()));
    fillFontLabels();
}

void ClockFormatPage::fillSampleColors()
{
    showSampleFore(colorValue(m_env.ctx.settings.itemForeColor[size_t(row())].toNumber()));
}

void ClockFormatPage::fillFontLabels()
{
    const Settings &s = m_env.ctx.settings;
    Label8->setText(s.itemFontName[size_t(row())].toText());
    Label16->setText(s.itemFontSize[size_t(row())].toText());
}

void ClockFormatPage::setCityRed(int city, bool isRed)
{
    if (QRadioButton *o = Option5->option(city))
        setTextColor(o, isRed ? red : 0);
}

void ClockFormatPage::showSampleBack(quint32 bgr)
{
    for (int i = 0; i < formatCount; ++i)
        setBackColor(Option8->option(i), bgr);
    setBackColor(Label15, bgr);
}

void ClockFormatPage::showSampleFore(quint32 bgr)
{
    for (int i = 0; i < formatCount; ++i)
        setTextColor(Option8->option(i), bgr);
}

void ClockFormatPage::onEditRow(int i)
{
    m_env.ctx.state.editRow = i;
    time_para_disp();
    Option10->mark(i);
}

void ClockFormatPage::onCity(int i)
{
    AppContext &ctx = m_env.ctx;
    const int r = row();
    ctx.settings.rowCity[size_t(r)] = Value(i);
    const int flag = ctx.settings.autoDst == 1 ? ctx.world.cityDstActive[size_t(i)]
                                               : ctx.settings.rowManualDst[size_t(r)];
    if (TimeMain *m = main()) {
        m->setIndicatorPicture(r, flag);
        m->renderClockRows();
    }
}

void ClockFormatPage::onFormat(int i)
{
    m_env.ctx.settings.rowFormat[size_t(row())] = Value(i);
    if (TimeMain *m = main())
        m->renderClockRows();
}

void ClockFormatPage::onBackColor()
{
    Settings &s = m_env.ctx.settings;
    const auto r = size_t(row());
    QString picked = s.rowBackColor[r].toText();
    if (pickColor(m_env.ctx.platform, picked))
        s.rowBackColor[r] = Value(picked);
    showSampleBack(colorValue(s.rowBackColor[r].toNumber()));
    if (TimeMain *m = main())
        m->applyRowColors(int(r));
}

void ClockFormatPage::onForeColor()
{
    Settings &s = m_env.ctx.settings;
    const auto r = size_t(row());
    QString picked = s.itemForeColor[r].toText();
    if (pickColor(m_env.ctx.platform, picked))
        s.itemForeColor[r] = Value(picked);
    showSampleFore(colorValue(s.itemForeColor[r].toNumber()));
    if (TimeMain *m = main())
        m->applyRowColors(int(r));
}

void ClockFormatPage::onFont()
{
    Settings &s = m_env.ctx.settings;
    const int r = row();
    FontChoice picked = itemFont(s, r);
    if (pickFont(m_env.ctx.platform, picked))
        storeItemFont(s, r, picked);
    fillFontLabels();
    if (TimeMain *m = main())
        m->applyMainLayout();
}
