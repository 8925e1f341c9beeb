#pragma once

#include "mainlayout.h"

#include <QWidget>
#include <array>

class AppContext;
class CompanionWindows;
class PictureButton;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

/**
 * The main window: clock rows, greeting panel, memo pad and the picture buttons.
 * Its public operations are the ones the other windows call.
 */
class TimeMain final : public QWidget
{
    Q_OBJECT
public:
    TimeMain(AppContext &ctx, CompanionWindows &companions, QWidget *parent = nullptr);
    ~TimeMain() override;

    /** Start-up steps after the single-instance check: load files, lay out, open windows. */
    void startUp();

    /** Rebuilds the greeting and today's-word panel. */
    void KAKUGEN_DISP();
    /** Fits the window height and the panels to the panel mode. */
    void Time_main_resize();
    /** Applies row fonts, the row count and the icon sizes, then Time_main_resize. */
    void applyMainLayout();
    /** Decides daylight saving for every city and sets the indicator pictures. */
    void determineDst();
    /** Indicator k shows the summer-time picture when flag is 1, else the normal-time one. */
    void setIndicatorPicture(int row, int flag);
    /** All three indicators from the rows' daylight-saving flags. */
    void setIndicatorPictures();
    /** Writes the three clock-row captions from the clock. */
    void renderClockRows();
    /** Puts the main window into or out of the always-on-top band. */
    void setMainTopmost(bool on);
    /** Scrolls the front memo page by n lines. */
    void scrollFrontMemo(int lines);

    /** Caption "【TamoＴｉｍｅ v1.7e】" + two spaces + titleBarText. */
    void updateCaption();
    /** Row k's text and back colour from itemForeColor / rowBackColor. */
    void applyRowColors(int row);
    /** Word panel shown with height 800 twips, or hidden with height 0 (no resize). */
    void showWordPanel(bool shown);
    /** Memo pad on (memoHeight rules, window height) or off (remembers the height); no resize. */
    void showMemoPanel(bool shown);
    /** Font of item 3 (word panel) or 4 (both memo pages), bold and italic included. */
    void applyPanelFont(int item);

    /** Text of memo box k with CR LF line ends. */
    QString memoBoxText(int page) const;
    void setMemoBoxText(int page, const QString &crlfText);

    // Controls, for the other windows' tests and the accessibility checks.
    QLabel *rowLabel(int row) const { return m_rows[size_t(row)]; }
    QPlainTextEdit *wordPanel() const { return m_wordPanel; }
    QPlainTextEdit *memoBox(int page) const { return m_memo[size_t(page)]; }
    QPushButton *settingsButton() const { return m_button; }
    PictureButton *indicator(int row) const { return m_indicators[size_t(row)]; }
    PictureButton *mascotPicture() const { return m_mascot; }
    PictureButton *animationPicture() const { return m_animation; }

    /** The controls' places in twips as the layout left them. */
    const MainGeometry &layoutTwips() const { return m_geo; }
    /** The window's outer height in twips (exact while the program set it last). */
    double windowHeightTwips() const;
    double windowWidthTwips() const;
    int animFrame() const { return m_animFrame; }
    int mascotIndex() const { return m_mascotIndex; }

    // Timer handlers (Timer1 every second, Timer3 every two seconds, Timer2 every minute).
    void onClockTick();
    void onAnimationTick();
    void onMascotTick();
    /** The new day's word, summer time and layout; typed text and changed options stay. */
    void dailyRefresh();

    // Mouse commands.
    /** A press on clock row k: right steps to the next city, other buttons to the previous. */
    void onRowMouseDown(int row, Qt::MouseButton button);
    /** A click on indicator k toggles its manual flag and turns automatic summer time off. */
    void onIndicatorClick(int row);
    /** Window size changed: row widths, panels, the right-hand column. */
    void onWindowResized();
    /** A press on the settings button: the right button folds or unfolds the panels. */
    void onSettingsButtonMouseDown(Qt::MouseButton button);
    void onWordPanelDoubleClick();
    void onMemoDoubleClick();
    /** Left press with exactly Shift turns the memo page; returns whether it acted. */
    bool onMemoMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void onSettingsButtonClick();
    void onCalendarPictureClick();
    void onBioPictureClick();

    /** Writes each memo page typed on since its file was last read or written. */
    void saveChangedMemoPages();

    /** Pause between the steps of the settings-button slide (tests set 0). */
    void setSlideStepDelay(int ms) { m_slideStepMs = ms; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createTimers();
    /** Places the window from outer twips; a size change runs onWindowResized. */
    void setWindowGeometryTwips(double left, double top, double width, double height);
    void setWindowHeightTwips(double height);
    /** Puts every control where m_geo says, with its visibility. */
    void applyGeometry();
    void applyRowFont(int row);
    bool normalState() const;
    void slideUpperIndicator();
    void fillMemoBox(int page, const QString &crlfText);
    /** memoText[page] = the box's text, as a page turn keeps it. */
    void storeMemoPage(int page);
    void closeSequence();

    AppContext &m_ctx;
    CompanionWindows &m_companions;
    std::array<QLabel *, 3> m_rows{};
    QPlainTextEdit *m_wordPanel = nullptr;
    std::array<QPlainTextEdit *, 2> m_memo{};
    QPushButton *m_button = nullptr;
    std::array<PictureButton *, 3> m_indicators{};
    PictureButton *m_mascot = nullptr;
    PictureButton *m_animation = nullptr;
    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;
    QTimer *m_timer3 = nullptr;
    QTimer *m_memoSaveTimer = nullptr;

    MainGeometry m_geo;
    RowVisibility m_rowVisibility;
    bool m_wordPanelVisible = true;
    std::array<bool, 2> m_memoVisible{true, true};
    /** The panel text last put into Text2 (CR LF), so an unchanged text is not put again. */
    QString m_panelShown;
    /** Each memo box's text as it was given, returned as is while the box is unedited. */
    std::array<QString, 2> m_memoGiven;
    /** Each memo page as its file holds it, so only changed pages are written. */
    std::array<QString, 2> m_memoOnDisk;
    int m_animFrame = 0;
    int m_mascotIndex = -1;
    // The window's outer place as the program set it, kept exact while the window stays there.
    double m_outerLeft = 0;
    double m_outerTop = 0;
    int m_slideStepMs = 4;
    bool m_closed = false;
};
