#pragma once

#include <QString>
#include <QWidget>
#include <array>

struct ConfigEnv;
class OptionGroup;
class QLabel;
class QPlainTextEdit;
class QPushButton;

/** Page 3 "ﾒﾓﾌｧｨﾙ": the two memo pages and their files. */
class MemoFilePage final : public QWidget
{
    Q_OBJECT
public:
    MemoFilePage(ConfigEnv &env, QWidget *parent = nullptr);
    ~MemoFilePage() override;

    /** Filling: page texts and file paths. */
    void fill();
    /** Open dialog; leaves the full path or "CANCEL" in chosenFilePath. */
    void OPEN_FILE();
    /** Save dialog; leaves the full path or "CANCEL" in chosenFilePath. */
    void save_file();

    /** Outcome of the last file dialog: a full path, or "CANCEL". */
    const QString &chosenFilePath() const { return m_chosenFilePath; }

    // Controls of memo page k (0 front, 1 back), for the tests.
    QPlainTextEdit *Text1(int k) const { return m_text1[size_t(k)]; }
    QLabel *Label1(int k) const { return m_label1[size_t(k)]; }
    QPushButton *Image4(int k) const { return m_image4[size_t(k)]; }
    QPushButton *Image3(int k) const { return m_image3[size_t(k)]; }
    QPushButton *Command10(int k) const { return m_command10[size_t(k)]; }
    QPushButton *Command5(int k) const { return m_command5[size_t(k)]; }
    QPushButton *Command14(int k) const { return m_command14[size_t(k)]; }

private:
    void buildFrame(int k);
    void openIcon(int k);
    void saveIcon(int k);
    void autoLoad(int k);
    void fromMain(int k);
    void toMain(int k);
    QString pageText(int k) const;
    void reportFailure(const QString &message);

    ConfigEnv &m_env;
    QString m_chosenFilePath;
    std::array<QPlainTextEdit *, 2> m_text1{};
    std::array<QLabel *, 2> m_label1{};
    std::array<QPushButton *, 2> m_image4{}, m_image3{}, m_command10{}, m_command5{}, m_command14{};
};
