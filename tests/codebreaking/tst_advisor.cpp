#include "codebreaking/advisor.h"
#include "platform/random.h"
#include "tests/support/testregistry.h"

#include <QTest>

#include <map>

using namespace codebreaking;

namespace {

using P = PegColor;

PlayedLine lineOf(const Code &secret, const Code &guess, int positions)
{
    const Score s = ScoreGuess(secret, guess, positions);
    return {guess, s.CorrectCount, s.MisplacedCount};
}

// The codes that fit every line, and the worst case of each candidate, by the
// game's own scoring.
std::vector<Code> fitting(int positions, bool single, const std::vector<PlayedLine> &lines)
{
    std::vector<Code> out;
    for (const Code &c : allCodes(positions, single)) {
        bool fits = true;
        for (const PlayedLine &l : lines)
            fits = fits && lineOf(c, l.guess, positions).correct == l.correct &&
                   lineOf(c, l.guess, positions).misplaced == l.misplaced;
        if (fits)
            out.push_back(c);
    }
    return out;
}

int worstOf(int positions, const Code &guess, const std::vector<Code> &possible)
{
    std::map<std::pair<int, int>, int> left;
    int worst = 0;
    for (const Code &c : possible) {
        const Score s = ScoreGuess(c, guess, positions);
        if (!s.wins)
            worst = std::max(worst, ++left[{s.CorrectCount, s.MisplacedCount}]);
    }
    return worst;
}

} // namespace

class PegoraAdvisorTest : public QObject {
    Q_OBJECT

private slots:
    void twoCodesLeft()
    {
        // White, red, yellow with three misplaced: the two ways to move all three.
        for (bool single : {false, true}) {
            const PlayedLine line{{P::White, P::Red, P::Yellow, P::None}, 0, 3};
            const GuessAdvice a = adviseGuess(3, single, std::span(&line, 1));
            QCOMPARE(a.possible, (std::vector<Code>{{P::Red, P::Yellow, P::White, P::None},
                                                    {P::Yellow, P::White, P::Red, P::None}}));
            QCOMPARE(a.guess, a.possible.front());
            QCOMPARE(a.worstRemaining, 1);
        }
    }

    void agreesWithTheGamesScoringAndABruteForceMinimax()
    {
        platform::SeededRandom random(5u);
        int bruteForced = 0;
        for (int positions : {3, 4})
            for (bool single : {false, true}) {
                const std::vector<Code> codes = allCodes(positions, single);
                QCOMPARE(int(codes.size()), positions == 3 ? (single ? 336 : 512) : (single ? 1680 : 4096));
                const Code secret = codes[std::size_t(random.below(int(codes.size())))];
                std::vector<PlayedLine> lines;
                for (int n = 0; n < 2; ++n) {
                    Code guess{};
                    for (int i = 0; i < positions; ++i)
                        guess[i] = P(random.below(8) + 1);
                    lines.push_back(lineOf(secret, guess, positions));
                }
                const GuessAdvice a = adviseGuess(positions, single, lines);
                const std::vector<Code> possible = fitting(positions, single, lines);
                QCOMPARE(a.possible, possible);
                if (possible.size() > 400)
                    continue; // brute force only where it is quick
                // Over every code, one that can win first among the equally good.
                std::pair<int, bool> best{1 << 30, true};
                Code bestGuess{};
                for (const Code &g : codes) {
                    const bool cannotWin = std::find(possible.begin(), possible.end(), g) == possible.end();
                    if (const std::pair<int, bool> w{worstOf(positions, g, possible), cannotWin}; w < best) {
                        best = w;
                        bestGuess = g;
                    }
                }
                QCOMPARE(a.worstRemaining, best.first);
                QCOMPARE(a.guess, bestGuess);
                ++bruteForced;
            }
        QVERIFY(bruteForced >= 2);
    }

    // Two White at the back and Red, Yellow or Green in front: any of the
    // three leaves the other two on the same answer, while a guess that
    // cannot win tells all three apart. The hint says why it is not a code.
    void aGuessThatCannotWinWhenItSplitsTheRestBetter()
    {
        const std::vector<PlayedLine> lines = {{{P::White, P::White, P::White, P::None}, 2, 0},
                                               {{P::Black, P::White, P::White, P::None}, 2, 0},
                                               {{P::Fuchsia, P::Aqua, P::Blue, P::None}, 0, 0}};
        const GuessAdvice a = adviseGuess(3, false, lines);
        QCOMPARE(a.possible, (std::vector<Code>{{P::Red, P::White, P::White, P::None},
                                                {P::Yellow, P::White, P::White, P::None},
                                                {P::Green, P::White, P::White, P::None}}));
        QCOMPARE(worstOf(3, a.possible.front(), a.possible), 2);
        QCOMPARE(a.worstRemaining, 1);
        QCOMPARE(worstOf(3, a.guess, a.possible), 1);
        QVERIFY(std::find(a.possible.begin(), a.possible.end(), a.guess) == a.possible.end());
        QVERIFY(hintText(a, 3).endsWith(QStringLiteral(".\nNot the code, but narrows the 3 best.")));
    }

    void theOpeningsAreTheMinimaxOfEveryCode()
    {
        for (bool single : {false, true}) {
            const GuessAdvice a = adviseGuess(3, single, {});
            int worst = 0;
            const std::vector<Code> codes = allCodes(3, single);
            QCOMPARE(a.guess, minimaxGuess(3, codes, &worst));
            QCOMPARE(a.worstRemaining, worst);
        }
    }

    void followingTheHintsSolvesEveryCode()
    {
        for (const Code &secret : allCodes(3, true)) {
            std::vector<PlayedLine> lines;
            for (;;) {
                const GuessAdvice a = adviseGuess(3, true, lines);
                QVERIFY(std::find(a.possible.begin(), a.possible.end(), secret) != a.possible.end());
                lines.push_back(lineOf(secret, a.guess, 3));
                if (lines.back().correct == 3)
                    break;
                QVERIFY(lines.size() < 10);
            }
        }
    }

    void linesThatNoCodeFitsGiveNoGuess()
    {
        const PlayedLine line{{P::White, P::White, P::White, P::White}, 2, 2};
        const GuessAdvice a = adviseGuess(4, false, std::span(&line, 1));
        QVERIFY(a.possible.empty());
        QCOMPARE(a.guess, Code{});
    }
};

GAMES_TEST(PegoraAdvisorTest);
#include "tst_advisor.moc"
