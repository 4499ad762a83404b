#include "dice/advisor.h"

#include <algorithm>
#include <limits>
#include <thread>

namespace kubolo {

namespace {

constexpr int Faces = 6;
constexpr int KeepCount = 462; // multisets of 0 to 5 dice
constexpr int RollCount = 252; // multisets of exactly 5 dice
constexpr int UpperStates = BonusThreshold + 1;
constexpr unsigned AllFilled = (1u << CategoryCount) - 1;

// The dice a player may hold, as face counts, with the moves between them.
struct Keeps {
    std::array<std::array<int, Faces>, KeepCount> counts{};
    std::array<int, KeepCount> size{};
    std::array<std::array<std::int16_t, Faces>, KeepCount> withDie{};    // one die of face f more
    std::array<std::array<std::int16_t, Faces>, KeepCount> withoutDie{}; // one less, or -1
    std::array<int, RollCount> rolls{};                                  // the keeps of five dice
    std::array<float, RollCount> chance{};                               // of each first roll
    std::vector<std::int16_t> byCode = std::vector<std::int16_t>(46656, -1);
    // The game's own scores of every roll, for each set of filled left categories.
    std::vector<std::array<std::uint8_t, CategoryCount>> scores;

    static int code(const std::array<int, Faces> &c)
    {
        int n = 0;
        for (int f = Faces - 1; f >= 0; --f)
            n = n * 6 + c[f];
        return n;
    }

    Keeps()
    {
        int k = 0, r = 0;
        std::array<int, Faces> c{};
        for (int total = 0; total <= 5; ++total) {
            // Every way to share `total` dice among the six faces.
            auto fill = [&](auto &self, int face, int left) -> void {
                if (face == Faces - 1) {
                    c[face] = left;
                    counts[k] = c;
                    size[k] = total;
                    byCode[code(c)] = std::int16_t(k);
                    if (total == 5)
                        rolls[r++] = k;
                    ++k;
                    return;
                }
                for (int n = 0; n <= left; ++n) {
                    c[face] = n;
                    self(self, face + 1, left - n);
                }
            };
            fill(fill, 0, total);
        }
        for (int i = 0; i < KeepCount; ++i)
            for (int f = 0; f < Faces; ++f) {
                std::array<int, Faces> more = counts[i], less = counts[i];
                ++more[f];
                --less[f];
                withDie[i][f] = size[i] < 5 ? byCode[code(more)] : std::int16_t(-1);
                withoutDie[i][f] = counts[i][f] > 0 ? byCode[code(less)] : std::int16_t(-1);
            }
        scores.resize(std::size_t(64) * RollCount);
        for (int ri = 0; ri < RollCount; ++ri) {
            const auto &n = counts[rolls[ri]];
            Dice5 dice{};
            int ways = 120, d = 0;
            for (int f = 0; f < Faces; ++f)
                for (int j = 0; j < n[f]; ++j) {
                    dice[d++] = DieValue(f + 1);
                    ways /= j + 1;
                }
            chance[ri] = float(ways) / 7776.0f;
            for (int left = 0; left < 64; ++left) {
                LeftFilled filled{};
                for (int i = 0; i < LeftSideCount; ++i)
                    filled[i] = left >> i & 1;
                const DiceEvaluation e = ScoreSheet::EvaluateDice(dice, filled);
                for (int cat = 0; cat < CategoryCount; ++cat)
                    scores[std::size_t(left) * RollCount + ri][cat] = std::uint8_t(e.scores[cat]);
            }
        }
    }

