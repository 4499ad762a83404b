#pragma once

#include "controls/tcolor.h"
#include "platform/random.h"

#include <array>
#include <cstdint>
#include <optional>

// The rules of Pegora: the code, the scoring of a line, the end of a game and
// the running statistics. Plain value code, no windows.
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

// The colour a hole shows for a peg; clBtnFace for None.
TColor pegTColor(PegColor peg);
// Exact comparison with the eight peg colours; None for anything else.
PegColor pegFromTColor(TColor color);

struct Score {
    std::uint16_t CorrectCount = 0;   // right colour, right place
    std::uint16_t MisplacedCount = 0; // right colour, wrong place
    bool Wins = false;                // every position placed
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

enum class CheckOutcome { NextLine, Won, Lost };

struct CheckResult {
    Score score;
    CheckOutcome outcome = CheckOutcome::NextLine;
};

// The game in progress. One lives with the board and every new game resets it.
struct GameState {
    static constexpr std::uint16_t SecondsLimit = 65535; // the clock stops there
    std::uint16_t Line = 1;                              // the line being filled, 1..10
    std::uint16_t Seconds = 0;                           // whole seconds since the start
    int Positions = 4;                                   // pegs per line: 3 or 4
    bool SingleColors = false;
    Code Secret{}; // four drawn; only the first Positions are scored
    bool Won = false;
    bool Running = false;

    // Three pegs or Single Colors: the game never touches the statistics.
    bool Training() const { return Positions == 3 || SingleColors; }

    // Reseeds the source and draws four pegs; with Single Colors, draws all
    // four again until no colour repeats.
    void DrawSecret(bool singleColors, platform::RandomSource &random);
    void Start(int positions, bool singleColors, platform::RandomSource &random);
    void Tick();
    // Scores the guess on the current line and moves on. A game that is not
    // running is left alone (the score is still given).
    CheckResult Check(const Code &guess, GameStats &stats);
    // The player asked to see the code: the game ends, not won.
    void GiveUp(GameStats &stats);
};

} // namespace codebreaking
