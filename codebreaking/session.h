#pragma once

#include "codebreaking/advisor.h"
#include "codebreaking/settings.h"
#include "platform/changes.h"

#include <vector>

namespace platform {
class RandomSource;
}

namespace codebreaking {

enum class Aspect {
    Board,   // everything: a new game, a check, a repeat, the code shown
    Line,    // a hole of the current line and what it enables
    Seconds, // the clock
    Symbols, // the symbols on the pegs
};

// A run of Pegora without its window: the game on the board and all that is
// kept for the player (best players, totals, options). The window hands it
// the player's requests; every change is told, naming what to draw again.
class Session : public platform::Changes<Aspect> {
public:
    explicit Session(platform::RandomSource &random) : m_random(random) {}

    GameState game;
    PegoraSettings kept;

    // What the settings file gave.
    void load(const PegoraSettings &read);
    // The options; the level and single colours hold from the next game on.
    void toggleSound() { kept.sound = !kept.sound; }
    void setThreeColors(bool three) { kept.threeColors = three; }
    void setSingleColors(bool single) { kept.single = single; }

    void newGame();
    // A peg into a hole of the current line, or None to empty it.
    bool putPeg(int line, int column, PegColor color);
    CheckResult check();
    void repeatLine();
    void giveUp();
    void tick();
    void setSymbols(bool on);

    // The lines checked so far, as the hint reads them.
    std::vector<PlayedLine> playedLines() const;
    // The pegs of a line, as the hint and the coach read a guess.
    Code pegsOf(int line) const;
    // A hint worked out for `line` fills it, while the game is still there.
    bool takeHint(int line, int positions, const GuessAdvice &advice);

private:
    platform::RandomSource &m_random;
};

} // namespace codebreaking