    const std::array<std::uint8_t, CategoryCount> &scoresOf(unsigned filled, int roll) const
    {
        return scores[std::size_t(filled & 63u) * RollCount + roll];
    }
};

const Keeps &keeps()
{
    static const Keeps k;
    return k;
}

int leftPointsOpen(unsigned filled)
{
    int points = 0;
    for (int i = 0; i < LeftSideCount; ++i)
        if (!(filled >> i & 1))
            points += 5 * (i + 1);
    return points;
}

// States that play alike share one value: once the left side is complete, or
// the bonus is out of reach, the left total no longer matters.
int canonicalUpper(unsigned filled, int upper)
{
    upper = std::min(upper, BonusThreshold);
    if ((filled & 63u) == 63u || upper + leftPointsOpen(filled) < BonusThreshold)
        return 0;
    return upper;
}

// Where each state's value is kept: only the canonical left totals that the
// filled left categories can reach, some 240,000 states in all (1 MB) rather
// than every set and total. The filled right categories (bits 6 to 12) pick a
// block, the left ones a run inside it.
struct StateIndex {
    std::array<std::array<bool, UpperStates>, 64> stored{};
    // The place of each left total in its run; a total that cannot be reached
    // shares the place of the next lower one that can.
    std::array<std::array<std::int16_t, UpperStates>, 64> rank{};
    std::array<int, 64> offset{};
    int perRightSet = 0;

    StateIndex()
    {
        for (unsigned left = 0; left < 64; ++left) {
            std::array<bool, UpperStates> reachable{};
            reachable[0] = true;
            for (int i = 0; i < LeftSideCount; ++i) {
                if (!(left >> i & 1))
                    continue;
                std::array<bool, UpperStates> next{};
                for (int u = 0; u < UpperStates; ++u)
                    if (reachable[u])
                        for (int n = 0; n <= 5; ++n)
                            next[std::min(BonusThreshold, u + n * (i + 1))] = true;
                reachable = next;
            }
            offset[left] = perRightSet;
            int count = 0;
            for (int u = 0; u < UpperStates; ++u) {
                stored[left][u] = reachable[u] && canonicalUpper(left, u) == u;
                if (stored[left][u])
                    ++count;
                rank[left][u] = std::int16_t(std::max(0, count - 1));
            }
            perRightSet += count;
        }
    }
    std::size_t size() const { return std::size_t(perRightSet) << (CategoryCount - LeftSideCount); }
    // For a canonical total.
    std::size_t at(unsigned filled, int upper) const
    {
        return std::size_t(filled >> LeftSideCount) * std::size_t(perRightSet) + std::size_t(offset[filled & 63u]) +
               std::size_t(rank[filled & 63u][upper]);
    }
};

const StateIndex &stateIndex()
{
    static const StateIndex index;
    return index;
}

std::size_t slot(unsigned filled, int upper) { return stateIndex().at(filled, upper); }

// One turn's values, for one state, from the values of the states after it.
struct TurnValues {
    const Keeps &k;
    unsigned filled;
    std::array<float, KeepCount> e{}, m{};
    // What filling an open category brings: for a left category, by the
    // number of dice that count in it, its score, the bonus it earns and the
    // value of the state after it; for a right one, that value alone.
    std::array<int, CategoryCount> open{};
    int openCount = 0;
    std::array<std::array<float, 6>, CategoryCount> after{};

    TurnValues(const Keeps &keeps, std::span<const float> values, unsigned filledSet, int upper)
        : k(keeps), filled(filledSet)
    {
        auto future = [&](unsigned next, int nextUpper) {
            return next == AllFilled ? 0.0f : values[slot(next, canonicalUpper(next, nextUpper))];
        };
        for (int c = 0; c < CategoryCount; ++c) {
            if (filled >> c & 1)
                continue;
            open[openCount++] = c;
            const unsigned next = filled | 1u << c;
            if (c < LeftSideCount) {
                for (int n = 0; n <= 5; ++n) {
                    const int nextUpper = upper + n * (c + 1);
                    const bool bonus = upper < BonusThreshold && nextUpper >= BonusThreshold;
                    after[c][n] = float(n * (c + 1)) + (bonus ? float(BonusPoints) : 0.0f) + future(next, nextUpper);
                }
            } else {
                after[c][0] = future(next, upper);
            }
        }
    }

    // What choosing open category c for a final roll brings from here on.
    float choice(int c, int roll) const
    {
        return c < LeftSideCount ? after[c][k.counts[k.rolls[roll]][c]]
                                 : float(k.scoresOf(filled, roll)[c]) + after[c][0];
    }

