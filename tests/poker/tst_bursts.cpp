#include "platform/testing/fakeplatform.h"
#include "poker/hand.h"
#include "poker/mainform.h"
#include "tests/support/testregistry.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QToolButton>

using namespace poker;

// Fast clicks and keys on every control while the cards are dealt on their
// timer: the bank never goes below nothing, and it always holds 100 credits
// plus what the settled hands paid, as the payoff table pays them.
class CartovaBurstsTest : public QObject {
    Q_OBJECT

private slots:
    void burstsKeepTheBankTrue()
    {
        platform::testing::FakePlatform fake;
        platform::SeededRandom random{5};
        platform::Platform platform{fake.messages, fake.sound, fake.help, fake.shell, random};
        TMainForm form(platform);
        form.setDealPause(2);
        form.show();
        const Round &round = form.round();

        QList<QWidget *> controls{form.DealButton, form.PlusOne, form.MinusOne,    form.PlusTen,
                                  form.MinusTen,   form.PlayAll, form.PlayAllCheck};
        for (int i = 0; i < 5; ++i)
            controls << form.cards()[std::size_t(i)] << form.keepBoxes()[std::size_t(i)];
        const int keys[] = {Qt::Key_1,     Qt::Key_3,    Qt::Key_5,    Qt::Key_Return,
                            Qt::Key_Space, Qt::Key_Plus, Qt::Key_Minus};

        std::int64_t expected = 100;
        int settled = 0, gamesOver = 0;
        bool inHand = false;
        std::int32_t bet = 0;
        auto check = [&] {
            QVERIFY(round.Credits() >= 0);
            const bool nowInHand = round.dealing() || round.NextDeal() == 2;
            if (nowInHand && !round.dealing())
                bet = round.Bet(); // the bet that will be settled, once the last change is made
            if (inHand && !nowInHand) {
                ++settled;
                expected += std::int64_t(bet) * (EvaluateHand(round.hand()).multiplier - 1);
            }
            // The bank ran dry and, asked once the deal was over, the player
            // chose a new game.
            if (expected == 0 && round.Credits() == 100 && !nowInHand) {
                expected = 100;
                ++gamesOver;
            }
            inHand = nowInHand;
            QCOMPARE(std::int64_t(round.Credits()), expected);
        };

        QRandomGenerator pick(3);
        for (int burst = 0; burst < 120; ++burst) {
            QWidget *a = controls[pick.bounded(controls.size())];
            for (int click = 0; click < 50; ++click) {
                if (click % 3 == 2)
                    QTest::keyClick(&form, Qt::Key(keys[pick.bounded(int(std::size(keys)))]));
                else
                    QTest::mouseClick(click % 2 ? form.DealButton : a, Qt::LeftButton, {},
                                      (click % 2 ? form.DealButton : a)->rect().center());
                check();
                if (QTest::currentTestFailed())
                    return;
                QTest::qWait(click % 10 == 0 ? 5 : 0);
                check();
                if (QTest::currentTestFailed())
                    return;
            }
        }
        QVERIFY2(settled > 20, qPrintable(QString::number(settled)));
        qInfo("%d hands settled, %d games over", settled, gamesOver);
    }
};

GAMES_TEST(CartovaBurstsTest);
#include "tst_bursts.moc"
