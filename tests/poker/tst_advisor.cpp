#include "platform/random.h"
#include "poker/advisor.h"
#include "tests/poker/draws.h"
#include "tests/support/testregistry.h"

#include <QTest>

#include <cmath>

using namespace poker;
using namespace poker_test;

namespace {

Card c(int value, TCardSuit suit) { return Card{TCardValue(value), suit}; }
constexpr TCardSuit S = TCardSuit::Spades, D = TCardSuit::Diamonds, C = TCardSuit::Clubs, H = TCardSuit::Hearts;

} // namespace

class AdvisorTest : public QObject {
    Q_OBJECT

private slots:
    void aRoyalFlushDealtWholeKeepsAllFive()
    {
        const KeepAdvice a = adviseKeep({c(10, H), c(1, H), c(12, H), c(11, H), c(13, H)});
        QCOMPARE(a.keep, keepOf(31));
        QCOMPARE(a.expected, 1000.0);
    }

    void theDiscardedAceMayComeBack()
    {
        // Of the 48 cards the ace may come back (1000), the nine of spades
        // (500), seven low spades (8), three aces and three nines (5), nine
        // jacks, queens and kings pairing (1): 1595 / 48.
        const Hand royal = {c(1, S), c(13, S), c(12, S), c(11, S), c(10, S)};
        QCOMPARE(expectedReturn(royal, keepOf(0b11110)), 1595.0 / 48);
    }

    void agreesWithEveryDrawSequence()
    {
        platform::SeededRandom random(11u);
        for (int round = 0; round < 4; ++round) {
            Hand hand;
            DealHand(hand, random);
            for (int pattern = 0; pattern < 32; ++pattern) {
                const int discards = 5 - __builtin_popcount(unsigned(pattern));
                if (discards > (round == 0 ? 3 : 2))
                    continue;
                const double exact = drawAll(hand, keepOf(pattern));
                QVERIFY2(std::abs(expectedReturn(hand, keepOf(pattern)) - exact) < 1e-9,
                         qPrintable(QStringLiteral("round %1 keep %2").arg(round).arg(pattern)));
            }
        }
    }

    void agreesWithTheRealSecondDeal()
    {
        // Keep the pair of twos and discard three; the real deal, many times.
        const Hand hand = {c(2, S), c(7, D), c(2, H), c(9, C), c(13, S)};
        const KeepFlags keep = keepOf(0b00101);
        platform::SeededRandom random(3u);
        const int n = 200000;
        double sum = 0, squares = 0;
        for (int i = 0; i < n; ++i) {
            Hand h = hand;
            ReplaceCards(h, keep, random);
            const double win = EvaluateHand(h).multiplier;
            sum += win;
            squares += win * win;
        }
        const double mean = sum / n, error = std::sqrt((squares / n - mean * mean) / n);
        QVERIFY2(std::abs(mean - expectedReturn(hand, keep)) < 4 * error,
                 qPrintable(QStringLiteral("%1 vs %2").arg(mean).arg(expectedReturn(hand, keep))));
    }

    void keepsAHighPairOverNothing()
    {
        const KeepAdvice a = adviseKeep({c(11, S), c(4, D), c(11, H), c(9, C), c(2, S)});
        QCOMPARE(a.keep, keepOf(0b00101));
        QVERIFY(a.expected > 1.0 && a.expected < 2.0);
    }

    void aHandWithARepeatedCardIsKeptAsItIs()
    {
        const KeepAdvice a = adviseKeep({c(2, S), c(2, S), c(5, H), c(9, C), c(13, D)});
        QCOMPARE(a.keep, keepOf(31));
        QCOMPARE(a.expected, 0.0);
    }
};

GAMES_TEST(AdvisorTest);
#include "tst_advisor.moc"
