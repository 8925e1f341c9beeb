#pragma once

#include <QWidget>
#include <array>

class AppContext;
class CompanionWindows;
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

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    AppContext &m_ctx;
    CompanionWindows &m_companions;
    std::array<QLabel *, 3> m_rows{};
    QPlainTextEdit *m_wordPanel = nullptr;
    std::array<QPlainTextEdit *, 2> m_memo{};
};
