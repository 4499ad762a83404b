#pragma once

#include <QString>

#include <algorithm>
#include <array>
#include <optional>

// The table of the five best players that the scoring games keep: rows of a
// name and the texts of a result, place 1 (best) to 5, and the best player's
// words of wisdom. What a result is and which of two is better belongs to
// each game; it is handed in here as a test on a row.
namespace platform::best {

constexpr int Places = 5;
constexpr int MaxKeptText = 50; // names, results and words, as kept

template <class Row>
using Table = std::array<Row, Places>;

// At most the first 50 characters.
QString cutKeptText(const QString &text);
QString defaultWordsOfWisdom();

// A row's text read as a whole number (blanks and a sign allowed), or
// nothing when it is none.
std::optional<long long> number(const QString &text);
// Digits with blanks and a sign allowed, however many.
bool isWholeNumber(const QString &text);

// What the player is told when a stored text is not a whole number.
QString conversionError(const QString &text);
// ... and when a statistics total in the settings file is not one.
QString unreadableTotal(const QString &key, const QString &text, const QString &path);

// Where a finished game goes: a new best, one of the best five, nowhere, or
// no telling because a row in the way cannot be read.
enum class Placing { None, Best, BestFive, Unreadable };

// passes(row) says whether the result goes above that row (nothing when the
// row cannot be read): above place 1 it is the new best, else above place 5
// one of the best five.
template <class Row, class Passes>
Placing placeResult(const Table<Row> &table, Passes passes)
{
    const std::optional<bool> best = passes(table[0]);
    if (!best)
        return Placing::Unreadable;
    if (*best)
        return Placing::Best;
    const std::optional<bool> fifth = passes(table[Places - 1]);
    if (!fifth)
        return Placing::Unreadable;
    return *fifth ? Placing::BestFive : Placing::None;
}

// The first place among 2 to 5 that takes(row) gives the result; 0 when none,
// -1 when a row in the way cannot be read.
template <class Row, class Takes>
int findPlace(const Table<Row> &table, Takes takes)
{
    for (int place = 2; place <= Places; ++place) {
        const std::optional<bool> taken = takes(table[place - 1]);
        if (!taken)
            return -1;
        if (*taken)
            return place;
    }
    return 0;
}

// Places `place` to 4 move one down, the old place 5 drops out, and the row
// takes `place` (1 to 5; anything else changes nothing).
template <class Row>
void insertAt(Table<Row> &table, int place, const Row &row)
{
    if (place < 1 || place > Places)
        return;
    for (int i = Places - 1; i >= place; --i)
        table[i] = table[i - 1];
    table[place - 1] = row;
}

// A running total plus more, held within lo and hi: it stops at a limit
// rather than wrap round into nonsense.
constexpr long long cappedSum(long long total, long long more, long long lo, long long hi)
{
    long long sum = 0;
    if (__builtin_add_overflow(total, more, &sum))
        sum = more > 0 ? hi : lo;
    return std::clamp(sum, lo, hi);
}

// The five best players and the best player's words, with this run's marks.
// A mark belongs to its place, not to the row: it stays there while later
// entries push rows past it.
template <class Row>
struct BestPlayers {
    Table<Row> table;
    QString WordsOfWisdom = defaultWordsOfWisdom();
    std::array<bool, Places> marked{};

    explicit BestPlayers(const Table<Row> &fresh = {}) : table(fresh) {}

    // A row entered at a place (1 to 5), marked; the rows from there move
    // one down and the last drops out.
    void enterAt(int place, const Row &row)
    {
        if (place < 1 || place > Places)
            return;
        insertAt(table, place, row);
        marked[place - 1] = true;
    }
    // The first of places 2 to 5 that takes(row) gives the row; the place
    // taken, 0 when none, -1 when a row in the way cannot be read.
    template <class Takes>
    int enterBelowBest(const Row &row, Takes takes)
    {
        const int place = findPlace(table, takes);
        enterAt(place, row);
        return place;
    }
    void clearMarks() { marked = {}; }
    // The fresh table and the usual words again, nothing marked.
    void reset(const Table<Row> &fresh)
    {
        *this = BestPlayers(fresh);
    }
    // The marks are this run's only: what is kept is the rows and the words.
    bool operator==(const BestPlayers &other) const
    {
        return table == other.table && WordsOfWisdom == other.WordsOfWisdom;
    }
};

} // namespace platform::best
