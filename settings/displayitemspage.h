#pragma once

#include <QWidget>
#include <array>
#include <functional>

struct ConfigEnv;
class OptionGroup;
class QLabel;
class QPushButton;
class TimeMain;

/** Page 0 "表示項目": rows, daylight saving, seconds, on-top and the two panels of the main window. */
class DisplayItemsPage final : public QWidget
{
    Q_OBJECT
public:
    DisplayItemsPage(ConfigEnv &env, QWidget *parent = nullptr);
    ~DisplayItemsPage() override;

    /** Filling: the font name and size of the word panel and of the memo pad. */
    void fill();

    /** Run after the seconds option changed, so the format samples follow. */
    std::function<void()> timeParaDisp;

    OptionGroup *Option7 = nullptr;  // clock rows
    OptionGroup *Option6 = nullptr;  // automatic daylight saving
    OptionGroup *Option11 = nullptr; // seconds
    OptionGroup *Option12 = nullptr; // always on top
    OptionGroup *Option1 = nullptr;  // today's-word panel
    OptionGroup *Option3 = nullptr;  // memo pad
    std::array<QLabel *, 2> Label4{}; // word panel font name, size
    std::array<QLabel *, 2> Label6{}; // memo font name, size
    std::array<QPushButton *, 2> Command1{};

private:
    TimeMain *main() const;
    void onClockRows(int i);
    void onAutoDst(int i);
    void onSeconds(int i);
    void onOnTop(int i);
    void onWordPanel(int i);
    void onMemoPad(int i);
    void onPanelFont(int k);
    void showPanelFont(int item);

    ConfigEnv &m_env;
};
