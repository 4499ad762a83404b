// The table by keys alone, and as a screen reader sees and works it.
#include "controls/numedit.h"
#include "platform/help.h"
#include "platform/testing/fakeplatform.h"
#include "poker/mainform.h"
#include "tests/poker/scriptedrandom.h"
#include "tests/support/testregistry.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <memory>

using namespace poker;
using namespace poker_test;

namespace {

const std::initializer_list<Card> jacks = {card(11, H), card(11, S), card(9, C), card(3, D), card(4, H)};

// The window on screen, on a random source that deals what a test asks for;
// real message boxes when asked for.
struct Table {
    platform::testing::FakePlatform fake;
    platform::QtMessages realMessages;
    ScriptedRandom random;
    platform::Platform platform;
    std::unique_ptr<TMainForm> form;
    explicit Table(bool realBoxes = false)
        : platform{realBoxes ? static_cast<platform::Messages &>(realMessages) : fake.messages, fake.sound, fake.help,
                   fake.shell, random}
    {
        form = std::make_unique<TMainForm>(platform);
        form->setDealPause(0);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    TMainForm *operator->() { return form.get(); }
};

// A key as the keyboard gives it: to the widget with the focus.
void press(Qt::Key key, const QString &text = {})
{
    QWidget *to = QApplication::focusWidget();
    QVERIFY(to);
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &up);
}
void type(QChar c) { press(Qt::Key(c.unicode()), QString(c)); }

QAccessibleInterface *reader(QObject *o) { return QAccessible::queryAccessibleInterface(o); }

// What the widget shows the eye, when it shows a value or a caption.
QString shown(QWidget *w)
{
    if (auto *card = qobject_cast<TCard *>(w))
        return card->ShowDeck() ? QStringLiteral("face down") : cardName(card->Suit(), card->Value());
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text().remove(QLatin1Char('&'));
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    return {};
}

} // namespace

class KeysTest : public QObject {
    Q_OBJECT

    // Every control on the table that shows something says it to a screen
    // reader, in its name or its value, and is reached from the window.
    static void everyShownValueIsExposed(TMainForm &form)
    {
        QAccessibleInterface *window = reader(&form);
        for (QWidget *w : form.table->findChildren<QWidget *>()) {
            // The rules between the rows show nothing; a keep box shows its tick.
            if (!w->isVisible() || (shown(w).isEmpty() && !qobject_cast<QCheckBox *>(w)))
                continue;
            QAccessibleInterface *it = reader(w);
            QVERIFY2(it, w->metaObject()->className());
            QAccessibleInterface *up = it;
            while (up && up->object() != window->object())
                up = up->parent();
            QVERIFY2(up, qPrintable(shown(w)));
            QVERIFY(it->role() != QAccessible::Client && it->role() != QAccessible::NoRole);
            const QString told = it->text(QAccessible::Name) + u'\n' + it->text(QAccessible::Value);
            QVERIFY2(told.contains(shown(w), Qt::CaseInsensitive), qPrintable(shown(w) + QStringLiteral(" / ") + told));
            if (auto *box = qobject_cast<QCheckBox *>(w))
                QCOMPARE(bool(it->state().checked), box->isChecked());
        }
    }

private slots:
    void aHandPlayedByKeys()
    {
        Table t;
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(t->DealButton));
        type(u'+');
        type(u'+');
        type(u'-');
        QCOMPARE(t->cpEdit->text(), QStringLiteral("1")); // by one, as +1 and -1
        type(u'1');                                       // no hand to keep yet
        t.random.deal(jacks);
        press(Qt::Key_Return);
        QCOMPARE(t->round().NextDeal(), 2);

        type(u'1');
        type(u'2');
        type(u'5');
        type(u'5');
        type(u'+'); // the bet is closed while holding
        QCOMPARE(t->round().kept(), (KeepFlags{true, true, false, false, false}));
        QVERIFY(t->cb1->isChecked() && t->cb2->isChecked() && !t->cb5->isChecked());
        QCOMPARE(t->round().Bet(), 1);

        t.random.deal({card(9, D), card(5, C), card(2, S)});
        press(Qt::Key_Return);
        QCOMPARE(t->cwLabel->text(), QStringLiteral("Credits won: 1"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(t->DealButton));

        // In the bet field digits and the minus sign are typed; Return deals.
        t->cpEdit->setFocus();
        type(u'7');
        press(Qt::Key_Home);
        type(u'-');
        QCOMPARE(t->cpEdit->text(), QStringLiteral("-7"));
        QCOMPARE(t->round().Bet(), -7);
        press(Qt::Key_Return);
        QCOMPARE(t.fake.messages.lastText(), QStringLiteral("You must play at least 1 credit."));
        t->cpEdit->selectAll();
        type(u'3');
        t.fake.sound.played.clear();
        press(Qt::Key_Return);
        QCOMPARE(t->round().NextDeal(), 2);
        QCOMPARE(t->round().Bet(), 3);
        QCOMPARE(t.fake.sound.played.count(QStringLiteral("click.wav")), 1); // one press, one deal

        // Return on a focused box deals; on another button, presses that one.
        t->cb1->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(t->round().NextDeal(), 1);
        t->PlusTen->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(t->round().Bet(), 13);
    }

