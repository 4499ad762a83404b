#pragma once

#include "poker/hand.h"

#include <QString>

#include <cstdint>

namespace platform {
class RandomSource;
}

namespace poker {

// Why the round did not do what the player asked.
enum class Refusal : std::uint8_t {
    None,         // done
    NoBet,        // "You must play at least 1 credit."
    OutOfRange,   // "Credits played out of range.", with the range
    InvalidValue, // "Invalid value."
    NotNow,       // not at this point of the hand (a deal under way, the bet while holding): ignored
};

// What the player is told about a refusal, with the credits in the bank;
// empty when there is nothing to say.
QString refusalText(Refusal refusal, std::int32_t credits);

// One game at the table: the bank, the bet, the two deals of each hand and
// their settlement. A deal is three calls, deal(), draw() and settle(), so
// that the turned-down cards can stay in sight between the first two; while
// a deal is under way the round ignores everything but those calls and a
// new game.
class Round {
public:
    // The bank never holds more than this; a larger win fills it up.
    static constexpr std::int32_t MaxCredits = INT32_MAX;

    explicit Round(platform::RandomSource &random);

    std::int32_t Credits() const { return m_credits; }
    std::int32_t Bet() const { return m_bet; }
    int NextDeal() const { return m_nextDeal; } // 1 while betting, 2 while holding
    bool GreatPlayed() const { return m_greatPlayed; }
    const Hand &hand() const { return m_hand; }
    const KeepFlags &kept() const { return m_kept; }
    bool faceDown(int position) const { return m_faceDown[std::size_t(position)]; }
    bool dealing() const { return m_dealing; }
    bool holding() const { return m_nextDeal == 2; }
    // The bet may be changed by the bet buttons and the edit.
    bool betting() const { return m_nextDeal == 1 && !m_dealing; }

    // 100 credits, no bet, the cards face down; a hand in play is dropped.
    void newGame();

    // The bet edit's text: a whole number in the 32-bit range becomes the
    // bet, whatever its size (the deal checks it); an empty text changes
    // nothing.
    Refusal enterBet(const QString &text);
    // The bet buttons; each keeps the bet within 1..Credits as the table's
    // rules say, and does nothing unless betting.
    void plusOne();
    void minusOne();
    void plusTen();
    void minusTen();
    // All credits on the hand; also between the two deals.
    void playAll();

    // Turns the keep flag of a card (0-based) while holding; false if ignored.
    bool toggleKeep(int position);

    struct Dealing {
        Refusal refused = Refusal::None;
        bool turnedDown = false; // some card was turned face down for the new one
    };
    // Starts the next deal for the bet the player has asked for: refused
    // unless 1..Credits, otherwise that bet, whole, is the one played and
    // settled. Turns face down the cards about to be replaced.
    Dealing deal(long double asked);
    // The new cards arrive face up: five different ones on the first deal,
    // the cards not kept replaced on the second.
    void draw();

    struct Settlement {
        const Payoff *payoff = nullptr;      // the row of the hand on the table
        SoundClass sound = SoundClass::None; // what to play: the great sound once a hand
        bool settled = false;                // the second deal: the bet was paid out
        std::int64_t won = 0;                // the gross win, stake included
        std::int32_t credits = 0;            // the bank after the deal
        bool betLowered = false;             // the bet fell to the credits left
        bool gameOver = false;               // no credits left
    };
    // Evaluates the hand on the table, pays it after the second deal, and
    // ends the deal. Outside a deal it only evaluates.
    Settlement settle();

private:
    platform::RandomSource &m_random;
    std::int32_t m_credits = 100;
    std::int32_t m_bet = 0;
    int m_nextDeal = 1;
    bool m_greatPlayed = false;
    bool m_dealing = false;
    Hand m_hand{};
    KeepFlags m_kept{};
    std::array<bool, HandSize> m_faceDown{true, true, true, true, true};
};

} // namespace poker
