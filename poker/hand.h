#pragma once

#include <array>
#include <cstdint>

namespace platform {
class RandomSource;
}

namespace poker {

// 1 is the Ace, 2 to 10 the pip cards, 11 Jack, 12 Queen, 13 King.
using TCardValue = std::uint8_t;

enum class TCardSuit : std::uint8_t { Spades = 0, Diamonds = 1, Clubs = 2, Hearts = 3 };

// Any value written into a card lands in 1..13.
constexpr TCardValue clampValue(int value) { return TCardValue(value < 1 ? 1 : value > 13 ? 13 : value); }

struct Card {
    TCardValue value = 1;
    TCardSuit suit = TCardSuit::Hearts;

    // A uniformly drawn card: the suit first, then the value.
    void PickRandom(platform::RandomSource &random);
    bool DiffersFrom(const Card &other) const { return value != other.value || suit != other.suit; }
    friend bool operator==(const Card &, const Card &) = default;
};

constexpr int HandSize = 5;
using Hand = std::array<Card, HandSize>;
using KeepFlags = std::array<bool, HandSize>;

// The first deal: five different cards, each set of five equally likely.
void DealHand(Hand &hand, platform::RandomSource &random);

// The second deal: every card not kept is drawn again until it differs from
// the four others as they stand, so a discarded card may come back. drawn,
// when given, is told each replaced position (0-based) as soon as it holds
// its new card.
template <typename OnDrawn>
void ReplaceCards(Hand &hand, const KeepFlags &keep, platform::RandomSource &random, OnDrawn &&drawn);
void ReplaceCards(Hand &hand, const KeepFlags &keep, platform::RandomSource &random);

enum class SoundClass : std::uint8_t { None, Money, Great };

// One row of the payoff table.
struct Payoff {
    int row;             // 1 (royal flush) to 10 (nothing)
    const char *comment; // what the table says about the hand
    int multiplier;      // applied to the bet
    SoundClass sound;
};

// The ten rows, best first.
const std::array<Payoff, 10> &PayoffTable();

// The first row of the table that the hand falls into.
const Payoff &EvaluateHand(const Hand &hand);

// --- implementation of the template ---

namespace detail {
bool differsFromOthers(const Hand &hand, int position);
}

template <typename OnDrawn>
void ReplaceCards(Hand &hand, const KeepFlags &keep, platform::RandomSource &random, OnDrawn &&drawn)
{
    for (int i = 0; i < HandSize; ++i) {
        if (keep[i])
            continue;
        do
            hand[i].PickRandom(random);
        while (!detail::differsFromOthers(hand, i));
        drawn(i);
    }
}

} // namespace poker
