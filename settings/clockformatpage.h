#pragma once

#include <QStringList>
#include <QWidget>

struct ConfigEnv;
class OptionGroup;
class QLabel;
class QPushButton;
class TimeMain;

/**
 * The seven format samples of a clock row: `now` (local serial) moved by the city's offset,
 * without the daylight-saving hour, rendered with each row pattern and followed by the suffix.
 */
QStringList clockSamples(double now, double cityOffset, const QString &citySuffix,
                         bool withSeconds);

/** Page 2 "時計書式": city, format, colours and font of the clock row being edited. */
class ClockFormatPage final : public QWidget
{
    Q_OBJECT
public:
    ClockFormatPage(ConfigEnv &env, QWidget *parent = nullptr);
    ~ClockFormatPage() override;

    /** Brings the page up to date for the edited row (selections, samples, colours, font). */
    void time_para_disp();
    /** The automatic daylight-saving group of page 0, which time_para_disp selects. */
    void setAutoDstGroup(OptionGroup *option6) { m_option6 = option6; }
    /** Filling: the samples' text colour from the edited row. */
    void fillSampleColors();
    /** Filling: the font name and size of the edited row. */
    void fillFontLabels();
    /** The caption of city option r (1..5) red, or black. */
    void setCityRed(int city, bool red);

    OptionGroup *Option10 = nullptr; // edited row
    OptionGroup *Option5 = nullptr;  // city
    OptionGroup *Option8 = nullptr;  // format, captions are the samples
    QLabel *Label15 = nullptr;       // panel behind the samples
    QLabel *Label8 = nullptr;        // font name
    QLabel *Label16 = nullptr;       // font size
    QPushButton *Command7 = nullptr; // background colour
    QPushButton *Command2 = nullptr; // font
    QPushButton *Command6 = nullptr; // text colour

private:
    TimeMain *main() const;
    int row() const;
    void onEditRow(int i);
    void onCity(int i);
    void onFormat(int i);
    void onBackColor();
    void onForeColor();
    void onFont();
    void showSampleBack(quint32 bgr);
    void showSampleFore(quint32 bgr);

    ConfigEnv &m_env;
    OptionGroup *m_option6 = nullptr;
};
