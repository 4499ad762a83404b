#pragma once

#include "codebreaking/rules.h"

#include <span>
#include <vector>

namespace codebreaking {

// A line already checked: the guess and the two counts it got.
struct PlayedLine {
    Code guess{};
    int correct = 0;
    int misplaced = 0;
};

struct GuessAdvice {
    std::vector<Code> possible; // the codes every line so far allows, in code order
    Code guess{};               // the hint; all None when no code fits the lines
    int worstRemaining = 0;     // codes that may still be possible after it, at worst
};

// Every code of a setting, in code order (first hole first, colours 1 to 8).
// With Single Colors no colour repeats.
std::vector<Code> allCodes(int positions, bool singleColors);

// Among the candidates, the guess that leaves the fewest codes possible at
// worst when it is checked against each of them (a win leaves none); the
// first such in the candidates' order.
Code minimaxGuess(int positions, std::span<const Code> candidates, int *worstRemaining = nullptr);

// The hint: a guess that fits every line so far and, among those, leaves the
// fewest codes at worst. The first guess of a game comes from a table.
GuessAdvice adviseGuess(int positions, bool singleColors, std::span<const PlayedLine> lines);

} // namespace codebreaking
