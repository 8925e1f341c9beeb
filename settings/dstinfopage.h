#pragma once

#include <QWidget>

struct ConfigEnv;
class OptionGroup;

/** Page 5 "夏時情報": the daylight-saving rules and this year's dates. */
class DstInfoPage final : public QWidget
{
    Q_OBJECT
public:
    DstInfoPage(ConfigEnv &env, QWidget *parent = nullptr);
    ~DstInfoPage() override;

    /** Filling: the period text. */
    void fill();

private:
    ConfigEnv &m_env;
};
