#include "memofilepage.h"

#include "appcontext.h"
#include "configenv.h"
#include "datafiles.h"
#include "lookbuilder.h"
#include "pagelayout.h"
#include "pagetexts.h"
#include "platform.h"
#include "timemain.h"
#include "twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace PageLayout;

namespace {

const QString cancelled = u"CANCEL"_s;
constexpr double white = 16777215;     // RGB(255,255,255)
constexpr double lightGrey = 14737632; // RGB(224,224,224)

/** Keeps the whole path as its text but shows a long one shortened in the middle. */
class PathLabel final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        const QRect room = contentsRect().adjusted(2, 0, -2, 0);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(room, int(Qt::AlignLeft | Qt::AlignVCenter),
                         fontMetrics().elidedText(text(), Qt::ElideMiddle, room.width()));
    }
};

} // namespace

MemoFilePage::MemoFilePage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env)
{
    buildFrame(0);
    buildFrame(1);
}

MemoFilePage::~MemoFilePage() = default;

void MemoFilePage::buildFrame(int k)
{
    const size_t i = size_t(k);
    QGroupBox *box = frame(this, k == 0 ? u"メモ１表のデータ"_s : u"メモ２裏のデータ"_s,
                           k == 0 ? 90 : 3770, 360, 3660, 3930, look().pt(9.75).bold());
    m_command10[i] = button(box, u"自動読込"_s, 990, 180, 800, 330, look().pt(8.25));
    m_command5[i] =
        button(box, u"↓"_s, 1850, 180, 510, 330, look().pt(k == 0 ? 11.25 : 9.75).bold());
    m_command14[i] =
        button(box, u"↑"_s, 2400, 180, 510, 330, look().pt(k == 0 ? 11.25 : 9.0).bold());
    m_image4[i] = pictureButton(box, Art::OpenFile, u"メモファイルを開く"_s, 2950, 180, 330, 330);
    m_image3[i] = pictureButton(box, Art::SaveFile, u"メモファイルに保存"_s, 3300, 180, 330, 330);
    m_label1[i] = new PathLabel(box);
    applyLook(m_label1[i], look().back(white));
    m_label1[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_label1[i]->setProperty("elidesText", true);
    Twips::setGeometry(m_label1[i], k == 0 ? 90 : 135, 540, k == 0 ? 3540 : 3480, 285);
    // Both frames end inside the tab control, so their borders and scroll bars stay visible.
    m_text1[i] = textBox(box, 90, 900, k == 0 ? 3540 : 3500, 2985,
                         look().font(u"ＭＳ ゴシック"_s).back(k == 0 ? white : lightGrey));
    m_text1[i]->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text1[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    m_command10[i]->setAccessibleName(u"自動読込"_s);
    m_command5[i]->setAccessibleName(u"メイン画面のメモを取り込む"_s);
    m_command5[i]->setToolTip(m_command5[i]->accessibleName());
    m_command14[i]->setAccessibleName(u"メイン画面のメモへ送る"_s);
    m_command14[i]->setToolTip(m_command14[i]->accessibleName());
    m_label1[i]->setAccessibleName(u"ファイル名"_s);
    m_text1[i]->setAccessibleName(box->title());

    connect(m_image4[i], &QPushButton::clicked, this, [this, k] { openIcon(k); });
    connect(m_image3[i], &QPushButton::clicked, this, [this, k] { saveIcon(k); });
    connect(m_command10[i], &QPushButton::clicked, this, [this, k] { autoLoad(k); });
    connect(m_command5[i], &QPushButton::clicked, this, [this, k] { fromMain(k); });
    connect(m_command14[i], &QPushButton::clicked, this, [this, k] { toMain(k); });
}

void MemoFilePage::fill()
{
    for (int k = 0; k < 2; ++k) {
        const size_t i = size_t(k);
        m_text1[i]->setPlainText(PageTexts::toWidgetText(m_env.ctx.memoText[i].toText()));
        m_label1[i]->setText(m_env.ctx.settings.memoFilePath[i]);
        m_label1[i]->setToolTip(m_label1[i]->text());
    }
}

void MemoFilePage::OPEN_FILE()
{
    FileDialogRequest request;
    request.save = false;
    request.title = u"  メモ　ファィルを開く"_s;
    request.filter = u"すべてのﾌｧｲﾙ|*.*|"_s;
    request.filterIndex = 2;
    request.hideReadOnly = true;
    const std::optional<QString> chosen = m_env.ctx.platform.fileDialog(request);
    if (!chosen) {
        m_chosenFilePath = cancelled;
        return;
    }
    m_chosenFilePath = *chosen;
    m_env.ctx.platform.setCurrentFolder(m_env.ctx.settings.appFolder);
}

void MemoFilePage::save_file()
{
    FileDialogRequest request;
    request.save = true;
    request.title = u"  ｽｹｼﾞｭｰﾙ ﾌｧｲﾙを保存"_s;
    request.filter = u"すべてのﾌｧｲﾙ|*.*|"_s;
    request.filterIndex = 2;
    request.hideReadOnly = true;
    request.overwritePrompt = true;
    const std::optional<QString> chosen = m_env.ctx.platform.fileDialog(request);
    if (!chosen) {
        m_chosenFilePath = cancelled;
        return;
    }
    // The current folder stays where the dialog left it.
    m_chosenFilePath = *chosen;
}

QString MemoFilePage::pageText(int k) const
{
    return PageTexts::toStoredText(m_text1[size_t(k)]->toPlainText());
}

void MemoFilePage::reportFailure(const QString &message)
{
    m_env.ctx.platform.showMessage(message, m_env.ctx.platform.activeWindowCaption(),
                                   MsgButtons::Ok, MsgIcon::Exclamation);
}

void MemoFilePage::openIcon(int k)
{
    const size_t i = size_t(k);
    m_env.ctx.state.currentMemoPage = k;
    OPEN_FILE();
    if (m_chosenFilePath == cancelled || m_chosenFilePath.isEmpty())
        return;
    const MemoFileResult read = readMemoFile(m_chosenFilePath);
    if (!read.ok) {
        // Nothing half-read reaches the page: texts and path stay as they were.
        reportFailure(read.errorMessage.isEmpty()
                          ? u"ファイルを読み込めませんでした。"_s + m_chosenFilePath
                          : read.errorMessage);
        return;
    }
    m_env.ctx.memoText[i] = Value(read.text);
    m_text1[i]->setPlainText(PageTexts::toWidgetText(read.text));
    m_label1[i]->setText(m_chosenFilePath);
    m_label1[i]->setToolTip(m_chosenFilePath);
}

void MemoFilePage::saveIcon(int k)
{
    const size_t i = size_t(k);
    m_env.ctx.state.currentMemoPage = k;
    const QString text = pageText(k);
    // The main window takes the text before the dialog, so also when the user cancels it.
    if (m_env.links.main)
        m_env.links.main->setMemoBoxText(k, text);
    save_file();
    if (m_chosenFilePath == cancelled || m_chosenFilePath.isEmpty())
        return;
    const MemoFileResult written = writeMemoFile(m_chosenFilePath, text);
    if (!written.ok) {
        reportFailure(written.errorMessage.isEmpty()
                          ? u"ファイルに保存できませんでした。"_s + m_chosenFilePath
                          : written.errorMessage);
        return;
    }
    m_label1[i]->setText(m_chosenFilePath);
    m_label1[i]->setToolTip(m_chosenFilePath);
}

void MemoFilePage::autoLoad(int k)
{
    m_env.ctx.settings.memoFilePath[size_t(k)] = m_label1[size_t(k)]->text();
}

void MemoFilePage::fromMain(int k)
{
    if (m_env.links.main)
        m_text1[size_t(k)]->setPlainText(PageTexts::toWidgetText(m_env.links.main->memoBoxText(k)));
}

void MemoFilePage::toMain(int k)
{
    if (m_env.links.main)
        m_env.links.main->setMemoBoxText(k, pageText(k));
}
