// Kubolo's hint: the best move at the end of a game, asked once, kept out of
// the records.
#include "dice/endg.h"
#include "tests/dice/kubolowindow.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QCheckBox>
#include <QLocale>
#include <QStatusBar>

using namespace kubolo;
using namespace kubolo_test;

namespace {

// Twelve turns of 1 2 3 4 6, scored from Aces on: only Chance is left, and
// the sheet holds 16 on the left, 0 elsewhere but the scale of four.
void playToChance(Game &g)
{
    for (int i = 0; i < CategoryCount - 1; ++i) {
        g.roll({1, 2, 3, 4, 6});
        g.f().xAssiClick(g.f().nameLabel(categoryAt(i)));
    }
}

QString statusText(TMainForm &f) { return f.hintLabel->text(); }

} // namespace

class TestHint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void lastCategoryHintsTheExactBestMove();
    void askedOnceAndNoChangesNothing();
    void hintedGameLeavesStatistics();
};

void TestHint::lastCategoryHintsTheExactBestMove()
{
    Game g;
    // Before the first roll: what the game is worth played perfectly. The
    // first hint of the run is given at once, in the event that asked it.
    QVERIFY(g.f().hintReady());
    g.f().Hint1->trigger();
    QCOMPARE(statusText(g.f()), QStringLiteral("Roll: expect 246.1 in the end."));
    playToChance(g);
    const int total = g.f().sheet().GameTotal();

    // Two rolls left: a die is kept at 5 or 6; rerolled it is worth 4.25
    // (kept at 4 or more on the next roll, else 3.5).
    g.roll({1, 6, 2, 6, 3});
    g.f().Hint1->trigger();
    QCOMPARE(statusText(g.f()),
             QStringLiteral("Hold 6 6: expect %1 in the end.").arg(total + 12 + 3 * 4.25, 0, 'f', 1));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(g.f().holdBox(i)->isChecked(), i == 1 || i == 3);

    // 6 6 6 6 5 beats any reroll: choose, the cursor on Chance. The total
    // is written as the player's locale writes numbers.
    g.roll({6, 6, 5});
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    g.f().Hint1->trigger();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(statusText(g.f()), QStringLiteral("Choose Chance: expect %1,0 in the end.").arg(total + 29));
    QCOMPARE(g.f().categoryCursor(), index(Category::Chance));
    QVERIFY(!g.f().sheet().Filled(Category::Chance));
    // Taken, the advice no longer holds: the game is over, and the status
    // line says where to see how it went.
    // The menu's words as it shows them, its key letter marked inside a
    // word or, as Japanese marks it, after the word.
    auto *review = g.f().findChild<QAction *>(QStringLiteral("Review1"));
    QVERIFY(review);
    review->setText(QStringLiteral("振り返り(&R)..."));
    g.f().xAssiClick(g.f().nameLabel(Category::Chance));
    QCOMPARE(statusText(g.f()), QStringLiteral("Game > 振り返り shows how the game went."));
}

void TestHint::askedOnceAndNoChangesNothing()
{
    Game g;
    playToChance(g);
    g.roll({1, 6, 2, 6, 3});

    g.fake.messages.answers = {platform::No};
    g.f().Hint1->trigger();
    QCOMPARE(g.fake.messages.shown.size(), std::size_t(1));
    QCOMPARE(g.fake.messages.lastText(),
             QStringLiteral("If you ask for a hint the game is considered training\rand I won't update Best Players "
                            "or Statistics.\rShow the hint ?"));
    QVERIFY(!g.f().sheet().Hinted());
    QVERIFY(statusText(g.f()).isEmpty());
    for (int i = 0; i < 5; ++i)
        QVERIFY(!g.f().turn().held(i));

    g.fake.messages.answers = {platform::Yes};
    g.f().Hint1->trigger();
    QVERIFY(g.f().sheet().Hinted());
    QVERIFY(g.f().turn().held(1));
    g.f().Hint1->trigger();
    QCOMPARE(g.fake.messages.shown.size(), std::size_t(2)); // a hinted game asks nothing

    g.f().Nuova1->trigger();
    QVERIFY(!g.f().sheet().Hinted());
}

void TestHint::hintedGameLeavesStatistics()
{
    Game g;
    const DiceStats before = g.f().records().stats;
    playToChance(g);
    g.roll({6, 6, 6, 6, 5});
    g.f().Hint1->trigger();
    g.f().xAssiClick(g.f().nameLabel(Category::Chance));
    QVERIFY(g.f().sheet().IsOver());
    g.f().dialogs().EndGame.OKButtonClick();
    QCOMPARE(g.f().records().stats, before);

    // The same game unhinted is counted.
    g.f().Nuova1->trigger();
    playToChance(g);
    g.roll({6, 6, 6, 6, 5});
    g.f().xAssiClick(g.f().nameLabel(Category::Chance));
    g.f().dialogs().EndGame.OKButtonClick();
    QCOMPARE(g.f().records().stats.totalGames, before.totalGames + 1);
}

GAMES_TEST(TestHint);
#include "tst_hint.moc"
