#include "poker/advisor.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace poker {

namespace {

constexpr int DeckSize = 52;

// A card as 0..51: suit × 13 + value − 1.
int cardId(const Card &c) { return int(c.suit) * 13 + (clampValue(c.value) - 1); }

struct Binomials {
    std::uint32_t c[DeckSize + 1][HandSize + 2] = {};
    constexpr Binomials()
    {
        for (int n = 0; n <= DeckSize; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= HandSize + 1; ++k)
                c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
constexpr Binomials binom;

// Colex rank of a set of cards listed in ascending order.
std::uint32_t rankOf(const int *ids, int k)
{
    std::uint32_t r = 0;
    for (int i = 0; i < k; ++i)
        r += binom.c[ids[i]][i + 1];
    return r;
}

Card cardOf(int id) { return Card{TCardValue(id % 13 + 1), TCardSuit(id / 13)}; }

// The multiplier of a hand of five card ids, by the game's own evaluation.
int multiplierOf(const int *ids)
{
    Hand h;
    for (int i = 0; i < HandSize; ++i)
        h[std::size_t(i)] = cardOf(ids[i]);
    return EvaluateHand(h).multiplier;
}

// For every set of up to three cards, the sum of the multipliers of all the
// hands that contain it (some 90 kB). From these, inclusion and exclusion
// give the sum over the hands that hold exactly a chosen part of a deal and
// none of the rest of it; larger parts are summed when asked, from the 48
// hands or the one hand they make.
struct PayoffSums {
    static constexpr int Summed = 3;
    std::vector<std::uint32_t> bySize[Summed + 1];

    PayoffSums()
    {
        for (int k = 0; k <= Summed; ++k)
            bySize[k].assign(binom.c[DeckSize][k], 0);
        // The parts of up to three cards of a hand, as positions 0..4.
        int parts[26][Summed], sizes[26], partCount = 0;
        for (int mask = 0; mask < 32; ++mask) {
            const int k = __builtin_popcount(unsigned(mask));
            if (k > Summed)
                continue;
            for (int i = 0, n = 0; i < HandSize; ++i)
                if (mask >> i & 1)
                    parts[partCount][n++] = i;
            sizes[partCount++] = k;
        }
        // Hand by hand; most hands pay nothing and add nothing to the sums.
        int ids[HandSize];
        for (ids[4] = 4; ids[4] < DeckSize; ++ids[4])
            for (ids[3] = 3; ids[3] < ids[4]; ++ids[3])
                for (ids[2] = 2; ids[2] < ids[3]; ++ids[2])
                    for (ids[1] = 1; ids[1] < ids[2]; ++ids[1])
                        for (ids[0] = 0; ids[0] < ids[1]; ++ids[0]) {
                            const int pay = multiplierOf(ids);
                            if (pay == 0)
                                continue;
                            for (int p = 0; p < partCount; ++p) {
                                std::uint32_t r = 0;
                                for (int j = 0; j < sizes[p]; ++j)
                                    r += binom.c[ids[parts[p][j]]][j + 1];
                                bySize[sizes[p]][r] += std::uint32_t(pay);
                            }
                        }
    }

    std::uint32_t containing(const int *ascending, int k) const
    {
        if (k <= Summed)
            return bySize[k][rankOf(ascending, k)];
        if (k == HandSize)
            return std::uint32_t(multiplierOf(ascending));
        // Four cards: the 48 hands that complete them.
        std::uint32_t total = 0;
        int withCard[HandSize];
        std::copy(ascending, ascending + k, withCard);
        for (int x = 0; x < DeckSize; ++x) {
            if (std::find(ascending, ascending + k, x) != ascending + k)
                continue;
            withCard[k] = x;
            total += std::uint32_t(multiplierOf(withCard));
        }
        return total;
    }
};

const PayoffSums &payoffSums()
{
    static const PayoffSums sums;
    return sums;
}

// returnWays[m][t]: in how many orders the m replaced positions can receive a
// given set of new cards, where t marks which of the m discards (in position
// order) are among them. A discard may land only in its own position or a
// later one: positions before it are drawn while it still lies on the table.
struct ReturnWays {
    std::int64_t ways[HandSize + 1][1 << HandSize] = {};
    ReturnWays()
    {
        for (int m = 0; m <= HandSize; ++m)
            for (int t = 0; t < (1 << m); ++t) {
                int order[HandSize];
                for (int i = 0; i < m; ++i)
                    order[i] = i;
                std::int64_t count = 0;
                do {
                    bool allowed = true;
                    for (int pos = 0; pos < m; ++pos)
                        if ((t >> order[pos] & 1) && pos < order[pos])
                            allowed = false;
                    count += allowed;
                } while (std::next_permutation(order, order + m));
                ways[m][t] = count;
            }
    }
};

const ReturnWays &returnWays()
{
    static const ReturnWays w;
    return w;
}

// For five different cards in ascending order, the sum over the hands that
// share exactly each part of them (bit i: the i-th card) and none of the rest.
// The last set's sums are kept, one per thread: the orders of one deal share
// them, and a study of every deal asks for them in turn.
const std::int64_t *exactSums(const int *ascending)
{
    constexpr int all = (1 << HandSize) - 1;
    struct Last {
        int set[HandSize] = {-1, -1, -1, -1, -1};
        std::int64_t exactly[1 << HandSize] = {};
    };
    thread_local Last last;
    if (std::equal(ascending, ascending + HandSize, last.set))
        return last.exactly;
    const PayoffSums &sums = payoffSums();
    // Sums over the hands containing each part...
    std::int64_t containing[1 << HandSize];
    for (int part = 0; part <= all; ++part) {
        int set[HandSize], k = 0;
        for (int i = 0; i < HandSize; ++i)
            if (part >> i & 1)
                set[k++] = ascending[i];
        containing[part] = sums.containing(set, k);
    }
    // ...and over the hands that share exactly that part.
    for (int part = 0; part <= all; ++part) {
        std::int64_t total = 0;
        const int rest = all & ~part;
        for (int j = rest;; j = (j - 1) & rest) {
            total += (__builtin_popcount(unsigned(j)) & 1 ? -1 : 1) * containing[part | j];
            if (j == 0)
                break;
        }
        last.exactly[part] = total;
    }
    std::copy(ascending, ascending + HandSize, last.set);
    return last.exactly;
}

constexpr std::int64_t pow48(int m) { return m == 0 ? 1 : 48 * pow48(m - 1); }

struct Evaluation {
    bool valid = false;
    // Per keep pattern: the expected win times 48^5.
    std::int64_t scaled[1 << HandSize] = {};
};

Evaluation evaluate(const Hand &hand)
{
    Evaluation e;
    int ids[HandSize];
    for (int i = 0; i < HandSize; ++i)
        ids[i] = cardId(hand[i]);
    for (int i = 0; i < HandSize; ++i)
        for (int j = i + 1; j < HandSize; ++j)
            if (ids[i] == ids[j])
                return e;
    e.valid = true;
    // The deal's cards in ascending order, and where each position went.
    int ascending[HandSize], rankOfPosition[HandSize];
    for (int i = 0; i < HandSize; ++i) {
        rankOfPosition[i] = 0;
        for (int j = 0; j < HandSize; ++j)
            rankOfPosition[i] += ids[j] < ids[i];
        ascending[rankOfPosition[i]] = ids[i];
    }
    const std::int64_t *sorted = exactSums(ascending);
    constexpr int all = (1 << HandSize) - 1;
    std::int64_t exactly[1 << HandSize];
    for (int part = 0; part <= all; ++part) {
        int bits = 0;
        for (int i = 0; i < HandSize; ++i)
            bits |= (part >> i & 1) << rankOfPosition[i];
        exactly[part] = sorted[bits];
    }
    // A keep: its final hands are the kept cards, some of the discards come
    // back, and new cards from the 47 never dealt; every sequence of draws has
    // the chance 1/48 per replaced position.
    const ReturnWays &ways = returnWays();
    for (int keep = 0; keep <= all; ++keep) {
        int discards[HandSize], m = 0;
        for (int i = 0; i < HandSize; ++i)
            if (!(keep >> i & 1))
                discards[m++] = i;
        std::int64_t total = 0;
        for (int t = 0; t < (1 << m); ++t) {
            int back = 0;
            for (int l = 0; l < m; ++l)
                if (t >> l & 1)
                    back |= 1 << discards[l];
            total += ways.ways[m][t] * exactly[keep | back];
        }
        e.scaled[keep] = total * pow48(HandSize - m);
    }
    return e;
}

KeepFlags flagsOf(int keep)
{
    KeepFlags flags{};
    for (int i = 0; i < HandSize; ++i)
        flags[i] = keep >> i & 1;
    return flags;
}

} // namespace

void prepareAdvisor()
{
    payoffSums();
    returnWays();
}

double expectedReturn(const Hand &hand, const KeepFlags &keep)
{
    int pattern = 0;
    for (int i = 0; i < HandSize; ++i)
        pattern |= keep[i] ? 1 << i : 0;
    const Evaluation e = evaluate(hand);
    if (!e.valid)
        return pattern == (1 << HandSize) - 1 ? EvaluateHand(hand).multiplier : 0.0;
    return double(e.scaled[pattern]) / double(pow48(HandSize));
}

KeepAdvice adviseKeep(const Hand &hand)
{
    const Evaluation e = evaluate(hand);
    KeepAdvice advice;
    if (!e.valid) {
        // Not a deal of this game: nothing sensible to draw, so keep it all.
        advice.keep = flagsOf((1 << HandSize) - 1);
        advice.expected = EvaluateHand(hand).multiplier;
        return advice;
    }
    int best = 0;
    for (int keep = 1; keep < (1 << HandSize); ++keep)
        if (e.scaled[keep] > e.scaled[best])
            best = keep;
    advice.keep = flagsOf(best);
    advice.expected = double(e.scaled[best]) / double(pow48(HandSize));
    return advice;
}

} // namespace poker
