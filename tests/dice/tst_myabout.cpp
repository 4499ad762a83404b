#include "dice/dice.h"
#include "dice/myabout.h"
#include "platform/testing/fakeplatform.h"
#include "tests/support/testregistry.h"

#include <QLabel>
#include <QTest>

class KuboloAboutTest : public QObject {
    Q_OBJECT

private slots:
    void textsAndWidth()
    {
        platform::testing::FakePlatform fake;
        kubolo::TAboutBox1 box(fake.platform);
        QCOMPARE(box.windowTitle(), QStringLiteral("About Kubolo"));
        QCOMPARE(box.minimumSize(), QSize(285, 274));
        QCOMPARE(box.maximumSize(), QSize(285, 274));
        QCOMPARE(box.Label1->text(), QStringLiteral("Kubolo"));
        QCOMPARE(box.Label5->text(), QStringLiteral("Version 3.3"));
        QCOMPARE(box.Label8->text(), QStringLiteral("Last modify: 30-6-97"));
        QVERIFY(box.Label8->width() >= 95);
        QCOMPARE(box.Dice1->parentWidget(), box.Panel1);
        QCOMPARE(box.Dice1->geometry(), QRect(17, 14, 32, 32));
    }

    void clicksOnDieAndFrameRoll()
    {
        platform::testing::FakePlatform fake;
        // The same seed as the double, to know the faces to come.
        platform::SeededRandom expected{12345u};
        kubolo::TAboutBox1 box(fake.platform);
        QCOMPARE(box.Dice1->Value(), 1);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.Dice1->Value(), 1); // showing rolls nothing

        QTest::mouseClick(box.Dice1, Qt::LeftButton, {}, QPoint(16, 16));
        QCOMPARE(box.Dice1->Value(), 1 + expected.below(6));
        QTest::mouseClick(box.Panel1, Qt::LeftButton, {}, QPoint(0, 0)); // the border
        QCOMPARE(box.Dice1->Value(), 1 + expected.below(6));
        QTest::mouseClick(box.Panel1, Qt::LeftButton, {}, QPoint(60, 55)); // inside, beside the die
        QCOMPARE(box.Dice1->Value(), 1 + expected.below(6));
        box.Panel1->setFocus();
        QTest::keyClick(box.Panel1, Qt::Key_Space);
        QCOMPARE(box.Dice1->Value(), 1 + expected.below(6));
        // A right click rolls nothing: the next left click takes the next face.
        QTest::mouseClick(box.Dice1, Qt::RightButton, {}, QPoint(16, 16));
        QTest::mouseClick(box.Dice1, Qt::LeftButton, {}, QPoint(16, 16));
        QCOMPARE(box.Dice1->Value(), 1 + expected.below(6));
        QVERIFY(box.Dice1->accessibleName().contains(kubolo::faceWord(box.Dice1->Value())));

        // Kept between showings.
        const int face = box.Dice1->Value();
        box.hide();
        box.show();
        QCOMPARE(box.Dice1->Value(), face);
    }
};

GAMES_TEST(KuboloAboutTest);

#include "tst_myabout.moc"
