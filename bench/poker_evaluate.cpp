// EvaluateHand over all 2,598,960 five-card hands; reports the time per hand.
#include "poker/hand.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

void EvaluateAllHands(benchmark::State &state)
{
    std::array<poker::Card, 52> deck;
    for (int i = 0; i < 52; ++i)
        deck[std::size_t(i)] = poker::Card{poker::TCardValue(i % 13 + 1), poker::TCardSuit(i / 13)};
    long hands = 0;
    for (auto _ : state) {
        int multipliers = 0;
        poker::Hand h;
        for (int a = 0; a < 52; ++a) {
            h[0] = deck[std::size_t(a)];
            for (int b = a + 1; b < 52; ++b) {
                h[1] = deck[std::size_t(b)];
                for (int c = b + 1; c < 52; ++c) {
                    h[2] = deck[std::size_t(c)];
                    for (int d = c + 1; d < 52; ++d) {
                        h[3] = deck[std::size_t(d)];
                        for (int e = d + 1; e < 52; ++e) {
                            h[4] = deck[std::size_t(e)];
                            multipliers += poker::EvaluateHand(h).multiplier;
                            ++hands;
                        }
                    }
                }
            }
        }
        benchmark::DoNotOptimize(multipliers);
    }
    state.SetItemsProcessed(hands);
    state.counters["ns_per_hand"] =
        benchmark::Counter(double(hands), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(EvaluateAllHands)->Unit(benchmark::kMillisecond);
