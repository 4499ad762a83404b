#include "codebreaking/session.h"

namespace codebreaking {

void Session::load(const PegoraSettings &read)
{
    kept = read;
    tell(Aspect::Symbols);
}

void Session::newGame()
{
    game.Start(kept.threeColors ? 3 : 4, kept.single, m_random);
    tell(Aspect::Board);
}

bool Session::putPeg(int line, int column, PegColor color)
{
    const MoveResult result =
        color == PegColor::None ? game.emptyHole(line, column) : game.placePeg(line, column, color);
    if (result != MoveResult::Done)
        return false;
    tell(Aspect::Line);
    return true;
}

CheckResult Session::check()
{
    const CheckResult r = game.Check(kept.stats);
    if (r.result == MoveResult::Done)
        tell(Aspect::Board);
    return r;
}

void Session::repeatLine()
{
    if (game.repeatLine() == MoveResult::Done)
        tell(Aspect::Board);
}

void Session::giveUp()
{
    if (game.GiveUp(kept.stats) == MoveResult::Done)
        tell(Aspect::Board);
}

void Session::tick()
{
    game.Tick();
    tell(Aspect::Seconds);
}

void Session::setSymbols(bool on)
{
    kept.symbols = on;
    tell(Aspect::Symbols);
}

std::vector<PlayedLine> Session::playedLines() const
{
    std::vector<PlayedLine> lines;
    for (int line = 1; line < game.Line; ++line) {
        const std::optional<Score> score = game.score(line);
        if (!score)
            continue;
        lines.push_back({pegsOf(line), score->CorrectCount, score->MisplacedCount});
    }
    return lines;
}

Code Session::pegsOf(int line) const
{
    Code pegs{};
    for (int column = 1; column <= MaxPositions; ++column)
        pegs[column - 1] = game.peg(line, column);
    return pegs;
}

bool Session::takeHint(int line, int positions, const GuessAdvice &advice)
{
    if (!game.running() || game.Line != line || game.Positions != positions)
        return false;
    if (!advice.possible.empty())
        for (int column = 1; column <= positions; ++column)
            game.placePeg(line, column, advice.guess[column - 1]);
    tell(Aspect::Board);
    return true;
}

} // namespace codebreaking
