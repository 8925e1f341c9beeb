#include "artdraw_p.h"

// The two buttons of the file pages: an open folder with a sheet in it, and a floppy disk.

void drawOpenFile(ArtCanvas &c)
{
    const QColor edge(0xff8a5a00);
    QPainterPath back;
    back.moveTo(8, 26);
    back.lineTo(8, 84);
    back.lineTo(86, 84);
    back.lineTo(86, 34);
    back.lineTo(46, 34);
    back.lineTo(38, 22);
    back.lineTo(12, 22);
    back.closeSubpath();
    c.shape(back, QColor(0xffe4a52a), edge, 4);

    QPainterPath sheet;
    sheet.addRect(QRectF(20, 30, 56, 34));
    c.shape(sheet, QColor(0xffffffff), QColor(0xff7a7a7a), 3);
    if (c.roomy()) {
        for (qreal y : {39.0, 47.0}) {
            QPainterPath line;
            line.moveTo(27, y);
            line.lineTo(68, y);
            c.stroke(line, QColor(0xffb0b8c8), 3, 0.6);
        }
    }

    QPainterPath flap;
    flap.moveTo(20, 46);
    flap.lineTo(97, 46);
    flap.lineTo(86, 84);
    flap.lineTo(8, 84);
    flap.closeSubpath();
    c.shape(flap, QColor(0xffffcf52), edge, 4);
}

void drawSaveFile(ArtCanvas &c)
{
    const QColor edge(0xff1f2c44);
    QPainterPath disk;
    disk.moveTo(14, 10);
    disk.lineTo(76, 10);
    disk.lineTo(90, 24);
    disk.lineTo(90, 86);
    disk.quadTo(90, 90, 86, 90);
    disk.lineTo(14, 90);
    disk.quadTo(10, 90, 10, 86);
    disk.lineTo(10, 14);
    disk.quadTo(10, 10, 14, 10);
    disk.closeSubpath();
    c.shape(disk, QColor(0xff3f6fb5), edge, 4);

    QPainterPath shutter;
    shutter.addRect(QRectF(28, 10, 40, 28));
    c.shape(shutter, QColor(0xffdfe4ec), edge, 3.5);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(edge);
    c.p.drawRect(QRectF(52, 16, c.atLeast(9, 1.0), 16));

    QPainterPath label;
    label.addRoundedRect(QRectF(21, 50, 58, 40), 3, 3);
    c.shape(label, QColor(0xffffffff), edge, 3.5);
    QPainterPath lines;
    lines.moveTo(29, 62);
    lines.lineTo(71, 62);
    lines.moveTo(29, 74);
    lines.lineTo(71, 74);
    c.stroke(lines, QColor(0xffe2463a), 3.5, 0.8);
}
