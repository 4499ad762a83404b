// The coach in Kubolo: each hold before a roll and each category chosen,
// rated by the expected final total it gives away.
#include "controls/review.h"
#include "dice/coaching.h"
#include "tests/dice/kubolowindow.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QLabel>
#include <QLocale>

using namespace kubolo;
using namespace kubolo_test;

namespace {

// Chance alone open, 150 points so far.
DicePosition chanceAlone(Dice5 dice, int rollsUsed)
{
    DicePosition p;
    p.filled.fill(true);
    p.filled[index(Category::Chance)] = false;
    p.upperTotal = 40;
    p.gameTotal = 150;
    p.dice = dice;
    p.rollsUsed = rollsUsed;
    return p;
}

DiceMove holding(std::array<bool, 5> hold) { return {true, hold, Category::Chance}; }

} // namespace

class CoachTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void aMoveIsRatedByTheTotalItGivesAway()
    {
        // One roll left, Chance the last category: a die thrown again is
        // worth 3.5, so the best keeps 6 5 4 and expects 150 + 15 + 7.
        const DicePosition p = chanceAlone({6, 2, 5, 1, 4}, 2);
        coach::Rating r = rateMove(stateValues(), p, holding({true, false, true, false, true}));
        QCOMPARE(r.grade, coach::Grade::Best);
        QCOMPARE(r.perfect, 172.0);

        r = rateMove(stateValues(), p, holding({}));
        QCOMPARE(r.loss, 172 - (150 + 5 * 3.5));
        QCOMPARE(r.grade, coach::Grade::Blunder);
        QCOMPARE(r.move, QStringLiteral("Hold nothing"));
        QCOMPARE(r.verdict, QStringLiteral("Best was: Hold 6 5 4 (4.5 points lost)."));

        r = rateMove(stateValues(), p, holding({true, false, true, false, false}));
        QCOMPARE(r.loss, 172 - (150 + 11 + 3 * 3.5));
        QCOMPARE(r.grade, coach::Grade::SmallError);

        r = rateMove(stateValues(), p, {false, {}, Category::Chance});
        QCOMPARE(r.loss, 172.0 - 168);
        QCOMPARE(r.move, QStringLiteral("Choose Chance"));
        QCOMPARE(r.yours, 168.0);
    }

    void aFollowedHintIsBestAndAnotherCategoryIsRatedWithItsLoss()
    {
        Game g;
        g.f().findChild<QAction *>(QStringLiteral("Coach1"))->trigger();
        g.roll({1, 6, 2, 6, 3});
        g.f().Hint1->trigger();
        g.roll({4, 2, 1});
        g.f().coach().settle();
        QCOMPARE(g.f().coachLine(), QStringLiteral("Best move."));

        // A category the hint would not choose now.
        const DicePosition p = positionOf(g.f().sheet());
        const DiceAdvice best = adviseMove(stateValues(), p);
        Category other = Category::Aces;
        while (!best.roll && best.category == other)
            other = categoryAt(index(other) + 1);
        const double loss = best.expectedTotal - moveValue(stateValues(), p, {false, {}, other});
        QVERIFY(loss >= 0.05);
        g.f().xAssiClick(g.f().nameLabel(other));
        g.f().coach().settle();
        const QString lost = QLocale().toString(loss, 'f', 1);
        QCOMPARE(g.f().coachLine(), QStringLiteral("Best was: %1 (%2 points lost).")
                                         .arg(moveWords(p.dice, {best.roll, best.hold, best.category}), lost));

        TReviewDialog &review = g.f().coach().review(&g.f());
        QCOMPARE(review.summary()->text(), QStringLiteral("2 moves, 1 best, %1 points lost.").arg(lost));
    }
};

GAMES_TEST(CoachTest);
#include "tst_coach.moc"
