#pragma once

#include "controls/tcolor.h"

class QPainter;
class QRectF;

namespace codebreaking {

// The colour-blind aid: a small mark of its own for each of the eight peg
// colours, drawn as lines and shapes over the peg inside `circle`, so it is
// crisp at any scale. Nothing is drawn for an empty hole or another colour.
void drawPegSymbol(QPainter &painter, const QRectF &circle, TColor color);

} // namespace codebreaking
