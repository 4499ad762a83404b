#include "controls/numedit.h"
#include "platform/testing/fakeplatform.h"
#include "poker/mainform.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace poker;

namespace {

constexpr TCardSuit S = TCardSuit::Spades, D = TCardSuit::Diamonds, C = TCardSuit::Clubs, H = TCardSuit::Hearts;

struct Table {
    platform::testing::FakePlatform fake;
    std::unique_ptr<TMainForm> form;
    Table()
    {
        form = std::make_unique<TMainForm>(fake.platform);
        form->setDealPause(0);
    }
    TMainForm *operator->() { return form.get(); }
    void lay(const Hand &hand)
    {
        const auto cards = form->cards();
        for (int i = 0; i < 5; ++i) {
            cards[std::size_t(i)]->SetCard(hand[std::size_t(i)]);
            cards[std::size_t(i)]->SetShowDeck(false);
        }
    }
    Hand onTable()
    {
        Hand h;
        for (int i = 0; i < 5; ++i)
            h[std::size_t(i)] = form->cards()[std::size_t(i)]->card();
        return h;
    }
    void keepAll()
    {
        for (QCheckBox *box : form->keepBoxes())
            box->setChecked(true);
    }
};

const Hand nothing = {Card{2, H}, Card{7, S}, Card{9, C}, Card{11, D}, Card{4, H}};
const Hand jacks = {Card{11, H}, Card{11, S}, Card{9, C}, Card{3, D}, Card{4, H}};
const Hand royal = {Card{1, S}, Card{13, S}, Card{12, S}, Card{11, S}, Card{10, S}};

void clickCentre(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    void newGameAtStart()
    {
        Table t;
        QCOMPARE(t->Credits, 100);
        QCOMPARE(t->Bet, 0);
        QCOMPARE(t->NextDeal, 1);
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 100"));
        QCOMPARE(t->Comment->text(), QStringLiteral("Good luck!"));
        QCOMPARE(t->DealButton->text(), QStringLiteral("Deal"));
        QVERIFY(t->cwLabel->isHidden());
        QCOMPARE(t->cpEdit->text(), QStringLiteral("0"));
        for (TCard *card : t->cards()) {
            QVERIFY(card->ShowDeck());
            QCOMPARE(card->DeckType(), TDecks::Beach);
        }
        for (QCheckBox *box : t->keepBoxes())
            QVERIFY(!box->isEnabled() && !box->isChecked());
        QCOMPARE(t.fake.sound.played, QStringList{QStringLiteral("cards.wav")});
        QCOMPARE(t->table->palette().color(QPalette::Window), QColor(0, 128, 0));
        QCOMPARE(t->table->size(), QSize(428, 330));
    }

    void dealRefusesABadBet()
    {
        Table t;
        t->DealButtonClick();
        QCOMPARE(t.fake.messages.lastText(), QStringLiteral("You must play at least 1 credit."));
        QCOMPARE(t.fake.messages.shown.back().icon, platform::MsgIcon::Warning);
        QCOMPARE(t.fake.sound.played.last(), QStringLiteral("click.wav"));
        QCOMPARE(t->NextDeal, 1);
        QVERIFY(t->cards()[0]->ShowDeck());
        t->cpEdit->setText(QStringLiteral("101"));
        QCOMPARE(t->Bet, 101);
        t->DealButtonClick();
        QCOMPARE(t.fake.messages.lastText(), QStringLiteral("Credits played out of range."));
        QCOMPARE(t->NextDeal, 1);
    }

    void betButtonsAtTheirBounds()
    {
        Table t;
        t->MinusOneClick();
        QCOMPARE(t->Bet, 0); // a bet of 0 stays 0
        t->MinusTenClick();
        QCOMPARE(t->Bet, 1);
        QCOMPARE(t->cpEdit->text(), QStringLiteral("1"));
        t->PlusTenClick();
        QCOMPARE(t->Bet, 11);
        t->MinusOneClick();
        QCOMPARE(t->Bet, 10);
        t->MinusTenClick();
        QCOMPARE(t->Bet, 1);
        t->cpEdit->SetValue(95);
        QCOMPARE(t->Bet, 95);
        t->PlusTenClick();
        QCOMPARE(t->Bet, 100);
        t->PlusOneClick();
        QCOMPARE(t->Bet, 100);
        t->cpEdit->SetValue(20);
        clickCentre(t->PlayAll);
        QCOMPARE(t->Bet, 100);
        QCOMPARE(t->cpEdit->text(), QStringLiteral("100"));
        clickCentre(t->MinusTen);
        clickCentre(t->MinusOne);
        QCOMPARE(t->Bet, 89);
        QCOMPARE(t->cpEdit->text(), QStringLiteral("89"));

        // A text that is no whole number in range is refused; Bet stays.
        t->cpEdit->setText(QStringLiteral("-"));
        QCOMPARE(t.fake.messages.lastText(), QStringLiteral("Invalid value."));
        QCOMPARE(t.fake.messages.shown.back().icon, platform::MsgIcon::Error);
        QCOMPARE(t->Bet, 89);
        t->cpEdit->setText(QStringLiteral("99999999999"));
        QCOMPARE(t->Bet, 89);
        t->cpEdit->setText(QString());
        QCOMPARE(t->Bet, 89);
    }

    void twoDealsThroughRealClicks()
    {
        Table t;
        t->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.form.get()));
        clickCentre(t->PlusTen);
        QCOMPARE(t->Bet, 10);
        clickCentre(t->DealButton);

