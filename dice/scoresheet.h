#pragma once

#include "platform/changes.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace kubolo {

// The thirteen categories of the score sheet, in display order: the first six
// form the left side that earns the bonus.
enum class Category : std::uint8_t {
    Aces,
    Twos,
    Threes,
    Fours,
    Fives,
    Sixes,
    ThreeOfAKind,
    FourOfAKind,
    Full,
    MinimumScale,
    MaximumScale,
    FiveOfAKind,
    Chance,
};

constexpr int CategoryCount = 13;
constexpr int LeftSideCount = 6;
constexpr int BonusThreshold = 63;
constexpr std::uint16_t BonusPoints = 35;

using DieValue = std::uint8_t;
using Dice5 = std::array<DieValue, 5>;
using LeftFilled = std::array<bool, LeftSideCount>;
using Scores = std::array<std::uint16_t, CategoryCount>;

constexpr int index(Category c) { return static_cast<int>(c); }
constexpr Category categoryAt(int i) { return static_cast<Category>(i); }
constexpr bool isLeftSide(Category c) { return index(c) < LeftSideCount; }
// The text of the category's name label.
const char *caption(Category c);
// The category's name in the player's language.
QString captionText(Category c);

// What five dice are worth in every category.
struct DiceEvaluation {
    bool Joker = false;
    Scores scores{};
    std::uint16_t score(Category c) const { return scores[index(c)]; }
};

// One game in progress: thirteen turns of up to three rolls and one choice.
class ScoreSheet {
public:
    ScoreSheet() { NewGame(); }

    // Pure: the joker and the thirteen scores of these dice, given which
    // left-side categories are filled.
    static DiceEvaluation EvaluateDice(const Dice5 &dice, const LeftFilled &leftFilled);

    void NewGame();
    // After every roll, with the five final faces: stores them, counts a five
    // of a kind, recomputes the open scores and raises RollNumber. Returns
    // whether the five dice are equal.
    bool RecordRoll(const Dice5 &dice);
    // Records an open category with its provisional score; false, and nothing
    // changes, when it is already filled.
    bool Choose(Category c);

    QString BonusCaption() const;
    std::uint16_t GameTotal() const { return m_categoryTotal + m_bonus; }
    bool IsOver() const { return m_turnNumber == 14; }

    const Dice5 &Dice() const { return m_dice; }
    const Dice5 &Sorted() const { return m_sorted; }
    bool Joker() const { return m_joker; }
    bool Filled(Category c) const { return m_filled[index(c)]; }
    std::uint16_t Score(Category c) const { return m_score[index(c)]; }
    std::uint16_t UpperTotal() const { return m_upperTotal; }
    std::uint16_t CategoryTotal() const { return m_categoryTotal; }
    std::uint16_t Bonus() const { return m_bonus; }
    std::uint8_t TurnNumber() const { return m_turnNumber; }
    std::uint8_t RollNumber() const { return m_rollNumber; }
    std::uint8_t FiveOfAKindCount() const { return m_fiveOfAKindCount; }
    // A hint was asked: the game is training, kept out of the records.
    bool Hinted() const { return m_hinted; }
    void MarkHinted() { m_hinted = true; }

private:
    Dice5 m_dice{};
    Dice5 m_sorted{};
    bool m_joker = false;
    std::array<bool, CategoryCount> m_filled{};
    Scores m_score{};
    std::uint16_t m_upperTotal = 0;
    std::uint16_t m_categoryTotal = 0;
    std::uint16_t m_bonus = 0;
    std::uint8_t m_turnNumber = 1;
    std::uint8_t m_rollNumber = 0;
    std::uint8_t m_fiveOfAKindCount = 0;
    bool m_hinted = false;
};

using Holds = std::array<bool, 5>;

// Why the turn did not do what was asked.
enum class Refusal : std::uint8_t {
    None,        // done
    Rolling,     // the dice are still tumbling
    NotRolling,  // no roll to finish
    GameOver,    // thirteen categories are filled
    NoRollYet,   // nothing to hold or record before the first roll
    NoRollsLeft, // three rolls made
    Filled,      // the category is already recorded
    NoSuchDie,   // not die 1 to 5
};

// What a turn's change touched, for whoever shows it.
enum class TurnChange : std::uint8_t { NewGame, Holds, RollStarted, Rolled, RollCancelled, Chosen };

// The game being played: the sheet, the five faces it records, which dice are
// held and whether a roll is under way. It refuses what the turn order
// forbids and reports every change it makes.
class Turn : public platform::Changes<TurnChange> {
public:
    Refusal newGame();
    // Holds or frees a die (0 to 4) between the first and the third roll.
    Refusal toggleHold(int die);
    // The dice start to tumble; the first roll of a turn frees every die.
    Refusal startRoll();
    // The dice have settled: every die not held takes its face from thrown
    // (held dice keep theirs), and the sheet records the roll. The third
    // roll frees every die.
    Refusal finishRoll(const Dice5 &thrown);
    // Drops the roll under way; nothing is recorded.
    void cancelRoll();
    Refusal choose(Category c);
    // The player asked for a hint: nothing of the turn changes.
    void markHinted() { m_sheet.MarkHinted(); }

    const ScoreSheet &sheet() const { return m_sheet; }
    const Dice5 &faces() const { return m_sheet.Dice(); }
    bool held(int die) const { return die >= 0 && die < 5 && m_holds[die]; }
    const Holds &holds() const { return m_holds; }
    bool rolling() const { return m_rolling; }
    // Whether the latest roll showed five equal dice.
    bool fiveOfAKind() const { return m_fiveOfAKind; }
    // Whether any die has been rolled in this game, so the open categories
    // have provisional scores to show.
    bool anyRoll() const { return m_sheet.TurnNumber() > 1 || m_sheet.RollNumber() > 0; }

private:
    ScoreSheet m_sheet;
    Holds m_holds{};
    bool m_rolling = false;
    bool m_fiveOfAKind = false;
};

} // namespace kubolo
