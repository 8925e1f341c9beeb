#pragma once

#include <QWidget>

struct ConfigEnv;
class OptionGroup;

/** Page 3 "ﾒﾓﾌｧｨﾙ": the two memo pages and their files. */
class MemoFilePage final : public QWidget
{
    Q_OBJECT
public:
    MemoFilePage(ConfigEnv &env, QWidget *parent = nullptr);
    ~MemoFilePage() override;

    /** Filling: page texts and file paths. */
    void fill();
    void OPEN_FILE();
    void save_file();

private:
    ConfigEnv &m_env;
};
