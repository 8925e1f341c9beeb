// The panels: fold and unfold, double-click hiding, memo pages, scrolling and saving them.
#include "timemain.h"

#include "appcontext.h"
#include "datafiles.h"
#include "memopages.h"
#include "platform.h"
#include "twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

using namespace Qt::StringLiterals;

void TimeMain::onSettingsButtonMouseDown(Qt::MouseButton button)
{
    Settings &s = m_ctx.settings;
    RuntimeState &state = m_ctx.state;
    if (s.todaysWordShow[1].toNumber() == 0 && s.memoShow[1].toNumber() == 0)
        return;
    if (button != Qt::RightButton)
        return;
    if (state.panelsExpanded == 0) {
        state.panelsExpanded = 1;
        const double wanted = s.todaysWordShow[1].toNumber() + 10 * s.memoShow[1].toNumber();
        const double rows = MainLayout::rowsHeight(m_geo);
        if (wanted == 11) {
            m_geo.memo[0].height = state.memoHeight;
            m_geo.memo[1].height = state.memoHeight;
            m_geo.wordPanel.height = MainLayout::wordPanelHeight;
            s.todaysWordShow[0] = 1;
            s.memoShow[0] = 1;
            m_wordPanelVisible = true;
            m_memoVisible[0] = true;
            applyGeometry();
            setWindowHeightTwips(rows + m_geo.wordPanel.height + MainLayout::frame +
                                 m_geo.memo[0].height);
        } else if (wanted == 1) {
            m_geo.wordPanel.height = MainLayout::wordPanelHeight;
            m_geo.memo[0].height = 0;
            m_geo.memo[1].height = 0;
            s.todaysWordShow[0] = 1;
            m_wordPanelVisible = true;
            applyGeometry();
            setWindowHeightTwips(rows + m_geo.wordPanel.height + MainLayout::frame);
        } else if (wanted == 10) {
            m_geo.wordPanel.height = 0;
            m_geo.memo[0].height = state.memoHeight;
            m_geo.memo[1].height = state.memoHeight;
            s.memoShow[0] = 1;
            m_memoVisible[0] = true;
            applyGeometry();
            setWindowHeightTwips(rows + MainLayout::frame + m_geo.memo[0].height);
        }
        m_geo.memo[1] = m_geo.memo[0];
        applyGeometry();
        Time_main_resize();
    } else {
        s.todaysWordShow[0] = 0;
        m_geo.wordPanel.height = 0;
        s.memoShow[0] = 0;
        state.memoHeight = m_geo.memo[0].height;
        state.panelsExpanded = 0;
        applyGeometry();
        Time_main_resize();
    }
}

void TimeMain::onWordPanelDoubleClick()
{
    m_ctx.settings.todaysWordShow[0] = 0;
    m_geo.wordPanel.height = 0;
    applyGeometry();
    Time_main_resize();
}

void TimeMain::onMemoDoubleClick()
{
    m_ctx.settings.memoShow[0] = 0;
    m_ctx.state.memoHeight = m_geo.memo[0].height;
    applyGeometry();
    Time_main_resize();
}

bool TimeMain::onMemoMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    constexpr Qt::KeyboardModifiers held =
        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (button != Qt::LeftButton || (modifiers & held) != Qt::ShiftModifier)
        return false;
    RuntimeState &state = m_ctx.state;
    const int page = state.currentMemoPage == 1 ? 1 : 0;
    storeMemoPage(page);
    m_memoVisible[size_t(page)] = false;
    const int next = 1 - page;
    state.currentMemoPage = next;
    QPlainTextEdit *box = m_memo[size_t(next)];
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, colorFromBgr(next == 1 ? 14737632 : 16777215));
    box->setPalette(pal);
    fillMemoBox(next, m_ctx.memoText[size_t(next)].toText());
    m_memoVisible[size_t(next)] = true;
    applyGeometry();
    if (box->isVisible())
        box->setFocus(Qt::MouseFocusReason);
    return true;
}

void TimeMain::storeMemoPage(int page)
{
    const QString typed = memoBoxText(page);
    // The stored copy now equals the box, so saving at close can no longer see the user's
    // change by comparing them: a page typed on is written even if its file failed to load.
    if (typed != m_memoOnDisk[size_t(page)])
        m_ctx.memoLoadFailed[size_t(page)] = false;
    m_ctx.memoText[size_t(page)] = typed;
}

void TimeMain::scrollFrontMemo(int lines)
{
    m_ctx.platform.scrollTextLines(m_memo[0], lines);
}

QString TimeMain::memoBoxText(int page) const
{
    if (page < 0 || page > 1)
        return QString();
    const QPlainTextEdit *box = m_memo[size_t(page)];
    // An unedited page goes back exactly as it came, whatever its line ends.
    if (!box->document()->isModified())
        return m_memoGiven[size_t(page)];
    // Raw text keeps no-break spaces; blocks and typed line separators become CR LF.
    QString text = box->document()->toRawText();
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (const QChar c : std::as_const(text)) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n')
            out += u"\r\n"_s;
        else
            out += c;
    }
    return out;
}

void TimeMain::setMemoBoxText(int page, const QString &crlfText)
{
    if (page < 0 || page > 1)
        return;
    fillMemoBox(page, crlfText);
}

void TimeMain::fillMemoBox(int page, const QString &crlfText)
{
    QString shown = crlfText;
    shown.replace(u"\r\n"_s, u"\n"_s);
    m_memoGiven[size_t(page)] = crlfText;
    QPlainTextEdit *box = m_memo[size_t(page)];
    box->setPlainText(shown);
    box->document()->setModified(false);
}

void TimeMain::saveChangedMemoPages()
{
    for (size_t k = 0; k < 2; ++k) {
        const QString path = memoPagePath(m_ctx, int(k));
        const QString text = memoBoxText(int(k));
        if (text == m_memoOnDisk[k])
            continue; // unchanged, or a page whose file failed to load and was not touched
        const MemoFileResult result = writeMemoFile(path, text);
        if (result.ok) {
            m_memoOnDisk[k] = text;
            m_ctx.memoLoadFailed[k] = false;
        }
        // A failed write is told at close, where saving reports its failures.
    }
}

bool TimeMain::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return QWidget::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (type == QEvent::MouseButtonPress) {
        for (int k = 0; k < 3; ++k) {
            if (watched == m_rows[size_t(k)]) {
                onRowMouseDown(k, mouse->button());
                return true;
            }
        }
        if (watched == m_button && mouse->button() != Qt::LeftButton) {
            onSettingsButtonMouseDown(mouse->button());
            return true;
        }
        if (watched == m_memo[0]->viewport() || watched == m_memo[1]->viewport()) {
            if (onMemoMouseDown(mouse->button(), mouse->modifiers()))
                return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (watched == m_wordPanel->viewport()) {
        onWordPanelDoubleClick();
        return true;
    }
    if (watched == m_memo[0]->viewport() || watched == m_memo[1]->viewport()) {
        onMemoDoubleClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
