#include "controls/numedit.h"
#include "platform/testing/fakeplatform.h"
#include "poker/mainform.h"
#include "tests/poker/scriptedrandom.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace poker;
using namespace poker_test;

namespace {

const std::initializer_list<Card> nothing = {card(2, H), card(7, S), card(9, C), card(11, D), card(4, H)};
const std::initializer_list<Card> jacks = {card(11, H), card(11, S), card(9, C), card(3, D), card(4, H)};
const std::initializer_list<Card> royal = {card(1, S), card(13, S), card(12, S), card(11, S), card(10, S)};

void clickCentre(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

// The window on a random source that deals what a test asks for.
struct Table {
    platform::testing::FakePlatform fake;
    ScriptedRandom random;
    platform::Platform platform{fake.messages, fake.sound, fake.help, fake.shell, random};
    std::unique_ptr<TMainForm> form;
    explicit Table(int dealPauseMs = 0)
    {
        form = std::make_unique<TMainForm>(platform);
        form->setDealPause(dealPauseMs);
    }
    TMainForm *operator->() { return form.get(); }
    // The cards as the player sees them.
    Hand shown()
    {
        Hand hand;
        for (int i = 0; i < HandSize; ++i) {
            const TCard *c = form->cards()[std::size_t(i)];
            hand[std::size_t(i)] = card(c->Value(), c->Suit());
        }
        return hand;
    }
    // One hand dealt and every card kept, by clicks on the cards.
    void dealAndKeepAll(std::initializer_list<Card> hand)
    {
        random.deal(hand);
        form->DealButtonClick();
        for (TCard *c : form->cards())
            clickCentre(c);
    }
};

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_config; // the options the window reads and writes

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit()); }

    void newGameAtStart()
    {
        Table t;
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 100"));
        QCOMPARE(t->Comment->text(), QStringLiteral("Good luck!"));
        QCOMPARE(t->DealButton->text(), QStringLiteral("Deal"));
        QVERIFY(t->cwLabel->isHidden());
        QCOMPARE(t->cpEdit->text(), QStringLiteral("0"));
        for (TCard *c : t->cards()) {
            QVERIFY(c->ShowDeck());
            QCOMPARE(c->DeckType(), TDecks::Beach);
        }
        for (QCheckBox *box : t->keepBoxes())
            QVERIFY(!box->isEnabled() && !box->isChecked());
        QCOMPARE(t.fake.sound.played, QStringList{QStringLiteral("cards.wav")});
        QCOMPARE(t->tableColour(), QColor(0, 128, 0));
    }

    void dealRefusesABadBet()
    {
        Table t;
        t->DealButtonClick();
        QCOMPARE(t.fake.messages.lastText(), QStringLiteral("You must play at least 1 credit."));
        QCOMPARE(t.fake.messages.shown.back().icon, platform::MsgIcon::Warning);
        QCOMPARE(t.fake.sound.played.last(), QStringLiteral("click.wav"));
        t->cpEdit->setText(QStringLiteral("101"));
        t->DealButtonClick();
        QCOMPARE(t.fake.messages.lastText(), QStringLiteral("Credits played out of range.\nYou can play from 1 to 100 credits."));
        QCOMPARE(t->round().NextDeal(), 1);
        QVERIFY(t->cards()[0]->ShowDeck());
        QCOMPARE(t->DealButton->text(), QStringLiteral("Deal"));
    }

    void betControlsShowTheBet()
    {
        Table t;
        clickCentre(t->MinusTen);
        clickCentre(t->PlusTen);
        QCOMPARE(t->cpEdit->text(), QStringLiteral("11"));
        clickCentre(t->PlayAll);
        clickCentre(t->MinusTen);
        clickCentre(t->MinusOne);
        QCOMPARE(t->cpEdit->text(), QStringLiteral("89"));
        clickCentre(t->PlusOne);
        QCOMPARE(t->round().Bet(), 90);

        // A text that is no whole number in range is refused; the bet stays.
        t->cpEdit->setText(QStringLiteral("-"));
        QCOMPARE(t.fake.messages.lastText(), QStringLiteral("Invalid value."));
        QCOMPARE(t.fake.messages.shown.back().icon, platform::MsgIcon::Error);
        QCOMPARE(t->round().Bet(), 90);
        t->cpEdit->setText(QStringLiteral("42"));
        QCOMPARE(t->round().Bet(), 42);
    }

    void twoDealsThroughRealClicks()
    {
        Table t;
        t->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.form.get()));
        clickCentre(t->PlusTen);
        t.random.deal(jacks);
        clickCentre(t->DealButton);

        // Holding: the hand face up, the keep boxes open, the credits untouched.
        QCOMPARE(t->DealButton->text(), QStringLiteral("Deal n. 2"));
        QCOMPARE(t.shown(), handOf(jacks));
        for (TCard *c : t->cards())
            QVERIFY(!c->ShowDeck());
        QCOMPARE(t->Comment->text(), QStringLiteral("Pair."));
        QCOMPARE(t.fake.sound.played.last(), QStringLiteral("money.wav"));
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 100"));
        QVERIFY(t->cwLabel->isHidden());
        QVERIFY(!t->cpEdit->isEnabled() && !t->PlusOne->isEnabled() && !t->PlayAll->isEnabled());
        for (QCheckBox *box : t->keepBoxes())
            QVERIFY(box->isEnabled());

        // Keeping: the card or its box, as often as the player likes.
        clickCentre(t->Card1);
        QTest::mouseClick(t->cb2, Qt::LeftButton, {}, QPoint(7, 8));
        QVERIFY(t->cb1->isChecked() && t->cb2->isChecked());
        QCOMPARE(t->Card2->accessibleName(), QStringLiteral("Jack of Spades, kept"));
        clickCentre(t->Card3);
        clickCentre(t->Card3);
        QVERIFY(!t->cb3->isChecked());

        t.random.deal({card(9, D), card(5, C), card(2, S)});
        clickCentre(t->DealButton);
        const Hand second = {card(11, H), card(11, S), card(9, D), card(5, C), card(2, S)};
        QCOMPARE(t.shown(), second);
        QCOMPARE(t->cwLabel->text(), QStringLiteral("Credits won: 10")); // the gross win
        QVERIFY(!t->cwLabel->isHidden());
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 100"));

        // Betting again: the last hand stays face up; cards take no keeps.
        QCOMPARE(t->DealButton->text(), QStringLiteral("Deal n. 1"));
        QVERIFY(t->cpEdit->isEnabled() && t->PlusOne->isEnabled());
        for (QCheckBox *box : t->keepBoxes())
            QVERIFY(!box->isEnabled() && !box->isChecked());
        clickCentre(t->Card3);
        QVERIFY(!t->cb3->isChecked());
        QVERIFY(!t->Card1->ShowDeck());

        t.dealAndKeepAll(nothing);
        clickCentre(t->DealButton);
        QCOMPARE(t.shown(), handOf(nothing)); // all kept: no card changes, the hand still settles
        QCOMPARE(t->cwLabel->text(), QStringLiteral("You lost your bet."));
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 90"));
    }

    // The turned-down cards stay in sight while the window goes on living;
    // nothing the player does meanwhile changes the deal.
    void theDealTakesItsTimeWithoutHoldingTheWindow()
    {
        Table t(400);
        t->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.form.get()));
        t->cpEdit->SetValue(10);
        t.dealAndKeepAll(jacks); // face down at the start: nothing to wait for
        clickCentre(t->Card3);
        clickCentre(t->Card4);
        t.random.deal({card(9, D), card(5, C)});
        clickCentre(t->DealButton);

        QVERIFY(t->Card3->ShowDeck() && t->Card4->ShowDeck() && !t->Card1->ShowDeck());
        QVERIFY(!t->DealButton->isEnabled());
        t->PlayAllCheck->click();
        clickCentre(t->Card1);
        QVERIFY(t->cb1->isChecked());
        t->DealButtonClick();
        t->move(t->pos() + QPoint(5, 5));
        QTest::qWait(20); // the window lives on: events, painting
        QVERIFY(t->Card3->ShowDeck() && !t->DealButton->isEnabled());
        QCOMPARE(t.fake.sound.played.count(QStringLiteral("click.wav")), 2);

        QTRY_VERIFY_WITH_TIMEOUT(t->DealButton->isEnabled(), 2000);
        QVERIFY(!t->Card3->ShowDeck() && !t->Card4->ShowDeck());
        QCOMPARE(t->cwLabel->text(), QStringLiteral("Credits won: 10"));
        QCOMPARE(t->cpEdit->text(), QStringLiteral("100")); // all credits, as the box asks, after the hand
    }

    void closingInTheMiddleOfADealIsSafe()
    {
        Table t(100);
        t->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.form.get()));
        t->cpEdit->SetValue(5);
        t.dealAndKeepAll(jacks);
        clickCentre(t->Card5);
        t->DealButtonClick();
        QVERIFY(t->Card5->ShowDeck());
        const int sounds = int(t.fake.sound.played.size());
        QVERIFY(t->close());
        QTest::qWait(200);
        QVERIFY(t->cwLabel->isHidden()); // the hand was dropped, not settled
        QCOMPARE(int(t.fake.sound.played.size()), sounds);
        t.form.reset();
        QTest::qWait(20);
    }

    void soundOffAndFailingSound()
    {
        Table t;
        t->Sound1->trigger();
        QVERIFY(!t->Sound1->isChecked());
        t.fake.sound.played.clear();
        t->New1Click();
        QVERIFY(t.fake.sound.played.isEmpty());
        t->Sound1->trigger();
        QVERIFY(t->Sound1->isChecked());
        t.fake.sound.works = false;
        t->New1Click();
        QVERIFY(!t->Sound1->isChecked());
        QVERIFY(!t->Sound1->isEnabled());
    }

    void aGreatHandHeldThroughIsHeardOnce()
    {
        Table t;
        t->cpEdit->SetValue(1);
        t.fake.sound.played.clear();
        t.dealAndKeepAll(royal);
        QCOMPARE(t->Comment->text(), QStringLiteral("Royal Flush !!!"));
        t->DealButtonClick();
        QCOMPARE(t.fake.sound.played,
                 (QStringList{QStringLiteral("click.wav"), QStringLiteral("great.wav"), QStringLiteral("click.wav")}));
        QCOMPARE(t->cwLabel->text(), QStringLiteral("Credits won: 1000"));
    }

    void playAllBetweenTheDealsIsTheBetSettled()
    {
        Table t;
        t->cpEdit->SetValue(10);
        t.dealAndKeepAll(nothing);
        QVERIFY(t->PlayAllCheck->isEnabled());
        t->PlayAllCheck->click();
        QCOMPARE(t->cpEdit->text(), QStringLiteral("100"));
        t.fake.messages.answers = {platform::No};
        t->DealButtonClick();
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 0"));
        QTRY_VERIFY(t->terminated()); // asked once the deal is over
    }

    void endOfGameAnsweredYes()
    {
        Table t;
        t->PlayAllClick();
        t.dealAndKeepAll(nothing);
        t.fake.messages.answers = {platform::Yes};
        t->DealButtonClick();
        QVERIFY(t.fake.messages.shown.empty()); // asked once the deal is over
        QTRY_COMPARE(t.fake.messages.lastText(), QStringLiteral("Sorry, end of game.\rDo you want to restart?"));
        QCOMPARE(t.fake.messages.shown.back().buttons, platform::Yes | platform::No);
        QCOMPARE(t.fake.messages.shown.back().icon, platform::MsgIcon::Confirmation);
        QCOMPARE(t->cwLabel->text(), QStringLiteral("You lost your bet."));
        QVERIFY(!t->terminated());
        QCOMPARE(t->DealButton->text(), QStringLiteral("Deal"));
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 100"));
        QCOMPARE(t->cpEdit->text(), QStringLiteral("0"));
        for (TCard *c : t->cards())
            QVERIFY(c->ShowDeck());
        for (QCheckBox *box : t->keepBoxes())
            QVERIFY(!box->isEnabled());
        QVERIFY(t->cpEdit->isEnabled() && t->PlusOne->isEnabled() && t->DealButton->isEnabled());
    }

    void endOfGameAnsweredNo()
    {
        Table t;
        t->PlayAllClick();
        t.dealAndKeepAll(nothing);
        t.fake.messages.answers = {platform::No};
        t->DealButtonClick();
        QTRY_VERIFY(t->terminated());
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 0"));
    }

    void betFromAFailedPasteIsTheBetSettled()
    {
        Table t;
        t->cpEdit->setText(QStringLiteral("500"));   // above the credits: accepted by the edit
        t->cpEdit->setText(QStringLiteral("abc12")); // the edit reads 12, the bet text does not convert
        QCOMPARE(t.fake.messages.lastText(), QStringLiteral("Invalid value."));
        QVERIFY(t->cpEdit->Value() == 12);
        t.dealAndKeepAll(nothing);
        QCOMPARE(t->round().Bet(), 12);
        t->DealButtonClick();
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 88"));
    }

    void winsBeyondThirtyTwoBitsFillTheBank()
    {
        Table t;
        for (int hand = 0; hand < 3; ++hand) {
            t->PlayAllClick();
            t.dealAndKeepAll(royal);
            t->DealButtonClick();
        }
        QCOMPARE(t->cwLabel->text(), QStringLiteral("Credits won: 100000000000"));
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 2147483647"));
        t->PlayAllClick();
        t->PlusTenClick();
        QCOMPARE(t->cpEdit->text(), QStringLiteral("2147483647"));
    }
};

GAMES_TEST(MainFormTest);
#include "tst_mainform.moc"
