#pragma once

#include "dice/scoresheet.h"

#include <atomic>
#include <memory>
#include <vector>

namespace kubolo {

// Where a turn stands when the player asks.
struct DicePosition {
    std::array<bool, CategoryCount> filled{};
    int upperTotal = 0; // the sheet's left-side total
    int gameTotal = 0;  // categories and bonus so far
    Dice5 dice{};       // as last rolled
    int rollsUsed = 1;  // 1..3
};

struct DiceAdvice {
    bool roll = false;                    // roll again, holding `hold`...
    std::array<bool, 5> hold{};           // ...these dice (by position)
    Category category = Category::Chance; // ...or else choose this category
    double expectedTotal = 0;             // the expected final game total
};

// The value of every game state under optimal play: the points still to come
// (categories and bonus) from the start of a turn, for each set of filled
// categories and left-side total (capped at 63). The joker needs nothing
// more: it depends only on the dice and on which left-side categories are
// filled, never on the five-of-a-kind category.
class StateValues {
public:
    // Bit i of filled: category i is filled.
    float value(unsigned filled, int upperTotal) const;
    // The expected game total of a new game played perfectly.
    double expectedGameTotal() const { return value(0, 0); }

private:
    friend std::shared_ptr<const StateValues> computeStateValues(int threads, int fewestFilled,
                                                                 const std::atomic<bool> *cancelled);
    friend DiceAdvice adviseMove(const StateValues &values, const DicePosition &position);
    std::vector<float> m_values; // the states a game can reach
};

// Works out every state value: a second or less on two cores. Pure and
// self-contained, meant for a worker thread at the first hint; threads 0 uses every
// core. States with fewer than fewestFilled categories filled are skipped
// (left at 0), which makes the end of a game cheap to study. Once *cancelled
// is set the work stops soon after and gives nothing.
std::shared_ptr<const StateValues> computeStateValues(int threads = 0, int fewestFilled = 0,
                                                      const std::atomic<bool> *cancelled = nullptr);

// The position of a sheet after a roll of the current turn.
DicePosition positionOf(const ScoreSheet &sheet);

// The move that maximises the expected final game total; choosing wins a tie
// with rolling. Takes some microseconds.
DiceAdvice adviseMove(const StateValues &values, const DicePosition &position);

} // namespace kubolo
