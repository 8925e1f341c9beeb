#include "titlebiopage.h"

#include "appcontext.h"
#include "biowindow.h"
#include "configenv.h"
#include "lookbuilder.h"
#include "optiongroup.h"
#include "pagelayout.h"
#include "pagetexts.h"
#include "platform.h"
#include "timemain.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;
using namespace PageLayout;

namespace {

QLineEdit *lineEdit(QWidget *parent, double left, double top, double width, double height,
                    const Look &look = {})
{
    return static_cast<QLineEdit *>(lineBox(parent, left, top, width, height, look));
}

} // namespace

TitleBioPage::TitleBioPage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env)
{
    buildTitle();
    buildBio();
    connect(&m_env.ctx, &AppContext::bioResultsChanged, this, &TitleBioPage::showBioResults);
}

TitleBioPage::~TitleBioPage() = default;

void TitleBioPage::buildTitle()
{
    QGroupBox *title = frame(this, u"タイトルバーの入力"_s, 180, 495, 5145, 735);
    picture(title, Art::ProgramIcon, 0, 45, 225, 345, 345);
    m_text2 = lineEdit(title, 450, 225, 3480, 420, look().pt(14.25).font(u"ＭＳ ゴシック"_s));
    m_text2->setAccessibleName(title->title());
    label(title, u"(無しは空白)"_s, 4050, 315, 1050, 240);

    QGroupBox *icons = frame(this, u"ｱｲｺﾝの大きさ"_s, 5445, 495, 1905, 735);
    picture(icons, Art::NormalTime, 0, 45, 225, 300, 300);
    m_text3 = lineEdit(icons, 405, 180, 825, 360, look().pt(11.25).centred());
    m_text3->setAccessibleName(icons->title());
    m_command4 = button(icons, u"GO"_s, 1305, 225, 510, 285);
    connect(m_command4, &QPushButton::clicked, this, &TitleBioPage::iconScaleGo);
}

void TitleBioPage::buildBio()
{
    QGroupBox *bio = frame(this, u"バイオリズム"_s, 225, 1305, 7125, 2985);

    QGroupBox *birth = frame(bio, u"生年月日"_s, 135, 270, 2670, 2445);
    const std::array<QString, 3> ymd{u"年"_s, u"月"_s, u"日"_s};
    const std::array<double, 3> birthTops{315, 675, 1080};
    for (size_t i = 0; i < 3; ++i) {
        label(birth, ymd[i], 225, birthTops[i], 330, 330, look().pt(12));
        m_text6[i] = lineEdit(birth, i == 0 ? 675 : 720, birthTops[i], i == 0 ? 600 : 400, 285,
                              look().pt(9.75));
        m_text6[i]->setAccessibleName(u"生年月日 "_s + ymd[i]);
    }
    label(birth, u"１９９９形式"_s, 1350, 315, 1005, 285);
    m_label24[0] = label(birth, QString(), 200, 1575, 2220, 375, look().font(u"ＭＳ ゴシック"_s));
    m_label24[1] =
        label(birth, QString(), 200, 2025, 2220, 285, look().pt(8.25).font(u"ＭＳ ゴシック"_s));

    QGroupBox *target = frame(bio, u"表示日"_s, 2880, 315, 2670, 1455);
    const std::array<double, 3> targetTops{270, 675, 1080};
    for (size_t i = 0; i < 3; ++i) {
        label(target, ymd[i], 225, targetTops[i], 330, 330, look().pt(12));
        m_text7[i] = lineEdit(target, i == 0 ? 675 : 720, targetTops[i], i == 0 ? 690 : 400, 285,
                              look().pt(9.75));
        m_text7[i]->setAccessibleName(u"表示日 "_s + ymd[i]);
    }
    label(target, u"１９９９形式"_s, 1530, 315, 1005, 285);
    m_command9 = button(target, u"本日を指定"_s, 1395, 1080, 1095, 330);
    connect(m_command9, &QPushButton::clicked, this, &TitleBioPage::today);

    QGroupBox *autoOpen = frame(bio, u"自動立ち上げ"_s, 2880, 1890, 2670, 825);
    QRadioButton *off = option(autoOpen, u"しない"_s, 135, 360, 960, 285);
    QRadioButton *on = option(autoOpen, u"す　る"_s, 1260, 360, 960, 285);
    Option9 = new OptionGroup(
        {off, on},
        [this](int i) {
            m_env.ctx.settings.bioAutoOpen = qint16(i);
            Option9->mark(i);
        },
        &m_env.ctx.state.optionColors, this);

    QGroupBox *weeks = frame(bio, u"表示週"_s, 5670, 360, 1275, 915);
    label(weeks, u"±"_s, 90, 450, 285, 285, look().pt(9.75));
    m_text8 = lineEdit(weeks, 315, 405, 555, 330, look().pt(9.75).centred());
    m_text8->setAccessibleName(weeks->title());
    label(weeks, u"週"_s, 900, 450, 330, 240);

    // The caption needs two lines on a button this narrow.
    m_command8 = button(bio, u"バイオリズム\nの表示"_s, 5760, 1530, 1230, 510);
    m_command8->setAccessibleName(u"バイオリズムの表示"_s);
    connect(m_command8, &QPushButton::clicked, this, &TitleBioPage::showBio);

    label(bio, u"＊バイオリズムのコメント内容は国際バイオリズム協会ＨＰから引用"_s, 180, 2745, 5235,
          195, look().pt(8.25));
}

