#include "timemain.h"

#include "appcontext.h"
#include "companions.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>

// TODO(clock): the whole main window; these stubs only keep the program linking.
TimeMain::TimeMain(AppContext &ctx, CompanionWindows &companions, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_companions(companions)
{
    for (auto &row : m_rows)
        row = new QLabel(this);
    m_wordPanel = new QPlainTextEdit(this);
    for (auto &memo : m_memo)
        memo = new QPlainTextEdit(this);
}

TimeMain::~TimeMain() = default;

void TimeMain::startUp() {}
void TimeMain::KAKUGEN_DISP() {}
void TimeMain::Time_main_resize() {}
void TimeMain::applyMainLayout() {}
void TimeMain::determineDst() {}
void TimeMain::setIndicatorPicture(int, int) {}
void TimeMain::setIndicatorPictures() {}
void TimeMain::renderClockRows() {}
void TimeMain::setMainTopmost(bool) {}
void TimeMain::scrollFrontMemo(int) {}
void TimeMain::updateCaption() {}
void TimeMain::applyRowColors(int) {}
void TimeMain::showWordPanel(bool) {}
void TimeMain::showMemoPanel(bool) {}
void TimeMain::applyPanelFont(int) {}
QString TimeMain::memoBoxText(int) const { return QString(); }
void TimeMain::setMemoBoxText(int, const QString &) {}

void TimeMain::closeEvent(QCloseEvent *event)
{
    m_companions.closeAll();
    event->accept();
}
