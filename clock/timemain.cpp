#include "timemain.h"

#include "appcontext.h"
#include "companions.h"
#include "datafiles.h"
#include "greeting.h"
#include "picturebutton.h"
#include "pictures.h"
#include "platform.h"
#include "twips.h"
#include "worldclock.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

using namespace Qt::StringLiterals;

TimeMain::TimeMain(AppContext &ctx, CompanionWindows &companions, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_companions(companions), m_geo(MainLayout::designGeometry())
{
    setWindowTitle(u"Tamo Time Main"_s);
    setWindowIcon(programIcon());
    setFont(storedFont(u"ＭＳ Ｐゴシック"_s, 12));
    createControls();
    createTimers();
    applyGeometry();
}

TimeMain::~TimeMain() = default;

void TimeMain::createControls()
{
    const QFont rowFont = storedFont(u"ＭＳ Ｐゴシック"_s, 20.25);
    const std::array<QString, 3> rowNames{u"上段の時計"_s, u"中段の時計"_s, u"下段の時計"_s};
    for (size_t k = 0; k < 3; ++k) {
        auto *row = new QLabel(u"time%1"_s.arg(k + 1), this);
        row->setObjectName(u"Label1_%1"_s.arg(k));
        row->setTextFormat(Qt::PlainText);
        row->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        row->setLineWidth(1);
        row->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        row->setAutoFillBackground(true);
        row->setFont(rowFont);
        // The caption itself is the accessible name, so a screen reader reads the time.
        row->setAccessibleDescription(rowNames[k]);
        row->installEventFilter(this);
        m_rows[k] = row;
    }

    m_wordPanel = new QPlainTextEdit(u"Text2"_s, this);
    m_wordPanel->setObjectName(u"Text2"_s);
    m_wordPanel->setAccessibleName(u"今日の言葉"_s);
    m_wordPanel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_wordPanel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_wordPanel->setFont(storedFont(u"ＭＳ Ｐゴシック"_s, 9.75));
    m_wordPanel->viewport()->installEventFilter(this);

    const std::array<QString, 2> memoNames{u"スケジュール"_s, u"メモ"_s};
    for (size_t k = 0; k < 2; ++k) {
        auto *memo = new QPlainTextEdit(this);
        memo->setObjectName(u"Text3_%1"_s.arg(k));
        memo->setAccessibleName(memoNames[k]);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setFont(storedFont(u"ＭＳ Ｐゴシック"_s, 9.75));
        memo->viewport()->installEventFilter(this);
        connect(memo, &QPlainTextEdit::textChanged, this, [this] {
            if (m_memoSaveTimer)
                m_memoSaveTimer->start();
        });
        m_memo[k] = memo;
    }
    for (size_t k = 0; k < 2; ++k)
        fillMemoBox(int(k), u"Text3\r\n"_s);
    for (QPlainTextEdit *box : {m_wordPanel, m_memo[0], m_memo[1]}) {
        QPalette pal = box->palette();
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Text, Qt::black);
        box->setPalette(pal);
    }

    m_button = new QPushButton(this);
    m_button->setObjectName(u"Command1"_s);
    m_button->setAccessibleName(u"設定"_s);
    m_button->setToolTip(u"設定（右クリックで表示の折りたたみ）"_s);
    m_button->setFont(storedFont(u"ＭＳ Ｐゴシック"_s, 8.25));
    m_button->setAutoFillBackground(true);
    {
        QPalette pal = m_button->palette();
        pal.setColor(QPalette::Button, Qt::black);
        m_button->setPalette(pal);
    }
    m_button->installEventFilter(this);
    connect(m_button, &QPushButton::clicked, this, &TimeMain::onSettingsButtonClick);

    for (size_t k = 0; k < 3; ++k) {
        auto *indicator = new PictureButton(this);
        indicator->setObjectName(u"Image1_%1"_s.arg(k));
        indicator->setPicture(Art::NormalTime, 0);
        indicator->setAccessibleName(u"通常時間"_s);
        connect(indicator, &PictureButton::clicked, this, [this, k] { onIndicatorClick(int(k)); });
        m_indicators[k] = indicator;
    }
    m_mascot = new PictureButton(this);
    m_mascot->setObjectName(u"Image4"_s);
    m_mascot->setPicture(Art::Mascot, 0);
    m_mascot->setAccessibleName(u"バイオリズム"_s);
    connect(m_mascot, &PictureButton::clicked, this, &TimeMain::onBioPictureClick);

    m_animation = new PictureButton(this);
    m_animation->setObjectName(u"Image5"_s);
    m_animation->setPicture(Art::Frame, 0);
    m_animation->setAccessibleName(u"カレンダー"_s);
    connect(m_animation, &PictureButton::clicked, this, &TimeMain::onCalendarPictureClick);
}