    void tabFollowsTheTableFromTopToBottom()
    {
        Table t;
        QList<QWidget *> chain;
        for (QWidget *w = t->cb1; chain.isEmpty() || w != t->cb1; w = w->nextInFocusChain())
            if (w->parentWidget() == t->table && (w->focusPolicy() & Qt::TabFocus))
                chain << w;
        QList<QWidget *> byPlace = chain;
        std::stable_sort(byPlace.begin(), byPlace.end(),
                         [](QWidget *a, QWidget *b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
        QCOMPARE(chain, byPlace);
        QCOMPARE(chain.size(), 13);
    }

    // After a box the keys reach the table again; the box says its text.
    void theTableHasTheKeysAgainAfterABox()
    {
        Table t(true);
        QString said;
        QTimer::singleShot(50, [&said] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box)
                return;
            said = reader(box)->text(QAccessible::Name) + u'\n' + reader(box)->text(QAccessible::Value);
            QTest::keyClick(box, Qt::Key_Return);
        });
        press(Qt::Key_Return);
        QVERIFY2(said.contains(QStringLiteral("You must play at least 1 credit.")), qPrintable(said));
        QTRY_VERIFY(t->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(t->DealButton));
        type(u'+');
        QCOMPARE(t->round().Bet(), 1);
    }

    void aScreenReaderReadsAndWorksTheTable()
    {
        Table t;
        everyShownValueIsExposed(*t.form);
        QCOMPARE(reader(t->Card1)->text(QAccessible::Name), QStringLiteral("face down"));

        // Its toggle, or its press, on the box plays all credits, as a click does.
        auto *all = reader(t->PlayAllCheck)->actionInterface();
        QVERIFY(all);
        all->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(t->PlayAllCheck->isChecked());
        QCOMPARE(t->round().Bet(), 100);
        t->MinusOneClick();
        all->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(!t->PlayAllCheck->isChecked());
        QCOMPARE(t->round().Bet(), 100);

        t->cpEdit->SetValue(5);
        t.random.deal(jacks);
        t->DealButtonClick();
        reader(t->Card2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        reader(t->cb4)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(t->round().kept(), (KeepFlags{false, true, false, true, false}));
        QCOMPARE(reader(t->Card2)->text(QAccessible::Name), QStringLiteral("Jack of Spades, kept"));
        QCOMPARE(reader(t->Card1)->text(QAccessible::Name), QStringLiteral("Jack of Hearts"));
        QCOMPARE(reader(t->Card1)->role(), QAccessible::Graphic);
        everyShownValueIsExposed(*t.form);
        t->DealButtonClick();
        QVERIFY(t->cwLabel->isVisible());
        everyShownValueIsExposed(*t.form);
    }

    // Rules opens the game's own page, which pays what the table pays.
    void theRulesPage()
    {
        Table t;
        const QList<QAction *> items = t->N3->actions();
        QVERIFY(items.indexOf(t->Rules1) >= 0 && items.indexOf(t->Rules1) < items.indexOf(t->About1));
        t->Rules1->trigger();
        QCOMPARE(t.fake.help.topics, QStringList{QStringLiteral("rules")});

        QFile page(platform::helpPagePath(QStringLiteral("cartovahelp.hlp")));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        for (const char *topic : {"contents", "rules", "scoring", "keys"})
            QVERIFY2(platform::pageHasTopic(html, QLatin1String(topic)), topic);
        const QRegularExpression row(
            QStringLiteral("<tr><td>[^<]*</td><td>[^<]*</td><td>([^<]*)</td><td>X (\\d+)</td></tr>"));
        QStringList paid, pays;
        for (auto m = row.globalMatch(html); m.hasNext();) {
            const auto match = m.next();
            paid << match.captured(1) + u' ' + match.captured(2);
        }
        for (const Payoff &payoff : PayoffTable())
            pays << QLatin1String(payoff.comment) + u' ' + QString::number(payoff.multiplier);
        QCOMPARE(paid, pays);
    }
};

GAMES_TEST(KeysTest);
#include "tst_keys.moc"
