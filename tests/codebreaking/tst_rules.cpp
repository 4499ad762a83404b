#include "codebreaking/rules.h"
#include "platform/random.h"
#include "tests/support/testregistry.h"

#include <QTest>

#include <algorithm>
#include <set>

using namespace codebreaking;

namespace {

constexpr PegColor W = PegColor::White, R = PegColor::Red, Y = PegColor::Yellow, G = PegColor::Green,
                   F = PegColor::Fuchsia, A = PegColor::Aqua, B = PegColor::Blue, K = PegColor::Black;

Code codeOf(int index)
{
    Code c{};
    for (int i = 0; i < 4; ++i, index /= 8)
        c[i] = PegColor(index % 8 + 1);
    return c;
}

// The count-based reading of the rule: the placed pegs, and of the rest as many
// as the colour counts of code and guess have in common.
Score byCounts(const Code &secret, const Code &guess, int n)
{
    Score s;
    int inSecret[9] = {}, inGuess[9] = {};
    for (int i = 0; i < n; ++i) {
        ++inSecret[int(secret[i])];
        ++inGuess[int(guess[i])];
        s.CorrectCount += secret[i] == guess[i];
    }
    s.wins = s.CorrectCount == n;
    if (!s.wins) {
        int common = 0;
        for (int c = 1; c <= 8; ++c)
            common += std::min(inSecret[c], inGuess[c]);
        s.MisplacedCount = std::uint16_t(common - s.CorrectCount);
    }
    return s;
}

// Counts the reseeds, so a test can see every game starts from the clock.
class CountingRandom final : public platform::TwisterRandom {
public:
    using TwisterRandom::TwisterRandom;
    int reseeds = 0;
    void randomize() override { ++reseeds; }
};

struct Game {
    GameState state;
    GameStats stats;
    platform::SeededRandom random{7u};
    Code wrong() const
    {
        // A colour missing from the code: it can score nothing.
        for (int c = 1; c <= 8; ++c)
            if (std::find(state.Secret.begin(), state.Secret.end(), PegColor(c)) == state.Secret.end())
                return {PegColor(c), PegColor(c), PegColor(c), PegColor(c)};
        return {};
    }
    // Fills the current line with the guess and checks it.
    CheckResult play(const Code &guess)
    {
        for (int column = 1; column <= state.Positions; ++column)
            state.placePeg(state.Line, column, guess[column - 1]);
        return state.Check(stats);
    }
};

} // namespace

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void scoringExamples()
    {
        QCOMPARE(ScoreGuess({R, R, B, G}, {R, B, R, R}, 4), (Score{1, 2, false}));
        // Only the first three are scored at three colours; the fourth is noise.
        QCOMPARE(ScoreGuess({Y, Y, W, W}, {W, Y, Y, K}, 3), (Score{1, 2, false}));
        QCOMPARE(ScoreGuess({Y, Y, W, B}, {Y, Y, W, K}, 3), (Score{3, 0, true}));
        QCOMPARE(ScoreGuess({K, K, K, K}, {K, K, K, K}, 4), (Score{4, 0, true}));
        QCOMPARE(ScoreGuess({W, R, Y, G}, {F, A, B, K}, 4), (Score{0, 0, false}));
        QCOMPARE(ScoreGuess({W, R, Y, G}, {G, Y, R, W}, 4), (Score{0, 4, false}));
        QCOMPARE(ScoreGuess({R, R, R, B}, {B, R, R, R}, 4), (Score{2, 2, false}));
        QCOMPARE(ScoreGuess({R, W, W, W}, {B, R, R, R}, 4), (Score{0, 1, false}));
    }

    // Every code against every guess, at four pegs and at three.
    void scoringAgreesWithColorCounts()
    {
        for (int s = 0; s < 4096; ++s) {
            const Code secret = codeOf(s);
            for (int g = 0; g < 4096; ++g) {
                const Code guess = codeOf(g);
                const Score got = ScoreGuess(secret, guess, 4);
                const Score want = byCounts(secret, guess, 4);
                if (!(got == want))
                    QFAIL(qPrintable(QStringLiteral("code %1 guess %2").arg(s).arg(g)));
                if (s < 512) { // every three-peg code; the guesses' fourth peg varies
                    if (!(ScoreGuess(secret, guess, 3) == byCounts(secret, guess, 3)))
                        QFAIL(qPrintable(QStringLiteral("3: code %1 guess %2").arg(s).arg(g)));
                }
            }
        }
    }

    void drawWithAndWithoutSingleColors()
    {
        CountingRandom random(99u);
        GameState g;
        bool repeats = false;
        std::set<int> seen[4];
        for (int i = 0; i < 2000; ++i) {
            g.DrawSecret(false, random);
            for (int p = 0; p < 4; ++p) {
                QVERIFY(int(g.Secret[p]) >= 1 && int(g.Secret[p]) <= 8);
                seen[p].insert(int(g.Secret[p]));
            }
            repeats = repeats || std::set<PegColor>(g.Secret.begin(), g.Secret.end()).size() < 4;
        }
        QVERIFY(repeats);
        for (const auto &s : seen)
            QCOMPARE(int(s.size()), 8);
        for (int i = 0; i < 2000; ++i) {
            g.Start(3, true, random); // the fourth peg differs too, also at three
            QCOMPARE(std::set<PegColor>(g.Secret.begin(), g.Secret.end()).size(), size_t(4));
        }
        QCOMPARE(random.reseeds, 4000);

        // The same seed, the same codes.
        platform::SeededRandom a(5u), b(5u);
        GameState ga, gb;
        ga.Start(4, false, a);
        gb.Start(4, false, b);
        QCOMPARE(ga.Secret, gb.Secret);
    }

    void startAndClock()
    {
        Game g;
        g.state.Start(4, false, g.random);
        g.play(g.wrong());
        g.state.Tick();
        g.state.Tick();
        QCOMPARE(g.state.Seconds, std::uint16_t(2));
        g.state.Won = true;
        g.state.Start(4, false, g.random);
        QCOMPARE(g.state.Line, std::uint16_t(1));
        QCOMPARE(g.state.Seconds, std::uint16_t(0));
        QCOMPARE(g.state.phase(), GamePhase::Running);
        QVERIFY(!g.state.Won && !g.state.training() && !g.state.canRepeat());
        QVERIFY(!g.state.score(1));
        for (int column = 1; column <= 4; ++column)
            QCOMPARE(g.state.peg(1, column), PegColor::None);
        // A clock left running for a day stops at its limit instead of wrapping to 0.
        g.state.Seconds = 65534;
        g.state.Tick();
        g.state.Tick();
        QCOMPARE(g.state.Seconds, std::uint16_t(65535));
    }

    // Pegs go only into the first Positions holes of the current line, while
    // the game runs; every checked line keeps its pegs and counts.
    void placingEmptyingAndTheLines()
    {
        Game g;
        g.state.Start(3, false, g.random);
        QCOMPARE(g.state.placePeg(1, 1, R), MoveResult::Done);
        QCOMPARE(g.state.placePeg(1, 4, R), MoveResult::OutsideCurrentLine); // hidden at three
        QCOMPARE(g.state.placePeg(2, 1, R), MoveResult::OutsideCurrentLine);
        QCOMPARE(g.state.placePeg(0, 1, R), MoveResult::OutsideCurrentLine);
        QCOMPARE(g.state.placePeg(1, 0, R), MoveResult::OutsideCurrentLine);
        QCOMPARE(g.state.placePeg(1, 2, PegColor::None), MoveResult::NoColor);
        QCOMPARE(g.state.placePeg(1, 2, PegColor(9)), MoveResult::NoColor);
        QVERIFY(g.state.accepts(1, 3) && !g.state.accepts(1, 4) && !g.state.accepts(2, 1));
        QCOMPARE(g.state.Check(g.stats).result, MoveResult::LineNotFull);
        QCOMPARE(g.state.placePeg(1, 2, B), MoveResult::Done);
        QCOMPARE(g.state.placePeg(1, 3, K), MoveResult::Done);
        QVERIFY(g.state.canCheck());
        QCOMPARE(g.state.emptyHole(1, 2), MoveResult::Done);
        QCOMPARE(g.state.emptyHole(2, 2), MoveResult::OutsideCurrentLine);
        QCOMPARE(g.state.peg(1, 2), PegColor::None);
        QVERIFY(!g.state.canCheck());
        QCOMPARE(g.state.Check(g.stats).result, MoveResult::LineNotFull);
        QCOMPARE(g.state.Line, std::uint16_t(1));
        QVERIFY(!g.state.score(1));

        const Code first = g.wrong();
        const Code second{first[0], g.state.Secret[1], first[0], first[0]};
        QCOMPARE(g.play(first).outcome, CheckOutcome::NextLine);
        QCOMPARE(g.play(second).outcome, CheckOutcome::NextLine);
        QCOMPARE(g.state.placePeg(1, 1, W), MoveResult::OutsideCurrentLine); // a checked line is closed
        QCOMPARE(g.state.score(1), (Score{0, 0, false}));
        QCOMPARE(g.state.score(2), ScoreGuess(g.state.Secret, second, 3));
        QVERIFY(!g.state.score(3) && !g.state.score(11));
        for (int column = 1; column <= 3; ++column) {
            QCOMPARE(g.state.peg(1, column), first[column - 1]);
            QCOMPARE(g.state.peg(2, column), second[column - 1]);
        }
        QCOMPARE(g.state.peg(11, 1), PegColor::None);
    }

    // Repeat follows a check that left the game running, once; it brings back
    // the previous line whatever the current one held.
    void repeatingTheLine()
    {
        Game g;
        g.state.Start(4, false, g.random);
        QCOMPARE(g.state.repeatLine(), MoveResult::NothingToRepeat);
        const Code first{R, R, B, G};
        QCOMPARE(g.play(first).outcome, CheckOutcome::NextLine);
        QVERIFY(g.state.canRepeat() && !g.state.canCheck());
        g.state.placePeg(2, 1, K);
        QCOMPARE(g.state.repeatLine(), MoveResult::Done);
        for (int column = 1; column <= 4; ++column)
            QCOMPARE(g.state.peg(2, column), first[column - 1]);
        QVERIFY(g.state.canCheck() && !g.state.canRepeat());
        QCOMPARE(g.state.repeatLine(), MoveResult::NothingToRepeat);
        g.state.Check(g.stats);
        QVERIFY(g.state.canRepeat());
        g.state.GiveUp(g.stats);
        QVERIFY(!g.state.canRepeat());
        QCOMPARE(g.state.repeatLine(), MoveResult::GameOver);
    }

    void winLossAndGiveUpStatistics()
    {
        Game g;
        g.state.Start(4, false, g.random);
        for (int line = 1; line <= 3; ++line)
            QCOMPARE(g.play(g.wrong()).outcome, CheckOutcome::NextLine);
        for (int i = 0; i < 70; ++i)
            g.state.Tick();
        CheckResult r = g.play(g.state.Secret);
        QCOMPARE(r.outcome, CheckOutcome::Won);
        QCOMPARE(r.score, (Score{4, 0, true}));
        QCOMPARE(g.state.phase(), GamePhase::Won);
        QVERIFY(g.state.Won && !g.state.running());
        QCOMPARE(g.state.Line, std::uint16_t(4));
        QCOMPARE(g.stats, (GameStats{70, 4, 1, 0}));
        // An ended game takes no more moves, checks, give-ups nor seconds.
        QCOMPARE(g.state.placePeg(4, 1, R), MoveResult::GameOver);
        QCOMPARE(g.state.emptyHole(4, 1), MoveResult::GameOver);
        QVERIFY(!g.state.accepts(4, 1) && !g.state.canCheck());
        QCOMPARE(g.state.Check(g.stats).result, MoveResult::GameOver);
        QCOMPARE(g.state.GiveUp(g.stats), MoveResult::GameOver);
        g.state.Tick();
        QCOMPARE(g.state.Seconds, std::uint16_t(70));
        QCOMPARE(g.stats, (GameStats{70, 4, 1, 0}));

        g.state.Start(4, false, g.random);
        g.state.Seconds = 300;
        for (int line = 1; line <= 9; ++line)
            g.play(g.wrong());
        QCOMPARE(g.state.Line, std::uint16_t(10));
        QCOMPARE(g.play(g.wrong()).outcome, CheckOutcome::Lost);
        QCOMPARE(g.state.phase(), GamePhase::Lost);
        QVERIFY(!g.state.canRepeat());
        QCOMPARE(g.stats, (GameStats{370, 14, 2, 1}));

        g.state.Start(4, false, g.random);
        g.state.Seconds = 50;
        g.play(g.wrong());
        QCOMPARE(g.state.GiveUp(g.stats), MoveResult::Done);
        QCOMPARE(g.state.phase(), GamePhase::GivenUp);
        QCOMPARE(g.stats, (GameStats{370, 14, 3, 2}));
        g.state.GiveUp(g.stats);
        QCOMPARE(g.stats, (GameStats{370, 14, 3, 2}));

        // A win on the last line is a win.
        g.state.Start(4, false, g.random);
        for (int line = 1; line <= 9; ++line)
            g.play(g.wrong());
        QCOMPARE(g.play(g.state.Secret).outcome, CheckOutcome::Won);
        QCOMPARE(g.stats, (GameStats{370, 24, 4, 2}));

        g.stats.Reset();
        QCOMPARE(g.stats, GameStats{});
    }

    void trainingGamesCountNowhere()
    {
        for (const auto &[positions, single] : {std::pair{3, false}, {4, true}, {3, true}}) {
            Game g;
            g.state.Start(positions, single, g.random);
            QVERIFY(g.state.training());
            QCOMPARE(g.play(g.state.Secret).outcome, CheckOutcome::Won);
            g.state.Start(positions, single, g.random);
            for (int line = 1; line <= 10; ++line)
                g.play(g.wrong());
            QCOMPARE(g.state.phase(), GamePhase::Lost);
            g.state.Start(positions, single, g.random);
            g.state.GiveUp(g.stats);
            QCOMPARE(g.stats, GameStats{});
        }
    }

    // Totals stop at 32767 instead of turning negative.
    void totalsSaturate()
    {
        Game g;
        g.stats = GameStats{32700, 32765, 32767, 32767};
        g.state.Start(4, false, g.random);
        g.state.Seconds = 65535;
        for (int line = 1; line <= 10; ++line)
            g.play(g.wrong());
        QCOMPARE(g.stats, (GameStats{32767, 32767, 32767, 32767}));
        g.state.Start(4, false, g.random);
        g.state.GiveUp(g.stats);
        QCOMPARE(g.stats, (GameStats{32767, 32767, 32767, 32767}));
        // A negative total read from a hand-edited file still moves up normally.
        g.stats = GameStats{-5, 0, 0, 0};
        g.state.Start(4, false, g.random);
        g.state.Seconds = 8;
        g.play(g.state.Secret);
        QCOMPARE(g.stats, (GameStats{3, 1, 1, 0}));
    }
};

GAMES_TEST(RulesTest);
#include "tst_rules.moc"
