#include "configwindow.h"

#include "appcontext.h"
#include "calendarpage.h"
#include "clockformatpage.h"
#include "configenv.h"
#include "displayitemspage.h"
#include "dstinfopage.h"
#include "memofilepage.h"
#include "optiongroup.h"
#include "pagelayout.h"
#include "pictures.h"
#include "platform.h"
#include "tabcontrol.h"
#include "timemain.h"
#include "titlebiopage.h"
#include "todayswordpage.h"
#include "twips.h"
#include "versionpage.h"

#include <QCloseEvent>

namespace {

// The tab control's place; the client area leaves the same margin on the far sides.
constexpr double tabLeft = 45;
constexpr double tabTop = 45;
constexpr double tabWidth = 7485;
constexpr double tabHeight = 4380;
constexpr double tabStrip = 300;
constexpr double clientWidth = tabLeft + tabWidth + tabLeft;
constexpr double clientHeight = tabTop + tabHeight + tabTop;
constexpr quint32 grey = 12632256; // RGB(192,192,192)

void selectIf(OptionGroup *group, int index)
{
    if (group)
        group->select(index);
}

} // namespace

QPointF configWindowPosition(double screenWidth, double screenHeight)
{
    return {(screenWidth - configOuterWidth) / 3, (screenHeight - configOuterHeight) / 3};
}

ConfigWindow::ConfigWindow(AppContext &ctx, SettingsLinks links, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint),
      m_ctx(ctx), m_links(std::move(links)), m_env(new ConfigEnv{m_ctx, m_links, this})
{
    buildFrame();
    connectSignals();
    fill();
}

ConfigWindow::~ConfigWindow()
{
    // The pages hold a reference to the environment: they go first.
    delete m_tabs;
}

void ConfigWindow::buildFrame()
{
    setWindowTitle(QStringLiteral("TamoTime設定"));
    setWindowIcon(programIcon());
    setFont(storedFont(QStringLiteral("ＭＳ Ｐゴシック"), PageLayout::defaultPoints));
    QPalette pal = palette();
    // Buttons and the tab strip share the window's grey, as on a classic desktop.
    pal.setColor(QPalette::Window, colorFromBgr(grey));
    pal.setColor(QPalette::Button, colorFromBgr(grey));
    setPalette(pal);
    setAutoFillBackground(true);
    setFixedSize(Twips::toPx(clientWidth), Twips::toPx(clientHeight));

    m_tabs = new TabControl(tabStrip, this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    Twips::setGeometry(m_tabs, tabLeft, tabTop, tabWidth, tabHeight);

    ConfigEnv &env = *m_env;
    m_displayItems = new DisplayItemsPage(env, m_tabs);
    m_todaysWord = new TodaysWordPage(env, m_tabs);
    m_clockFormat = new ClockFormatPage(env, m_tabs);
    m_memoFile = new MemoFilePage(env, m_tabs);
    m_titleBio = new TitleBioPage(env, m_tabs);
    m_dstInfo = new DstInfoPage(env, m_tabs);
    m_calendar = new CalendarPage(env, m_tabs);
    m_version = new VersionPage(env, m_tabs);
    m_tabs->addPage(m_displayItems, QStringLiteral("表示項目"));
    m_tabs->addPage(m_todaysWord, QStringLiteral("今日の言葉"));
    m_tabs->addPage(m_clockFormat, QStringLiteral("時計書式"));
    m_tabs->addPage(m_memoFile, QStringLiteral("ﾒﾓﾌｧｨﾙ"));
    m_tabs->addPage(m_titleBio, QStringLiteral("ﾀｲﾄﾙ･Bio"));
    m_tabs->addPage(m_dstInfo, QStringLiteral("夏時情報"));
    m_tabs->addPage(m_calendar, QStringLiteral("ｶﾚﾝﾀﾞｰ"));
    m_tabs->addPage(m_version, QStringLiteral("ﾊﾞｰｼﾞｮﾝ"));
    m_tabs->setCurrentIndex(TitleBio);

    m_displayItems->timeParaDisp = [this] { time_para_disp(); };
    m_clockFormat->setAutoDstGroup(m_displayItems->Option6);
}

void ConfigWindow::connectSignals()
{
    connect(&m_ctx, &AppContext::rowEdited, this, &ConfigWindow::onRowEdited);
    connect(&m_ctx, &AppContext::autoDstSwitchedOff, this, &ConfigWindow::onAutoDstSwitchedOff);
    connect(&m_ctx, &AppContext::dstDetermined, this, [this] { colourCityCaptions(false); });
}

void ConfigWindow::fill()
{
    const TwipsSize screen = m_ctx.platform.screenSize();
    const QPointF at = configWindowPosition(screen.width, screen.height);
    move(Twips::toPx(at.x()), Twips::toPx(at.y()));

    // Each selection runs its option's action: the main window, the calendar and the
    // always-on-top states follow the record again.
    Settings &s = m_ctx.settings;
    DisplayItemsPage *items = m_displayItems;
    items->Option1->select(s.todaysWordShow[1].toInt());
    // Any odd language number means English.
    selectIf(m_calendar->Option2, s.calLanguage.toInt() & 1);
    items->Option3->select(s.memoShow[1].toInt());
    selectIf(m_calendar->Option4, s.calAutoOpen.toInt());
    items->Option6->select(s.autoDst);
    items->Option7->select(s.clockRows.toInt());
    selectIf(m_titleBio->Option9, s.bioAutoOpen);
    m_clockFormat->Option10->select(m_ctx.state.editRow);
    items->Option11->select(s.showSeconds);
    items->Option12->select(s.mainOnTop.toInt());
    selectIf(m_calendar->Option13, s.calOnTop.toInt());

    time_para_disp();
    items->fill();
    m_memoFile->fill();
    colourCityCaptions(true);
    m_version->fill();
    m_clockFormat->fillSampleColors();
    m_titleBio->fill();
    m_todaysWord->fill();
    m_clockFormat->fillFontLabels();
    m_dstInfo->fill();
    m_calendar->fill();
}

void ConfigWindow::colourCityCaptions(bool blackOtherwise)
{
    for (int c = 1; c <= 5; ++c) {
        const bool active = m_ctx.world.cityDstActive[size_t(c)] == 1;
        if (active || blackOtherwise)
            m_clockFormat->setCityRed(c, active);
    }
}

void ConfigWindow::onRowEdited(int row)
{
    m_clockFormat->Option10->select(row);
    m_clockFormat->Option5->select(
        m_ctx.settings.rowCity[size_t(OptionGroup::clampIndex(row, 3))].toInt());
}

void ConfigWindow::onAutoDstSwitchedOff(int row)
{
    m_displayItems->Option6->select(0);
    m_clockFormat->Option10->select(row);
}

void ConfigWindow::OPEN_FILE()
{
    m_memoFile->OPEN_FILE();
}

void ConfigWindow::save_file()
{
    m_memoFile->save_file();
}

void ConfigWindow::time_para_disp()
{
    m_clockFormat->time_para_disp();
}

int ConfigWindow::currentPage() const
{
    return m_tabs->currentIndex();
}

void ConfigWindow::setCurrentPage(int page)
{
    m_tabs->setCurrentIndex(page);
}

void ConfigWindow::closeEvent(QCloseEvent *event)
{
    // At the program's end nothing is taken over from the text boxes.
    if (!m_ctx.state.ending) {
        m_ctx.state.settingsShown = 0;
        m_titleBio->takeOverOnClose();
        if (m_links.main)
            m_links.main->updateCaption();
    }
    event->accept();
}