        // Holding: five different cards face up, the keep boxes open, the credits untouched.
        QCOMPARE(t->NextDeal, 2);
        QCOMPARE(t->DealButton->text(), QStringLiteral("Deal n. 2"));
        const Hand first = t.onTable();
        for (int i = 0; i < 5; ++i) {
            QVERIFY(!t->cards()[std::size_t(i)]->ShowDeck());
            for (int j = 0; j < i; ++j)
                QVERIFY(first[std::size_t(i)].DiffersFrom(first[std::size_t(j)]));
        }
        QCOMPARE(t->Comment->text(), QString::fromLatin1(EvaluateHand(first).comment));
        QCOMPARE(t->Credits, 100);
        QVERIFY(t->cwLabel->isHidden());
        QVERIFY(!t->cpEdit->isEnabled() && !t->PlusOne->isEnabled() && !t->PlayAll->isEnabled());
        for (QCheckBox *box : t->keepBoxes())
            QVERIFY(box->isEnabled());

        clickCentre(t->cards()[1]);
        QVERIFY(t->cb2->isChecked());
        QCOMPARE(t->Card2->accessibleName(), cardName(first[1].suit, first[1].value) + QStringLiteral(", kept"));
        QTest::mouseClick(t->cb4, Qt::LeftButton, {}, QPoint(7, 8));
        QVERIFY(t->cb4->isChecked());
        clickCentre(t->cards()[0]);
        clickCentre(t->cards()[0]);
        QVERIFY(!t->cb1->isChecked());

        clickCentre(t->DealButton);
        const Hand second = t.onTable();
        QCOMPARE(second[1], first[1]);
        QCOMPARE(second[3], first[3]);
        for (int i = 0; i < 5; ++i)
            for (int j = 0; j < i; ++j)
                QVERIFY(second[std::size_t(i)].DiffersFrom(second[std::size_t(j)]));
        const int win = 10 * EvaluateHand(second).multiplier;
        QCOMPARE(t->Credits, 100 - 10 + win);
        QCOMPARE(t->cwLabel->text(),
                 win ? QStringLiteral("Credits won: %1").arg(win) : QStringLiteral("You lost your bet."));
        QVERIFY(!t->cwLabel->isHidden());
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: %1").arg(t->Credits));

