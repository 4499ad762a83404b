#pragma once

#include <QString>

#include <array>
#include <optional>

// The table of the five best players and the best player's words of wisdom.
// Guesses and seconds stay the texts they were read or entered as; they are
// read as numbers only when a new result is ranked against them.
namespace codebreaking {

struct BestEntry {
    QString Name;
    QString Guesses;
    QString Seconds;
    bool operator==(const BestEntry &) const = default;
};

constexpr int BestPlaces = 5;
constexpr int MaxKeptText = 50;    // names and words as kept from the file
constexpr int MaxNameLength = 19;  // a name typed in
constexpr int MaxWordsLength = 33; // words typed in

// Places 1 (best) to 5 at indices 0 to 4.
using BestTable = std::array<BestEntry, BestPlaces>;

BestTable DefaultBestTable();
QString DefaultWordsOfWisdom();

struct BestRecords {
    BestTable Table = DefaultBestTable();
    QString WordsOfWisdom = DefaultWordsOfWisdom();
    bool operator==(const BestRecords &) const = default;
};

// At most the first 50 characters.
QString CutKeptText(const QString &text);

// A result beats a row with more guesses, or as many guesses and more
// seconds. Equal on both, the older entry stays ahead.
constexpr bool Beats(long long rowGuesses, long long rowSeconds, int guesses, int seconds)
{
    return rowGuesses > guesses || (rowGuesses == guesses && rowSeconds > seconds);
}

// The same on a row's texts. The seconds are read only when the guesses tie.
// A text that is not a whole number gives nothing, and badText says which.
std::optional<bool> Beats(const BestEntry &row, int guesses, int seconds, QString *badText);

// What the player is told when a text of the table is not a whole number.
QString ConversionError(const QString &text);

// Where a won game goes: a new best, one of the best five, or nowhere.
enum class Placing { None, Best, BestFive, Unreadable };
Placing PlaceResult(const BestTable &table, int guesses, int seconds, QString *badText);

// The first place among 2 to 5 that the result beats; 0 when none, -1 when a
// text in the way is not a number (badText says which).
int FindPlace(const BestTable &table, int guesses, int seconds, QString *badText);

// Places `place` to 4 move one down, the old place 5 drops out, and the
// entry takes `place` (1 to 5; anything else changes nothing).
void InsertAt(BestTable &table, int place, const BestEntry &entry);

} // namespace codebreaking
