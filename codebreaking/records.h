#pragma once

#include "platform/besttable.h"

#include <QString>

#include <optional>

// The table of the five best players and the best player's words of wisdom.
// Guesses and seconds stay the texts they were read or entered as; they are
// read as numbers only when a new result is ranked against them.
namespace codebreaking {

struct BestEntry {
    QString name;
    QString guesses;
    QString seconds;
    bool operator==(const BestEntry &) const = default;
};

constexpr int BestPlaces = platform::best::Places;
constexpr int MaxNameLength = 19;  // a name typed in
constexpr int MaxWordsLength = 33; // words typed in

// Places 1 (best) to 5 at indices 0 to 4.
using BestTable = platform::best::Table<BestEntry>;
using platform::best::conversionError;
using platform::best::cutKeptText;
using platform::best::defaultWordsOfWisdom;
using platform::best::Placing;

BestTable defaultBestTable();

struct BestRecords : platform::best::BestPlayers<BestEntry> {
    BestRecords() : BestPlayers(defaultBestTable()) {}
};

// A result beats a row with more guesses, or as many guesses and more
// seconds. Equal on both, the older entry stays ahead. The row's seconds are
// read only when the guesses tie; a text that is no whole number gives
// nothing, and badText says which.
std::optional<bool> Beats(const BestEntry &row, int guesses, int seconds, QString *badText);

// Where a won game goes: a new best, one of the best five, or nowhere.
Placing placeResult(const BestTable &table, int guesses, int seconds, QString *badText);

// The first place among 2 to 5 that the result beats; 0 when none, -1 when a
// text in the way is not a number (badText says which).
int findPlace(const BestTable &table, int guesses, int seconds, QString *badText);

} // namespace codebreaking
