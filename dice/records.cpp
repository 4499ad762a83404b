#include "dice/records.h"

#include <limits>

namespace kubolo {

BestPlayerTable defaultBestPlayers()
{
    return {{{QStringLiteral("K. Ardell"), QStringLiteral("300")},
             {QStringLiteral("M. de Sorbin"), QStringLiteral("275")},
             {QStringLiteral("R.T. de Lavoie"), QStringLiteral("250")},
             {QStringLiteral("E.V. Halloran"), QStringLiteral("225")},
             {QStringLiteral("D. Quennel"), QStringLiteral("200")}}};
}

namespace {

// A whole number of digits with an optional sign, too long for 64 bits.
bool isLongNumber(const QString &t, bool *negative)
{
    int i = 0;
    *negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        *negative = t[i++] == u'-';
    if (i == t.size())
        return false;
    for (; i < t.size(); ++i)
        if (t[i] < u'0' || t[i] > u'9')
            return false;
    return true;
}

} // namespace

std::int64_t scoreValue(const QString &text)
{
    if (const auto v = platform::best::number(text))
        return *v;
    bool negative = false;
    if (isLongNumber(text.trimmed(), &negative))
        return negative ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
    return 0;
}

Placing placeResult(const BestPlayerTable &table, std::int64_t total)
{
    return platform::best::placeResult(
        table, [total](const BestPlayerRow &row) { return std::optional(total > scoreValue(row.score)); });
}

int insertTopFive(BestPlayerRecords &best, const QString &name, std::int64_t total)
{
    // An equal score is passed: the newer total goes above it.
    return best.enterBelowBest({name, QString::number(total)},
                               [total](const BestPlayerRow &r) { return std::optional(total >= scoreValue(r.score)); });
}

void insertTopScore(BestPlayerRecords &best, const QString &name, std::int64_t total)
{
    best.enterAt(1, {name, QString::number(total)});
}

namespace {

// The totals only grow, and stop at the largest they can hold.
std::int64_t addSaturating(std::int64_t total, std::int64_t more)
{
    return platform::best::cappedSum(total, std::max<std::int64_t>(more, 0), 0, DiceStats::MaxTotal);
}

} // namespace

void DiceStats::recordGame(std::int64_t gameTotal, std::int64_t fiveOfAKindCount)
{
    totalGames = addSaturating(totalGames, 1);
    totalPoints = addSaturating(totalPoints, gameTotal);
    totalKubolo = addSaturating(totalKubolo, fiveOfAKindCount);
}

long double DiceStats::pointsPerGame() const
{
    return totalGames > 0 ? static_cast<long double>(totalPoints) / static_cast<long double>(totalGames) : 0.0L;
}

long double DiceStats::kuboloPerGame() const
{
    return totalGames > 0 ? static_cast<long double>(totalKubolo) / static_cast<long double>(totalGames) : 0.0L;
}

std::int64_t DiceStats::parseTotal(const QString &text)
{
    const std::int64_t v = scoreValue(text);
    // scoreValue gives 0 for what is not a number, which is also the default.
    if (v < 0)
        return 0;
    return v > MaxTotal ? MaxTotal : v;
}

} // namespace kubolo
