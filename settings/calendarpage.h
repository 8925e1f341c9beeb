#pragma once

#include <QWidget>
#include <array>

struct ConfigEnv;
class CalendarWindow;
class OptionGroup;
class QLabel;
class QPushButton;

/** Page 6 "ｶﾚﾝﾀﾞｰ": the calendar window's language, fonts and colours. */
class CalendarPage final : public QWidget
{
    Q_OBJECT
public:
    CalendarPage(ConfigEnv &env, QWidget *parent = nullptr);
    ~CalendarPage() override;

    /** Filling: the calendar font defaults and the nine font rows. */
    void fill();
    OptionGroup *Option2 = nullptr;
    OptionGroup *Option4 = nullptr;
    OptionGroup *Option13 = nullptr;

    // Controls of row j (0..6 Sunday..Saturday, 7 the title, 8 all), for the tests.
    QLabel *Label20(int j) const { return m_label20[size_t(j)]; }
    QLabel *Label21(int j) const { return m_label21[size_t(j)]; }
    QPushButton *Command11(int j) const { return m_command11[size_t(j)]; }
    QPushButton *Command12(int j) const { return m_command12[size_t(j)]; }
    QPushButton *Command13(int k) const { return m_command13[size_t(k)]; }
    QPushButton *Command15() const { return m_command15; }
    QPushButton *Command16() const { return m_command16; }

private:
    void buildOptions();
    void buildFontRows();
    void buildColours();
    CalendarWindow *calendar() const;
    void showRow(int j);
    void pickItemFont(int j);
    void pickItemColour(int j);
    void pickBackColour(int k);
    void pickHolidayColour();
    void showFontSizes(int titleSize);

    ConfigEnv &m_env;
    std::array<QLabel *, 9> m_label20{}, m_label21{};
    std::array<QPushButton *, 9> m_command11{}, m_command12{};
    std::array<QPushButton *, 2> m_command13{};
    QPushButton *m_command15 = nullptr;
    QPushButton *m_command16 = nullptr;
};
