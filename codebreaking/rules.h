#pragma once

#include "platform/random.h"

#include <array>
#include <cstdint>
#include <optional>

// The rules of Pegora: the code, the pegs of every line, the scoring of a
// line, the end of a game and the running statistics. Plain value code, no
// windows.
namespace codebreaking {

// The eight peg colours, in palette order. 0 is no colour (an empty hole).
enum class PegColor : std::uint8_t {
    None = 0,
    White = 1,
    Red,
    Yellow,
    Green,
    Fuchsia,
    Aqua,
    Blue,
    Black,
};

constexpr int PegColorCount = 8;
constexpr int MaxPositions = 4;
constexpr int LineCount = 10;

using Code = std::array<PegColor, MaxPositions>;

struct Score {
    std::uint16_t CorrectCount = 0;   // right colour, right place
    std::uint16_t MisplacedCount = 0; // right colour, wrong place
    bool wins = false;                // every position placed
    bool operator==(const Score &) const = default;
};

// Scores the first `positions` pegs of a guess against the code. Each secret
// peg pairs with at most one guess peg, so repeated colours count only as
// often as they can be matched.
Score ScoreGuess(const Code &secret, const Code &guess, int positions);

// Running totals of the non-training games, kept in the settings file as
// signed 16-bit numbers. They stop at the 16-bit limits instead of wrapping
// round into nonsense after a very long career.
struct GameStats {
    static constexpr std::int16_t Limit = 32767;
    std::int16_t SecTotal = 0;   // seconds of the games ended on the board
    std::int16_t GuessTotal = 0; // lines used by those games (10 for a loss)
    std::int16_t GameCount = 0;  // games won, lost or given up
    std::int16_t NoEndCount = 0; // games lost or given up
    void Reset();
    bool operator==(const GameStats &) const = default;
};

// What the game made of a move: done, or why the rules refused it.
enum class MoveResult : std::uint8_t {
    Done,
    GameOver,           // won, lost or given up: only a new game goes on
    OutsideCurrentLine, // pegs go only into the line being filled
    NoColor,            // a peg is one of the eight colours
    LineNotFull,        // Check wants every position filled
    NothingToRepeat,    // Repeat follows a check that left the game running, once
};

enum class CheckOutcome { NextLine, Won, Lost };

struct CheckResult {
    MoveResult result = MoveResult::Done;
    Score score;
    CheckOutcome outcome = CheckOutcome::NextLine;
};

enum class GamePhase { Running, Won, Lost, GivenUp };

// The game in progress: the code, the pegs of every line and the counts of
// the lines checked. One lives with the board and every new game resets it.
// The dialogs read Line and Seconds of a won game; moves go through the calls
// below, which keep to the rules.
class GameState {
public:
    static constexpr std::uint16_t SecondsLimit = 65535; // the clock stops there
    std::uint16_t Line = 1;                              // the line being filled, 1..10
    std::uint16_t Seconds = 0;                           // whole seconds since the start
    int Positions = 4;                                   // pegs per line: 3 or 4
    bool SingleColors = false;
    Code Secret{}; // four drawn; only the first Positions are scored
    bool Won = false;

    bool running() const { return m_running; }
    // Three pegs, Single Colors or a hint asked for: the game never touches the statistics.
    bool training() const { return Positions == 3 || SingleColors || m_hinted; }
    // The player asked for a hint; a new game forgets it.
    void markHinted() { m_hinted = true; }
    GamePhase phase() const;

    // The peg in a hole (line 1..10, column 1..4); None when empty or off the board.
    PegColor peg(int line, int column) const;
    // The counts of a checked line; nothing for a line not yet checked.
    std::optional<Score> score(int line) const;
    // The holes that take pegs: the first Positions of the current line, while the game runs.
    bool accepts(int line, int column) const;
    bool canCheck() const;
    bool canRepeat() const { return m_repeatAvailable; }

    // Reseeds the source and draws four pegs; with Single Colors, draws all
    // four again until no colour repeats.
    void DrawSecret(bool singleColors, platform::RandomSource &random);
    // A new game on line 1 with every hole empty.
    void Start(int positions, bool singleColors, platform::RandomSource &random);
    void Tick();

    MoveResult placePeg(int line, int column, PegColor color);
    MoveResult emptyHole(int line, int column);
    // The previous line's four pegs (the fourth too, at three colours) replace the current line's.
    MoveResult repeatLine();
    // Scores the current line and moves on to the next, or ends the game.
    CheckResult Check(GameStats &stats);
    // The player asked to see the code: the game ends, not won.
    MoveResult GiveUp(GameStats &stats);

private:
    MoveResult refusalAt(int line, int column) const;
    void end();

    bool m_running = false;
    bool m_repeatAvailable = false;
    bool m_hinted = false;
    std::array<Code, LineCount> m_pegs{};
    std::array<std::optional<Score>, LineCount> m_scores{};
};

} // namespace codebreaking
