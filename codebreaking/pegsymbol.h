#pragma once

#include "codebreaking/rules.h"
#include "controls/tcolor.h"

class QPainter;
class QRectF;

namespace codebreaking {

// The colour a hole shows for a peg; clBtnFace for None.
TColor pegTColor(PegColor peg);

// The colour-blind aid: a small mark of its own for each of the eight peg
// colours, drawn as lines and shapes over the peg inside `circle`, so it is
// crisp at any scale. Nothing is drawn for an empty hole.
void drawPegSymbol(QPainter &painter, const QRectF &circle, PegColor peg);

} // namespace codebreaking
