#include "pagelayout.h"

#include "twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

/** An option button that takes a click anywhere on its rectangle, caption or not. */
class OptionButton final : public QRadioButton
{
public:
    OptionButton(const QString &caption, QWidget *parent) : QRadioButton(caption, parent) {}

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

} // namespace

namespace PageLayout {

void applyLook(QWidget *control, const Look &look)
{
    control->setFont(storedFont(look.fontName.isEmpty() ? QStringLiteral("ＭＳ Ｐゴシック")
                                                        : look.fontName,
                                look.points, look.bold));
    QPalette pal = control->palette();
    if (look.backColor >= 0) {
        pal.setColor(QPalette::Window, colorFromBgr(look.backColor));
        // An option's circle stays white whatever the background of the option or its frame.
        if (!qobject_cast<QRadioButton *>(control) && !qobject_cast<QGroupBox *>(control))
            pal.setColor(QPalette::Base, colorFromBgr(look.backColor));
        pal.setColor(QPalette::Button, colorFromBgr(look.backColor));
        control->setAutoFillBackground(true);
    }
    if (look.foreColor >= 0) {
        pal.setColor(QPalette::WindowText, colorFromBgr(look.foreColor));
        pal.setColor(QPalette::Text, colorFromBgr(look.foreColor));
        pal.setColor(QPalette::ButtonText, colorFromBgr(look.foreColor));
    }
    control->setPalette(pal);
}

QGroupBox *frame(QWidget *parent, const QString &caption, double left, double top, double width,
                 double height, const Look &look)
{
    auto *box = new QGroupBox(caption, parent);
    applyLook(box, look);
    // The frame's caption font must not leak into its children.
    box->setStyleSheet(QString());
    Twips::setGeometry(box, left, top, width, height);
    return box;
}

QLabel *label(QWidget *parent, const QString &text, double left, double top, double width,
              double height, const Look &look)
{
    auto *l = new QLabel(text, parent);
    applyLook(l, look);
    if (look.border)
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
    // Captions start at the top of their box, so a caption above a box never runs into it.
    l->setAlignment(Qt::AlignTop | (look.centred ? Qt::AlignHCenter : Qt::AlignLeft));
    Twips::setGeometry(l, left, top, width, height);
    return l;
}

QRadioButton *option(QWidget *parent, const QString &caption, double left, double top,
                     double width, double height, const Look &look)
{
    auto *o = new OptionButton(caption, parent);
    o->setAutoExclusive(false); // OptionGroup keeps exactly one selected
    applyLook(o, look);
    Twips::setGeometry(o, left, top, width, std::max(height, 240.0));
    return o;
}

QPushButton *button(QWidget *parent, const QString &caption, double left, double top,
                    double width, double height, const Look &look)
{
    auto *b = new QPushButton(caption, parent);
    applyLook(b, look);
    Twips::setGeometry(b, left, top, width, height);
    return b;
}

QPlainTextEdit *textBox(QWidget *parent, double left, double top, double width, double height,
                        const Look &look)
{
    auto *t = new QPlainTextEdit(parent);
    applyLook(t, look);
    Twips::setGeometry(t, left, top, width, height);
    return t;
}

QWidget *lineBox(QWidget *parent, double left, double top, double width, double height,
                 const Look &look)
{
    auto *e = new QLineEdit(parent);
    applyLook(e, look);
    if (look.centred)
        e->setAlignment(Qt::AlignCenter);
    Twips::setGeometry(e, left, top, width, height);
    return e;
}

QLabel *picture(QWidget *parent, Art art, int index, double left, double top, double width,
                double height)
{
    auto *p = new QLabel(parent);
    Twips::setGeometry(p, left, top, width, height);
    const int side = std::max(1, std::min(p->width(), p->height()));
    p->setPixmap(artPixmap(art, index, side, p->devicePixelRatioF()));
    p->setScaledContents(true);
    return p;
}

QPushButton *pictureButton(QWidget *parent, Art art, const QString &accessibleName, double left,
                           double top, double width, double height)
{
    auto *b = new QPushButton(parent);
    b->setFlat(true);
    b->setAccessibleName(accessibleName);
    b->setToolTip(accessibleName);
    Twips::setGeometry(b, left, top, width, height);
    const int side = std::max(1, std::min(b->width(), b->height()) - 2);
    b->setIcon(QIcon(artPixmap(art, 0, side, b->devicePixelRatioF())));
    b->setIconSize(QSize(side, side));
    return b;
}

} // namespace PageLayout
