#include "dice/scoresheet.h"
#include "tests/support/testregistry.h"

#include <QTest>

#include <algorithm>

using namespace kubolo;

namespace {

// The scores said again from the counts of each face, not from sorted
// positions as the sheet reads them.
Scores byCounts(const Dice5 &dice, bool joker)
{
    int count[7] = {};
    int sum = 0;
    for (DieValue d : dice) {
        ++count[d];
        sum += d;
    }
    const int most = *std::max_element(count + 1, count + 7);
    bool pair = false, triple = false;
    for (int v = 1; v <= 6; ++v) {
        pair |= count[v] == 2;
        triple |= count[v] == 3;
    }
    auto run = [&](int from, int length) {
        for (int v = from; v < from + length; ++v)
            if (count[v] == 0)
                return false;
        return true;
    };
    Scores s{};
    for (int v = 1; v <= 6; ++v)
        s[v - 1] = static_cast<std::uint16_t>(v * count[v]);
    s[index(Category::ThreeOfAKind)] = most >= 3 ? sum : 0;
    s[index(Category::FourOfAKind)] = most >= 4 ? sum : 0;
    s[index(Category::Full)] = (pair && triple) || joker ? 25 : 0;
    s[index(Category::MinimumScale)] = run(1, 4) || run(2, 4) || run(3, 4) || joker ? 30 : 0;
    s[index(Category::MaximumScale)] = run(1, 5) || run(2, 5) || joker ? 40 : 0;
    s[index(Category::FiveOfAKind)] = most == 5 ? 50 : 0;
    s[index(Category::Chance)] = static_cast<std::uint16_t>(sum);
    return s;
}

Dice5 roll(int a, int b, int c, int d, int e)
{
    return {DieValue(a), DieValue(b), DieValue(c), DieValue(d), DieValue(e)};
}

// Rolls the dice and chooses the category.
void play(ScoreSheet &sheet, const Dice5 &dice, Category c)
{
    sheet.RecordRoll(dice);
    QVERIFY(sheet.Choose(c));
}

} // namespace

class ScoreSheetTest : public QObject {
    Q_OBJECT
private slots:
    void captionsInDisplayOrder()
    {
        const char *expected[] = {"Aces",          "Two",         "Three",       "Four", "Five",
                                  "Six",           "3 of a kind", "4 of a kind", "Full", "Minimum Scale",
                                  "Maximum Scale", "Kubolo",      "Chance"};
        for (int i = 0; i < CategoryCount; ++i) {
            QCOMPARE(caption(categoryAt(i)), expected[i]);
            QCOMPARE(isLeftSide(categoryAt(i)), i < 6);
        }
    }

    // Every one of the 7776 rolls, under every set of filled left-side
    // categories, against the counting formulation.
    void everyRollInEveryCategory()
    {
        int jokers = 0;
        for (int code = 0; code < 7776; ++code) {
            Dice5 dice;
            int rest = code;
            for (DieValue &d : dice) {
                d = DieValue(1 + rest % 6);
                rest /= 6;
            }
            const bool five = std::all_of(dice.begin(), dice.end(), [&](DieValue d) { return d == dice[0]; });
            for (int mask = 0; mask < 64; ++mask) {
                LeftFilled filled;
                for (int v = 0; v < 6; ++v)
                    filled[v] = (mask >> v) & 1;
                const bool joker = five && filled[dice[0] - 1];
                const DiceEvaluation e = ScoreSheet::EvaluateDice(dice, filled);
                if (e.Joker != joker || e.scores != byCounts(dice, joker)) {
                    const QString text = QStringLiteral("dice %1%2%3%4%5 filled mask %6")
                                             .arg(dice[0])
                                             .arg(dice[1])
                                             .arg(dice[2])
                                             .arg(dice[3])
                                             .arg(dice[4])
                                             .arg(mask);
                    QFAIL(qPrintable(text));
                }
                jokers += e.Joker;
            }
        }
        QCOMPARE(jokers, 6 * 32); // each five of a kind, in half the masks
    }

