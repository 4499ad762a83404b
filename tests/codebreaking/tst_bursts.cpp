#include "codebreaking/mainform.h"
#include "codebreaking/pegshape.h"
#include "platform/testing/fakeplatform.h"
#include "tests/codebreaking/confighome.h"
#include "tests/support/testregistry.h"

#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

using namespace codebreaking;

// Fast drops, clicks and keys all over the board while its clock runs: a
// line is scored only when it is full, and a result is offered only for a
// game that was won.
class PegoraBurstsTest : public QObject {
    Q_OBJECT

    static void drop(TPegShape *source, QWidget *target)
    {
        const std::unique_ptr<QMimeData> data(source->dragData());
        const QPoint at(10, 8);
        QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        QDropEvent dropped(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
    }

private slots:
    void burstsScoreOnlyFullLines()
    {
        ConfigHome home;
        platform::testing::FakePlatform fake;
        std::unique_ptr<TMainForm> made = std::make_unique<TMainForm>(fake.platform);
        TMainForm &form = *made;
        int results = 0, resultsUnwon = 0;
        fake.messages.onExec = [&](QDialog &dialog) {
            if (dialog.objectName() == QLatin1String("Result")) {
                resultsUnwon += form.Game.running() || !form.Game.Won;
                ++results;
            }
            return int(QDialog::Accepted);
        };
        form.show();
        form.New1Click(form.New1);

        QRandomGenerator pick(17);
        int games = 1, scored = 0;
        for (int burst = 0; burst < 150; ++burst) {
            const int kind = pick.bounded(4);
            for (int step = 0; step < 50; ++step) {
                const int line = pick.bounded(100) < 80 ? form.Game.Line : 1 + pick.bounded(LineCount);
                const int column = 1 + pick.bounded(4);
                TPegShape *peg = form.palettePeg(PegColor(1 + pick.bounded(PegColorCount)));
                switch (kind == 3 ? pick.bounded(3) : kind) {
                case 0: drop(peg, form.hole(line, column)); break;
                case 1: QTest::mouseClick(step % 2 ? form.Button1 : form.Button2, Qt::LeftButton); break;
                default:
                    if (step % 2)
                        QTest::mouseClick(form.hole(line, column), Qt::LeftButton);
                    else
                        QTest::keyClick(&form, step % 4 ? Qt::Key_Return : Qt::Key_Space);
                }
                QTest::qWait(step % 10 == 0 ? 5 : 0);
            }
            const GameState &g = form.Game;
            QVERIFY(g.Line >= 1 && g.Line <= LineCount);
            for (int l = 1; l <= LineCount; ++l) {
                if (!g.score(l))
                    continue;
                ++scored;
                QVERIFY2(l < g.Line || !g.running(), qPrintable(QStringLiteral("line %1 scored ahead").arg(l)));
                for (int c = 1; c <= g.Positions; ++c)
                    QVERIFY2(g.peg(l, c) != PegColor::None,
                             qPrintable(QStringLiteral("line %1 scored not full").arg(l)));
            }
            if (!g.running()) {
                form.New1Click(form.New1);
                ++games;
            }
        }
        QVERIFY2(scored > 0, "no line was ever scored");
        QCOMPARE(resultsUnwon, 0);
        qInfo("%d games, %d results offered", games, results);
    }
};

GAMES_TEST(PegoraBurstsTest);
#include "tst_bursts.moc"
