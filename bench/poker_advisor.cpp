// The hints of Cartova: the time of one hint over random first deals, and the
// long-run return of optimal play under the game's own second deal, exact
// over every deal and sampled with the real second deal as a check.
#include "bench/clock.h"
#include "platform/random.h"
#include "poker/advisor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <thread>

using namespace poker;

namespace {

void Prepare(benchmark::State &state)
{
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        prepareAdvisor();
        state.counters["first_ms"] =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    }
}
BENCHMARK(Prepare)->Iterations(1)->Unit(benchmark::kMillisecond);

void HintOverRandomDeals(benchmark::State &state)
{
    prepareAdvisor();
    platform::SeededRandom random(17u);
    std::vector<double> us, cpuUs;
    for (auto _ : state) {
        us.clear();
        cpuUs.clear();
        for (int i = 0; i < 10000; ++i) {
            Hand hand;
            DealHand(hand, random);
            const HintClock clock;
            benchmark::DoNotOptimize(adviseKeep(hand));
            us.push_back(clock.wallMs() * 1e3);
            cpuUs.push_back(clock.cpuSinceMs() * 1e3);
        }
    }
    std::sort(us.begin(), us.end());
    std::sort(cpuUs.begin(), cpuUs.end());
    state.counters["deals"] = double(us.size());
    state.counters["median_us"] = us[us.size() / 2];
    state.counters["p999_us"] = us[us.size() * 999 / 1000];
    state.counters["worst_us"] = us.back();
    state.counters["worst_cpu_us"] = cpuUs.back();
}
BENCHMARK(HintOverRandomDeals)->Iterations(1)->Unit(benchmark::kMillisecond);

// The real second deal after the best keep, over random deals: a check of
// the exact return above.
void LongRunReturn(benchmark::State &state)
{
    prepareAdvisor();
    const long deals = long(state.range(0));
    const int threads = 2;
    double played = 0, playedSquares = 0;
    for (auto _ : state) {
        std::vector<std::array<double, 4>> parts(threads);
        std::vector<std::thread> pool;
        for (int t = 0; t < threads; ++t)
            pool.emplace_back([&, t] {
                platform::SeededRandom random(std::uint32_t(100 + t));
                auto &p = parts[std::size_t(t)];
                for (long i = t; i < deals; i += threads) {
                    Hand hand;
                    DealHand(hand, random);
                    const KeepAdvice a = adviseKeep(hand);
                    ReplaceCards(hand, a.keep, random);
                    const double win = EvaluateHand(hand).multiplier;
                    p[2] += win;
                    p[3] += win * win;
                }
            });
        for (std::thread &t : pool)
            t.join();
        for (const auto &p : parts) {
            played += p[2];
            playedSquares += p[3];
        }
    }
    const double n = double(deals) * double(state.iterations());
    const double playedMean = played / n, playedSd = std::sqrt(playedSquares / n - playedMean * playedMean);
    state.counters["deals"] = n;
    state.counters["played_return"] = playedMean;
    state.counters["played_ci95_half"] = 1.96 * playedSd / std::sqrt(n);
}
BENCHMARK(LongRunReturn)->Arg(1000000)->Iterations(1)->Unit(benchmark::kSecond);

// Every deal in every order counts with the exact expected win of its best
// keep. A deal with its suits renamed returns the same, so one deal of each
// such family is studied, in its 120 orders, and weighted by the family's size.
void ExactReturn(benchmark::State &state)
{
    prepareAdvisor();
    long double total = 0;
    long classes = 0;
    for (auto _ : state) {
        std::array<std::array<int, 4>, 24> renames;
        std::array<int, 4> suits{0, 1, 2, 3};
        for (auto &r : renames) {
            r = suits;
            std::next_permutation(suits.begin(), suits.end());
        }
        // The least of each family, as five ascending ids (suit × 13 + value),
        // with the family's size.
        std::vector<std::pair<std::array<int, 5>, int>> families;
        std::array<int, 5> ids;
        for (ids[4] = 4; ids[4] < 52; ++ids[4])
            for (ids[3] = 3; ids[3] < ids[4]; ++ids[3])
                for (ids[2] = 2; ids[2] < ids[3]; ++ids[2])
                    for (ids[1] = 1; ids[1] < ids[2]; ++ids[1])
                        for (ids[0] = 0; ids[0] < ids[1]; ++ids[0]) {
                            bool least = true;
                            int same = 0;
                            for (const auto &r : renames) {
                                std::array<int, 5> renamed;
                                for (int i = 0; i < 5; ++i)
                                    renamed[i] = r[ids[i] / 13] * 13 + ids[i] % 13;
                                std::sort(renamed.begin(), renamed.end());
                                if (renamed < ids) {
                                    least = false;
                                    break;
                                }
                                same += renamed == ids;
                            }
                            if (least)
                                families.emplace_back(ids, 24 / same);
                        }
        const int threads = 2;
        std::vector<long double> parts(threads);
        std::vector<std::thread> pool;
        for (int t = 0; t < threads; ++t)
            pool.emplace_back([&, t] {
                for (std::size_t f = std::size_t(t); f < families.size(); f += threads) {
                    std::array<int, 5> order{0, 1, 2, 3, 4};
                    long double family = 0;
                    do {
                        Hand hand;
                        for (int i = 0; i < 5; ++i) {
                            const int id = families[f].first[std::size_t(order[std::size_t(i)])];
                            hand[std::size_t(i)] = Card{TCardValue(id % 13 + 1), TCardSuit(id / 13)};
                        }
                        family += adviseKeep(hand).expected;
                    } while (std::next_permutation(order.begin(), order.end()));
                    parts[std::size_t(t)] += family * families[f].second;
                }
            });
        for (std::thread &t : pool)
            t.join();
        total = 0;
        for (long double p : parts)
            total += p;
        classes = long(families.size());
    }
    const long double mean = total / (2598960.0L * 120.0L);
    state.counters["families"] = double(classes);
    state.counters["exact_return"] = double(mean);
    std::printf("exact_return=%.10Lf over 2598960 deals in all 120 orders (%ld suit families)\n", mean, classes);
}
BENCHMARK(ExactReturn)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