    // The best category for a final roll, and what it brings from here on.
    std::pair<int, float> choose(int roll) const
    {
        int best = -1;
        float bestValue = 0;
        for (int i = 0; i < openCount; ++i) {
            const int c = open[i];
            const float v = choice(c, roll);
            if (best < 0 || v > bestValue) {
                best = c;
                bestValue = v;
            }
        }
        return {best, bestValue};
    }

    // e of every keep from e of the rolls: the mean over the next die.
    void expect()
    {
        // Keeps come in ascending size, rolls (five dice) last.
        for (int kk = KeepCount - RollCount - 1; kk >= 0; --kk) {
            float sum = 0;
            for (int f = 0; f < Faces; ++f)
                sum += e[k.withDie[kk][f]];
            e[kk] = sum / Faces;
        }
    }
    // m of every keep: the best e among the keeps inside it.
    void bestInside()
    {
        for (int kk = 0; kk < KeepCount; ++kk) {
            float v = e[kk];
            for (int f = 0; f < Faces; ++f)
                if (k.withoutDie[kk][f] >= 0)
                    v = std::max(v, m[k.withoutDie[kk][f]]);
            m[kk] = v;
        }
    }
    // Rolls left after this one: 0 gives the final choice.
    void rollValues(int rollsLeft)
    {
        for (int r = 0; r < RollCount; ++r)
            e[k.rolls[r]] = choose(r).second;
        for (int level = 0; level < rollsLeft; ++level) {
            expect();
            bestInside();
            if (level + 1 < rollsLeft)
                for (int r = 0; r < RollCount; ++r)
                    e[k.rolls[r]] = m[k.rolls[r]];
        }
    }
    float value()
    {
        rollValues(2);
        float sum = 0;
        for (int r = 0; r < RollCount; ++r)
            sum += k.chance[r] * m[k.rolls[r]];
        return sum;
    }
};

unsigned filledSet(const DicePosition &position)
{
    unsigned filled = 0;
    for (int c = 0; c < CategoryCount; ++c)
        filled |= position.filled[c] ? 1u << c : 0u;
    return filled;
}

int faceIndex(DieValue d) { return std::clamp(int(d), 1, Faces) - 1; }

// The moves after a roll and what each brings from this turn on: the one
// reckoning behind the advice and behind the value of any move. For a game
// still running.
struct TurnMoves {
    const DicePosition &position;
    TurnValues turn;
    int roll = 0; // the dice as they lie
    int rollsLeft = 0;

    TurnMoves(const StateValues &values, const DicePosition &p, unsigned filled)
        : position(p), turn(keeps(), values.stored(), filled, std::min(std::max(0, p.upperTotal), BonusThreshold))
    {
        const Keeps &k = keeps();
        std::array<int, Faces> rolled{};
        for (DieValue d : p.dice)
            ++rolled[faceIndex(d)];
        roll = int(std::find(k.rolls.begin(), k.rolls.end(), k.byCode[Keeps::code(rolled)]) - k.rolls.begin());
        rollsLeft = 3 - std::clamp(p.rollsUsed, 1, 3);
    }

