#pragma once

#include "controls/coach.h"
#include "dice/advisor.h"

namespace kubolo {

// The coach's measure in Kubolo: the expected final game total.
coach::Words coachWords();

// A move in the hint's words: "Hold 5 5", "Hold nothing", "Choose Chance".
QString moveWords(const Dice5 &dice, const DiceMove &move);

// A hold before a roll, or a category chosen, against the best move of that
// position: the loss is the expected final total given away. Pure: runs
// beside the board.
coach::Rating rateMove(const StateValues &values, const DicePosition &position, const DiceMove &move);

} // namespace kubolo
