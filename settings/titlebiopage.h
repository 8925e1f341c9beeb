#pragma once

#include <QWidget>

struct ConfigEnv;
class OptionGroup;

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

private:
    ConfigEnv &m_env;
};
