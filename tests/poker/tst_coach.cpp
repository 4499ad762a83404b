// The coach at the table: each keep rated by the expected win it gives away
// at the bet, against the best keep, counted here draw by draw.
#include "controls/numedit.h"
#include "controls/review.h"
#include "platform/testing/fakeplatform.h"
#include "poker/advisor.h"
#include "poker/coaching.h"
#include "poker/mainform.h"
#include "tests/poker/draws.h"
#include "tests/poker/scriptedrandom.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QTest>

#include <memory>

using namespace poker;
using namespace poker_test;

namespace {

const std::initializer_list<Card> straight = {card(1, S), card(13, S), card(12, S), card(11, S), card(10, H)};

// The best keep of those that draw at most two cards, and what it is worth.
std::pair<KeepFlags, double> bestOfTheSmallKeeps(const Hand &hand)
{
    std::pair<KeepFlags, double> best{{}, -1};
    for (int pattern = 0; pattern < 32; ++pattern)
        if (__builtin_popcount(unsigned(pattern)) >= 3)
            if (const double v = drawAll(hand, keepOf(pattern)); v > best.second)
                best = {keepOf(pattern), v};
    return best;
}

} // namespace

class CoachTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void aKeepIsRatedByTheCreditsItGivesAway()
    {
        const Hand hand = handOf(straight);
        const auto [bestKeep, bestWin] = bestOfTheSmallKeeps(hand);
        QCOMPARE(adviseKeep(hand).keep, bestKeep); // four to the royal flush

        // The straight kept whole, at 5 credits.
        const double loss = (bestWin - EvaluateHand(hand).multiplier) * 5;
        coach::Rating r = rateKeep(hand, keepOf(31), 5);
        QVERIFY(std::abs(r.loss - loss) < 1e-9);
        QCOMPARE(r.grade, coach::Grade::Blunder);
        QCOMPARE(r.move, QStringLiteral("Keep all five"));
        QCOMPARE(r.verdict, QStringLiteral("Best was: Keep A K Q J (%1 credits lost).").arg(loss, 0, 'f', 2));

        // The best keep, at any bet, gives nothing away; nor does one as good
        // to the cent.
        QCOMPARE(rateKeep(hand, bestKeep, 1000).grade, coach::Grade::Best);
        QCOMPARE(rateKeep(hand, bestKeep, 1000).loss, 0.0);
        const KeepFlags three = keepOf(0b00111); // A K Q
        r = rateKeep(hand, three, 1);
        QVERIFY(std::abs(r.loss - (bestWin - drawAll(hand, three))) < 1e-9);
        QCOMPARE(r.move, QStringLiteral("Keep A K Q"));
    }

    void theTableSaysHowEachKeepWasAndReviewsTheRun()
    {
        platform::testing::FakePlatform fake;
        ScriptedRandom random;
        platform::Platform platform{fake.messages, fake.sound, fake.help, fake.shell, random};
        TMainForm form(platform);
        form.setDealPause(0);
        form.coach().toggle();

        // The straight, kept whole.
        form.cpEdit->SetValue(5);
        random.deal(straight);
        form.DealButtonClick();
        for (auto click : {&TMainForm::Card1Click, &TMainForm::Card2Click, &TMainForm::Card3Click,
                           &TMainForm::Card4Click, &TMainForm::Card5Click})
            (form.*click)();
        form.DealButtonClick();
        form.coach().settle();
        const double loss = rateKeep(handOf(straight), keepOf(31), 5).loss;
        QCOMPARE(form.coachLine(), QStringLiteral("Best was: Keep A K Q J (%1 credits lost).").arg(loss, 0, 'f', 2));

        // The hint followed.
        form.cpEdit->SetValue(1);
        random.deal({card(11, H), card(11, S), card(9, C), card(3, D), card(4, H)});
        form.DealButtonClick();
        form.Hint1->trigger();
        QTRY_VERIFY(!form.status().isEmpty() && !form.status().startsWith(QStringLiteral("Working")));
        form.DealButtonClick();
        form.coach().settle();
        QCOMPARE(form.coachLine(), QStringLiteral("Best move."));

        TReviewDialog &review = form.coach().review(&form);
        QCOMPARE(review.summary()->text(), QStringLiteral("2 moves, 1 best, %1 credits lost.").arg(loss, 0, 'f', 2));
        // The credits after each hand, as the table showed them.
        QCOMPARE(form.coach().ratings().back().yours, double(form.round().Credits()));
    }
};

GAMES_TEST(CoachTest);
#include "tst_coach.moc"
