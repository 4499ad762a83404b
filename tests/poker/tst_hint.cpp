// The hint on the table: what it marks, what it says, and when.
#include "controls/numedit.h"
#include "platform/testing/fakeplatform.h"
#include "poker/advisor.h"
#include "poker/mainform.h"
#include "tests/poker/scriptedrandom.h"
#include "tests/support/testregistry.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QTest>

#include <memory>

using namespace poker;
using namespace poker_test;

namespace {

const std::initializer_list<Card> jacks = {card(11, H), card(11, S), card(9, C), card(3, D), card(4, H)};
const std::initializer_list<Card> royal = {card(1, S), card(13, S), card(12, S), card(11, S), card(10, S)};

struct Table {
    platform::testing::FakePlatform fake;
    ScriptedRandom random;
    platform::Platform platform{fake.messages, fake.sound, fake.help, fake.shell, random};
    std::unique_ptr<TMainForm> form;
    Table()
    {
        form = std::make_unique<TMainForm>(platform);
        form->setDealPause(0);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    TMainForm *operator->() { return form.get(); }
    // A key as the keyboard gives it, shortcuts first.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    QString said() const { return form->hintLabel->text(); }
};

QString expectation(double times)
{
    return QStringLiteral("expect %1 times the bet.").arg(QLocale().toString(times, 'f', 2));
}

} // namespace

class HintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void theHKeyMarksTheAdvisedCardsBetweenTheDeals()
    {
        Table t;
        QVERIFY(t->Game1->actions().contains(t->Hint1));
        const QString dealFirst = QStringLiteral("Deal first: a hint is given between the two deals.");
        t.key(Qt::Key_H);
        QCOMPARE(t.said(), dealFirst);
        QCOMPARE(t->round().NextDeal(), 1);
        QVERIFY(t->round().faceDown(0) && !t->cb1->isEnabled());
        QCOMPARE(t->Comment->text(), QStringLiteral("Good luck!"));

        t->cpEdit->SetValue(1);
        t.random.deal(jacks);
        t.key(Qt::Key_Return);
        QCOMPARE(t->round().NextDeal(), 2);
        QVERIFY(t.said().isEmpty()); // a deal clears the line
        t.key(Qt::Key_3);            // a keep the hint takes back
        t.key(Qt::Key_H);
        const KeepFlags pair{true, true, false, false, false};
        const QString keepJacks = QStringLiteral("Keep J J: ") + expectation(expectedReturn(handOf(jacks), pair));
        QTRY_COMPARE(t.said(), keepJacks);
        QCOMPARE(t->round().kept(), pair);
        QVERIFY(t->cb1->isChecked() && t->cb2->isChecked() && !t->cb3->isChecked());
        QCOMPARE(QAccessible::queryAccessibleInterface(t->hintLabel)->text(QAccessible::Name), keepJacks);

        // Once the tables are there the hint comes at once.
        t.key(Qt::Key_2);
        t.key(Qt::Key_H);
        QCOMPARE(t->round().kept(), pair);

        t.random.deal({card(9, D), card(5, C), card(2, S)});
        t.key(Qt::Key_Return);
        QCOMPARE(t->round().NextDeal(), 1);
        QVERIFY(t.said().isEmpty());
        t.key(Qt::Key_H, Qt::ShiftModifier); // a capital H as well
        QCOMPARE(t.said(), dealFirst);
        QCOMPARE(t->round().kept(), KeepFlags{});
    }

    void aRoyalFlushDealtWholeKeepsAllFive()
    {
        Table t;
        t->cpEdit->SetValue(1);
        t.random.deal(royal);
        t->DealButtonClick();
        t->Hint1->trigger();
        QTRY_COMPARE(t.said(), QStringLiteral("Keep all five: expect 1,000.00 times the bet."));
        QCOMPARE(t->round().kept(), (KeepFlags{true, true, true, true, true}));
        QCOMPARE(Session::hintText(handOf(jacks), {}, 0.3449),
                 QStringLiteral("Keep nothing: expect 0.34 times the bet."));
        // A new game drops the hint with the hand.
        t->New1Click();
        QVERIFY(t.said().isEmpty());
    }
};

GAMES_TEST(HintTest);
#include "tst_hint.moc"
