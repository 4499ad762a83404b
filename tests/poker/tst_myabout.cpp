#include "platform/testing/fakeplatform.h"
#include "poker/mainform.h"
#include "poker/myabout.h"
#include "tests/support/testregistry.h"

#include <QAction>
#include <QLabel>
#include <QSet>
#include <QTest>

#include <memory>

class CartovaAboutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<platform::testing::FakePlatform> fake;
    // The icon plays by the game's own rule, so the box is the game's.
    std::unique_ptr<poker::TMainForm> game;
    QAction *Sound1 = nullptr;
    std::unique_ptr<poker::TAboutBox1> box;

    void clickIcon() { QTest::mouseClick(box->Image1, Qt::LeftButton, {}, QPoint(28, 25)); }

private slots:
    void init()
    {
        fake = std::make_unique<platform::testing::FakePlatform>();
        game = std::make_unique<poker::TMainForm>(fake->platform);
        Sound1 = game->Sound1;
        fake->sound.played.clear(); // the cards of the first deal
        box = std::make_unique<poker::TAboutBox1>(fake->platform, [this] { game->PlayCards(); });
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    }

    void cleanup()
    {
        box.reset();
        game.reset();
        fake.reset();
    }

    void textsAndIcon()
    {
        QCOMPARE(box->windowTitle(), QStringLiteral("About"));
        QCOMPARE(box->Label1->text(), QStringLiteral("Cartova"));
        QCOMPARE(box->Label5->text(), QStringLiteral("Version 1.1"));
        QCOMPARE(box->Label8->text(), QStringLiteral("Last modify: 11-8-98"));
        QCOMPARE(box->Image1->geometry(), QRect(5, 5, 56, 51));
        QCOMPARE(box->Image1->alignment(), Qt::AlignCenter);
        QCOMPARE(box->Image1->accessibleName(), QStringLiteral("Cartova icon, click to hear the cards"));

        const QImage icon = box->Image1->pixmap().toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        QSet<QRgb> colours;
        int opaque = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb c = icon.pixel(x, y);
                if (qAlpha(c) == 255) {
                    colours.insert(c);
                    ++opaque;
                } else {
                    QCOMPARE(qAlpha(c), 0);
                }
            }
        QVERIFY(colours.size() <= 16);
        QVERIFY(colours.size() >= 4);
        QVERIFY(opaque > 400); // a picture, not a speck
    }

    void soundOffIsSilent()
    {
        Sound1->trigger();
        QVERIFY(!Sound1->isChecked());
        clickIcon();
        QVERIFY(fake->sound.played.isEmpty());
        QVERIFY(!Sound1->isChecked());
        QVERIFY(Sound1->isEnabled());
    }

    void soundOnPlaysTheCards()
    {
        clickIcon();
        box->Panel1->setFocus();
        QTest::keyClick(box->Panel1, Qt::Key_Space); // the frame's keyboard click
        // A click on the frame around the icon is not a click on the icon.
        QTest::mouseClick(box->Panel1, Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(fake->sound.played, QStringList({QStringLiteral("cards.wav"), QStringLiteral("cards.wav")}));
        QVERIFY(Sound1->isChecked());
        QVERIFY(Sound1->isEnabled());
    }

    void soundThatFailsSwitchesTheOptionOff()
    {
        fake->sound.works = false;
        clickIcon();
        QCOMPARE(fake->sound.played, QStringList({QStringLiteral("cards.wav")}));
        QVERIFY(!Sound1->isChecked());
        QVERIFY(!Sound1->isEnabled());
        clickIcon();
        clickIcon();
        QCOMPARE(fake->sound.played.size(), 1);
        QVERIFY(box->isVisible());
    }
};

GAMES_TEST(CartovaAboutTest);

#include "tst_myabout.moc"
