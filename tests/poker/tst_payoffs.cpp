#include "platform/testing/fakeplatform.h"
#include "poker/hand.h"
#include "poker/mainform.h"
#include "poker/myabout.h"
#include "poker/payoffs.h"
#include "tests/support/testregistry.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace poker;
using namespace Qt::StringLiterals;

class PayoffsTest : public QObject {
    Q_OBJECT
private slots:
    // What the player reads: nine hands, best first, each with what the
    // rules pay, between its two lines and inside the frame.
    void theTableSaysWhatTheRulesPay()
    {
        TPayoffsForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), u"Payoffs"_s);
        const QStringList hands = {u"Royal Flush"_s, u"Straight Flush"_s, u"Poker"_s,
                                   u"Full"_s,        u"Flush"_s,          u"Straight"_s,
                                   u"3 of a kind"_s, u"Two pair"_s,       u"Pair (Jacks or better)"_s};
        const auto &table = PayoffTable();
        const QRect frame = form.Bevel1->geometry();
        for (int i = 0; i < 9; ++i) {
            const QLabel *hand = form.handLabels[std::size_t(i)];
            const QLabel *pays = form.multiplierLabels[std::size_t(i)];
            QCOMPARE(table[std::size_t(i)].row, i + 1);
            QCOMPARE(hand->text(), hands[i]);
            QCOMPARE(pays->text(), u"X %1"_s.arg(table[std::size_t(i)].multiplier));
            QVERIFY(hand->font().bold() && pays->font().bold());
            QVERIFY(form.lines[std::size_t(i)]->y() < hand->y() && hand->y() < form.lines[std::size_t(i) + 1]->y());
            QCOMPARE(pays->y(), hand->y());
            QVERIFY(frame.contains(hand->geometry()) && frame.contains(pays->geometry()));
            QVERIFY(pays->x() > hand->geometry().right());
            const QColor color = i < 3 ? QColor(0, 0, 255) : QColor(0, 0, 128);
            QCOMPARE(hand->palette().color(QPalette::WindowText), color);
            QCOMPARE(pays->palette().color(QPalette::WindowText), color);
        }
        QCOMPARE(table[9].multiplier, 0); // "Nothing." has no row in the dialog
        QVERIFY(frame.bottom() < form.Button1->y());
        form.hide();
    }

    void shownModallyFromTheMenuAndClosedByItsButton()
    {
        platform::testing::FakePlatform fake;
        TMainForm main(fake.platform);
        TPayoffsForm *payoffs = nullptr;
        bool wasVisible = false;
        fake.messages.onExec = [&](QDialog &dialog) {
            dialog.show();
            wasVisible = dialog.isVisible();
            payoffs = qobject_cast<TPayoffsForm *>(&dialog);
            QTest::mouseClick(payoffs->Button1, Qt::LeftButton);
            return dialog.result();
        };
        main.Payoffs1->trigger();
        QCOMPARE(fake.messages.dialogs, QStringList{u"PayoffsForm"_s});
        QVERIFY(wasVisible);
        QVERIFY(payoffs->isHidden());
        QCOMPARE(payoffs->result(), int(QDialog::Accepted));
        TPayoffsForm *first = payoffs;
        main.Payoffs1->trigger(); // created once and shown again
        QCOMPARE(fake.messages.dialogs.size(), 2);
        QCOMPARE(payoffs, first);

        fake.messages.onExec = {};
        main.About1->trigger();
        QCOMPARE(fake.messages.dialogs.last(), u"AboutBox1"_s);
    }
};

GAMES_TEST(PayoffsTest);
#include "tst_payoffs.moc"