    void examplesOfTheRules()
    {
        const LeftFilled none{};
        LeftFilled threes{};
        threes[2] = true;
        DiceEvaluation e = ScoreSheet::EvaluateDice(roll(3, 3, 3, 3, 3), none);
        QVERIFY(!e.Joker);
        QCOMPARE(e.score(Category::Threes), 15);
        QCOMPARE(e.score(Category::FourOfAKind), 15);
        QCOMPARE(e.score(Category::Full), 0); // five alike alone are no full house
        QCOMPARE(e.score(Category::MinimumScale), 0);
        QCOMPARE(e.score(Category::FiveOfAKind), 50);
        e = ScoreSheet::EvaluateDice(roll(3, 3, 3, 3, 3), threes);
        QVERIFY(e.Joker);
        QCOMPARE(e.score(Category::Full), 25);
        QCOMPARE(e.score(Category::MinimumScale), 30);
        QCOMPARE(e.score(Category::MaximumScale), 40);
        QCOMPARE(e.score(Category::FiveOfAKind), 50);
        QCOMPARE(e.score(Category::Chance), 15);
        e = ScoreSheet::EvaluateDice(roll(4, 3, 4, 5, 6), none); // the doubled number in the middle
        QCOMPARE(e.score(Category::MinimumScale), 30);
        QCOMPARE(e.score(Category::MaximumScale), 0);
        e = ScoreSheet::EvaluateDice(roll(1, 2, 3, 5, 6), none);
        QCOMPARE(e.score(Category::MinimumScale), 0);
        e = ScoreSheet::EvaluateDice(roll(2, 3, 2, 3, 3), none);
        QCOMPARE(e.score(Category::Full), 25);
        QCOMPARE(e.score(Category::ThreeOfAKind), 13);
    }

    void rollsRecomputeOnlyOpenCategories()
    {
        ScoreSheet sheet;
        QCOMPARE(sheet.TurnNumber(), 1);
        QVERIFY(!sheet.RecordRoll(roll(6, 1, 6, 2, 6)));
        QCOMPARE(sheet.RollNumber(), 1);
        QCOMPARE(sheet.Sorted(), roll(6, 6, 6, 2, 1));
        QCOMPARE(sheet.Dice(), roll(6, 1, 6, 2, 6));
        QVERIFY(sheet.Choose(Category::Sixes));
        QCOMPARE(sheet.RollNumber(), 0);
        QCOMPARE(sheet.Score(Category::Sixes), 18);
        sheet.RecordRoll(roll(1, 1, 1, 1, 1));
        QCOMPARE(sheet.Score(Category::Sixes), 18); // recorded, never recomputed
        QCOMPARE(sheet.Score(Category::Aces), 5);
        QVERIFY(!sheet.Joker());
        sheet.RecordRoll(roll(6, 6, 6, 6, 6));
        QVERIFY(sheet.Joker()); // sixes are filled
        QCOMPARE(sheet.Score(Category::MaximumScale), 40);
        QCOMPARE(sheet.RollNumber(), 2);
    }

    // Any roll of five alike counts, whichever roll of the turn, also when
    // all five dice were held and rolled again.
    void fiveOfAKindCount()
    {
        ScoreSheet sheet;
        QVERIFY(sheet.RecordRoll(roll(4, 4, 4, 4, 4)));
        QVERIFY(sheet.RecordRoll(roll(4, 4, 4, 4, 4)));
        QVERIFY(!sheet.RecordRoll(roll(4, 4, 4, 4, 5)));
        QCOMPARE(sheet.FiveOfAKindCount(), 2);
        QVERIFY(sheet.Choose(Category::FiveOfAKind));
        QCOMPARE(sheet.Score(Category::FiveOfAKind), 0); // the last roll counts
        QVERIFY(sheet.RecordRoll(roll(2, 2, 2, 2, 2)));
        QCOMPARE(sheet.FiveOfAKindCount(), 3);
        sheet.NewGame();
        QCOMPARE(sheet.FiveOfAKindCount(), 0);
    }