        // Betting again: the last hand stays face up.
        QCOMPARE(t->NextDeal, 1);
        QCOMPARE(t->DealButton->text(), QStringLiteral("Deal n. 1"));
        QVERIFY(t->cpEdit->isEnabled() && t->PlusOne->isEnabled());
        for (QCheckBox *box : t->keepBoxes())
            QVERIFY(!box->isEnabled() && !box->isChecked());
        clickCentre(t->cards()[2]);
        QVERIFY(!t->cb3->isChecked());
        QVERIFY(!t->cards()[0]->ShowDeck());
    }

    void settlementPaysTheTable()
    {
        Table t;
        t->cpEdit->SetValue(5);
        t->NextDeal = 2;
        t.lay(jacks);
        t->CalculatePoints();
        QCOMPARE(t->Comment->text(), QStringLiteral("Pair."));
        QCOMPARE(t->cwLabel->text(), QStringLiteral("Credits won: 5")); // the gross win
        QCOMPARE(t->Credits, 100);
        t.lay(nothing);
        t->CalculatePoints();
        QCOMPARE(t->cwLabel->text(), QStringLiteral("You lost your bet."));
        QCOMPARE(t->Credits, 95);
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 95"));

        // After the first deal only the comment and the sound tell.
        t->NextDeal = 1;
        t.lay(royal);
        t->CalculatePoints();
        QCOMPARE(t->Comment->text(), QStringLiteral("Royal Flush !!!"));
        QCOMPARE(t->Credits, 95);
    }

    void soundsOfTheHands()
    {
        Table t;
        t.fake.sound.played.clear();
        t->cpEdit->SetValue(1);
        t.lay(royal);
        t->CalculatePoints();
        t->NextDeal = 2;
        t->CalculatePoints(); // held through: the fanfare once only
        QCOMPARE(t.fake.sound.played, QStringList{QStringLiteral("great.wav")});
        t.fake.sound.played.clear();
        t->NextDeal = 1;
        t.lay(jacks);
        t->CalculatePoints();
        t->NextDeal = 2;
        t->CalculatePoints();
        QCOMPARE(t.fake.sound.played, (QStringList{QStringLiteral("money.wav"), QStringLiteral("money.wav")}));
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

    void keepingAllChangesNothingAndStillSettles()
    {
        Table t;
        t->cpEdit->SetValue(10);
        t->DealButtonClick();
        t.lay(jacks);
        t.keepAll();
        t->DealButtonClick();
        QCOMPARE(t.onTable(), jacks);
        QCOMPARE(t->Credits, 100);
        QCOMPARE(t->cwLabel->text(), QStringLiteral("Credits won: 10"));
    }

    void playAllBetweenTheDealsIsTheBetSettled()
    {
        Table t;
        t->cpEdit->SetValue(10);
        t->DealButtonClick();
        t.lay(nothing);
        t.keepAll();
        QVERIFY(t->PlayAllCheck->isEnabled());
        t->PlayAllCheck->click();
        QCOMPARE(t->Bet, 100);
        t.fake.messages.answers = {platform::No};
        t->DealButtonClick();
        QCOMPARE(t->Credits, 0);
    }

    void endOfGameAnsweredYes()
    {
        Table t;
        t->PlayAllClick();
        t->DealButtonClick();
        t.lay(nothing);
        t.keepAll();
        t.fake.messages.answers = {platform::Yes};
        t->DealButtonClick();
        QCOMPARE(t.fake.messages.lastText(), QStringLiteral("Sorry, end of game.\rDo you want to restart?"));
        QCOMPARE(t.fake.messages.shown.back().buttons, platform::Yes | platform::No);
        QCOMPARE(t.fake.messages.shown.back().icon, platform::MsgIcon::Confirmation);
        QCOMPARE(t->cwLabel->text(), QStringLiteral("You lost your bet."));
        QVERIFY(!t->terminated());
        QCOMPARE(t->Credits, 100);
        QCOMPARE(t->NextDeal, 1);
        QCOMPARE(t->Bet, 0);
        QCOMPARE(t->DealButton->text(), QStringLiteral("Deal"));
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 100"));
        for (TCard *card : t->cards())
            QVERIFY(card->ShowDeck());
        for (QCheckBox *box : t->keepBoxes())
            QVERIFY(!box->isEnabled());
        QVERIFY(t->cpEdit->isEnabled() && t->PlusOne->isEnabled());
    }

    void endOfGameAnsweredNo()
    {
        Table t;
        t->PlayAllClick();
        t->DealButtonClick();
        t.lay(nothing);
        t.keepAll();
        t.fake.messages.answers = {platform::No};
        t->DealButtonClick();
        QVERIFY(t->terminated());
        QCOMPARE(t->Credits, 0);
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 0"));
    }

    void betFromAFailedPasteIsTheBetSettled()
    {
        Table t;
        t->cpEdit->setText(QStringLiteral("500")); // above the credits: accepted by the edit
        QCOMPARE(t->Bet, 500);
        t->cpEdit->setText(QStringLiteral("abc12")); // the edit reads 12, the bet text does not convert
        QCOMPARE(t.fake.messages.lastText(), QStringLiteral("Invalid value."));
        QVERIFY(t->cpEdit->Value() == 12);
        t->DealButtonClick();
        QCOMPARE(t->NextDeal, 2);
        QCOMPARE(t->Bet, 12);
        t.lay(nothing);
        t.keepAll();
        t->DealButtonClick();
        QCOMPARE(t->Credits, 88);
    }

    void winsBeyondThirtyTwoBitsFillTheBank()
    {
        Table t;
        t->Credits = 2000000000;
        t->cpEdit->SetValue(2000000000);
        t->DealButtonClick();
        t.lay(royal);
        t.keepAll();
        t->DealButtonClick();
        QCOMPARE(t->cwLabel->text(), QStringLiteral("Credits won: 2000000000000"));
        QCOMPARE(t->Credits, TMainForm::MaxCredits);
        QCOMPARE(t->tcLabel->text(), QStringLiteral("Total credits: 2147483647"));
        t->PlayAllClick();
        QCOMPARE(t->Bet, TMainForm::MaxCredits);
        t->PlusTenClick();
        QCOMPARE(t->Bet, TMainForm::MaxCredits);
    }

    void returnPressesDeal()
    {
        Table t;
        t->show();
        QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(t->DealButton));
        t->cpEdit->SetValue(3);
        QTest::keyClick(t->DealButton, Qt::Key_Return);
        QCOMPARE(t->NextDeal, 2);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(t->DealButton)); // kept through the deal
        t->New1Click();
        t.fake.sound.played.clear();
        t->cpEdit->setFocus();
        QTest::keyClicks(t->cpEdit, QStringLiteral("7"));
        QCOMPARE(t->Bet, 7);
        QTest::keyClick(t->cpEdit, Qt::Key_Return);
        QCOMPARE(t->NextDeal, 2);
        QCOMPARE(t.fake.sound.played.count(QStringLiteral("click.wav")), 1);
        t->cb1->setFocus();
        QTest::keyClick(t->cb1, Qt::Key_Return);
        QCOMPARE(t->NextDeal, 1);
        QCOMPARE(t->Credits, 100 - 7 + 7 * EvaluateHand(t.onTable()).multiplier);
    }
};

GAMES_TEST(MainFormTest);
#include "tst_mainform.moc"
