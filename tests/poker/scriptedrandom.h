#pragma once

#include "platform/random.h"
#include "poker/hand.h"

#include <algorithm>
#include <deque>
#include <initializer_list>
#include <vector>

namespace poker_test {

// Answers below() from a script, then from a seeded source.
class ScriptedRandom final : public platform::RandomSource {
public:
    std::deque<int> script;
    std::vector<int> bounds; // every bound asked for
    platform::SeededRandom rest{7u};

    void randomize() override {}
    int below(int n) override
    {
        bounds.push_back(n);
        if (script.empty())
            return rest.below(n);
        const int v = script.front();
        script.pop_front();
        return v;
    }

    // The draws that bring these cards, in this order (each card must be
    // free on the table when it is drawn).
    void deal(std::initializer_list<poker::Card> cards)
    {
        for (const poker::Card &card : cards) {
            // A card draws its suit first: 0 Hearts, 1 Clubs, 2 Spades, 3 Diamonds.
            static constexpr int suitDraw[4] = {2, 3, 1, 0}; // by Spades, Diamonds, Clubs, Hearts
            script.push_back(suitDraw[int(card.suit)]);
            script.push_back(card.value - 1);
        }
    }
};

inline poker::Card card(int value, poker::TCardSuit suit) { return poker::Card{poker::TCardValue(value), suit}; }
inline poker::Hand handOf(std::initializer_list<poker::Card> cards)
{
    poker::Hand hand{};
    std::copy(cards.begin(), cards.end(), hand.begin());
    return hand;
}
constexpr poker::TCardSuit S = poker::TCardSuit::Spades, D = poker::TCardSuit::Diamonds, C = poker::TCardSuit::Clubs,
                           H = poker::TCardSuit::Hearts;

} // namespace poker_test
