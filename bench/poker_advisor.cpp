// The hints of Cartova: the time of one hint over random first deals, and the
// long-run return of optimal play under the game's own second deal.
#include "bench/clock.h"
#include "platform/random.h"
#include "poker/advisor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
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

// Each deal counts with the exact expected win of its best keep; the real
// second deal is played as well, as a check.
void LongRunReturn(benchmark::State &state)
{
    prepareAdvisor();
    const long deals = long(state.range(0));
    const int threads = 2;
    double sum = 0, squares = 0, played = 0, playedSquares = 0;
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
                    p[0] += a.expected;
                    p[1] += a.expected * a.expected;
                    ReplaceCards(hand, a.keep, random);
                    const double win = EvaluateHand(hand).multiplier;
                    p[2] += win;
                    p[3] += win * win;
                }
            });
        for (std::thread &t : pool)
            t.join();
        for (const auto &p : parts) {
            sum += p[0];
            squares += p[1];
            played += p[2];
            playedSquares += p[3];
        }
    }
    const double n = double(deals) * double(state.iterations());
    const double mean = sum / n, sd = std::sqrt(squares / n - mean * mean);
    const double playedMean = played / n, playedSd = std::sqrt(playedSquares / n - playedMean * playedMean);
    state.counters["deals"] = n;
    state.counters["return"] = mean;
    state.counters["ci95_half"] = 1.96 * sd / std::sqrt(n);
    state.counters["played_return"] = playedMean;
    state.counters["played_ci95_half"] = 1.96 * playedSd / std::sqrt(n);
}
BENCHMARK(LongRunReturn)->Arg(1000000)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