    // What every keep brings once the other dice are rolled; with a roll left.
    void expectRolls()
    {
        turn.rollValues(rollsLeft - 1);
        if (rollsLeft == 2)
            turn.e = turn.m;
        turn.expect();
    }
    // Holding the dice of the pattern (bit i: die i) and rolling the others,
    // once expectRolls() has run.
    float hold(int pattern) const
    {
        std::array<int, Faces> held{};
        for (int i = 0; i < 5; ++i)
            if (pattern >> i & 1)
                ++held[faceIndex(position.dice[i])];
        return turn.e[turn.k.byCode[Keeps::code(held)]];
    }
};

} // namespace

std::size_t StateValues::storedCount() { return stateIndex().size(); }

float StateValues::value(unsigned filled, int upperTotal) const
{
    filled &= AllFilled;
    if (filled == AllFilled)
        return 0.0f;
    return m_values[slot(filled, canonicalUpper(filled, std::max(0, upperTotal)))];
}

std::shared_ptr<const StateValues> computeStateValues(int threads, int fewestFilled)
{
    keeps(); // built once, before the workers share it
    stateIndex();
    if (threads <= 0)
        threads = int(std::max(1u, std::thread::hardware_concurrency()));
    std::shared_ptr<StateValues> values(new StateValues);
    const StateIndex &index = stateIndex();
    values->m_owned.assign(index.size(), 0.0f);
    values->m_values = values->m_owned;

    // Later turns first: a state needs only states with one more category filled.
    for (int filledCount = CategoryCount - 1; filledCount >= std::max(0, fewestFilled); --filledCount) {
        // The states in turn, dealt round the threads; listed by their sets
        // alone, which keeps the list a few kilobytes.
        std::vector<unsigned> sets;
        for (unsigned filled = 0; filled < AllFilled; ++filled)
            if (__builtin_popcount(filled) == filledCount)
                sets.push_back(filled);
        auto work = [&](int first) {
            std::size_t k = 0;
            for (unsigned filled : sets)
                for (int u = 0; u < UpperStates; ++u) {
                    if (!index.stored[filled & 63u][u] || k++ % std::size_t(threads) != std::size_t(first))
                        continue;
                    TurnValues turn(keeps(), values->m_values, filled, u);
                    const float v = turn.value();
                    values->m_owned[slot(filled, u)] = v;
                }
        };
        std::vector<std::thread> pool;
        for (int t = 1; t < threads; ++t)
            pool.emplace_back(work, t);
        work(0);
        for (std::thread &t : pool)
            t.join();
    }
    return values;
}

DicePosition positionOf(const ScoreSheet &sheet)
{
    DicePosition p;
    for (int c = 0; c < CategoryCount; ++c)
        p.filled[c] = sheet.Filled(categoryAt(c));
    p.upperTotal = sheet.UpperTotal();
    p.gameTotal = sheet.GameTotal();
    p.dice = sheet.Dice();
    p.rollsUsed = sheet.RollNumber();
    return p;
}

DiceAdvice adviseMove(const StateValues &values, const DicePosition &position)
{
    DiceAdvice advice;
    const unsigned filled = filledSet(position);
    if (filled == AllFilled)
        return advice;
    TurnMoves moves(values, position, filled);
    const auto [category, chosen] = moves.turn.choose(moves.roll);
    advice.category = categoryAt(category);
    advice.expectedTotal = position.gameTotal + double(chosen);
    if (moves.rollsLeft == 0)
        return advice;
    moves.expectRolls();
    // Every hold but all five dice, in order of the hold patterns.
    for (int pattern = 0; pattern < 31; ++pattern) {
        const float v = moves.hold(pattern);
        if (v > chosen && position.gameTotal + double(v) > advice.expectedTotal) {
            advice.roll = true;
            for (int i = 0; i < 5; ++i)
                advice.hold[i] = pattern >> i & 1;
            advice.expectedTotal = position.gameTotal + double(v);
        }
    }
    return advice;
}

double moveValue(const StateValues &values, const DicePosition &position, const DiceMove &move)
{
    constexpr double Refused = -std::numeric_limits<double>::infinity();
    const unsigned filled = filledSet(position);
    if (filled == AllFilled)
        return Refused;
    TurnMoves moves(values, position, filled);
    if (!move.roll) {
        const int c = index(move.category);
        if (c >= CategoryCount || filled >> c & 1)
            return Refused;
        return position.gameTotal + double(moves.turn.choice(c, moves.roll));
    }
    int pattern = 0;
    for (int i = 0; i < 5; ++i)
        pattern |= move.hold[i] ? 1 << i : 0;
    if (pattern == 31 || moves.rollsLeft == 0)
        return Refused;
    moves.expectRolls();
    return position.gameTotal + double(moves.hold(pattern));
}

} // namespace kubolo
