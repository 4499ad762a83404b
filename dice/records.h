#pragma once

#include "platform/besttable.h"

#include <QString>

#include <cstdint>

namespace kubolo {

// One row of the best players: both as text, the score only read as a number
// when a new game total is compared with it.
struct BestPlayerRow {
    QString name;
    QString score;
    bool operator==(const BestPlayerRow &) const = default;
};

constexpr int BestPlayerRows = platform::best::Places;
constexpr int MaxNameLength = 17;  // typed into a name field
constexpr int MaxWordsLength = 34; // typed into the words field

// Rows 1 (best) to 5 at indices 0 to 4.
using BestPlayerTable = platform::best::Table<BestPlayerRow>;
using platform::best::cutKeptText;
using platform::best::defaultWordsOfWisdom;
using platform::best::Placing;

BestPlayerTable defaultBestPlayers();

struct BestPlayerRecords : platform::best::BestPlayers<BestPlayerRow> {
    BestPlayerRecords() : BestPlayers(defaultBestPlayers()) {}
};

// A stored score as a number. One that is not a number counts as 0, so a new
// result can still enter the table; digits beyond 64 bits count as the most
// that can be held.
std::int64_t scoreValue(const QString &text);

// Where a finished game goes after the end-of-game dialog: above row 5 it
// enters, above row 1 as the best. A total equal to a stored score does not
// pass it.
Placing placeResult(const BestPlayerTable &table, std::int64_t total);

// The new row of one of the best five, placed (and marked) above the first of
// rows 2 to 5 whose score it reaches; the rows under it move down and row 5
// drops out. Row 1 is never touched. Returns the 1-based row taken, or 0.
int insertTopFive(BestPlayerRecords &best, const QString &name, std::int64_t total);

// The new best: every row moves down one and row 5 drops out.
void insertTopScore(BestPlayerRecords &best, const QString &name, std::int64_t total);

// The running statistics. Each total is held in 32 bits and stops at its
// largest value rather than wrap around; files of the old 16-bit totals read
// as they are.
struct DiceStats {
    static constexpr std::int64_t MaxTotal = 2147483647;

    std::int64_t totalGames = 0;
    std::int64_t totalPoints = 0;
    std::int64_t totalKubolo = 0;

    void recordGame(std::int64_t gameTotal, std::int64_t fiveOfAKindCount);
    void reset() { *this = DiceStats{}; }
    // Averages per game; 0 while no game is recorded.
    long double pointsPerGame() const;
    long double kuboloPerGame() const;

    // A total as read from the file: a non-negative decimal integer, at most
    // MaxTotal. Anything else (not a number, a negative count) gives 0.
    static std::int64_t parseTotal(const QString &text);
    bool operator==(const DiceStats &) const = default;
};

// What the program remembers between runs.
struct KuboloRecords {
    BestPlayerRecords best;
    DiceStats stats;
};

} // namespace kubolo
