#include "poker/round.h"
#include "tests/poker/scriptedrandom.h"
#include "tests/support/testregistry.h"

#include <QTest>

using namespace poker;
using namespace poker_test;

namespace {

const std::initializer_list<Card> nothing = {card(2, H), card(7, S), card(9, C), card(11, D), card(4, H)};
const std::initializer_list<Card> jacks = {card(11, H), card(11, S), card(9, C), card(3, D), card(4, H)};
const std::initializer_list<Card> royal = {card(1, S), card(13, S), card(12, S), card(11, S), card(10, S)};

// Both deals of one hand with every card kept: the hand dealt is the hand settled.
Round::Settlement playHeld(Round &round, ScriptedRandom &random, std::initializer_list<Card> hand, long double bet)
{
    random.deal(hand);
    if (round.deal(bet).refused != Refusal::None)
        return {};
    round.draw();
    round.settle();
    for (int i = 0; i < HandSize; ++i)
        round.toggleKeep(i);
    round.deal(bet);
    round.draw();
    return round.settle();
}

} // namespace

class RoundTest : public QObject {
    Q_OBJECT
private slots:
    void refusalsSayWhy()
    {
        ScriptedRandom random;
        Round round(random);
        QCOMPARE(round.Credits(), 100);
        QCOMPARE(round.Bet(), 0);
        QVERIFY(round.betting() && round.faceDown(0));

        QCOMPARE(round.deal(0).refused, Refusal::NoBet);
        QCOMPARE(refusalText(Refusal::NoBet, 100), QStringLiteral("You must play at least 1 credit."));
        QCOMPARE(round.deal(-3).refused, Refusal::NoBet);
        QCOMPARE(round.deal(100.5L).refused, Refusal::OutOfRange);
        QCOMPARE(refusalText(Refusal::OutOfRange, 100), QStringLiteral("Credits played out of range.\nYou can play from 1 to 100 credits."));
        QCOMPARE(refusalText(Refusal::OutOfRange, 1), QStringLiteral("Credits played out of range.\nYou can play 1 credit."));
        QVERIFY(round.betting() && !round.dealing() && round.faceDown(0));

        // The edit's text: any whole 32-bit number is taken, the deal judges it.
        QCOMPARE(round.enterBet(QStringLiteral("500")), Refusal::None);
        QCOMPARE(round.Bet(), 500);
        for (const QString &bad : {QStringLiteral("-"), QStringLiteral("99999999999"), QStringLiteral("1.5")}) {
            QCOMPARE(round.enterBet(bad), Refusal::InvalidValue);
            QCOMPARE(round.Bet(), 500);
        }
        QCOMPARE(refusalText(Refusal::InvalidValue, 100), QStringLiteral("Invalid value."));
        QCOMPARE(round.enterBet(QString()), Refusal::None);
        QCOMPARE(round.Bet(), 500);

        // While the cards are on their way, only the deal goes on.
        QCOMPARE(round.deal(12).refused, Refusal::None);
        QCOMPARE(round.Bet(), 12); // the bet checked is the bet played
        QVERIFY(round.dealing() && !round.betting());
        QCOMPARE(round.deal(12).refused, Refusal::NotNow);
        QCOMPARE(round.enterBet(QStringLiteral("3")), Refusal::NotNow);
        QVERIFY(refusalText(Refusal::NotNow, 100).isEmpty());
        round.plusOne();
        round.playAll();
        QVERIFY(!round.toggleKeep(0));
        QCOMPARE(round.Bet(), 12);
        round.draw();
        round.settle();

        // Holding: the bet buttons and the edit are off, all credits is not.
        QVERIFY(round.holding() && !round.dealing());
        round.plusTen();
        round.minusOne();
        QCOMPARE(round.enterBet(QStringLiteral("3")), Refusal::NotNow);
        QCOMPARE(round.Bet(), 12);
        round.playAll();
        QCOMPARE(round.Bet(), 100);
        QVERIFY(round.toggleKeep(4) && round.kept()[4]);
        QVERIFY(!round.toggleKeep(5));
    }

    void betButtonsKeepTheirBounds()
    {
        ScriptedRandom random;
        Round round(random);
        round.minusOne();
        QCOMPARE(round.Bet(), 0); // a bet of 0 stays 0
        round.minusTen();
        QCOMPARE(round.Bet(), 1);
        round.plusTen();
        round.minusOne();
        QCOMPARE(round.Bet(), 10);
        round.minusTen();
        QCOMPARE(round.Bet(), 1);
        round.enterBet(QStringLiteral("95"));
        round.plusTen();
        QCOMPARE(round.Bet(), 100);
        round.plusOne();
        QCOMPARE(round.Bet(), 100);
    }

