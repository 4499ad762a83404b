#pragma once

#include "codebreaking/rules.h"

#include <QString>

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

// Among the guesses, the one that leaves the fewest candidates possible at
// worst when it is checked against each of them (a win leaves none). Of the
// equally good, one that is itself a candidate comes first, then the
// guesses' order. Both lists in code order.
Code minimaxGuess(int positions, std::span<const Code> guesses, std::span<const Code> candidates,
                  int *worstRemaining = nullptr);
// The same, guessing among the candidates alone.
Code minimaxGuess(int positions, std::span<const Code> candidates, int *worstRemaining = nullptr);

// The most codes that may still be possible after the guess is checked
// against one of the candidates, a win leaving none.
int worstRemaining(int positions, const Code &guess, std::span<const Code> candidates);

// The hint: among every code of the setting, the guess that leaves the
// fewest codes possible at worst, one that can still be the code first when
// it is as good. A guess that cannot win may split the rest better, and so
// guarantees fewer lines. The first guess of a game comes from a table.
GuessAdvice adviseGuess(int positions, bool singleColors, std::span<const PlayedLine> lines);

// The hint in words for the status line: the guess on one line, and on the
// next how many codes are still possible.
QString hintText(const GuessAdvice &advice, int positions);
// A guess in the hint's words: its colours' names, one after the other.
QString guessWords(const Code &guess, int positions);

} // namespace codebreaking