void TitleBioPage::fill()
{
    const Settings &s = m_env.ctx.settings;
    m_text2->setText(s.titleBarText);
    m_text3->setText(s.iconScale.toText());
    m_text6[0]->setText(s.birthYear.toText());
    m_text6[1]->setText(s.birthMonth.toText());
    m_text6[2]->setText(s.birthDay.toText());
    today();
    m_text8->setText(s.bioWeeks.toText());
    showBioResults();
}

void TitleBioPage::iconScaleGo()
{
    const PageTexts::IconScale scale = PageTexts::iconScaleFromText(m_text3->text());
    m_env.ctx.settings.iconScale = Value(scale.value);
    if (scale.text != m_text3->text())
        m_text3->setText(scale.text);
    if (m_env.links.main)
        m_env.links.main->applyMainLayout();
}

void TitleBioPage::today()
{
    const PageTexts::DateParts parts = PageTexts::dateParts(m_env.ctx.platform.now().date());
    m_text7[0]->setText(parts.year);
    m_text7[1]->setText(parts.month);
    m_text7[2]->setText(parts.day);
}

void TitleBioPage::takeOverBirthDate()
{
    const PageTexts::BirthDate birth =
        PageTexts::correctedBirthDate(m_text6[0]->text(), m_text6[1]->text(), m_text6[2]->text());
    Settings &s = m_env.ctx.settings;
    s.birthYear = Value(birth.year);
    s.birthMonth = Value(birth.month);
    s.birthDay = Value(birth.day);
}

void TitleBioPage::showBio()
{
    AppContext &ctx = m_env.ctx;
    takeOverBirthDate();
    ctx.bio.bioTargetDate =
        m_text7[0]->text() + u'/' + m_text7[1]->text() + u'/' + m_text7[2]->text();
    ctx.settings.bioWeeks = Value(leadingNumber(m_text8->text()));
    if (!m_env.links.bio)
        return;
    BioWindow *bio = m_env.links.bio();
    if (!bio)
        return;
    // The caption follows the title in force; Text2 is taken over only on closing.
    bio->updateCaption();
    if (m_env.links.showBio)
        m_env.links.showBio();
    bio->clearChart();
    bio->bio_calc();
}

void TitleBioPage::takeOverOnClose()
{
    m_env.ctx.settings.titleBarText = m_text2->text();
    takeOverBirthDate();
}

void TitleBioPage::showBioResults()
{
    m_label24[0]->setText(m_env.ctx.bio.daysAliveText);
    m_label24[1]->setText(m_env.ctx.bio.yearsAliveText);
}