void TimeMain::createTimers()
{
    m_timer1 = new QTimer(this);
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &TimeMain::onClockTick);
    m_timer2 = new QTimer(this);
    m_timer2->setInterval(60000);
    connect(m_timer2, &QTimer::timeout, this, &TimeMain::onMascotTick);
    m_timer3 = new QTimer(this);
    m_timer3->setInterval(2000);
    connect(m_timer3, &QTimer::timeout, this, &TimeMain::onAnimationTick);

    // A crash or a power cut loses at most the last three seconds of typing.
    m_memoSaveTimer = new QTimer(this);
    m_memoSaveTimer->setSingleShot(true);
    m_memoSaveTimer->setInterval(3000);
    connect(m_memoSaveTimer, &QTimer::timeout, this, &TimeMain::saveChangedMemoPages);
}

void TimeMain::startUp()
{
    Settings &s = m_ctx.settings;
    s.appFolder = m_ctx.platform.programFolder();
    loadSettings(m_ctx);
    loadTodaysWord(m_ctx);
    loadHolidays(m_ctx);
    initCityTable(m_ctx.world);
    m_ctx.state.twipsPerPoint = (25.4 / 72) * (567.0 / 10);
    m_ctx.state.currentMemoPage = 0;
    m_ctx.state.optionColors = {0, 16711680};
    m_ctx.state.panelsExpanded = 1;
    updateCaption();
    setWindowGeometryTwips(s.mainLeft.toNumber(), s.mainTop.toNumber(), s.mainWidth.toNumber(),
                           s.mainHeight);
    determineDst();
    renderClockRows();
    for (int k = 0; k < 3; ++k) {
        m_geo.rows[size_t(k)].left = 0;
        applyRowFont(k);
        applyRowColors(k);
    }
    for (int page = 0; page < 2; ++page) {
        const QString text = m_ctx.memoText[size_t(page)].toText();
        setMemoBoxText(page, text);
        m_memoOnDisk[size_t(page)] = text; // what the page's file holds (or "" when unread)
    }
    m_geo.wordPanel.left = 0;
    KAKUGEN_DISP();
    m_geo.memo[0].left = 0;
    m_geo.memo[1].left = 0;
    // Bold and italic of the panels follow only when the user picks a font.
    m_wordPanel->setFont(storedFont(s.itemFontName[3].toText(), s.itemFontSize[3].toNumber()));
    for (QPlainTextEdit *memo : m_memo)
        memo->setFont(storedFont(s.itemFontName[4].toText(), s.itemFontSize[4].toNumber()));
    m_memoVisible = {true, false};
    applyGeometry();
    applyMainLayout();
    if (s.calAutoOpen.toNumber() == 1) {
        m_companions.calendarWindow()->show();
        m_ctx.state.calendarShown = 1;
    }
    if (s.bioAutoOpen == 1) {
        m_companions.bioWindow()->show();
        m_ctx.state.bioShown = 1;
    }
    if (s.mainOnTop.toNumber() == 1)
        setMainTopmost(true);
    setWindowGeometryTwips(s.mainLeft.toNumber(), s.mainTop.toNumber(), s.mainWidth.toNumber(),
                           s.mainHeight);
    scrollFrontMemo(m_ctx.memoTodayLine);
    m_ctx.state.memoHeight =
        s.memoShow[0].toNumber() == 0 ? MainLayout::memoMinimum : m_geo.memo[0].height;
    if (s.holidayColor.isEmpty())
        s.holidayColor = u"255"_s;
    show();
    m_timer1->start();
    m_timer2->start();
    m_timer3->start();
}

