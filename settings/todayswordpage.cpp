#include "todayswordpage.h"

#include "appcontext.h"
#include "configenv.h"
#include "datafiles.h"
#include "pagelayout.h"
#include "pagetexts.h"
#include "platform.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace PageLayout;

TodaysWordPage::TodaysWordPage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env)
{
    QGroupBox *box = frame(this, u"今日の言葉の表示"_s, 225, 585, 7215, 3660);
    m_text4 = textBox(box, 90, 540, 7080, 3030);
    m_text4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The list is for reading: edits would go nowhere.
    m_text4->setReadOnly(true);
    m_text4->setAccessibleName(box->title());
    m_image9 = pictureButton(box, Art::OpenFile, u"今日の言葉全文を開く"_s, 6345, 135, 330, 330);
    connect(m_image9, &QPushButton::clicked, this, &TodaysWordPage::loadList);
}

TodaysWordPage::~TodaysWordPage() = default;

QString TodaysWordPage::hint()
{
    return u"今日の言葉全文を表示する時は右上のアイコンで開いて下さい"_s;
}

void TodaysWordPage::fill()
{
    const QString &list = m_env.ctx.allWordsText;
    m_text4->setPlainText(list.isEmpty() ? hint() : PageTexts::toWidgetText(list));
}

void TodaysWordPage::loadList()
{
    AppContext &ctx = m_env.ctx;
    if (!ctx.allWordsText.isEmpty())
        return;
    QObject *window = m_env.window ? static_cast<QObject *>(m_env.window) : this;
    ctx.platform.setBusyPointer(window, true);
    bool ok = false;
    const QString list = allWordsList(ctx.dataFile(u"kakugen.txt"_s), &ok);
    if (ok && list.isEmpty()) {
        m_text4->setPlainText(u"今日の言葉のファイルに言葉がありません"_s);
    } else if (ok) {
        ctx.allWordsText = list;
        m_text4->setPlainText(PageTexts::toWidgetText(list));
    } else {
        // The list stays unloaded, so a later click tries the file again.
        m_text4->setPlainText(PageTexts::toWidgetText(
            list.isEmpty() ? u"kakugen.txt を読み込めませんでした。"_s : list));
    }
    ctx.platform.setBusyPointer(window, false);
}
