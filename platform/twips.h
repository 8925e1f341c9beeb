#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

/** Twips (1/1440 inch) as stored in the files, and Qt's device-independent pixels (96 dpi). */
namespace Twips {

constexpr double perPixel = 15.0;

int toPx(double twips);
double fromPx(int px);

/** Room that a sizable window's caption bar and borders take, as the stored sizes include it. */
constexpr double frameWidth = 120.0;
constexpr double frameHeight = 345.0;

/** Places a top-level window from a stored outer rectangle (left, top, width, height in twips). */
void setOuterGeometry(QWidget *window, double left, double top, double width, double height);
/** The stored outer rectangle of a top-level window: position of its frame, client + frame allowance. */
void outerGeometry(const QWidget *window, double *left, double *top, double *width, double *height);
/** Outer height or width of a top-level window in twips (client + frame allowance). */
double outerHeight(const QWidget *window);
double outerWidth(const QWidget *window);
/** Sets only the outer height (client height = height - 345). */
void setOuterHeight(QWidget *window, double height);

/** Places a child control from twips relative to its parent. */
void setGeometry(QWidget *control, double left, double top, double width, double height);

} // namespace Twips

/** A colour stored as blue * 65536 + green * 256 + red. */
QColor colorFromBgr(double bgr);
quint32 bgrFromColor(const QColor &color);

/** A font from the stored name (Windows Japanese names map to installed fonts), points, flags. */
QFont storedFont(const QString &name, double points, bool bold = false, bool italic = false);
/** Registers substitutes for the Japanese Windows font names; call once at start-up. */
void installJapaneseFontSubstitutes();
