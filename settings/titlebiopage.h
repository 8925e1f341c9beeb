#pragma once

#include <QWidget>
#include <array>

struct ConfigEnv;
class OptionGroup;
class QLabel;
class QLineEdit;
class QPushButton;

/** Page 4 "ﾀｲﾄﾙ･Bio": title text, icon scale and the biorhythm inputs. */
class TitleBioPage final : public QWidget
{
    Q_OBJECT
public:
    TitleBioPage(ConfigEnv &env, QWidget *parent = nullptr);
    ~TitleBioPage() override;

    /** Filling: title, icon scale, birth date, today as target, weeks. */
    void fill();
    /** Closing: takes over the title and the corrected birth date. */
    void takeOverOnClose();
    OptionGroup *Option9 = nullptr;

    // Controls, for the tests.
    QLineEdit *Text2() const { return m_text2; }
    QLineEdit *Text3() const { return m_text3; }
    QLineEdit *Text6(int i) const { return m_text6[size_t(i)]; }
    QLineEdit *Text7(int i) const { return m_text7[size_t(i)]; }
    QLineEdit *Text8() const { return m_text8; }
    QLabel *Label24(int i) const { return m_label24[size_t(i)]; }
    QPushButton *Command4() const { return m_command4; }
    QPushButton *Command8() const { return m_command8; }
    QPushButton *Command9() const { return m_command9; }

private:
    void buildTitle();
    void buildBio();
    void iconScaleGo();
    void today();
    void showBio();
    void takeOverBirthDate();
    void showBioResults();

    ConfigEnv &m_env;
    QLineEdit *m_text2 = nullptr;
    QLineEdit *m_text3 = nullptr;
    std::array<QLineEdit *, 3> m_text6{}, m_text7{};
    QLineEdit *m_text8 = nullptr;
    std::array<QLabel *, 2> m_label24{};
    QPushButton *m_command4 = nullptr;
    QPushButton *m_command8 = nullptr;
    QPushButton *m_command9 = nullptr;
};
