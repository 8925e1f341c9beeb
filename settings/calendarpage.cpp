#include "calendarpage.h"

#include "appcontext.h"
#include "calendarwindow.h"
#include "configenv.h"
#include "lookbuilder.h"
#include "optiongroup.h"
#include "pagelayout.h"
#include "pickers.h"
#include "platform.h"
#include "settings.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;
using namespace PageLayout;

namespace {

constexpr double white = 16777215;     // RGB(255,255,255)
constexpr double lightGrey = 14737632; // RGB(224,224,224)
constexpr int titleItem = 7;
constexpr int allItem = 8;

double rowTop(int j)
{
    if (j == titleItem)
        return 300;
    if (j == allItem)
        return 2880;
    return 700 + 300 * j;
}

/** The columns an item's change reaches: its own, or all seven for the all-items row. */
QList<int> columnsOf(int j)
{
    if (j == allItem)
        return {0, 1, 2, 3, 4, 5, 6};
    if (j < titleItem)
        return {j};
    return {};
}

} // namespace

CalendarPage::CalendarPage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env)
{
    buildOptions();
    buildFontRows();
    buildColours();
    connect(&m_env.ctx, &AppContext::calendarFontSizesChanged, this, &CalendarPage::showFontSizes);
}

CalendarPage::~CalendarPage() = default;

CalendarWindow *CalendarPage::calendar() const
{
    return m_env.links.calendar ? m_env.links.calendar() : nullptr;
}

void CalendarPage::buildOptions()
{
    AppContext &ctx = m_env.ctx;
    const auto *marking = &ctx.state.optionColors;

    QGroupBox *language = frame(this, u"言語"_s, 315, 400, 2130, 600);
    Option2 = new OptionGroup(
        {option(language, u"日本語"_s, 180, 225, 960, 285),
         option(language, u"英語"_s, 1215, 225, 780, 285)},
        [this](int i) {
            m_env.ctx.settings.calLanguage = Value(i);
            if (CalendarWindow *cal = calendar())
                cal->calendar_calc();
            Option2->mark(i);
        },
        marking, this);

    QGroupBox *autoOpen = frame(this, u"自動立ち上げ"_s, 2610, 400, 2085, 600);
    Option4 = new OptionGroup(
        {option(autoOpen, u"しない"_s, 270, 225, 870, 285),
         option(autoOpen, u"する"_s, 1260, 225, 735, 285)},
        [this](int i) {
            m_env.ctx.settings.calAutoOpen = Value(i);
            Option4->mark(i);
        },
        marking, this);

    QGroupBox *onTop = frame(this, u"常に手前に表示"_s, 4815, 400, 2445, 600);
    Option13 = new OptionGroup(
        {option(onTop, u"しない"_s, 180, 225, 870, 285),
         option(onTop, u"する"_s, 1305, 225, 870, 285)},
        [this](int i) {
            m_env.ctx.settings.calOnTop = Value(i);
            Option13->mark(i);
            if (CalendarWindow *cal = calendar())
                cal->setOnTop(i == 1);
        },
        marking, this);
}

void CalendarPage::buildFontRows()
{
    QGroupBox *box = frame(this, u"文字指定"_s, 315, 1080, 5100, 3255);
    const std::array<QString, 7> days{u"日"_s, u"月"_s, u"火"_s, u"水"_s,
                                      u"木"_s, u"金"_s, u"土"_s};
    for (int j = 0; j < 9; ++j) {
        const size_t i = size_t(j);
        const double top = rowTop(j);
        if (j < titleItem)
            label(box, days[i], 150, top, 240, 240);
        else if (j == titleItem)
            label(box, u"年/月"_s, 135, top, 420, 240, look().pt(8.25));
        else
            label(box, u"(全部)"_s, 90, 2925, 510, 240);
        m_label20[i] = label(box, QString(), 900, top, 2085, 285, look().border().back(white));
        m_label21[i] = label(box, QString(), j == allItem ? 3105 : 3100, top, 645, 285,
                             look().border().centred().back(lightGrey));
        m_command11[i] =
            button(box, j == allItem ? u"全Font"_s : u"Font"_s, j == allItem ? 3795 : 3800, top,
                   645, 280, look().pt(j == allItem ? 8.25 : defaultPoints));
        m_command12[i] = button(box, j == allItem ? u"全色"_s : u"色"_s, 4500, top, 555, 280);
        const QString item = j < titleItem ? days[i] : (j == titleItem ? u"年/月"_s : u"全部"_s);
        m_label20[i]->setAccessibleName(item + u" フォント名"_s);
        m_label21[i]->setAccessibleName(item + u" サイズ"_s);
        m_command11[i]->setAccessibleName(item + u" フォント"_s);
        m_command12[i]->setAccessibleName(item + u" 文字色"_s);
        connect(m_command11[i], &QPushButton::clicked, this, [this, j] { pickItemFont(j); });
        connect(m_command12[i], &QPushButton::clicked, this, [this, j] { pickItemColour(j); });
    }
}

