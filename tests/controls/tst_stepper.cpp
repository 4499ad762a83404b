#include "controls/stepper.h"
#include "tests/support/testregistry.h"

#include <QElapsedTimer>
#include <QTest>

class StepperTest : public QObject {
    Q_OBJECT
private slots:
    void unpacedSequenceCompletesInsideStart()
    {
        Stepper s;
        QList<int> log;
        s.start({{[&] { log << 1; }}, {[&] { log << 2; }}}, [&] { log << 0; });
        QCOMPARE(log, (QList<int>{1, 2, 0}));
        QVERIFY(!s.running());
    }

    void pausesLetTheEventLoopRunAndKeepOrder()
    {
        Stepper s;
        QList<int> log;
        QElapsedTimer clock;
        clock.start();
        bool done = false;
        s.start({{[&] { log << 1; }, 30}, {[&] { log << 2; }, 30}, {[&] { log << 3; }}}, [&] { done = true; });
        QCOMPARE(log, QList<int>{1}); // the rest waits for the timer
        QVERIFY(s.running());
        QTRY_VERIFY_WITH_TIMEOUT(done, 2000);
        QCOMPARE(log, (QList<int>{1, 2, 3}));
        QVERIFY(clock.elapsed() >= 55);
    }

    void finishNowAndCancel()
    {
        Stepper s;
        QList<int> log;
        bool done = false;
        s.start({{[&] { log << 1; }, 1000}, {[&] { log << 2; }, 1000}}, [&] { done = true; });
        s.finishNow();
        QCOMPARE(log, (QList<int>{1, 2}));
        QVERIFY(done && !s.running());

        done = false;
        s.start({{[&] { log << 3; }, 1000}, {[&] { log << 4; }}}, [&] { done = true; });
        s.cancel();
        QTest::qWait(20);
        QCOMPARE(log, (QList<int>{1, 2, 3}));
        QVERIFY(!done && !s.running());
    }

    void aStepMayStartTheNextSequence()
    {
        Stepper s;
        QList<int> log;
        s.start({{[&] { s.start({{[&] { log << 2; }}}, [&] { log << 9; }); }}, {[&] { log << 1; }}}, [&] { log << 0; });
        QCOMPARE(log, (QList<int>{2, 9})); // the first sequence was replaced

        // Replaced by a paced one: its second step waits for its own pause.
        log.clear();
        s.start({{[&] { s.start({{[&] { log << 2; }, 1000}, {[&] { log << 3; }}}); }}, {[&] { log << 1; }}});
        QCOMPARE(log, QList<int>{2});
        QVERIFY(s.running());
        s.cancel();
    }
};

GAMES_TEST(StepperTest);

#include "tst_stepper.moc"