    void choosingAFilledCategoryChangesNothing()
    {
        ScoreSheet sheet;
        play(sheet, roll(5, 5, 2, 3, 4), Category::Fives);
        sheet.RecordRoll(roll(5, 5, 5, 5, 1));
        QVERIFY(!sheet.Choose(Category::Fives));
        QCOMPARE(sheet.Score(Category::Fives), 10);
        QCOMPARE(sheet.UpperTotal(), 10);
        QCOMPARE(sheet.TurnNumber(), 2);
        QCOMPARE(sheet.RollNumber(), 1); // the turn goes on
        // A zero still fills the category and uses up the turn.
        QVERIFY(sheet.Choose(Category::Full));
        QVERIFY(sheet.Filled(Category::Full));
        QCOMPARE(sheet.Score(Category::Full), 0);
        QCOMPARE(sheet.TurnNumber(), 3);
    }

    void bonusAndItsCaption()
    {
        ScoreSheet sheet;
        QCOMPARE(sheet.BonusCaption(), QStringLiteral("Bonus (-63)"));
        play(sheet, roll(1, 2, 3, 4, 5), Category::Chance); // a right-side first choice
        QCOMPARE(sheet.BonusCaption(), QStringLiteral("Bonus (-63)"));
        QCOMPARE(sheet.GameTotal(), 15);
        // The rest of the left side, with Sixes last.
        play(sheet, roll(1, 1, 1, 2, 3), Category::Aces);   // 3
        play(sheet, roll(2, 2, 2, 1, 3), Category::Twos);   // 6
        play(sheet, roll(3, 3, 3, 3, 2), Category::Threes); // 12
        play(sheet, roll(4, 4, 4, 1, 2), Category::Fours);  // 12
        play(sheet, roll(5, 5, 5, 1, 1), Category::Fives);  // 15
        QCOMPARE(sheet.UpperTotal(), 48);
        sheet.RecordRoll(roll(6, 6, 1, 1, 1));
        ScoreSheet shortOfOne = sheet;
        QVERIFY(shortOfOne.Choose(Category::Sixes)); // 12 -> 60
        QCOMPARE(shortOfOne.BonusCaption(), QStringLiteral("Bonus (-3)"));
        sheet.RecordRoll(roll(6, 6, 1, 2, 6)); // 18 -> 66
        ScoreSheet over = sheet;
        QVERIFY(over.Choose(Category::Sixes));
        QCOMPARE(over.Bonus(), 35);
        QCOMPARE(over.BonusCaption(), QStringLiteral("Bonus"));

        ScoreSheet at62, at63;
        for (ScoreSheet *s : {&at62, &at63}) {
            play(*s, roll(6, 6, 6, 6, 1), Category::Sixes);  // 24
            play(*s, roll(5, 5, 5, 5, 1), Category::Fives);  // 20
            play(*s, roll(4, 4, 4, 1, 1), Category::Fours);  // 12
            play(*s, roll(3, 3, 1, 1, 1), Category::Threes); // 6 -> 62
        }
        QCOMPARE(at62.UpperTotal(), 62);
        QCOMPARE(at62.Bonus(), 0);
        QCOMPARE(at62.BonusCaption(), QStringLiteral("Bonus (-1)"));
        play(at63, roll(1, 2, 3, 4, 5), Category::Aces); // 1 -> 63
        QCOMPARE(at63.UpperTotal(), 63);
        QCOMPARE(at63.Bonus(), 35);
        QCOMPARE(at63.BonusCaption(), QStringLiteral("Bonus"));
        QCOMPARE(at63.GameTotal(), 63 + 35);
        QCOMPARE(at63.CategoryTotal(), 63);
    }

