// Kubolo by keyboard and by assistive technology: the same turn as with the
// mouse, through the same calls.
#include "dice/bp.h"
#include "dice/endg.h"
#include "dice/five.h"
#include "dice/myabout.h"
#include "dice/stats.h"
#include "dice/top.h"
#include "tests/dice/kubolowindow.h"
#include "tests/support/testregistry.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextDocument>

using namespace kubolo;
using namespace kubolo_test;

namespace {

// A key as the player types it: to whatever has the keyboard.
void press(TMainForm &f, Qt::Key key)
{
    QWidget *target = QApplication::focusWidget();
    QTest::keyClick(target ? target : &f, key);
}

Game &activeGame(Game &g)
{
    g.f().activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(&g.f())); }();
    return g;
}

// What a control shows, in the words its accessible text must hold.
QString shownText(QWidget *w)
{
    if (auto *die = qobject_cast<TDice *>(w))
        return faceWord(die->Value());
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text().remove(QLatin1Char('&'));
    if (auto *bar = qobject_cast<QProgressBar *>(w))
        return QString::number(bar->value());
    return {};
}

QString exposedText(QAccessibleInterface *a)
{
    QString text = a->text(QAccessible::Name) + QLatin1Char('|') + a->text(QAccessible::Value);
    if (QAccessibleValueInterface *v = a->valueInterface())
        text += QLatin1Char('|') + v->currentValue().toString();
    return text;
}

// Walks the accessible tree under a window; every visible control that shows
// something must say it, and a die whether it is held.
QStringList unspoken(QWidget &window, const Turn *turn = nullptr)
{
    QStringList missing;
    QSet<QObject *> reached;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *a) {
        reached.insert(a->object());
        auto *w = qobject_cast<QWidget *>(a->object());
        if (w && w != &window) {
            const QString exposed = exposedText(a);
            const QString shown = shownText(w);
            if (!shown.isEmpty() && !exposed.contains(shown))
                missing << QStringLiteral("%1 shows \"%2\" but says \"%3\"")
                               .arg(a->text(QAccessible::Name), shown, exposed);
            if (auto *box = qobject_cast<QCheckBox *>(w); box && a->state().checked != box->isChecked())
                missing << a->text(QAccessible::Name) + QStringLiteral(": tick not told");
            if (auto *die = qobject_cast<TDice *>(w)) {
                if (a->role() == QAccessible::Client)
                    missing << exposed + QStringLiteral(": a die without a role");
                for (int i = 0; turn && i < 5; ++i)
                    if (die == window.findChildren<TDice *>().value(i) &&
                        exposed.contains(QLatin1String(", held")) != turn->held(i))
                        missing << exposed + QStringLiteral(": hold not told");
            }
        }
        for (int i = 0; i < a->childCount(); ++i)
            walk(a->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(&window));
    for (QWidget *w : window.findChildren<QWidget *>())
        if (w->isVisibleTo(&window) && !shownText(w).isEmpty() && !reached.contains(w))
            missing << shownText(w) + QStringLiteral(": not in the accessible tree");
    return missing;
}

#define QVERIFY_ALL_SPOKEN(...)                                                                                        \
    do {                                                                                                               \
        const QStringList missing = unspoken(__VA_ARGS__);                                                             \
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String("; "))));                                    \
    } while (false)