void CalendarPage::buildColours()
{
    QGroupBox *back = frame(this, u"背景色"_s, 5490, 1080, 1815, 1275);
    label(back, u"年／月"_s, 135, 315, 870, 285, look().centred());
    m_command13[0] = button(back, u"色"_s, 1035, 225, 645, 280);
    m_command13[0]->setAccessibleName(u"年／月の背景色"_s);
    label(back, u"日"_s, 90, 540, 870, 285, look().centred());
    m_command13[1] = button(back, u"色"_s, 1035, 540, 645, 280);
    m_command13[1]->setAccessibleName(u"日の背景色"_s);
    m_command16 = button(back, u"休日色"_s, 360, 855, 1050, 330);
    for (int k = 0; k < 2; ++k)
        connect(m_command13[size_t(k)], &QPushButton::clicked, this,
                [this, k] { pickBackColour(k); });
    connect(m_command16, &QPushButton::clicked, this, &CalendarPage::pickHolidayColour);

    QLabel *holidays =
        label(this, u"休日は Holiday.txt に　　　　\"2000/5/5\"形式で作成して下さい。"_s, 5490,
              2430, 1950, 780, look().pt(8.25).border());
    holidays->setWordWrap(true);
    holidays->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_command15 = button(this, u"カレンダーの表示"_s, 5580, 3240, 1770, 360);
    connect(m_command15, &QPushButton::clicked, this, [this] {
        if (m_env.links.showCalendar)
            m_env.links.showCalendar();
    });

    // Taller than the classic 555 twips, so its third line shows; the button above moved up
    // a little to make room.
    QLabel *sizes = label(this, u"カレンダーの大きさを変えると自動的に文字の大きさも変化します。"_s,
                          5490, 3630, 1950, 645, look().pt(8.25).border());
    sizes->setWordWrap(true);
    sizes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void CalendarPage::fill()
{
    Settings &s = m_env.ctx.settings;
    for (int j = 0; j < 9; ++j) {
        const size_t i = size_t(j);
        if (s.calFontName[i].isEmpty())
            s.calFontName[i] = u"ＭＳ ゴシック"_s;
        if (s.calFontSize[i] == 0)
            s.calFontSize[i] = 10;
        showRow(j);
    }
}

void CalendarPage::showRow(int j)
{
    const Settings &s = m_env.ctx.settings;
    m_label20[size_t(j)]->setText(s.calFontName[size_t(j)]);
    m_label21[size_t(j)]->setText(QString::number(s.calFontSize[size_t(j)]));
}

void CalendarPage::pickItemFont(int j)
{
    Settings &s = m_env.ctx.settings;
    const size_t i = size_t(j);
    FontChoice picked{s.calFontName[i], double(s.calFontSize[i]), s.calFontBold[i] != 0,
                      s.calFontItalic[i] != 0};
    // A cancelled dialog changes nothing, not even through the all-items row's fan-out.
    if (!pickFont(m_env.ctx.platform, picked))
        return;
    const auto store = [&](size_t item) {
        s.calFontName[item] = picked.name;
        s.calFontSize[item] = toInt16(picked.size);
        s.calFontBold[item] = picked.bold ? -1 : 0;
        s.calFontItalic[item] = picked.italic ? -1 : 0;
    };
    store(i);
    if (j == allItem)
        store(size_t(titleItem));
    const QList<int> columns = columnsOf(j);
    for (int c : columns)
        store(size_t(c));

    // The rows of this page first, so they are right even without a calendar.
    showRow(j);
    if (j == allItem)
        showRow(titleItem);
    for (int c : columns)
        showRow(c);

    CalendarWindow *cal = calendar();
    if (!cal)
        return;
    // Fonts only: the day labels keep their colours, holidays included.
    if (j == titleItem || j == allItem)
        cal->applyTitleFont();
    for (int c : columns)
        cal->applyColumnFont(c);
}

void CalendarPage::pickItemColour(int j)
{
    Settings &s = m_env.ctx.settings;
    QString picked = s.calForeColor[size_t(j)].toText();
    if (!pickColor(m_env.ctx.platform, picked))
        return;
    const auto store = [&](size_t item) {
        // Keep the stored form when the colour did not change.
        if (s.calForeColor[item].toText() != picked)
            s.calForeColor[item] = Value(picked);
    };
    store(size_t(j));
    if (j == allItem)
        store(size_t(titleItem));
    const QList<int> columns = columnsOf(j);
    for (int c : columns)
        store(size_t(c));

    CalendarWindow *cal = calendar();
    if (!cal)
        return;
    if (j == titleItem || j == allItem)
        cal->applyTitleForeColor();
    // Holidays take the holiday colour again at the calendar's next computation.
    for (int c : columns)
        cal->applyColumnForeColor(c);
}

void CalendarPage::pickBackColour(int k)
{
    Settings &s = m_env.ctx.settings;
    QString picked = s.calBackColor[size_t(k)].toText();
    // Cancelled: a colour never chosen (0) must not blacken the calendar.
    if (!pickColor(m_env.ctx.platform, picked))
        return;
    if (s.calBackColor[size_t(k)].toText() != picked)
        s.calBackColor[size_t(k)] = Value(picked);
    CalendarWindow *cal = calendar();
    if (!cal)
        return;
    if (k == 0)
        cal->applyTitleBackColor();
    else
        cal->applySheetBackColor();
}

void CalendarPage::pickHolidayColour()
{
    // Takes effect at the calendar's next computation; nothing is recoloured now.
    pickColor(m_env.ctx.platform, m_env.ctx.settings.holidayColor);
}

void CalendarPage::showFontSizes(int titleSize)
{
    const Settings &s = m_env.ctx.settings;
    for (int j = 0; j < 9; ++j) {
        const int size = j == titleItem ? titleSize : s.calFontSize[size_t(j)];
        m_label21[size_t(j)]->setText(QString::number(size));
    }
}