    void aWholeGameEndsAfterThirteenChoices()
    {
        ScoreSheet sheet;
        for (int i = 0; i < CategoryCount; ++i) {
            QVERIFY(!sheet.IsOver());
            const int v = i < 6 ? i + 1 : 6;
            play(sheet, roll(v, v, v, v, v), categoryAt(i));
        }
        QVERIFY(sheet.IsOver());
        QCOMPARE(sheet.TurnNumber(), 14);
        // 5+10+..+30 = 105, bonus 35; five sixes on the right, all as jokers:
        // 30 + 30 + 25 + 30 + 40 + 50 + 30.
        QCOMPARE(sheet.UpperTotal(), 105);
        QCOMPARE(sheet.GameTotal(), 105 + 35 + 235);
        QCOMPARE(sheet.FiveOfAKindCount(), 13);
        sheet.NewGame();
        QCOMPARE(sheet.GameTotal(), 0);
        QCOMPARE(sheet.TurnNumber(), 1);
        QVERIFY(!sheet.Filled(Category::Aces));
    }
};

namespace {

// Starts and finishes one roll; the turn must accept both.
void rollTurn(Turn &turn, const Dice5 &thrown)
{
    QCOMPARE(turn.startRoll(), Refusal::None);
    QCOMPARE(turn.finishRoll(thrown), Refusal::None);
}

} // namespace

class TurnTest : public QObject {
    Q_OBJECT
private slots:
    // What the turn order forbids is refused, with its reason, and changes
    // nothing; what it allows is reported once.
    void refusesWhatTheTurnOrderForbids()
    {
        Turn turn;
        QList<TurnChange> changes;
        turn.setListener([&](TurnChange c) { changes << c; });
        QCOMPARE(turn.toggleHold(0), Refusal::NoRollYet);
        QCOMPARE(turn.choose(Category::Aces), Refusal::NoRollYet);
        QCOMPARE(turn.finishRoll(roll(1, 1, 1, 1, 1)), Refusal::NotRolling);
        QVERIFY(changes.isEmpty());

        QCOMPARE(turn.startRoll(), Refusal::None);
        QVERIFY(turn.rolling());
        // While the dice tumble nothing else is taken.
        QCOMPARE(turn.startRoll(), Refusal::Rolling);
        QCOMPARE(turn.toggleHold(0), Refusal::Rolling);
        QCOMPARE(turn.choose(Category::Aces), Refusal::Rolling);
        QCOMPARE(turn.newGame(), Refusal::Rolling);
        QCOMPARE(turn.finishRoll(roll(2, 5, 5, 1, 6)), Refusal::None);
        QCOMPARE(turn.faces(), roll(2, 5, 5, 1, 6));
        QCOMPARE(turn.sheet().RollNumber(), 1);
        QCOMPARE(turn.toggleHold(5), Refusal::NoSuchDie);
        QCOMPARE(turn.toggleHold(-1), Refusal::NoSuchDie);
        rollTurn(turn, roll(1, 1, 1, 1, 1));
        rollTurn(turn, roll(1, 1, 1, 1, 1));
        QCOMPARE(turn.startRoll(), Refusal::NoRollsLeft); // no fourth roll
        QCOMPARE(turn.toggleHold(0), Refusal::NoRollsLeft);
        QCOMPARE(turn.sheet().RollNumber(), 3);
        QCOMPARE(turn.choose(Category::Aces), Refusal::None);
        QCOMPARE(turn.sheet().Score(Category::Aces), 5);
        rollTurn(turn, roll(1, 1, 1, 1, 1));
        QCOMPARE(turn.choose(Category::Aces), Refusal::Filled);
        QCOMPARE(turn.sheet().TurnNumber(), 2);
        QCOMPARE(changes, (QList<TurnChange>{TurnChange::RollStarted, TurnChange::Rolled, TurnChange::RollStarted,
                                             TurnChange::Rolled, TurnChange::RollStarted, TurnChange::Rolled,
                                             TurnChange::Chosen, TurnChange::RollStarted, TurnChange::Rolled}));

        // A dropped roll records nothing.
        QCOMPARE(turn.startRoll(), Refusal::None);
        turn.cancelRoll();
        QVERIFY(!turn.rolling());
        QCOMPARE(turn.sheet().RollNumber(), 1);
        QCOMPARE(changes.last(), TurnChange::RollCancelled);

        for (int i = 1; i < CategoryCount; ++i) {
            if (i > 1)
                rollTurn(turn, roll(2, 3, 4, 5, 6));
            QCOMPARE(turn.choose(categoryAt(i)), Refusal::None);
        }
        QVERIFY(turn.sheet().IsOver());
        QCOMPARE(turn.startRoll(), Refusal::GameOver);
        QCOMPARE(turn.toggleHold(0), Refusal::GameOver);
        QCOMPARE(turn.choose(Category::Aces), Refusal::GameOver);
        QCOMPARE(turn.newGame(), Refusal::None);
        QCOMPARE(changes.last(), TurnChange::NewGame);
        QCOMPARE(turn.sheet().TurnNumber(), 1);
        QCOMPARE(turn.faces(), roll(1, 1, 1, 1, 1));
    }

