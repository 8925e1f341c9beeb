#pragma once

#include <QWidget>

struct ConfigEnv;
class OptionGroup;

/** Page 1 "今日の言葉": the numbered list of kakugen.txt. */
class TodaysWordPage final : public QWidget
{
    Q_OBJECT
public:
    TodaysWordPage(ConfigEnv &env, QWidget *parent = nullptr);
    ~TodaysWordPage() override;

    /** Filling: the list, or the hint while it was never loaded. */
    void fill();

private:
    ConfigEnv &m_env;
};
