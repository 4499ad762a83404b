// Scoring all 7776 rolls of five dice in all thirteen categories.
#include "dice/scoresheet.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<kubolo::Dice5> allRolls()
{
    std::vector<kubolo::Dice5> rolls;
    rolls.reserve(7776);
    for (int code = 0; code < 7776; ++code) {
        kubolo::Dice5 d;
        int rest = code;
        for (auto &v : d) {
            v = kubolo::DieValue(1 + rest % 6);
            rest /= 6;
        }
        rolls.push_back(d);
    }
    return rolls;
}

void EvaluateAllRolls(benchmark::State &state)
{
    const std::vector<kubolo::Dice5> rolls = allRolls();
    kubolo::LeftFilled filled{};
    filled[2] = filled[5] = true; // some jokers among them
    for (auto _ : state) {
        unsigned total = 0;
        for (const kubolo::Dice5 &d : rolls) {
            const kubolo::DiceEvaluation e = kubolo::ScoreSheet::EvaluateDice(d, filled);
            for (std::uint16_t s : e.scores)
                total += s;
            total += e.Joker;
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rolls.size()));
}
BENCHMARK(EvaluateAllRolls);

} // namespace
