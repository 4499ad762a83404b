#pragma once

#include "poker/hand.h"

namespace poker_test {

// The expected win, in times the bet, of a keep: every sequence of draws
// the second deal can make, each card 1/48 per position, counted one by one.
inline double drawAll(poker::Hand hand, const poker::KeepFlags &keep, int from = 0, double chance = 1.0)
{
    using namespace poker;
    if (from == HandSize)
        return chance * EvaluateHand(hand).multiplier;
    if (keep[from])
        return drawAll(hand, keep, from + 1, chance);
    double total = 0;
    for (int id = 0; id < 52; ++id) {
        hand[from] = Card{TCardValue(id % 13 + 1), TCardSuit(id / 13)};
        if (detail::differsFromOthers(hand, from))
            total += drawAll(hand, keep, from + 1, chance / 48);
    }
    return total;
}

inline poker::KeepFlags keepOf(int pattern)
{
    poker::KeepFlags k{};
    for (int i = 0; i < poker::HandSize; ++i)
        k[i] = pattern >> i & 1;
    return k;
}

} // namespace poker_test
