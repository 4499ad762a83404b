#include "codebreaking/rules.h"

namespace codebreaking {

namespace {

constexpr TColor pegColors[PegColorCount] = {clWhite, clRed, clYellow, clGreen, clFuchsia, clAqua, clBlue, clBlack};

// Adds to a 16-bit total, stopping at the limit.
void addTo(std::int16_t &total, int amount)
{
    const int sum = int(total) + amount;
    total = std::int16_t(sum > GameStats::Limit ? GameStats::Limit : sum < -32768 ? -32768 : sum);
}

} // namespace

TColor pegTColor(PegColor peg)
{
    const int n = int(peg);
    return n >= 1 && n <= PegColorCount ? pegColors[n - 1] : clBtnFace;
}

PegColor pegFromTColor(TColor color)
{
    for (int i = 0; i < PegColorCount; ++i)
        if (pegColors[i] == color)
            return PegColor(i + 1);
    return PegColor::None;
}

Score ScoreGuess(const Code &secret, const Code &guess, int positions)
{
    const int n = positions < 0 ? 0 : positions > MaxPositions ? MaxPositions : positions;
    Score s;
    bool placed[MaxPositions] = {};
    bool taken[MaxPositions] = {};
    for (int i = 0; i < n; ++i)
        if (guess[i] == secret[i]) {
            ++s.CorrectCount;
            placed[i] = true;
        }
    s.Wins = s.CorrectCount == n;
    if (s.Wins)
        return s;
    for (int i = 0; i < n; ++i) {
        if (placed[i])
            continue;
        for (int j = 0; j < n; ++j)
            if (secret[j] == guess[i] && !taken[j] && !placed[j]) {
                ++s.MisplacedCount;
                taken[j] = true;
                break;
            }
    }
    return s;
}

void GameStats::Reset() { *this = GameStats{}; }

void GameState::DrawSecret(bool singleColors, platform::RandomSource &random)
{
    random.randomize();
    for (;;) {
        for (PegColor &peg : Secret)
            peg = PegColor(random.below(PegColorCount) + 1);
        if (!singleColors)
            return;
        bool distinct = true;
        for (int i = 0; i < MaxPositions; ++i)
            for (int j = i + 1; j < MaxPositions; ++j)
                distinct = distinct && Secret[i] != Secret[j];
        if (distinct)
            return;
    }
}

void GameState::Start(int positions, bool singleColors, platform::RandomSource &random)
{
    Positions = positions == 3 ? 3 : 4;
    SingleColors = singleColors;
    Line = 1;
    Seconds = 0;
    Won = false;
    Running = true;
    DrawSecret(singleColors, random);
}

void GameState::Tick()
{
    if (Seconds < SecondsLimit)
        ++Seconds;
}

CheckResult GameState::Check(const Code &guess, GameStats &stats)
{
    CheckResult r;
    r.score = ScoreGuess(Secret, guess, Positions);
    if (!Running) {
        r.outcome = Won ? CheckOutcome::Won : CheckOutcome::Lost;
        return r;
    }
    if (r.score.Wins || Line >= LineCount) {
        Running = false;
        if (!Training()) {
            addTo(stats.SecTotal, Seconds);
            addTo(stats.GuessTotal, Line);
            addTo(stats.GameCount, 1);
        }
    }
    if (r.score.Wins) {
        Won = true;
        r.outcome = CheckOutcome::Won;
    } else if (Line >= LineCount) {
        r.outcome = CheckOutcome::Lost;
        if (!Training())
            addTo(stats.NoEndCount, 1);
    } else {
        ++Line;
        r.outcome = CheckOutcome::NextLine;
    }
    return r;
}

void GameState::GiveUp(GameStats &stats)
{
    if (!Running)
        return;
    if (!Training()) {
        addTo(stats.NoEndCount, 1);
        addTo(stats.GameCount, 1);
    }
    Running = false;
}

} // namespace codebreaking
