#pragma once

#include <QWidget>

struct ConfigEnv;
class OptionGroup;
class QTextEdit;

/** Page 7 "ﾊﾞｰｼﾞｮﾝ": the version text and the legend of icons. */
class VersionPage final : public QWidget
{
    Q_OBJECT
public:
    VersionPage(ConfigEnv &env, QWidget *parent = nullptr);
    ~VersionPage() override;

    /** Filling: the version text. */
    void fill();

    /** The version text box, for the tests. */
    QTextEdit *Text5() const { return m_text5; }

private:
    void buildLegend();

    ConfigEnv &m_env;
    QTextEdit *m_text5 = nullptr;
};
