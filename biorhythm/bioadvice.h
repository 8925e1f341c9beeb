#pragma once

#include "biocalc.h"

#include <QString>

/** "【高調】", "【注意】" or "【低調】". */
QString adviceHeading(BioPhase phase);
/** The advice of a cycle (0..2) in a phase, without its heading. */
QString adviceBody(int cycle, BioPhase phase);
/** What the advice box shows: heading, CR LF, advice. */
QString adviceText(int cycle, BioPhase phase);
