#pragma once

#include <QWidget>

struct ConfigEnv;
class OptionGroup;

/** Page 7 "ﾊﾞｰｼﾞｮﾝ": the version text and the legend of icons. */
class VersionPage final : public QWidget
{
    Q_OBJECT
public:
    VersionPage(ConfigEnv &env, QWidget *parent = nullptr);
    ~VersionPage() override;

    /** Filling: the version text. */
    void fill();

private:
    ConfigEnv &m_env;
};
