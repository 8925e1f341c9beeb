#pragma once

#include "pictures.h"

#include <QAbstractButton>

/** A stretched picture that reports clicks, for the indicators, the mascot and the animation. */
class PictureButton final : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);

    /** Shows one of the program's pictures, stretched over the whole control. */
    void setPicture(Art kind, int index);
    Art pictureKind() const { return m_kind; }
    int pictureIndex() const { return m_index; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Art m_kind = Art::NormalTime;
    int m_index = 0;
};