void TimeMain::closeEvent(QCloseEvent *event)
{
    // Closing cannot be refused: whatever asked, the settings are stored and the program ends.
    event->accept();
    closeSequence();
}

void TimeMain::closeSequence()
{
    if (m_closed)
        return;
    m_closed = true;
    m_timer1->stop();
    m_timer2->stop();
    m_timer3->stop();
    m_memoSaveTimer->stop();
    Settings &s = m_ctx.settings;
    if (normalState() && m_ctx.state.panelsExpanded == 1) {
        s.mainTop = pos().y() == Twips::toPx(m_outerTop) ? m_outerTop : Twips::fromPx(pos().y());
        s.mainLeft = pos().x() == Twips::toPx(m_outerLeft) ? m_outerLeft : Twips::fromPx(pos().x());
        s.mainWidth = windowWidthTwips();
        s.mainHeight = toInt16(windowHeightTwips());
    }
    saveSettings(m_ctx, {memoBoxText(0), memoBoxText(1)});
    m_companions.closeAll();
    QCoreApplication::quit();
}

bool TimeMain::normalState() const
{
    return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void TimeMain::updateCaption()
{
    const QString caption = u"【TamoＴｉｍｅ v1.7e】  "_s + m_ctx.settings.titleBarText;
    if (windowTitle() != caption)
        setWindowTitle(caption);
}

void TimeMain::applyRowColors(int row)
{
    if (row < 0 || row > 2)
        return;
    QLabel *label = m_rows[size_t(row)];
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText,
                 colorFromBgr(m_ctx.settings.itemForeColor[size_t(row)].toNumber()));
    pal.setColor(QPalette::Window,
                 colorFromBgr(m_ctx.settings.rowBackColor[size_t(row)].toNumber()));
    label->setPalette(pal);
}

void TimeMain::applyRowFont(int row)
{
    const Settings &s = m_ctx.settings;
    const size_t k = size_t(row);
    m_rows[k]->setFont(
        storedFont(s.itemFontName[k].toText(), MainLayout::sanitizedFontSize(s.itemFontSize[k]),
                   s.itemFontBold[k].toNumber() != 0, s.itemFontItalic[k].toNumber() != 0));
}

void TimeMain::applyPanelFont(int item)
{
    const Settings &s = m_ctx.settings;
    if (item != 3 && item != 4)
        return;
    const size_t k = size_t(item);
    const QFont font =
        storedFont(s.itemFontName[k].toText(), s.itemFontSize[k].toNumber(),
                   s.itemFontBold[k].toNumber() != 0, s.itemFontItalic[k].toNumber() != 0);
    if (item == 3) {
        m_wordPanel->setFont(font);
    } else {
        for (QPlainTextEdit *memo : m_memo)
            memo->setFont(font);
    }
}

void TimeMain::KAKUGEN_DISP()
{
    const QString text = panelText(m_ctx.platform.now(), m_ctx.todaysWord.toText());
    // Put only a changed text, so the reader's scroll position and selection stay; a text the
    // user typed over is put back.
    if (text == m_panelShown && !m_wordPanel->document()->isModified())
        return;
    m_panelShown = text;
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    m_wordPanel->setPlainText(shown);
    m_wordPanel->document()->setModified(false);
}

void TimeMain::onClockTick()
{
    KAKUGEN_DISP();
    renderClockRows();
}

void TimeMain::onAnimationTick()
{
    m_animFrame = (m_animFrame + 1) % 10;
    m_animation->setPicture(Art::Frame, m_animFrame);
    const int today = dayOfYear(m_ctx.platform.now().date());
    if (today != m_ctx.todaysWordDay.toInt())
        dailyRefresh();
}

void TimeMain::onMascotTick()
{
    double r = m_ctx.platform.random();
    if (!(r >= 0 && r < 1))
        r = 0;
    m_mascotIndex = int(std::lround(r * 10)) % 5;
    m_mascot->setPicture(Art::Mascot, m_mascotIndex);
}
