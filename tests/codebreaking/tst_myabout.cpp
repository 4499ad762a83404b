#include "codebreaking/myabout.h"
#include "controls/anim.h"
#include "platform/testing/fakeplatform.h"
#include "tests/support/testregistry.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

class PegoraAboutTest : public QObject {
    Q_OBJECT

    platform::testing::FakePlatform fake;

private slots:
    void textsAndAnimation()
    {
        codebreaking::TAboutBox1 box(fake.platform);
        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        QCOMPARE(box.size(), QSize(270, 274));
        QCOMPARE(box.Label1->text(), QStringLiteral("Pegora"));
        QVERIFY(box.Label1->width() >= 99);
        QCOMPARE(box.Label5->text(), QStringLiteral("Version 2.3"));
        QCOMPARE(box.Label8->text(), QStringLiteral("Last modify: 3-7-96"));

        TAnimated *a = box.Animated1;
        QCOMPARE(a->parentWidget(), box.Panel1);
        QCOMPARE(a->geometry(), QRect(17, 14, 32, 31));
        QCOMPARE(a->Interval(), 700);
        QCOMPARE(a->FrameCount(), 6);
        QCOMPARE(a->Frame(), 3);
        QVERIFY(a->Play());
        QVERIFY(!a->Reverse());
        QVERIFY(a->Loop());
        QCOMPARE(a->TransparentColor(), -1);
    }

    void playsOnlyWhileShown()
    {
        codebreaking::TAboutBox1 box(fake.platform);
        TAnimated *a = box.Animated1;
        // Made at start-up and not yet opened: nothing ticks.
        QVERIFY(a->timer() && !a->timer()->isActive());

        // Opened through the platform, as the About command does.
        QSize strip;
        bool stepped = false;
        fake.messages.onExec = [&](QDialog &d) {
            d.show();
            strip = a->BitMap().size();
            stepped = QTest::qWaitFor([&] { return a->Frame() == 4; }, 2000);
            d.accept();
            return d.result();
        };
        fake.platform.messages.exec(box);
        QCOMPARE(strip, QSize(192, 31)); // drawn when first opened
        QVERIFY(stepped);
        QVERIFY(!box.isVisible());
        QVERIFY(a->Play());
        QVERIFY(!a->timer()->isActive());
        QCOMPARE(a->Frame(), 4); // kept while closed

        box.show();
        QVERIFY(a->timer()->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(a->Frame(), 5, 2000);
        box.hide();
        QVERIFY(!a->timer()->isActive());
    }
};

GAMES_TEST(PegoraAboutTest);

#include "tst_myabout.moc"
