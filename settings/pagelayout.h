#pragma once

#include "pictures.h"

#include <QString>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

/**
 * Builders for the settings pages' controls. Positions and sizes are twips relative to the
 * parent: the page (whose origin is the tab control's top-left, tab strip included) or a frame.
 */
namespace PageLayout {

/** The window's default control font, "ＭＳ Ｐゴシック" 9 pt. */
constexpr double defaultPoints = 9.0;

struct Look
{
    double points = defaultPoints;
    bool bold = false;
    QString fontName{};      // empty: the window's default
    bool border = false;     // single-line border
    bool centred = false;
    double backColor = -1;   // 0x00BBGGRR, -1: none of its own
    double foreColor = -1;
};

QGroupBox *frame(QWidget *parent, const QString &caption, double left, double top, double width,
                 double height, const Look &look = {});
QLabel *label(QWidget *parent, const QString &text, double left, double top, double width,
              double height, const Look &look = {});
QRadioButton *option(QWidget *parent, const QString &caption, double left, double top,
                     double width, double height, const Look &look = {});
QPushButton *button(QWidget *parent, const QString &caption, double left, double top,
                    double width, double height, const Look &look = {});
/** A multi-line text box (plain text, CR LF converted at the boundary by its users). */
QPlainTextEdit *textBox(QWidget *parent, double left, double top, double width, double height,
                        const Look &look = {});
/** A one-line text box. */
QWidget *lineBox(QWidget *parent, double left, double top, double width, double height,
                 const Look &look = {});
/** A stretched picture; clickable pictures are flat buttons with an accessible name. */
QLabel *picture(QWidget *parent, Art art, int index, double left, double top, double width,
                double height);
QPushButton *pictureButton(QWidget *parent, Art art, const QString &accessibleName, double left,
                           double top, double width, double height);

/** Applies a Look's font and colours to any control. */
void applyLook(QWidget *control, const Look &look);

} // namespace PageLayout
