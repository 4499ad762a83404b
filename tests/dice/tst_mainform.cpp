#include "tests/dice/kubolowindow.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace kubolo;
using namespace kubolo_test;

namespace {

QColor textColor(QWidget *w) { return w->palette().color(QPalette::Active, QPalette::WindowText); }

// Waiting for the first roll of a turn.
void checkWaiting(TMainForm &f)
{
    QVERIFY(f.Roll->isEnabled());
    QCOMPARE(f.RollNum->text(), QStringLiteral("Roll n: 0"));
    for (int i = 0; i < CategoryCount; ++i)
        QVERIFY(!f.nameLabel(categoryAt(i))->isEnabled());
    for (int i = 0; i < 5; ++i) {
        QVERIFY(!f.holdBox(i)->isEnabled());
        QVERIFY(!f.holdBox(i)->isChecked());
    }
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    void startsWaitingForTheFirstRoll()
    {
        Game g;
        TMainForm &f = g.f();
        QCOMPARE(f.windowTitle(), QStringLiteral("Kubolo"));
        QCOMPARE(f.findChild<QWidget *>(QStringLiteral("board"))->size(), QSize(326, 284));
        checkWaiting(f);
        QCOMPARE(f.Label17->text(), QStringLiteral("Bonus"));
        for (QLabel *l : {f.LsubTotale, f.LBonus, f.LpuntiTotali})
            QCOMPARE(l->text(), QStringLiteral("0"));
        QCOMPARE(f.progressBar1->value(), 0);
        QCOMPARE(f.progressBar1->maximum(), 13);
        QCOMPARE(g.shown(), (Dice5{1, 1, 1, 1, 1}));
        QVERIFY(f.LFull->text().isEmpty());
        QCOMPARE(textColor(f.LFull), toQColor(clTeal));
        QCOMPARE(textColor(f.xKubolo), toQColor(clMaroon));
        QCOMPARE(f.xAssi->cursor().shape(), Qt::BitmapCursor); // the hand
        QCOMPARE(f.xAssi->width(), 120);
        QVERIFY(f.Suono1->isChecked() && f.Suono1->isEnabled());
        QCOMPARE(f.Nuova1->shortcut(), QKeySequence(Qt::Key_F2));
        QVERIFY(!f.Roll->icon().isNull());
        // Nothing to hold or choose yet.
        g.click(f.dado1);
        QVERIFY(!f.cb1->isChecked());
        g.click(f.xAssi);
        QCOMPARE(f.sheet().TurnNumber(), 1);
    }

    void turnsThroughRealClicks()
    {
        Game g;
        TMainForm &f = g.f();
        g.roll({2, 5, 5, 1, 6});
        QCOMPARE(g.random.reseeds, 1);
        QCOMPARE(g.shown(), (Dice5{2, 5, 5, 1, 6}));
        QCOMPARE(f.sheet().Dice(), g.shown());
        // Between rolls.
        QCOMPARE(f.RollNum->text(), QStringLiteral("Roll n: 1"));
        QVERIFY(f.Roll->isEnabled());
        for (int i = 0; i < 5; ++i)
            QVERIFY(f.holdBox(i)->isEnabled());
        for (int i = 0; i < CategoryCount; ++i)
            QVERIFY(f.nameLabel(categoryAt(i))->isEnabled());
        QCOMPARE(f.Lcinque->text(), QStringLiteral("10"));
        QCOMPARE(f.LChance->text(), QStringLiteral("19"));
        QCOMPARE(f.LFull->text(), QStringLiteral("0"));
        QCOMPARE(f.xCinque->accessibleName(), QStringLiteral("Five, 10 points, open"));
        QCOMPARE(f.xAssi->accessibleName(), QStringLiteral("Aces, 1 point, open"));

        // Clicking a die ticks its hold box, exactly like the box.
        g.click(f.dado2);
        g.click(f.cb3);
        g.click(f.dado4);
        g.click(f.dado4);
        QVERIFY(f.cb2->isChecked() && f.cb3->isChecked() && !f.cb4->isChecked());
        QCOMPARE(f.dado3->accessibleName(), QStringLiteral("Die 3, showing five, held"));
        g.roll({3, 4, 5});
        QCOMPARE(g.shown(), (Dice5{3, 5, 5, 4, 5}));
        QCOMPARE(f.RollNum->text(), QStringLiteral("Roll n: 2"));
        QVERIFY(f.cb2->isChecked() && f.cb3->isChecked()); // still held
        QCOMPARE(f.LFull->text(), QStringLiteral("0"));
        QCOMPARE(f.LScalaMin->text(), QStringLiteral("0"));

        // After the third roll.
        g.click(f.dado1);
        g.click(f.dado4);
        g.roll({6});
        QCOMPARE(g.shown(), (Dice5{3, 5, 5, 4, 6}));
        QVERIFY(!f.Roll->isEnabled());
        for (int i = 0; i < 5; ++i)
            QVERIFY(!f.holdBox(i)->isEnabled() && !f.holdBox(i)->isChecked());
        QVERIFY(f.xAssi->isEnabled());
        g.click(f.dado1);
        QVERIFY(!f.cb1->isChecked());
        QCOMPARE(f.LScalaMin->text(), QStringLiteral("30"));
        QCOMPARE(f.Ltipo3->text(), QStringLiteral("0"));
        QCOMPARE(f.LChance->text(), QStringLiteral("23"));

        // A choice: the score is recorded and the turn is over.
        g.click(f.xScalaMin);
        QVERIFY(f.sheet().Filled(Category::MinimumScale));
        QCOMPARE(textColor(f.LScalaMin), toQColor(clBlack));
        QVERIFY(f.xScalaMin->font().strikeOut() && f.xScalaMin->font().bold());
        QCOMPARE(f.xScalaMin->cursor().shape(), Qt::ForbiddenCursor);
        QCOMPARE(f.xAssi->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(f.xScalaMin->accessibleName(), QStringLiteral("Minimum Scale, 30 points, filled"));
        QCOMPARE(f.Label17->text(), QStringLiteral("Bonus (-63)"));
        QCOMPARE(f.LpuntiTotali->text(), QStringLiteral("30"));
        QCOMPARE(f.LsubTotale->text(), QStringLiteral("0"));
        QCOMPARE(f.progressBar1->value(), 1);
        checkWaiting(f);
        // The other scores keep the last roll's values in teal until the next roll.
        QCOMPARE(f.LChance->text(), QStringLiteral("23"));
        QCOMPARE(textColor(f.LChance), toQColor(clTeal));

        // A click on a filled category is ignored and does not end the turn.
        g.roll({4, 4, 4, 4, 2});
        QCOMPARE(f.LScalaMin->text(), QStringLiteral("30"));
        g.click(f.xScalaMin);
        QCOMPARE(f.sheet().TurnNumber(), 2);
        QCOMPARE(f.RollNum->text(), QStringLiteral("Roll n: 1"));
        g.click(f.xQuattro);
        QCOMPARE(f.LsubTotale->text(), QStringLiteral("16"));
        QCOMPARE(f.Label17->text(), QStringLiteral("Bonus (-47)"));
        QCOMPARE(f.LpuntiTotali->text(), QStringLiteral("46"));

        // From the keyboard: Return on a category that has the focus.
        g.roll({1, 1, 2, 2, 2});
        f.xfull->setFocus();
        QTest::keyClick(f.xfull, Qt::Key_Return);
        QCOMPARE(f.LpuntiTotali->text(), QStringLiteral("71"));
    }

    void aWholeGameToItsEnd()
    {
        Game g;
        TMainForm &f = g.f();
        g.fake.sound.works = false;
        // Five of each number on the left: 105 and the bonus.
        for (int v = 1; v <= 6; ++v) {
            g.roll({v, v, v, v, v});
            g.click(f.nameLabel(categoryAt(v - 1)));
        }
        QCOMPARE(f.Label17->text(), QStringLiteral("Bonus"));
        QCOMPARE(f.LBonus->text(), QStringLiteral("35"));
        QCOMPARE(f.LsubTotale->text(), QStringLiteral("105"));
        // Sixes as jokers on the right, a zero in Kubolo by rolling it last.
        for (int i = 6; i < CategoryCount; ++i) {
            const Category c = categoryAt(i);
            if (c == Category::FiveOfAKind)
                g.roll({1, 2, 3, 4, 6});
            else
                g.roll({6, 6, 6, 6, 6});
            g.click(f.nameLabel(c));
        }
        QCOMPARE(f.LKubolo->text(), QStringLiteral("0"));
        QCOMPARE(f.LFull->text(), QStringLiteral("25"));
        QCOMPARE(f.LScalaMax->text(), QStringLiteral("40"));
        QVERIFY(f.sheet().IsOver());
        QCOMPARE(f.LpuntiTotali->text(), QString::number(105 + 35 + 30 + 30 + 25 + 30 + 40 + 0 + 30));
        QCOMPARE(f.sheet().FiveOfAKindCount(), 12);
        // Game over: nothing more to roll, hold or choose.
        QVERIFY(!f.Roll->isEnabled());
        QCOMPARE(f.progressBar1->value(), 13);
        for (int i = 0; i < CategoryCount; ++i)
            QVERIFY(!f.nameLabel(categoryAt(i))->isEnabled());
        for (int i = 0; i < 5; ++i)
            QVERIFY(!f.holdBox(i)->isEnabled());
        f.rollClick();
        QCOMPARE(f.RollNum->text(), QStringLiteral("Roll n: 0"));
        QCOMPARE(f.sheet().RollNumber(), 0);
        // Sound had no device here: the first five of a kind switched it off.
        QCOMPARE(g.fake.sound.played, QStringList{QStringLiteral("tada.wav")});
    }

    void newGameInTheMiddle()
    {
        Game g;
        TMainForm &f = g.f();
        g.roll({6, 6, 6, 2, 2});
        g.click(f.xfull);
        g.roll({1, 1, 1, 1, 3});
        g.click(f.dado5);
        QVERIFY(f.cb5->isChecked());
        f.Nuova1->trigger();
        checkWaiting(f);
        QCOMPARE(f.sheet().TurnNumber(), 1);
        QVERIFY(!f.sheet().Filled(Category::Full));
        QVERIFY(!f.xfull->font().strikeOut());
        QCOMPARE(f.xfull->cursor().shape(), Qt::BitmapCursor);
        QVERIFY(f.LFull->text().isEmpty());
        QCOMPARE(textColor(f.LFull), toQColor(clTeal));
        QCOMPARE(f.LpuntiTotali->text(), QStringLiteral("0"));
        QCOMPARE(f.progressBar1->value(), 0);
        QCOMPARE(g.shown(), (Dice5{1, 1, 1, 1, 1}));
        QVERIFY(g.fake.messages.shown.empty()); // nothing asked

        // F2, and a double click on the window's background.
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        g.roll({2, 3, 4, 5, 6});
        QTest::keyClick(&f, Qt::Key_F2);
        checkWaiting(f);
        g.roll({2, 3, 4, 5, 6});
        QTest::mouseDClick(f.findChild<QWidget *>(QStringLiteral("board")), Qt::LeftButton, {}, QPoint(160, 84));
        checkWaiting(f);
        // A double click on a category label is only a click there.
        g.roll({2, 3, 4, 5, 6});
        g.click(f.xScalaMax);
        QTest::mouseDClick(f.xScalaMax, Qt::LeftButton);
        QVERIFY(f.sheet().Filled(Category::MaximumScale));
        QCOMPARE(f.sheet().TurnNumber(), 2);
    }

    void fiveOfAKindAndTheSoundOption()
    {
        Game g;
        TMainForm &f = g.f();
        g.roll({3, 3, 3, 3, 3});
        QCOMPARE(g.fake.sound.played, QStringList{QStringLiteral("tada.wav")});
        // Held and rolled again, the same five count once more.
        for (TDice *d : {f.dado1, f.dado2, f.dado3, f.dado4, f.dado5})
            g.click(d);
        g.roll();
        QCOMPARE(g.shown(), (Dice5{3, 3, 3, 3, 3}));
        QCOMPARE(f.sheet().FiveOfAKindCount(), 2);
        QCOMPARE(g.fake.sound.played.size(), 2);
        QCOMPARE(f.RollNum->text(), QStringLiteral("Roll n: 2"));

        // Sound off: nothing is played.
        f.Suono1Click();
        QVERIFY(!f.Suono1->isChecked());
        f.PlayGameSound(QStringLiteral("tada.wav"));
        QCOMPARE(g.fake.sound.played.size(), 2);
        f.Suono1Click();
        QVERIFY(f.Suono1->isChecked());

        // A sound that cannot start switches the option off for the run.
        g.fake.sound.works = false;
        f.PlayGameSound(QStringLiteral("tada.wav"));
        QVERIFY(!f.Suono1->isChecked());
        QVERIFY(!f.Suono1->isEnabled());
        f.Suono1Click();
        QVERIFY(!f.Suono1->isChecked()); // greyed: choosing it does nothing
        f.PlayGameSound(QStringLiteral("tada.wav"));
        QCOMPARE(g.fake.sound.played.size(), 3);
    }

    // With Roll on the dice turn silver and tumble; with Roll off each die
    // is painted once with its new face.
    void rollAnimation()
    {
        Game g(true);
        TMainForm &f = g.f();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        struct Recorder : QObject {
            QList<TColor> colours;
            bool eventFilter(QObject *o, QEvent *e) override
            {
                if (e->type() == QEvent::Paint)
                    colours << static_cast<TDice *>(o)->DiceColor();
                return false;
            }
        } first, fifth;
        f.dado1->installEventFilter(&first);
        f.dado5->installEventFilter(&fifth);
        g.roll();
        QVERIFY(first.colours.count(clSilver) >= 6); // silver, then five passes
        QCOMPARE(first.colours.last(), clWhite);
        QCOMPARE(f.dado1->DiceColor(), clWhite);

        // Second roll with die 1 held: only the others tumble.
        g.click(f.dado1);
        first.colours.clear();
        fifth.colours.clear();
        g.roll();
        QVERIFY(first.colours.isEmpty());
        QVERIFY(fifth.colours.count(clSilver) >= 15);

        f.Roll1Click();
        QVERIFY(!f.Roll1->isChecked());
        fifth.colours.clear();
        g.roll();
        QCOMPARE(fifth.colours, QList<TColor>{clWhite});
        f.dado1->removeEventFilter(&first);
        f.dado5->removeEventFilter(&fifth);
    }

    // A paced roll leaves the event loop running: timers fire, and what the
    // player asks meanwhile is ignored until the dice have settled.
    void aPacedRollDoesNotBlock()
    {
        Game g(true);
        TMainForm &f = g.f();
        g.roll({});
        g.click(f.dado1);
        f.setRollPace(40);
        const Dice5 before = g.shown();
        g.roll();
        QVERIFY(f.turn().rolling()); // the click has returned, the dice still tumble
        bool timerRan = false;
        QTimer::singleShot(0, &f, [&] { timerRan = f.turn().rolling(); });
        QTRY_VERIFY(timerRan);
        QVERIFY(f.turn().rolling());
        g.click(f.Roll);
        g.click(f.xAssi);
        g.click(f.dado2);
        g.click(f.cb1); // the box ticks itself and is put back
        QVERIFY(f.cb1->isChecked() && !f.cb2->isChecked());
        f.Nuova1Click();
        QTRY_VERIFY_WITH_TIMEOUT(!f.turn().rolling(), 5000);
        QCOMPARE(f.sheet().RollNumber(), 2);
        QCOMPARE(f.sheet().TurnNumber(), 1);
        QCOMPARE(f.sheet().Dice(), g.shown());
        QCOMPARE(g.shown()[0], before[0]); // held
        QCOMPARE(f.dado5->DiceColor(), clWhite);
        QCOMPARE(f.RollNum->text(), QStringLiteral("Roll n: 2"));
        g.click(f.dado2);
        QVERIFY(f.cb2->isChecked());
    }

    // Closing mid-roll drops the roll and saves the options as they are.
    void closingDuringARoll()
    {
        {
            Game g(true);
            TMainForm &f = g.f();
            f.setRollPace(20);
            f.Suono1Click(); // off, to be found off again
            g.roll();
            QVERIFY(f.turn().rolling());
            f.close();
            QVERIFY(!f.turn().rolling());
            QCOMPARE(f.sheet().RollNumber(), 0);
            QTest::qWait(100); // no step runs after the close
            QCOMPARE(g.shown(), (Dice5{1, 1, 1, 1, 1}));
            QCOMPARE(f.dado1->DiceColor(), clWhite);
        }
        Game again;
        QVERIFY(!again.f().Suono1->isChecked());
        QVERIFY(QFile::remove(again.f().settingsPath()));
    }

    void helpAndOtherCommands()
    {
        Game g;
        TMainForm &f = g.f();
        f.Contents1->trigger();
        f.Rules1->trigger();
        f.Scoring1->trigger();
        QCOMPARE(g.fake.help.topics,
                 (QStringList{QStringLiteral("contents"), QStringLiteral("rules"), QStringLiteral("scoring")}));
        // The records dialogs and About open over the game and change nothing of it.
        g.roll({1, 2, 3, 4, 5});
        f.Statistics1->trigger();
        f.Punteggi1->trigger();
        f.About1->trigger();
        QCOMPARE(f.sheet().RollNumber(), 1);
        QCOMPARE(g.fake.messages.dialogs,
                 (QStringList{QStringLiteral("Statistics"), QStringLiteral("BestPlayers"), QStringLiteral("AboutBox1")}));
        f.Esci1->trigger();
        QVERIFY(!f.isVisible());
    }
};

GAMES_TEST(MainFormTest);
#include "tst_mainform.moc"
