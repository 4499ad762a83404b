#include "dice/endg.h"
#include "dice/mainform.h"
#include "platform/testing/fakeplatform.h"
#include "tests/support/testregistry.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace kubolo;
using platform::testing::FakePlatform;

// Fast clicks on every control while the dice roll on their timer: the turn
// keeps its rules whatever arrives, and only a finished game is recorded.
class KuboloBurstsTest : public QObject {
    Q_OBJECT

private slots:
    void burstsOnEveryControlKeepTheTurnsRules()
    {
        FakePlatform fake;
        platform::SeededRandom random{7};
        platform::Platform platform{fake.messages, fake.sound, fake.help, fake.shell, random};
        TMainForm form(platform);
        form.setRollPace(3);
        if (!form.Roll1->isChecked())
            form.Roll1->trigger(); // the dice tumble for a while
        form.show();
        int gamesEnded = 0, endedEarly = 0;
        fake.messages.onExec = [&](QDialog &dialog) {
            if (auto *end = qobject_cast<TEndGame *>(&dialog)) {
                endedEarly += !form.sheet().IsOver();
                ++gamesEnded;
                end->OKButtonClick(); // the game is recorded, and the name dialogs answered unseen
            }
            return int(QDialog::Accepted);
        };

        QList<QWidget *> controls{form.Roll};
        for (int i = 0; i < 5; ++i)
            controls << form.die(i) << form.holdBox(i);
        for (int c = 0; c < CategoryCount; ++c)
            controls << form.nameLabel(categoryAt(c));

        QRandomGenerator pick(11);
        int bursts = 0;
        while (gamesEnded < 2 && bursts < 400) {
            ++bursts;
            // A burst on one control, or Roll and a die or a category by turns.
            QWidget *a = controls[pick.bounded(controls.size())];
            QWidget *b = pick.bounded(2) ? form.Roll : a;
            for (int click = 0; click < 50; ++click) {
                QTest::mouseClick(click % 2 ? b : a, Qt::LeftButton);
                QTest::qWait(click % 10 == 0 ? 5 : 0);
            }
            const Turn &turn = form.turn();
            const ScoreSheet &sheet = turn.sheet();
            QVERIFY2(sheet.RollNumber() <= 3, qPrintable(QString::number(bursts)));
            QVERIFY(sheet.TurnNumber() >= 1 && sheet.TurnNumber() <= 14);
            if (sheet.RollNumber() == 0)
                for (int i = 0; i < 5; ++i)
                    QVERIFY2(!turn.held(i) && !form.holdBox(i)->isChecked(), "a die held before the first roll");
            int filled = 0;
            for (int c = 0; c < CategoryCount; ++c)
                filled += sheet.Filled(categoryAt(c));
            QCOMPARE(filled, sheet.TurnNumber() - 1);
            QCOMPARE(int(form.records().stats.totalGames), gamesEnded);
            if (sheet.IsOver())
                form.Nuova1Click();
        }
        QCOMPARE(gamesEnded, 2);
        QCOMPARE(endedEarly, 0);
    }
};

GAMES_TEST(KuboloBurstsTest);
#include "tst_bursts.moc"
