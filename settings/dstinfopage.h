#pragma once

#include <QWidget>

struct ConfigEnv;
class OptionGroup;
class QLabel;

/** Page 5 "夏時情報": the daylight-saving rules and this year's dates. */
class DstInfoPage final : public QWidget
{
    Q_OBJECT
public:
    DstInfoPage(ConfigEnv &env, QWidget *parent = nullptr);
    ~DstInfoPage() override;

    /** Filling: the period text. */
    void fill();

    /** The period text, for the tests. */
    QLabel *Label3() const { return m_label3; }

private:
    ConfigEnv &m_env;
    QLabel *m_label3 = nullptr;
};
