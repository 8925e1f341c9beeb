#include "versionpage.h"

#include "configenv.h"
#include "lookbuilder.h"
#include "pagelayout.h"
#include "pagetexts.h"
#include "twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using namespace PageLayout;

VersionPage::VersionPage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env)
{
    QLabel *icon = picture(this, Art::ProgramIcon, 0, 270, 585, 660, 615);
    icon->setAccessibleName(u"TamoTime"_s);
    label(this, u"ﾊﾞｰｼﾞｮﾝ情報とアイコン説明"_s, 1125, 765, 2895, 285, look().pt(12));

    // A rich text box, because only it centres every line.
    m_text5 = new QTextEdit(this);
    applyLook(m_text5, look().pt(9.75));
    Twips::setGeometry(m_text5, 225, 1665, 4290, 2535);
    m_text5->setAcceptRichText(false);
    m_text5->setReadOnly(true);
    m_text5->setAccessibleName(u"バージョン情報"_s);

    buildLegend();
}

VersionPage::~VersionPage() = default;

void VersionPage::buildLegend()
{
    QGroupBox *box = frame(this, u"アイコン"_s, 4770, 630, 2580, 3555);
    const auto caption = [box](const QString &text, double left, double top, double width,
                               double height, double points = defaultPoints) {
        QLabel *l = label(box, text, left, top, width, height, look().pt(points));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    picture(box, Art::SummerTime, 0, 225, 315, 300, 300);
    caption(u"サマータイム"_s, 750, 315, 1455, 285);
    picture(box, Art::NormalTime, 0, 225, 765, 300, 300);
    caption(u"通常時間表示"_s, 750, 855, 1230, 240);
    picture(box, Art::Mascot, 0, 225, 1215, 300, 300);
    caption(u"自動サマータイム君　 押すとバイオリズム"_s, 750, 1215, 1560, 420, 8.25);
    QPushButton *settings =
        button(box, u"設"_s, 225, 1755, 375, 375, look().pt(8.25).font(u"ＭＳ ゴシック"_s));
    settings->setFocusPolicy(Qt::NoFocus);
    settings->setAccessibleName(u"設定ボタンの説明"_s);
    caption(u"設定値変更　　右押しでﾒﾓ消し"_s, 750, 1710, 1245, 465);
    picture(box, Art::OpenFile, 0, 225, 2385, 375, 375);
    caption(u"メモ欄データを開く"_s, 750, 2475, 1545, 285);
    picture(box, Art::SaveFile, 0, 225, 2970, 375, 375);
    caption(u"メモ欄データの保存"_s, 750, 3015, 1545, 285);
}

void VersionPage::fill()
{
    m_text5->setPlainText(PageTexts::toWidgetText(PageTexts::versionText()));
    QTextCursor cursor(m_text5->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
}
