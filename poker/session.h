#pragma once

#include "poker/round.h"
#include "platform/changes.h"
#include "poker/settings.h"

#include <QString>

namespace platform {
class RandomSource;
}

namespace poker {

enum class Aspect {
    Bet,     // the bet asked for
    Keeps,   // the cards kept
    Options, // the deck, the table's colour and the Sound mark
};

// A run of Cartova without its window: the round on the table and the
// options. The window hands it the player's requests; every change a request
// makes is told, naming what to draw again.
class Session : public platform::Changes<Aspect> {
public:
    explicit Session(platform::RandomSource &random) : round(random) {}

    Round round;
    CartovaOptions options;

    // The options as read: a file that names no deck deals the beach deck.
    void load(const CartovaOptions &read);
    // A step of the bet: plus one, minus ten, all credits...
    void stepBet(void (Round::*step)());
    void toggleKeep(int card);
    void setDeck(DeckChoice deck);
    void setTable(TableChoice table);
    void toggleSound();

    // The hint between the two deals: the cards are kept as advised, as the
    // player would click them, and the words for the status line returned.
    QString takeHint();
    static QString hintText(const Hand &hand, const KeepFlags &keep, double expected);
    // A keep in the hint's words: "Keep A K", "Keep nothing".
    static QString keepWords(const Hand &hand, const KeepFlags &keep);
};

} // namespace poker
