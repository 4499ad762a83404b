// Scores every code against every guess (8^4 x 8^4 pairs) per iteration.
#include "codebreaking/rules.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace codebreaking;

namespace {

std::vector<Code> allCodes()
{
    std::vector<Code> codes;
    codes.reserve(4096);
    for (int i = 0; i < 4096; ++i) {
        Code c{};
        for (int p = 0, n = i; p < 4; ++p, n /= 8)
            c[p] = PegColor(n % 8 + 1);
        codes.push_back(c);
    }
    return codes;
}

void scoreAll(benchmark::State &state)
{
    const int positions = int(state.range(0));
    const std::vector<Code> codes = allCodes();
    std::uint64_t sum = 0;
    for (auto _ : state) {
        for (const Code &secret : codes)
            for (const Code &guess : codes) {
                const Score s = ScoreGuess(secret, guess, positions);
                sum += s.CorrectCount * 5u + s.MisplacedCount;
            }
        benchmark::DoNotOptimize(sum);
    }
    const double pairs = double(codes.size()) * double(codes.size());
    state.SetItemsProcessed(std::int64_t(state.iterations() * pairs));
    state.counters["ns_per_score"] = benchmark::Counter(pairs * double(state.iterations()),
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(scoreAll)->Arg(4)->Arg(3)->Unit(benchmark::kMillisecond);
