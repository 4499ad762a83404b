#include "platform/random.h"
#include "poker/hand.h"
#include "tests/poker/scriptedrandom.h"
#include "tests/support/testregistry.h"

#include <QTest>

#include <array>

using namespace poker;

using namespace poker_test;

namespace {

Card c(int value, TCardSuit suit) { return card(value, suit); }

int rowOf(const Hand &hand) { return EvaluateHand(hand).row; }

} // namespace

class HandTest : public QObject {
    Q_OBJECT
private slots:
    void drawIsSuitFirstWithItsMapping()
    {
        ScriptedRandom r;
        r.script = {0, 0, 1, 12, 2, 5, 3, 9};
        Card card;
        card.PickRandom(r);
        QCOMPARE(card, c(1, H));
        card.PickRandom(r);
        QCOMPARE(card, c(13, C));
        card.PickRandom(r);
        QCOMPARE(card, c(6, S));
        card.PickRandom(r);
        QCOMPARE(card, c(10, D));
        QCOMPARE(r.bounds, (std::vector<int>{4, 13, 4, 13, 4, 13, 4, 13}));
    }

    void cardsDifferUnlessValueAndSuitAgree()
    {
        QVERIFY(c(5, H).DiffersFrom(c(5, S)));
        QVERIFY(c(5, H).DiffersFrom(c(6, H)));
        QVERIFY(!c(5, H).DiffersFrom(c(5, H)));
        QCOMPARE(clampValue(0), TCardValue(1));
        QCOMPARE(clampValue(14), TCardValue(13));
        QCOMPARE(clampValue(-300), TCardValue(1));
    }

    void rowsOfTheTable()
    {
        QCOMPARE(rowOf({c(1, S), c(13, S), c(12, S), c(11, S), c(10, S)}), 1);
        QCOMPARE(rowOf({c(1, H), c(2, H), c(3, H), c(4, H), c(5, H)}), 2);
        QCOMPARE(rowOf({c(9, C), c(10, C), c(11, C), c(12, C), c(13, C)}), 2);
        QCOMPARE(rowOf({c(1, H), c(2, S), c(3, H), c(4, H), c(5, H)}), 6);
        QCOMPARE(rowOf({c(1, H), c(13, S), c(12, H), c(11, H), c(10, H)}), 6);
        QCOMPARE(rowOf({c(12, H), c(13, S), c(1, H), c(2, H), c(3, D)}), 10); // no wrap-around
        QCOMPARE(rowOf({c(13, H), c(13, S), c(13, C), c(13, D), c(1, D)}), 3);
        QCOMPARE(rowOf({c(1, H), c(1, S), c(1, C), c(1, D), c(2, D)}), 3);
        QCOMPARE(rowOf({c(2, H), c(2, S), c(2, C), c(1, D), c(1, S)}), 4);
        QCOMPARE(rowOf({c(1, H), c(1, S), c(1, C), c(2, D), c(2, S)}), 4);
        QCOMPARE(rowOf({c(2, H), c(7, H), c(9, H), c(11, H), c(4, H)}), 5);
        QCOMPARE(rowOf({c(7, H), c(7, S), c(7, C), c(11, H), c(4, H)}), 7);
        QCOMPARE(rowOf({c(3, H), c(3, S), c(2, C), c(2, H), c(9, H)}), 8);
        QCOMPARE(rowOf({c(11, H), c(11, S), c(2, C), c(5, H), c(9, H)}), 9);
        QCOMPARE(rowOf({c(1, H), c(1, S), c(2, C), c(5, H), c(9, H)}), 9);
        QCOMPARE(rowOf({c(10, H), c(10, S), c(2, C), c(5, H), c(9, H)}), 10);
        const Payoff &royal = EvaluateHand({c(10, D), c(1, D), c(12, D), c(11, D), c(13, D)});
        QCOMPARE(QString::fromLatin1(royal.comment), QStringLiteral("Royal Flush !!!"));
        QCOMPARE(royal.multiplier, 1000);
        QCOMPARE(royal.sound, SoundClass::Great);
        const Payoff &pair = EvaluateHand({c(12, D), c(12, S), c(3, D), c(7, D), c(8, H)});
        QCOMPARE(QString::fromLatin1(pair.comment), QStringLiteral("Pair."));
        QCOMPARE(pair.multiplier, 1);
        QCOMPARE(pair.sound, SoundClass::Money);
    }

