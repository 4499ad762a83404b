#include "poker/hand.h"

#include "platform/random.h"

#include <QtGlobal>

namespace poker {

void Card::PickRandom(platform::RandomSource &random)
{
    static constexpr TCardSuit bySuitDraw[4] = {TCardSuit::Hearts, TCardSuit::Clubs, TCardSuit::Spades,
                                                TCardSuit::Diamonds};
    suit = bySuitDraw[random.below(4) & 3];
    value = clampValue(random.below(13) + 1);
}

namespace detail {
bool differsFromOthers(const Hand &hand, int position)
{
    for (int j = 0; j < HandSize; ++j)
        if (j != position && !hand[position].DiffersFrom(hand[j]))
            return false;
    return true;
}
} // namespace detail

void DealHand(Hand &hand, platform::RandomSource &random)
{
    for (int i = 0; i < HandSize; ++i) {
        bool fresh;
        do {
            hand[i].PickRandom(random);
            fresh = true;
            for (int j = 0; j < i; ++j)
                fresh = fresh && hand[i].DiffersFrom(hand[j]);
        } while (!fresh);
    }
}

void ReplaceCards(Hand &hand, const KeepFlags &keep, platform::RandomSource &random)
{
    ReplaceCards(hand, keep, random, [](int) {});
}

const std::array<Payoff, 10> &PayoffTable()
{
    static const std::array<Payoff, 10> table = {{
        // The comments, translated where shown, in the context "poker::hand".
        {1, QT_TRANSLATE_NOOP("poker::hand", "Royal Flush !!!"), 1000, SoundClass::Great},
        {2, QT_TRANSLATE_NOOP("poker::hand", "Straight Flush !!!"), 500, SoundClass::Great},
        //: Four of a kind.
        {3, QT_TRANSLATE_NOOP("poker::hand", "Poker !!"), 100, SoundClass::Great},
        //: A full house.
        {4, QT_TRANSLATE_NOOP("poker::hand", "Full !"), 35, SoundClass::Great},
        {5, QT_TRANSLATE_NOOP("poker::hand", "Flush !"), 8, SoundClass::Great},
        {6, QT_TRANSLATE_NOOP("poker::hand", "Straight !"), 5, SoundClass::Great},
        {7, QT_TRANSLATE_NOOP("poker::hand", "3 of a Kind."), 3, SoundClass::Money},
        {8, QT_TRANSLATE_NOOP("poker::hand", "Two pair."), 2, SoundClass::Money},
        {9, QT_TRANSLATE_NOOP("poker::hand", "Pair."), 1, SoundClass::Money},
        {10, QT_TRANSLATE_NOOP("poker::hand", "Nothing."), 0, SoundClass::None},
    }};
    return table;
}

const Payoff &EvaluateHand(const Hand &hand)
{
    int s[HandSize];
    for (int i = 0; i < HandSize; ++i)
        s[i] = hand[i].value == 1 ? 14 : hand[i].value;
    // Descending insertion sort: five values, no allocation.
    for (int i = 1; i < HandSize; ++i) {
        const int v = s[i];
        int j = i;
        for (; j > 0 && s[j - 1] < v; --j)
            s[j] = s[j - 1];
        s[j] = v;
    }
    const bool run = s[0] == s[1] + 1 && s[1] == s[2] + 1 && s[2] == s[3] + 1 && s[3] == s[4] + 1;
    const bool wheel = s[0] == 14 && s[1] == 5 && s[2] == 4 && s[3] == 3 && s[4] == 2;
    bool oneSuit = true;
    for (int i = 1; i < HandSize; ++i)
        oneSuit = oneSuit && hand[i].suit == hand[0].suit;

    const auto &t = PayoffTable();
    if (run && s[0] == 14 && oneSuit)
        return t[0];
    if ((run || wheel) && oneSuit)
        return t[1];
    if ((s[0] == s[1] && s[1] == s[2] && s[2] == s[3]) || (s[1] == s[2] && s[2] == s[3] && s[3] == s[4]))
        return t[2];
    if (s[0] == s[1] && s[3] == s[4] && ((s[2] == s[0] && s[2] != s[4]) || (s[2] == s[4] && s[2] != s[0])))
        return t[3];
    if (oneSuit)
        return t[4];
    if (run || wheel)
        return t[5];
    if ((s[0] == s[1] && s[1] == s[2]) || (s[1] == s[2] && s[2] == s[3]) || (s[2] == s[3] && s[3] == s[4]))
        return t[6];
    if ((s[0] == s[1] && s[3] == s[4]) || (s[0] == s[1] && s[2] == s[3]) || (s[1] == s[2] && s[3] == s[4]))
        return t[7];
    if ((s[0] == s[1] && s[0] > 10) || (s[1] == s[2] && s[1] > 10) || (s[2] == s[3] && s[2] > 10) ||
        (s[3] == s[4] && s[3] > 10))
        return t[8];
    return t[9];
}

} // namespace poker
