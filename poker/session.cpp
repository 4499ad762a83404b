#include "poker/session.h"

#include <QCoreApplication>

#include "poker/advisor.h"

#include <QLocale>

#include <QStringList>

#include <algorithm>

namespace poker {

namespace {

// A card's rank as its corner shows it.
QString rankShown(TCardValue value)
{
    static const char *const ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return QLatin1String(ranks[clampValue(value) - 1]);
}

// The ranks of the kept cards, in the hand's order: "A K".
QString keptRanks(const Hand &hand, const KeepFlags &keep)
{
    QStringList ranks;
    for (int i = 0; i < HandSize; ++i)
        if (keep[std::size_t(i)])
            ranks << rankShown(hand[std::size_t(i)].value);
    return ranks.join(u' ');
}

int keptCount(const KeepFlags &keep) { return int(std::count(keep.begin(), keep.end(), true)); }

} // namespace

void Session::load(const CartovaOptions &read)
{
    options = read;
    options.deck = options.deck.value_or(DeckChoice::Beach);
    tell(Aspect::Options);
}

void Session::stepBet(void (Round::*step)())
{
    (round.*step)();
    tell(Aspect::Bet);
}

void Session::toggleKeep(int card)
{
    // Told even when the round ignores it: a box clicked meanwhile goes back.
    round.toggleKeep(card);
    tell(Aspect::Keeps);
}

void Session::setDeck(DeckChoice deck)
{
    options.deck = deck;
    tell(Aspect::Options);
}

void Session::setTable(TableChoice table)
{
    options.table = table;
    tell(Aspect::Options);
}

void Session::toggleSound()
{
    options.sound = !options.sound;
    tell(Aspect::Options);
}

QString Session::takeHint()
{
    const KeepAdvice advice = adviseKeep(round.hand());
    for (int i = 0; i < HandSize; ++i)
        if (round.kept()[std::size_t(i)] != advice.keep[std::size_t(i)])
            round.toggleKeep(i);
    tell(Aspect::Keeps);
    return hintText(round.hand(), advice.keep, advice.expected);
}

QString Session::hintText(const Hand &hand, const KeepFlags &keep, double expected)
{
    const QString times = QLocale().toString(expected, 'f', 2);
    if (keptCount(keep) == 0)
        return QCoreApplication::translate("poker::Session", "Keep nothing: expect %1 times the bet.").arg(times);
    if (keptCount(keep) == HandSize)
        return QCoreApplication::translate("poker::Session", "Keep all five: expect %1 times the bet.").arg(times);
    //: %1 is the ranks to keep as the cards' corners show them ("A K"), %2 the expected multiple.
    return QCoreApplication::translate("poker::Session", "Keep %1: expect %2 times the bet.")
        .arg(keptRanks(hand, keep), times);
}

QString Session::keepWords(const Hand &hand, const KeepFlags &keep)
{
    if (keptCount(keep) == 0)
        return QCoreApplication::translate("poker::Session", "Keep nothing");
    if (keptCount(keep) == HandSize)
        return QCoreApplication::translate("poker::Session", "Keep all five");
    //: %1 is the ranks kept as the cards' corners show them ("A K").
    return QCoreApplication::translate("poker::Session", "Keep %1").arg(keptRanks(hand, keep));
}

} // namespace poker
