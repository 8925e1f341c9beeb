#pragma once

#include <QWidget>

struct ConfigEnv;
class OptionGroup;

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

private:
    ConfigEnv &m_env;
};
