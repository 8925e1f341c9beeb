#pragma once

#include <QWidget>

struct ConfigEnv;
class OptionGroup;
class QPlainTextEdit;
class QPushButton;

/** Page 1 "今日の言葉": the numbered list of kakugen.txt. */
class TodaysWordPage final : public QWidget
{
    Q_OBJECT
public:
    TodaysWordPage(ConfigEnv &env, QWidget *parent = nullptr);
    ~TodaysWordPage() override;

    /** Filling: the list, or the hint while it was never loaded. */
    void fill();

    /** The hint shown until the list is loaded. */
    static QString hint();

    // Controls, for the tests.
    QPlainTextEdit *Text4() const { return m_text4; }
    QPushButton *Image9() const { return m_image9; }

private:
    void loadList();

    ConfigEnv &m_env;
    QPlainTextEdit *m_text4 = nullptr;
    QPushButton *m_image9 = nullptr;
};
