#pragma once

#include "dice/scoresheet.h"

#include <memory>
#include <span>
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

// A player's move after a roll: roll again holding `hold`, or choose `category`.
struct DiceMove {
    bool roll = false;
    std::array<bool, 5> hold{};
    Category category = Category::Chance;
};

// The value of every game state under optimal play: the points still to come
// (categories and bonus) from the start of a turn, for each set of filled
// categories and left-side total (capped at 63). The joker needs nothing
// more: it depends only on the dice and on which left-side categories are
// filled, never on the five-of-a-kind category.
class StateValues {
public:
    // Values kept elsewhere for as long as these are used, read where they
    // lie: storedCount() of them, in the order stored() gives.
    explicit StateValues(std::span<const float> stored) : m_values(stored) {}
    StateValues(const StateValues &) = delete;
    StateValues &operator=(const StateValues &) = delete;

    // Bit i of filled: category i is filled.
    float value(unsigned filled, int upperTotal) const;
    // The expected game total of a new game played perfectly.
    double expectedGameTotal() const { return value(0, 0); }

    // Every value, one for each state that plays differently from the others.
    std::span<const float> stored() const { return m_values; }
    static std::size_t storedCount();

private:
    StateValues() = default;
    friend std::shared_ptr<const StateValues> computeStateValues(int threads, int fewestFilled);
    std::vector<float> m_owned;      // worked out here
    std::span<const float> m_values; // m_owned, or kept elsewhere
};

// The values the program was built with: there at once, for the whole run.
const StateValues &stateValues();

// Works out every state value: a second or less on two cores, done by the
// build, which stores the result in the program. Threads 0 uses every core.
// States with fewer than fewestFilled categories filled are skipped (left at
// 0), which makes the end of a game cheap to study.
std::shared_ptr<const StateValues> computeStateValues(int threads = 0, int fewestFilled = 0);

// The position of a sheet after a roll of the current turn.
DicePosition positionOf(const ScoreSheet &sheet);

// The move that maximises the expected final game total; choosing wins a tie
// with rolling. Takes some microseconds.
DiceAdvice adviseMove(const StateValues &values, const DicePosition &position);

// The expected final game total after this move, played perfectly from then
// on: for the advised move exactly its expectedTotal, and no move is worth
// more. A move the game refuses is worth minus infinity: choosing a filled
// category, rolling with five dice held or after the third roll, any move
// once every category is filled.
double moveValue(const StateValues &values, const DicePosition &position, const DiceMove &move);

} // namespace kubolo
