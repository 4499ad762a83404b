#include "dice/advisor.h"
#include "tests/support/testregistry.h"

#include <QTest>

using namespace kubolo;

namespace {

DicePosition onlyOpen(Category open, Dice5 dice, int rollsUsed)
{
    DicePosition p;
    p.filled.fill(true);
    p.filled[index(open)] = false;
    p.upperTotal = 40;
    p.gameTotal = 150;
    p.dice = dice;
    p.rollsUsed = rollsUsed;
    return p;
}

} // namespace

class DiceAdvisorTest : public QObject {
    Q_OBJECT

private slots:
    void chanceAloneIsPlayedDieByDie()
    {
        // Each die alone: one roll is worth 3.5; two rolls keep 4 and up, 4.25;
        // three rolls keep 5 and up, 14/3.
        const auto values = computeStateValues(1, CategoryCount - 1);
        const unsigned allButChance = ((1u << CategoryCount) - 1) & ~(1u << index(Category::Chance));
        QCOMPARE(values->value(allButChance, 40), float(5 * 14.0 / 3));

        DiceAdvice a = adviseMove(*values, onlyOpen(Category::Chance, {6, 2, 5, 1, 4}, 1));
        QVERIFY(a.roll);
        QCOMPARE(a.hold, (std::array<bool, 5>{true, false, true, false, false}));
        QCOMPARE(a.expectedTotal, 150 + 11 + 3 * 4.25);

        a = adviseMove(*values, onlyOpen(Category::Chance, {6, 2, 5, 1, 4}, 2));
        QCOMPARE(a.hold, (std::array<bool, 5>{true, false, true, false, true}));
        QCOMPARE(a.expectedTotal, 150 + 15 + 2 * 3.5);

        a = adviseMove(*values, onlyOpen(Category::Chance, {6, 2, 5, 1, 4}, 3));
        QVERIFY(!a.roll);
        QCOMPARE(a.category, Category::Chance);
        QCOMPARE(a.expectedTotal, 150.0 + 18);
    }

    void aJokerTakesTheFixedScoreAtOnce()
    {
        const auto values = computeStateValues(1, CategoryCount - 1);
        const DiceAdvice a = adviseMove(*values, onlyOpen(Category::MaximumScale, {3, 3, 3, 3, 3}, 1));
        QVERIFY(!a.roll);
        QCOMPARE(a.category, Category::MaximumScale);
        QCOMPARE(a.expectedTotal, 190.0);
    }

    void theBonusIsWorthChasing()
    {
        // Sixes and Chance open, 57 on the left: a single six earns the bonus.
        // With 6 1 1 1 1 after the last roll, Sixes (6 + 35 now, Chance later)
        // beats Chance (10 now, Sixes later).
        const auto values = computeStateValues(1, CategoryCount - 2);
        DicePosition p;
        p.filled.fill(true);
        p.filled[index(Category::Sixes)] = p.filled[index(Category::Chance)] = false;
        p.upperTotal = 57;
        p.gameTotal = 100;
        p.dice = {6, 1, 1, 1, 1};
        p.rollsUsed = 3;
        const DiceAdvice a = adviseMove(*values, p);
        QCOMPARE(a.category, Category::Sixes);
        QVERIFY(qAbs(a.expectedTotal - (100 + 6 + 35 + 5 * 14.0 / 3)) < 1e-4);
    }
};

GAMES_TEST(DiceAdvisorTest);
#include "tst_advisor.moc"
