#pragma once

#include <QIcon>
#include <QPixmap>

/** The program's own pictures. */
enum class Art {
    ProgramIcon,
    NormalTime,  // indicator: standard time
    SummerTime,  // indicator: daylight-saving time
    Mascot,      // index 0..4
    Frame,       // animation frame, index 0..9
    OpenFile,
    SaveFile,
};

/** A square picture of side sidePx logical pixels, drawn for the given device pixel ratio. */
QPixmap artPixmap(Art kind, int index, int sidePx, qreal devicePixelRatio = 1.0);
/** The program icon at the usual sizes. */
QIcon programIcon();
/** How many pictures of this kind exist (5 mascots, 10 frames, otherwise 1); indexes wrap. */
int artCount(Art kind);
