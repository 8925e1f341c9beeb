#pragma once

#include "biochart.h"

#include <QWidget>
#include <array>

class AppContext;
class BioChartArea;
class QLabel;
class QTextEdit;

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

    // Controls and the last drawing, for tests.
    QLabel *Label1(int i) const { return m_label1[size_t(i)]; }
    QLabel *Label2() const { return m_label2; }
    BioChartArea *Picture1() const { return m_picture1; }
    QTextEdit *Text1() const { return m_text1; }
    const BioDrawing &drawing() const { return m_drawing; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showAdvice(int entry, const QPointF &posPx);
    void applyDrawing();
    double adviceBoxHeight(const QString &text) const;

    AppContext &m_ctx;
    std::array<QLabel *, 3> m_label1{};
    QLabel *m_label2 = nullptr;
    BioChartArea *m_picture1 = nullptr;
    QTextEdit *m_text1 = nullptr;
    BioDrawing m_drawing;
    /** Days alive of the last run, nullopt when its dates were no real dates. */
    std::optional<int> m_daysAlive;
    double m_legendWidth = 900;
    double m_legendHeight = 240;
};
