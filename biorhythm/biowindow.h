#pragma once

#include <QWidget>

class AppContext;

/** The biorhythm chart tool window "bio". */
class BioWindow final : public QWidget
{
    Q_OBJECT
public:
    /** Runs the window's start-up (caption, size and place); stays hidden. */
    explicit BioWindow(AppContext &ctx, QWidget *parent = nullptr);
    ~BioWindow() override;

    /** Recomputes the biorhythm and redraws the chart; writes ctx.bio and emits bioResultsChanged. */
    void bio_calc();
    /** Caption " Biorythm Chart  " + titleBarText. */
    void updateCaption();
    /** Clears the printed texts and the chart (the next bio_calc draws anew). */
    void clearChart();

private:
    AppContext &m_ctx;
};
