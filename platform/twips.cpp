#include "twips.h"

#include <QWidget>
#include <cmath>

namespace Twips {

int toPx(double twips)
{
    if (!std::isfinite(twips))
        return 0;
    const double px = std::round(twips / perPixel);
    return int(std::clamp(px, -1.0e6, 1.0e6));
}

double fromPx(int px)
{
    return px * perPixel;
}

void setOuterGeometry(QWidget *window, double left, double top, double width, double height)
{
    const int w = std::max(1, toPx(width - frameWidth));
    const int h = std::max(1, toPx(height - frameHeight));
    window->move(toPx(left), toPx(top));
    window->resize(w, h);
}

void outerGeometry(const QWidget *window, double *left, double *top, double *width, double *height)
{
    const QPoint pos = window->pos(); // frame position of a top-level window
    *left = fromPx(pos.x());
    *top = fromPx(pos.y());
    *width = outerWidth(window);
    *height = outerHeight(window);
}

double outerHeight(const QWidget *window)
{
    return fromPx(window->height()) + frameHeight;
}

double outerWidth(const QWidget *window)
{
    return fromPx(window->width()) + frameWidth;
}

void setOuterHeight(QWidget *window, double height)
{
    const int h = std::max(1, toPx(height - frameHeight));
    if (window->height() != h)
        window->resize(window->width(), h);
}

void setGeometry(QWidget *control, double left, double top, double width, double height)
{
    control->setGeometry(toPx(left), toPx(top), std::max(0, toPx(width)), std::max(0, toPx(height)));
}

} // namespace Twips

QColor colorFromBgr(double bgr)
{
    if (!std::isfinite(bgr) || bgr < 0)
        bgr = 0;
    const quint32 v = bgr > 16777215.0 ? 16777215u : quint32(bgr);
    return QColor(int(v & 0xff), int((v >> 8) & 0xff), int((v >> 16) & 0xff));
}

quint32 bgrFromColor(const QColor &color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

QFont storedFont(const QString &name, double points, bool bold, bool italic)
{
    QFont font(name.isEmpty() ? QStringLiteral("ＭＳ Ｐゴシック") : name);
    if (!std::isfinite(points) || points < 1)
        points = 1; // Qt rejects sizes of 0 and below
    font.setPointSizeF(std::min(points, 500.0));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void installJapaneseFontSubstitutes()
{
    const QStringList gothic{QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                             QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("VL Gothic")};
    const QStringList pgothic{QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                              QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")};
    const QStringList mincho{QStringLiteral("IPAMincho"), QStringLiteral("IPAexMincho"),
                             QStringLiteral("Noto Serif CJK JP")};
    const QStringList pmincho{QStringLiteral("IPAPMincho"), QStringLiteral("IPAexMincho"),
                              QStringLiteral("Noto Serif CJK JP")};
    for (const QString &n : {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                             QStringLiteral("ＭＳ Ｐゴシック") + QStringLiteral("等幅")})
        QFont::insertSubstitutions(n, gothic);
    for (const QString &n : {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                             QStringLiteral("ＭＳ ＵＩゴシック"), QStringLiteral("MS UI Gothic"),
                             QStringLiteral("メイリオ"), QStringLiteral("Meiryo")})
        QFont::insertSubstitutions(n, pgothic);
    for (const QString &n : {QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho")})
        QFont::insertSubstitutions(n, mincho);
    for (const QString &n : {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("MS PMincho")})
        QFont::insertSubstitutions(n, pmincho);
}
