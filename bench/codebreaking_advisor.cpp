// The hints of Pegora: the openings against a full minimax, the slowest hint
// (and rating) after one line, and a player who always follows the hint, for every code of
// the four settings.
#include "bench/clock.h"
#include "codebreaking/advisor.h"
#include "codebreaking/coaching.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>

using namespace codebreaking;

namespace {

constexpr struct Setting {
    int positions;
    bool single;
} settings[] = {{3, false}, {3, true}, {4, false}, {4, true}};

PlayedLine lineOf(const Code &secret, const Code &guess, int positions)
{
    const Score s = ScoreGuess(secret, guess, positions);
    return {guess, s.CorrectCount, s.MisplacedCount};
}

// The opening table against the minimax it replaces.
void Opening(benchmark::State &state)
{
    const Setting s = settings[state.range(0)];
    const std::vector<Code> codes = allCodes(s.positions, s.single);
    int worst = 0;
    Code guess{};
    for (auto _ : state)
        guess = minimaxGuess(s.positions, codes, &worst);
    const GuessAdvice table = adviseGuess(s.positions, s.single, {});
    state.counters["table_matches"] = table.guess == guess && table.worstRemaining == worst;
    state.counters["worst_remaining"] = worst;
}
BENCHMARK(Opening)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Every answer to each kind of first guess (one colour four times, 3+1, 2+2,
// 2+1+1, four colours): the hints with the most codes left are the slowest.
void HintAfterOneLine(benchmark::State &state)
{
    const Setting s = settings[state.range(0)];
    constexpr PegColor P1 = PegColor::White, P2 = PegColor::Red, P3 = PegColor::Yellow, P4 = PegColor::Green;
    const Code kinds[] = {{P1, P1, P1, P1}, {P1, P1, P1, P2}, {P1, P1, P2, P2}, {P1, P1, P2, P3}, {P1, P2, P3, P4}};
    double worstMs = 0, worstCpuMs = 0, worstRatingMs = 0;
    std::size_t largest = 0, positions = 0;
    for (auto _ : state) {
        for (const Code &guess : kinds) {
            std::map<std::pair<int, int>, int> answers;
            for (const Code &c : allCodes(s.positions, s.single)) {
                const PlayedLine l = lineOf(c, guess, s.positions);
                answers[{l.correct, l.misplaced}]++;
            }
            for (const auto &[answer, count] : answers) {
                const PlayedLine line{guess, answer.first, answer.second};
                const HintClock clock;
                const GuessAdvice a = adviseGuess(s.positions, s.single, std::span(&line, 1));
                worstMs = std::max(worstMs, clock.wallMs());
                worstCpuMs = std::max(worstCpuMs, clock.cpuSinceMs());
                largest = std::max(largest, a.possible.size());
                ++positions;
                // The coach rates a second line as the hint works it out, and more.
                const HintClock rating;
                benchmark::DoNotOptimize(rateLine(s.positions, s.single, {line}, guess));
                worstRatingMs = std::max(worstRatingMs, rating.wallMs());
            }
        }
    }
    state.counters["worst_ms"] = worstMs;
    state.counters["worst_cpu_ms"] = worstCpuMs;
    state.counters["worst_rating_ms"] = worstRatingMs;
    state.counters["largest_possible"] = double(largest);
    state.counters["positions"] = double(positions);
}
BENCHMARK(HintAfterOneLine)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(1);

// A player who always follows the hint, against every code: the most lines
// and the mean it needs. The hints of the same answers are the same, so each
// is worked out once.
void FollowTheHint(benchmark::State &state)
{
    const Setting s = settings[state.range(0)];
    int most = 0, unsolved = 0;
    double lines = 0, worstMs = 0, worstCpuMs = 0;
    const std::vector<Code> codes = allCodes(s.positions, s.single);
    for (auto _ : state) {
        std::map<std::vector<int>, Code> known;
        for (const Code &secret : codes) {
            std::vector<PlayedLine> played;
            std::vector<int> answers;
            for (;;) {
                auto it = known.find(answers);
                if (it == known.end()) {
                    const HintClock clock;
                    const Code guess = adviseGuess(s.positions, s.single, played).guess;
                    worstMs = std::max(worstMs, clock.wallMs());
                    worstCpuMs = std::max(worstCpuMs, clock.cpuSinceMs());
                    it = known.emplace(answers, guess).first;
                }
                played.push_back(lineOf(secret, it->second, s.positions));
                answers.push_back(played.back().correct * 5 + played.back().misplaced);
                if (played.back().correct == s.positions || played.size() > 12)
                    break;
            }
            unsolved += played.back().correct != s.positions || played.size() > std::size_t(LineCount);
            most = std::max(most, int(played.size()));
            lines += double(played.size());
        }
    }
    state.counters["codes"] = double(codes.size());
    state.counters["worst_lines"] = most;
    state.counters["mean_lines"] = lines / double(codes.size()) / double(state.iterations());
    state.counters["unsolved"] = unsolved;
    state.counters["worst_hint_ms"] = worstMs;
    state.counters["worst_hint_cpu_ms"] = worstCpuMs;
}
BENCHMARK(FollowTheHint)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
