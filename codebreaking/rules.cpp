#include "codebreaking/rules.h"

#include "platform/besttable.h"

namespace codebreaking {

namespace {

// Adds to a 16-bit total, stopping at the limit.
void addTo(std::int16_t &total, int amount)
{
    total = std::int16_t(platform::best::cappedSum(total, amount, -32768, GameStats::Limit));
}

} // namespace

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
    s.wins = s.CorrectCount == n;
    if (s.wins)
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
    m_running = true;
    m_repeatAvailable = false;
    m_hinted = false;
    m_pegs = {};
    m_scores = {};
    DrawSecret(singleColors, random);
}

GamePhase GameState::phase() const
{
    if (m_running)
        return GamePhase::Running;
    if (Won)
        return GamePhase::Won;
    // Lost means line 10 was checked; given up leaves the current line unchecked.
    return score(Line) ? GamePhase::Lost : GamePhase::GivenUp;
}

PegColor GameState::peg(int line, int column) const
{
    if (line < 1 || line > LineCount || column < 1 || column > MaxPositions)
        return PegColor::None;
    return m_pegs[line - 1][column - 1];
}

std::optional<Score> GameState::score(int line) const
{
    if (line < 1 || line > LineCount)
        return std::nullopt;
    return m_scores[line - 1];
}

MoveResult GameState::refusalAt(int line, int column) const
{
    if (!m_running)
        return MoveResult::GameOver;
    if (line != Line || column < 1 || column > Positions)
        return MoveResult::OutsideCurrentLine;
    return MoveResult::Done;
}

bool GameState::accepts(int line, int column) const { return refusalAt(line, column) == MoveResult::Done; }

bool GameState::canCheck() const
{
    if (!m_running)
        return false;
    for (int column = 1; column <= Positions; ++column)
        if (peg(Line, column) == PegColor::None)
            return false;
    return true;
}

void GameState::Tick()
{
    if (m_running && Seconds < SecondsLimit)
        ++Seconds;
}

MoveResult GameState::placePeg(int line, int column, PegColor color)
{
    if (const MoveResult refused = refusalAt(line, column); refused != MoveResult::Done)
        return refused;
    if (int(color) < 1 || int(color) > PegColorCount)
        return MoveResult::NoColor;
    m_pegs[line - 1][column - 1] = color;
    return MoveResult::Done;
}

MoveResult GameState::emptyHole(int line, int column)
{
    if (const MoveResult refused = refusalAt(line, column); refused != MoveResult::Done)
        return refused;
    m_pegs[line - 1][column - 1] = PegColor::None;
    return MoveResult::Done;
}

MoveResult GameState::repeatLine()
{
    if (!m_running)
        return MoveResult::GameOver;
    if (!m_repeatAvailable || Line < 2)
        return MoveResult::NothingToRepeat;
    m_repeatAvailable = false;
    m_pegs[Line - 1] = m_pegs[Line - 2];
    return MoveResult::Done;
}

void GameState::end()
{
    m_running = false;
    m_repeatAvailable = false;
}

CheckResult GameState::Check(GameStats &stats)
{
    CheckResult r;
    if (!m_running) {
        r.result = MoveResult::GameOver;
        return r;
    }
    if (!canCheck()) {
        r.result = MoveResult::LineNotFull;
        return r;
    }
    r.score = ScoreGuess(Secret, m_pegs[Line - 1], Positions);
    m_scores[Line - 1] = r.score;
    if (r.score.wins || Line >= LineCount) {
        end();
        if (!training()) {
            addTo(stats.SecTotal, Seconds);
            addTo(stats.GuessTotal, Line);
            addTo(stats.GameCount, 1);
        }
    }
    if (r.score.wins) {
        Won = true;
        r.outcome = CheckOutcome::Won;
    } else if (Line >= LineCount) {
        r.outcome = CheckOutcome::Lost;
        if (!training())
            addTo(stats.NoEndCount, 1);
    } else {
        ++Line;
        m_repeatAvailable = true;
        r.outcome = CheckOutcome::NextLine;
    }
    return r;
}

MoveResult GameState::GiveUp(GameStats &stats)
{
    if (!m_running)
        return MoveResult::GameOver;
    if (!training()) {
        addTo(stats.NoEndCount, 1);
        addTo(stats.GameCount, 1);
    }
    end();
    return MoveResult::Done;
}

} // namespace codebreaking