void doPress(QWidget *w)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    QVERIFY(a && a->actionInterface());
    QVERIFY(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void aTurnByKeys()
    {
        Game g;
        TMainForm &f = activeGame(g).f();
        // Nothing to hold, move over or choose before the first roll.
        press(f, Qt::Key_1);
        press(f, Qt::Key_Down);
        press(f, Qt::Key_Return);
        QVERIFY(!f.turn().held(0));
        QCOMPARE(f.categoryCursor(), -1);
        QCOMPARE(f.sheet().TurnNumber(), 1);

        // Space rolls; the cursor waits on the first open category.
        g.random.faces = {2, 5, 5, 1, 6};
        press(f, Qt::Key_Space);
        QCOMPARE(g.shown(), (Dice5{2, 5, 5, 1, 6}));
        QCOMPARE(f.categoryCursor(), index(Category::Aces));
        QVERIFY(f.xAssi->hasFocus());
        press(f, Qt::Key_2);
        press(f, Qt::Key_3);
        press(f, Qt::Key_3);
        QVERIFY(f.cb2->isChecked() && !f.cb3->isChecked());
        QVERIFY(f.dado2->accessibleName().endsWith(QLatin1String(", held")));

        // Up and Down go round the open categories; Return chooses.
        press(f, Qt::Key_Up);
        QCOMPARE(f.categoryCursor(), index(Category::Chance));
        press(f, Qt::Key_Down);
        press(f, Qt::Key_Down);
        press(f, Qt::Key_Down);
        press(f, Qt::Key_Down);
        press(f, Qt::Key_Down);
        QCOMPARE(f.categoryCursor(), index(Category::Fives));
        press(f, Qt::Key_Return);
        QVERIFY(f.sheet().Filled(Category::Fives));
        QCOMPARE(f.LsubTotale->text(), QStringLiteral("10"));

        // The next roll brings the cursor back, past the filled category.
        g.random.faces = {3, 3, 3, 3, 3};
        press(f, Qt::Key_Space);
        QCOMPARE(f.categoryCursor(), index(Category::Sixes));
        press(f, Qt::Key_Up);
        QCOMPARE(f.categoryCursor(), index(Category::Fours));

        // A focused hold box keeps Space; a focused Roll takes Return.
        f.cb4->setFocus(Qt::TabFocusReason);
        press(f, Qt::Key_Space);
        QVERIFY(f.turn().held(3));
        QCOMPARE(f.sheet().RollNumber(), 1);
        f.Roll->setFocus(Qt::TabFocusReason);
        press(f, Qt::Key_Return);
        QCOMPARE(f.sheet().RollNumber(), 2);
        QVERIFY(f.Roll->hasFocus());

        // While the dice tumble the turn refuses every key.
        if (!f.Roll1->isChecked())
            f.Roll1->trigger();
        f.setRollPace(40);
        f.xAssi->setFocus(Qt::TabFocusReason);
        press(f, Qt::Key_Space);
        QVERIFY(f.turn().rolling());
        press(f, Qt::Key_1);
        press(f, Qt::Key_Space);
        press(f, Qt::Key_Return);
        QVERIFY(!f.turn().held(0) && f.turn().held(3));
        QTRY_VERIFY_WITH_TIMEOUT(!f.turn().rolling(), 5000);
        QCOMPARE(f.sheet().RollNumber(), 3);
        QVERIFY(!f.sheet().Filled(Category::Aces));
    }

    void tabGoesDownTheWindow()
    {
        Game g;
        TMainForm &f = activeGame(g).f();
        g.roll({1, 2, 3, 4, 5});
        f.cb1->setFocus(Qt::TabFocusReason);
        QList<QWidget *> order;
        for (int i = 0; i < 5 + 1 + CategoryCount; ++i) {
            order << QApplication::focusWidget();
            press(f, Qt::Key_Tab);
        }
        QList<QWidget *> expected{f.cb1, f.cb2, f.cb3, f.cb4, f.cb5, f.Roll};
        for (int i = 0; i < CategoryCount; ++i)
            expected << f.nameLabel(categoryAt(i));
        QCOMPARE(order, expected);
        // Each name has had the keyboard, yet lays out its text as a plain
        // label does: no document is built for it.
        for (QWidget *name : expected.mid(6))
            QVERIFY(!name->findChild<QTextDocument *>());
    }

    void assistiveTechnologyReadsAndActs()
    {
        Game g;
        TMainForm &f = activeGame(g).f();
        g.roll({4, 4, 4, 2, 2});
        g.click(f.xQuattro);
        g.roll({6, 6, 1, 6, 6});
        g.click(f.dado2);
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY_ALL_SPOKEN(f, &f.turn());
        QVERIFY(f.LsubTotale->accessibleName().contains(QLatin1String("12")));

        // Every press is the click: a die holds, a name chooses, Roll rolls.
        doPress(f.dado3);
        QVERIFY(f.turn().held(2));
        QVERIFY_ALL_SPOKEN(f, &f.turn());
        doPress(f.xChance);
        QVERIFY(f.sheet().Filled(Category::Chance));
        QCOMPARE(f.LpuntiTotali->text(), QStringLiteral("37"));
        QVERIFY_ALL_SPOKEN(f, &f.turn());
        doPress(f.xSei); // greyed until the next roll, as for the mouse
        QVERIFY(!f.sheet().Filled(Category::Sixes));
        doPress(f.Roll);
        QTRY_COMPARE(f.sheet().RollNumber(), 1);

        // The cursor is what a screen reader follows: the window's focused
        // accessible object.
        press(f, Qt::Key_Down);
        QVERIFY(f.categoryCursor() >= 0);
        QAccessibleInterface *focused = QAccessible::queryAccessibleInterface(&f)->focusChild();
        QVERIFY(focused && focused->state().focused);
        QCOMPARE(focused->object(), f.nameLabel(categoryAt(f.categoryCursor())));

        // The end of the game says its figures.
        TMainForm::Dialogs &all = f.dialogs();
        for (QDialog *d : std::initializer_list<QDialog *>{&all.EndGame, &all.BestPlayers, &all.TopFive, &all.TopScore,
                                                           &all.Statistics, &all.AboutBox1}) {
            d->show();
            QVERIFY_ALL_SPOKEN(*d);
            d->hide();
        }
    }
};

GAMES_TEST(KeysTest);
#include "tst_keys.moc"