    // Held dice keep their faces whatever was thrown; the third roll and a
    // choice free them all.
    void heldDiceKeepTheirFaces()
    {
        Turn turn;
        rollTurn(turn, roll(1, 2, 3, 4, 5));
        QCOMPARE(turn.toggleHold(0), Refusal::None);
        QCOMPARE(turn.toggleHold(2), Refusal::None);
        QCOMPARE(turn.toggleHold(4), Refusal::None);
        QCOMPARE(turn.toggleHold(4), Refusal::None);
        QCOMPARE(turn.holds(), (Holds{true, false, true, false, false}));
        rollTurn(turn, roll(6, 6, 6, 6, 6));
        QCOMPARE(turn.faces(), roll(1, 6, 3, 6, 6));
        QVERIFY(turn.held(0) && turn.held(2)); // still held on the next roll
        QCOMPARE(turn.toggleHold(0), Refusal::None);
        rollTurn(turn, roll(2, 2, 2, 2, 2));
        QCOMPARE(turn.faces(), roll(2, 2, 3, 2, 2));
        QCOMPARE(turn.holds(), Holds{});
        QCOMPARE(turn.sheet().Score(Category::Twos), 8);

        Turn other;
        rollTurn(other, roll(4, 4, 4, 4, 5));
        QCOMPARE(other.toggleHold(1), Refusal::None);
        QCOMPARE(other.choose(Category::Fours), Refusal::None);
        QCOMPARE(other.holds(), Holds{});
    }

    // The roll is judged where it is recorded: five alike once per roll,
    // also when all five were held and rolled again.
    void fiveOfAKindIsDecidedByTheRoll()
    {
        Turn turn;
        rollTurn(turn, roll(4, 4, 4, 4, 4));
        QVERIFY(turn.fiveOfAKind());
        for (int i = 0; i < 5; ++i)
            QCOMPARE(turn.toggleHold(i), Refusal::None);
        rollTurn(turn, roll(1, 2, 3, 5, 6));
        QCOMPARE(turn.faces(), roll(4, 4, 4, 4, 4));
        QVERIFY(turn.fiveOfAKind());
        QCOMPARE(turn.sheet().FiveOfAKindCount(), 2);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(turn.toggleHold(i), Refusal::None);
        rollTurn(turn, roll(1, 1, 1, 1, 1));
        QVERIFY(!turn.fiveOfAKind());
        QCOMPARE(turn.sheet().FiveOfAKindCount(), 2);
    }
};

GAMES_TEST(ScoreSheetTest);
GAMES_TEST(TurnTest);
#include "tst_scoresheet.moc"
