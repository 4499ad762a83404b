#pragma once

#include "poker/hand.h"

namespace poker {

// The best cards to keep from a first deal, for this game's second deal: each
// replaced position is drawn from the 48 cards that are not on the table at
// that moment, so a discarded card can come back.
struct KeepAdvice {
    KeepFlags keep{};
    double expected = 0; // expected win of the second deal, in times the bet
};

// Expected win, in times the bet, of keeping these cards of a hand of five
// different cards. The win is the bet times the multiplier, so the best keep
// is the same for every bet.
double expectedReturn(const Hand &hand, const KeepFlags &keep);

// The keep (of the 32) with the largest expected win; ties go to the first
// keep in the order of the bit patterns 0..31 (bit i: position i kept).
KeepAdvice adviseKeep(const Hand &hand);

// Builds the payoff sums behind the advice (some 90 kB, a fraction of a
// second); the first advice builds them otherwise. Safe from any thread.
void prepareAdvisor();

} // namespace poker
