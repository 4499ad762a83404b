#include "codebreaking/advisor.h"

#include <QCoreApplication>

#include <QStringList>

#include <algorithm>
#include <array>

namespace codebreaking {

namespace {

constexpr int ScoreKinds = 25; // correct × 5 + misplaced

// A code packed for quick scoring: its colours as nibbles, and its colour
// counts in unary (colour c owns bits 4c..4c+3), so that the pegs two codes
// have in common, placed or not, are the set bits they share.
struct Packed {
    std::uint32_t pegs = 0;
    std::uint32_t colors = 0;
};

Packed pack(const Code &code, int positions)
{
    Packed p;
    std::array<int, PegColorCount> count{};
    for (int i = 0; i < positions; ++i) {
        const int c = int(code[i]);
        // A peg that is no colour never matches anything.
        p.pegs |= std::uint32_t(c >= 1 && c <= PegColorCount ? c : 15 - i) << (4 * i);
        if (c >= 1 && c <= PegColorCount)
            p.colors |= 1u << (4 * (c - 1) + count[c - 1]++);
    }
    return p;
}

// Bits counted with shifts and masks: the plain build has no instruction
// for it, and the library call would be most of the time of a hint.
inline int bitCount(std::uint32_t v)
{
    v = v - ((v >> 1) & 0x55555555u);
    v = (v & 0x33333333u) + ((v >> 2) & 0x33333333u);
    v = (v + (v >> 4)) & 0x0F0F0F0Fu;
    return int((v * 0x01010101u) >> 24);
}

// The same counts as ScoreGuess: the misplaced pass pairs every colour as
// often as both sides hold it, less the pegs already placed.
inline int scoreKey(const Packed &a, const Packed &b, int positions)
{
    std::uint32_t x = a.pegs ^ b.pegs;
    x |= x >> 1;
    x |= x >> 2;
    // One bit per differing hole, at the bottom of its nibble, then summed
    // into the top nibble.
    x &= positions == 3 ? 0x111u : 0x1111u;
    const int differ = int(((x * 0x1111u) >> 12) & 0xFu);
    const int correct = positions - differ;
    const int common = bitCount(a.colors & b.colors);
    return correct * 5 + (common - correct);
}

int clampPositions(int positions) { return positions == 3 ? 3 : 4; }

} // namespace

std::vector<Code> allCodes(int positions, bool singleColors)
{
    positions = clampPositions(positions);
    std::vector<Code> codes;
    int total = 1;
    for (int i = 0; i < positions; ++i)
        total *= PegColorCount;
    for (int n = 0; n < total; ++n) {
        Code c{};
        for (int i = positions - 1, rest = n; i >= 0; --i, rest /= PegColorCount)
            c[i] = PegColor(rest % PegColorCount + 1);
        bool distinct = true;
        for (int i = 0; i < positions && singleColors; ++i)
            for (int j = i + 1; j < positions; ++j)
                distinct = distinct && c[i] != c[j];
        if (distinct)
            codes.push_back(c);
    }
    return codes;
}

namespace {

// The largest share of the candidates that one answer to the guess leaves,
// a win not counted; stops early once it reaches `bound`.
template <int Positions>
int worstAnswer(const Packed &guess, const std::vector<Packed> &candidates, int bound)
{
    constexpr int win = Positions * 5;
    constexpr std::size_t block = 64;
    // Four tallies, so that a run of equal answers does not wait on itself.
    std::array<std::array<int, ScoreKinds>, 4> count{};
    int worst = 0;
    for (std::size_t from = 0; from < candidates.size() && worst < bound; from += block) {
        const std::size_t to = std::min(candidates.size(), from + block);
        std::size_t s = from;
        for (; s + 4 <= to; s += 4)
            for (std::size_t j = 0; j < 4; ++j)
                ++count[j][scoreKey(guess, candidates[s + j], Positions)];
        for (; s < to; ++s)
            ++count[0][scoreKey(guess, candidates[s], Positions)];
        for (int key = 0; key < ScoreKinds; ++key)
            if (key != win)
                worst = std::max(worst, count[0][key] + count[1][key] + count[2][key] + count[3][key]);
    }
    return worst;
}

} // namespace

Code minimaxGuess(int positions, std::span<const Code> guesses, std::span<const Code> candidates,
                  int *worstRemaining)
{
    positions = clampPositions(positions);
    std::vector<Packed> packed(candidates.size());
    for (std::size_t i = 0; i < candidates.size(); ++i)
        packed[i] = pack(candidates[i], positions);
    // Which guesses can still be the code: both lists are in code order.
    std::vector<bool> possible(guesses.size());
    for (std::size_t g = 0, c = 0; g < guesses.size(); ++g) {
        while (c < candidates.size() && candidates[c] < guesses[g])
            ++c;
        possible[g] = c < candidates.size() && candidates[c] == guesses[g];
    }
    auto worstOf = [&](std::size_t g, int bound) {
        const Packed p = pack(guesses[g], positions);
        return positions == 3 ? worstAnswer<3>(p, packed, bound) : worstAnswer<4>(p, packed, bound);
    };
    // Ties: a guess that can win first, then the earlier.
    auto before = [&](std::size_t a, std::size_t b) { return possible[a] != possible[b] ? bool(possible[a]) : a < b; };
    // A possible guess of many colours usually splits well: its worst case,
    // found first, cuts the others short.
    std::size_t seed = 0;
    int seedColors = -1;
    for (std::size_t g = 0; g < guesses.size(); ++g) {
        const int colors = bitCount(pack(guesses[g], positions).colors & 0x11111111u) + (possible[g] ? 8 : 0);
        if (colors > seedColors) {
            seed = g;
            seedColors = colors;
        }
    }
    std::size_t best = seed;
    int bestWorst = guesses.empty() ? 0 : worstOf(seed, int(candidates.size()) + 1);
    for (std::size_t g = 0; g < guesses.size(); ++g) {
        if (g == seed)
            continue;
        const bool wins = before(g, best);
        const int worst = worstOf(g, wins ? bestWorst + 1 : bestWorst);
        if (worst < bestWorst || (wins && worst == bestWorst)) {
            bestWorst = worst;
            best = g;
        }
    }
    if (worstRemaining)
        *worstRemaining = bestWorst;
    return guesses.empty() ? Code{} : guesses[best];
}

int worstRemaining(int positions, const Code &guess, std::span<const Code> candidates)
{
    positions = clampPositions(positions);
    std::vector<Packed> packed(candidates.size());
    for (std::size_t i = 0; i < candidates.size(); ++i)
        packed[i] = pack(candidates[i], positions);
    const Packed p = pack(guess, positions);
    const int all = int(candidates.size()) + 1;
    return positions == 3 ? worstAnswer<3>(p, packed, all) : worstAnswer<4>(p, packed, all);
}

Code minimaxGuess(int positions, std::span<const Code> candidates, int *worstRemaining)
{
    return minimaxGuess(positions, candidates, candidates, worstRemaining);
}

GuessAdvice adviseGuess(int positions, bool singleColors, std::span<const PlayedLine> lines)
{
    positions = clampPositions(positions);
    GuessAdvice advice;
    std::vector<std::pair<Packed, int>> played;
    for (const PlayedLine &l : lines)
        played.emplace_back(pack(l.guess, positions), l.correct * 5 + l.misplaced);
    const std::vector<Code> codes = allCodes(positions, singleColors);
    for (const Code &code : codes) {
        const Packed p = pack(code, positions);
        if (std::all_of(played.begin(), played.end(),
                        [&](const auto &l) { return scoreKey(l.first, p, positions) == l.second; }))
            advice.possible.push_back(code);
    }
    if (lines.empty()) {
        // Worked out once by minimaxGuess over every code of the setting.
        struct Opening {
            int positions;
            bool singleColors;
            Code guess;
            int worstRemaining;
        };
        using P = PegColor;
        static constexpr Opening openings[] = {
            {3, false, {P::White, P::Red, P::Yellow, P::None}, 165},
            {3, true, {P::White, P::Red, P::Yellow, P::None}, 120},
            {4, false, {P::White, P::Red, P::Yellow, P::Green}, 976},
            {4, true, {P::White, P::Red, P::Yellow, P::Green}, 504},
        };
        for (const Opening &o : openings)
            if (o.positions == positions && o.singleColors == singleColors) {
                advice.guess = o.guess;
                advice.worstRemaining = o.worstRemaining;
                return advice;
            }
    }
    if (advice.possible.empty())
        return advice;
    advice.guess = minimaxGuess(positions, codes, advice.possible, &advice.worstRemaining);
    return advice;
}

QString guessWords(const Code &guess, int positions)
{
    // The colours as the game names them, in palette order.
    static const char *const names[PegColorCount] = {
        QT_TRANSLATE_NOOP("codebreaking::hint", "White"),   QT_TRANSLATE_NOOP("codebreaking::hint", "Red"),
        QT_TRANSLATE_NOOP("codebreaking::hint", "Yellow"),  QT_TRANSLATE_NOOP("codebreaking::hint", "Green"),
        QT_TRANSLATE_NOOP("codebreaking::hint", "Fuchsia"), QT_TRANSLATE_NOOP("codebreaking::hint", "Aqua"),
        QT_TRANSLATE_NOOP("codebreaking::hint", "Blue"),    QT_TRANSLATE_NOOP("codebreaking::hint", "Black")};
    QStringList pegs;
    for (int i = 0; i < clampPositions(positions); ++i) {
        const int c = int(guess[i]);
        pegs << (c >= 1 && c <= PegColorCount ? QCoreApplication::translate("codebreaking::hint", names[c - 1])
                                              : QStringLiteral("?"));
    }
    return pegs.join(QLatin1Char(' '));
}

QString hintText(const GuessAdvice &advice, int positions)
{
    if (advice.possible.empty())
        return QCoreApplication::translate("codebreaking::hint", "No code fits the lines so far.");
    const bool canWin = std::binary_search(advice.possible.begin(), advice.possible.end(), advice.guess);
    const qsizetype n = qsizetype(advice.possible.size());
    // The guess on one line and the count on the next: the board is narrow,
    // two lines of some forty letters, whatever the colours' names.
    //: %1 is the guess: the colours' names, one after the other.
    QString guess =
        QCoreApplication::translate("codebreaking::hint", "Try %1.").arg(guessWords(advice.guess, positions));
    // A translation may start the line with the colours themselves, which
    // some languages write in lower case; the line still starts a sentence.
    if (!guess.isEmpty())
        guess[0] = guess[0].toUpper();
    if (!canWin)
        return guess + QLatin1Char('\n') +
               QCoreApplication::translate("codebreaking::hint", "Not the code, but narrows the %1 best.").arg(n);
    return guess + QLatin1Char('\n') +
           (n == 1 ? QCoreApplication::translate("codebreaking::hint", "1 code is still possible.")
                   : QCoreApplication::translate("codebreaking::hint", "%1 codes are still possible.").arg(n));
}

} // namespace codebreaking
