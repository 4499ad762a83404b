// The optimal strategy of Kubolo: the time to work out every state value (as
// the build does), the time of one hint, the optimal expected game total, and
// 100,000 games played by the hints, whose mean must agree with it.
#include "dice/advisor.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <thread>

using namespace kubolo;

namespace {

void StateValueTable(benchmark::State &state)
{
    double total = 0;
    for (auto _ : state) {
        const auto values = computeStateValues(int(state.range(0)));
        total = values->expectedGameTotal();
    }
    state.counters["expected_total"] = total;
}
BENCHMARK(StateValueTable)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

// One game played by the hints; returns its total.
int playGame(const StateValues &values, std::mt19937 &random)
{
    ScoreSheet sheet;
    std::uniform_int_distribution<int> die(1, 6);
    while (!sheet.IsOver()) {
        Dice5 dice{};
        std::array<bool, 5> hold{};
        for (int roll = 1; roll <= 3; ++roll) {
            for (int i = 0; i < 5; ++i)
                if (!hold[i])
                    dice[i] = DieValue(die(random));
            sheet.RecordRoll(dice);
            const DiceAdvice a = adviseMove(values, positionOf(sheet));
            if (!a.roll) {
                sheet.Choose(a.category);
                break;
            }
            hold = a.hold;
        }
    }
    return sheet.GameTotal();
}

// The slowest kind of hint: the first roll of a turn, two rolls to come.
void Hint(benchmark::State &state)
{
    const StateValues &values = stateValues();
    std::mt19937 random(1);
    std::uniform_int_distribution<int> die(1, 6), coin(0, 3);
    std::vector<DicePosition> positions(1000);
    for (DicePosition &p : positions) {
        for (bool &f : p.filled)
            f = state.range(0) == 0 ? false : coin(random) == 0;
        p.upperTotal = coin(random) * 15;
        for (DieValue &d : p.dice)
            d = DieValue(die(random));
        p.rollsUsed = 1;
    }
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(adviseMove(values, positions[i++ % positions.size()]));
}
BENCHMARK(Hint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void GamesFollowingTheHints(benchmark::State &state)
{
    const StateValues &values = stateValues();
    const int games = int(state.range(0)), threads = 2;
    double sum = 0, squares = 0;
    for (auto _ : state) {
        std::vector<double> sums(threads), sq(threads);
        std::vector<std::thread> pool;
        for (int t = 0; t < threads; ++t)
            pool.emplace_back([&, t] {
                std::mt19937 random(std::uint32_t(1000 + t));
                for (int g = t; g < games; g += threads) {
                    const double total = playGame(values, random);
                    sums[t] += total;
                    sq[t] += total * total;
                }
            });
        for (std::thread &t : pool)
            t.join();
        for (int t = 0; t < threads; ++t) {
            sum += sums[t];
            squares += sq[t];
        }
    }
    const double n = double(games) * double(state.iterations());
    const double mean = sum / n, sd = std::sqrt((squares / n - mean * mean) * n / (n - 1));
    state.counters["games"] = n;
    state.counters["mean"] = mean;
    state.counters["ci95_half"] = 1.96 * sd / std::sqrt(n);
    state.counters["sd"] = sd;
    state.counters["optimal"] = values.expectedGameTotal();
}
BENCHMARK(GamesFollowingTheHints)->Arg(100000)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