    // Every one of the 2,598,960 hands, against the textbook counts.
    void allHandsGiveTheTextbookCounts()
    {
        std::array<Card, 52> deck;
        for (int i = 0; i < 52; ++i)
            deck[std::size_t(i)] = c(i % 13 + 1, TCardSuit(i / 13));
        std::array<long, 11> count{};
        Hand h;
        for (int a = 0; a < 52; ++a) {
            h[0] = deck[std::size_t(a)];
            for (int b = a + 1; b < 52; ++b) {
                h[1] = deck[std::size_t(b)];
                for (int x = b + 1; x < 52; ++x) {
                    h[2] = deck[std::size_t(x)];
                    for (int y = x + 1; y < 52; ++y) {
                        h[3] = deck[std::size_t(y)];
                        for (int z = y + 1; z < 52; ++z) {
                            h[4] = deck[std::size_t(z)];
                            ++count[std::size_t(EvaluateHand(h).row)];
                        }
                    }
                }
            }
        }
        const std::array<long, 11> expected = {0, 4, 36, 624, 3744, 5108, 10200, 54912, 123552, 337920, 2062860};
        for (int row = 1; row <= 10; ++row)
            QCOMPARE(count[std::size_t(row)], expected[std::size_t(row)]);
    }

    void firstDealGivesFiveDifferentCardsEachAsOften()
    {
        platform::SeededRandom r(2024u);
        std::array<long, 52> seen{};
        const int deals = 20800; // 104,000 cards, 2000 of each expected
        for (int n = 0; n < deals; ++n) {
            Hand h;
            DealHand(h, r);
            for (int i = 0; i < HandSize; ++i) {
                QVERIFY(h[std::size_t(i)].value >= 1 && h[std::size_t(i)].value <= 13);
                for (int j = 0; j < i; ++j)
                    QVERIFY(h[std::size_t(i)].DiffersFrom(h[std::size_t(j)]));
                ++seen[std::size_t(int(h[std::size_t(i)].suit) * 13 + h[std::size_t(i)].value - 1)];
            }
        }
        const double expected = deals * 5.0 / 52;
        double chi2 = 0;
        for (long n : seen)
            chi2 += (n - expected) * (n - expected) / expected;
        // 51 degrees of freedom: above 90 happens by chance about once in 2000 runs.
        QVERIFY2(chi2 < 90, qPrintable(QString::number(chi2)));
    }

    void secondDealKeepsKeptCardsAndNeverDuplicates()
    {
        platform::SeededRandom r(99u);
        bool discardCameBack = false;
        for (int n = 0; n < 5000; ++n) {
            Hand h;
            DealHand(h, r);
            const Hand before = h;
            KeepFlags keep;
            for (bool &k : keep)
                k = r.below(2) == 1;
            std::vector<int> drawn;
            ReplaceCards(h, keep, r, [&](int i) { drawn.push_back(i); });
            for (int i = 0; i < HandSize; ++i) {
                if (keep[std::size_t(i)])
                    QCOMPARE(h[std::size_t(i)], before[std::size_t(i)]);
                else
                    discardCameBack = discardCameBack || h[std::size_t(i)] == before[std::size_t(i)];
                for (int j = 0; j < i; ++j)
                    QVERIFY(h[std::size_t(i)].DiffersFrom(h[std::size_t(j)]));
            }
            std::vector<int> expected;
            for (int i = 0; i < HandSize; ++i)
                if (!keep[std::size_t(i)])
                    expected.push_back(i);
            QCOMPARE(drawn, expected);
        }
        QVERIFY(discardCameBack); // a discarded card may be dealt again, even into its place
    }

    void secondDealWithAllKeptDrawsNothing()
    {
        ScriptedRandom r;
        Hand h = {c(2, H), c(3, H), c(4, H), c(5, H), c(6, H)};
        const Hand before = h;
        ReplaceCards(h, {true, true, true, true, true}, r);
        QCOMPARE(h, before);
        QVERIFY(r.bounds.empty());
    }

    void unvisitedDiscardsStillBlockEarlierPositions()
    {
        // Position 1 draws the card still lying at position 2, then another.
        ScriptedRandom r;
        Hand h = {c(2, H), c(3, H), c(4, H), c(5, H), c(6, H)};
        r.script = {0, 2, 1, 8}; // 3 of Hearts (taken by position 2), then 9 of Clubs
        ReplaceCards(h, {false, true, true, true, true}, r);
        QCOMPARE(h[0], c(9, C));
    }
};

GAMES_TEST(HandTest);
#include "tst_hand.moc"
