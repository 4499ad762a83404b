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

class PayoffsTest : public QObject {
    Q_OBJECT
private slots:
    void nineRowsAsLaidOut()
    {
        TPayoffsForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Payoffs"));
        QCOMPARE(form.size(), QSize(196, 250));
        QCOMPARE(form.Bevel1->geometry(), QRect(5, 5, 186, 206));
        QCOMPARE(form.Button1->text(), QStringLiteral("Close"));
        QCOMPARE(form.Button1->geometry(), QRect(116, 220, 75, 25));
        const int lineTops[] = {15, 35, 56, 76, 97, 118, 139, 159, 180, 200};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(form.lines[std::size_t(i)]->x(), 15);
            QCOMPARE(form.lines[std::size_t(i)]->y(), lineTops[i]);
            QCOMPARE(form.lines[std::size_t(i)]->width(), 166);
        }
        const char *hands[] = {"Royal Flush", "Straight Flush", "Poker",
                               "Full",        "Flush",          "Straight",
                               "3 of a kind", "Two pair",       "Pair (Jacks or better)"};
        const char *pays[] = {"X 1000", "X 500", "X 100", "X 35", "X 8", "X 5", "X 3", "X 2", "X 1"};
        const int rowTops[] = {20, 41, 61, 82, 103, 123, 144, 164, 185};
        for (int i = 0; i < 9; ++i) {
            const QLabel *hand = form.handLabels[std::size_t(i)];
            const QLabel *pay = form.multiplierLabels[std::size_t(i)];
            QCOMPARE(hand->text(), QLatin1String(hands[i]));
            QCOMPARE(pay->text(), QLatin1String(pays[i]));
            QCOMPARE(hand->pos(), QPoint(20, rowTops[i]));
            QCOMPARE(pay->y(), rowTops[i]);
            QVERIFY(hand->font().bold() && pay->font().bold());
            // Each row sits between its two lines, the multiplier inside the frame's right edge.
            QVERIFY(hand->geometry().bottom() < lineTops[i + 1] + 2);
            QVERIFY(pay->geometry().right() < 191 - 5 && pay->x() > hand->geometry().right());
            const QColor colour = i < 3 ? QColor(0, 0, 255) : QColor(0, 0, 128);
            QCOMPARE(hand->palette().color(QPalette::WindowText), colour);
            QCOMPARE(pay->palette().color(QPalette::WindowText), colour);
        }
    }

    void multipliersAreWhatTheRulesPay()
    {
        TPayoffsForm form;
        const auto &table = PayoffTable();
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(table[std::size_t(i)].row, i + 1);
            QCOMPARE(form.multiplierLabels[std::size_t(i)]->text(),
                     QStringLiteral("X %1").arg(table[std::size_t(i)].multiplier));
        }
        QCOMPARE(table[9].multiplier, 0); // "Nothing." has no row in the dialog
    }

    void shownModallyFromTheMenuAndClosedByItsButton()
    {
        platform::testing::FakePlatform fake;
        TMainForm main(fake.platform);
        TPayoffsForm payoffs(&main);
        main.setPayoffsForm(&payoffs);
        bool wasVisible = false;
        fake.messages.onExec = [&](QDialog &dialog) {
            dialog.show();
            wasVisible = dialog.isVisible();
            QTest::mouseClick(payoffs.Button1, Qt::LeftButton);
            return dialog.result();
        };
        main.Payoffs1->trigger();
        QCOMPARE(fake.messages.dialogs, QStringList{QStringLiteral("PayoffsForm")});
        QVERIFY(wasVisible);
        QVERIFY(payoffs.isHidden());
        QCOMPARE(payoffs.result(), int(QDialog::Accepted));
        main.Payoffs1->trigger(); // created once and shown again
        QCOMPARE(fake.messages.dialogs.size(), 2);

        TAboutBox1 about(fake.platform, main.Sound1, &main);
        main.setAboutBox(&about);
        fake.messages.onExec = {};
        main.About1->trigger();
        QCOMPARE(fake.messages.dialogs.last(), QStringLiteral("AboutBox1"));
    }
};

GAMES_TEST(PayoffsTest);
#include "tst_payoffs.moc"