    void settlementPaysTheTable()
    {
        ScriptedRandom random;
        Round round(random);

        // After the first deal only the comment and the sound tell.
        random.deal(jacks);
        QVERIFY(!round.deal(5).turnedDown); // the cards lay face down already
        round.draw();
        QVERIFY(!round.faceDown(0) && !round.faceDown(4));
        Round::Settlement first = round.settle();
        QCOMPARE(first.payoff->row, 9);
        QCOMPARE(first.sound, SoundClass::Money);
        QVERIFY(!first.settled);
        QCOMPARE(round.Credits(), 100);
        QCOMPARE(round.NextDeal(), 2);

        // Two cards kept, three turned down and replaced around them.
        round.toggleKeep(0);
        round.toggleKeep(1);
        random.deal({card(9, D), card(5, C), card(2, S)});
        QVERIFY(round.deal(5).turnedDown);
        QVERIFY(!round.faceDown(0) && round.faceDown(2) && round.faceDown(4));
        round.draw();
        const Hand expected = {card(11, H), card(11, S), card(9, D), card(5, C), card(2, S)};
        QCOMPARE(round.hand(), expected);
        Round::Settlement pair = round.settle();
        QVERIFY(pair.settled);
        QCOMPARE(pair.sound, SoundClass::Money);
        QCOMPARE(pair.won, 5); // the gross win: the stake comes back
        QCOMPARE(pair.credits, 100);
        QVERIFY(round.betting() && !round.kept()[0]);

        QCOMPARE(playHeld(round, random, nothing, 5).won, 0);
        QCOMPARE(round.Credits(), 95);

        // A great hand held through both deals is heard once.
        const Round::Settlement great = playHeld(round, random, royal, 2);
        QCOMPARE(great.sound, SoundClass::None);
        QVERIFY(round.GreatPlayed());
        QCOMPARE(great.won, 2000);
        QCOMPARE(round.Credits(), 95 - 2 + 2000);
    }

    // Whatever is dealt, kept and bet, the bank is 100 plus what every
    // settlement brought, and each hand pays its row of the table.
    void creditsAreTheSumOfTheSettlements()
    {
        platform::SeededRandom random(31u);
        Round round(random);
        std::int64_t bank = 100;
        int games = 0;
        for (int hand = 0; hand < 3000; ++hand) {
            const std::int32_t bet = 1 + random.below(round.Credits());
            QCOMPARE(round.deal(bet).refused, Refusal::None);
            round.draw();
            round.settle();
            for (int i = 0; i < HandSize; ++i)
                if (random.below(2))
                    round.toggleKeep(i);
            QCOMPARE(round.deal(bet).refused, Refusal::None);
            round.draw();
            const Round::Settlement s = round.settle();
            QCOMPARE(s.won, std::int64_t(bet) * EvaluateHand(round.hand()).multiplier);
            bank += s.won - bet;
            QCOMPARE(std::int64_t(round.Credits()), bank);
            QVERIFY(round.Bet() <= round.Credits());
            QCOMPARE(s.gameOver, bank == 0);
            if (s.gameOver) {
                ++games;
                round.newGame();
                bank = 100;
            }
        }
        QVERIFY(games > 0);
    }

    void winsBeyondThirtyTwoBitsFillTheBank()
    {
        ScriptedRandom random;
        Round round(random);
        for (const std::int32_t after : {100000, 100000000}) {
            round.playAll();
            playHeld(round, random, royal, round.Bet());
            QCOMPARE(round.Credits(), after);
        }
        round.playAll();
        const Round::Settlement s = playHeld(round, random, royal, round.Bet());
        QCOMPARE(s.won, std::int64_t(100000000) * 1000);
        QCOMPARE(round.Credits(), Round::MaxCredits);
        round.playAll();
        round.plusTen();
        round.plusOne();
        QCOMPARE(round.Bet(), Round::MaxCredits);
    }

    void gameOverAtNoCredits()
    {
        ScriptedRandom random;
        Round round(random);
        playHeld(round, random, jacks, 30);
        const Round::Settlement lost = playHeld(round, random, nothing, 70);
        QVERIFY(!lost.gameOver);
        QCOMPARE(round.Bet(), 30); // lowered to what is left
        QVERIFY(lost.betLowered);
        QVERIFY(playHeld(round, random, nothing, 30).gameOver);
        QCOMPARE(round.Credits(), 0);
        QCOMPARE(round.deal(1).refused, Refusal::OutOfRange);
        round.newGame();
        QCOMPARE(round.Credits(), 100);
        QCOMPARE(round.Bet(), 0);
        for (int i = 0; i < HandSize; ++i)
            QVERIFY(round.faceDown(i));
    }
};

GAMES_TEST(RoundTest);
#include "tst_round.moc"
