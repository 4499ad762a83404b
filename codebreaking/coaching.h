#pragma once

#include "codebreaking/advisor.h"
#include "controls/coach.h"

#include <vector>

namespace codebreaking {

// The coach's measure in Pegora: the most codes a line can leave possible.
coach::Words coachWords();

// A checked line against the best guess for the lines before it: the loss
// is how many more codes it may leave. Pure: runs beside the board.
coach::Rating rateLine(int positions, bool singleColors, const std::vector<PlayedLine> &before, const Code &guess);

} // namespace codebreaking
