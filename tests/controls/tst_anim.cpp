#include "assets/common/commonart.h"
#include "controls/anim.h"
#include "platform/resources.h"
#include "tests/support/testregistry.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// Six frames of 4 x 3 pixels, frame n filled with shade n, with a key-colour
// pixel in the top-left corner of each.
QImage testStrip(int frames = 6, QColor key = Qt::magenta)
{
    QImage strip(4 * frames, 3, QImage::Format_RGB32);
    for (int n = 0; n < frames; ++n) {
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                strip.setPixelColor(4 * n + x, y, QColor(10 * n, 100, 200));
        strip.setPixelColor(4 * n, 0, key);
    }
    return strip;
}

// Each frame as OnChangeFrame announces it.
struct FrameLog {
    QList<int> frames;
    explicit FrameLog(TAnimated &a)
    {
        QObject::connect(&a, &TAnimated::OnChangeFrame, &a, [this](TAnimated *sender) { frames << sender->Frame(); });
    }
};

} // namespace

class AnimatedTest : public QObject {
    Q_OBJECT
private slots:
    void frameTakenModuloCount()
    {
        TAnimated a;
        a.SetFrameCount(6);
        QSignalSpy changed(&a, &TAnimated::OnChangeFrame);
        a.SetFrame(7);
        QCOMPARE(a.Frame(), 1);
        a.SetFrame(6);
        QCOMPARE(a.Frame(), 0);
        a.SetFrame(-1);
        QCOMPARE(a.Frame(), 5);
        a.SetFrame(-4000);
        QCOMPARE(a.Frame(), 5); // unchanged, so no notice
        QCOMPARE(changed.count(), 3);
        a.SetFrame(11); // 11 mod 6 is the frame shown
        QCOMPARE(changed.count(), 3);
        QCOMPARE(a.accessibleName(), QStringLiteral("animation")); // the same name at every frame

        // A new count leaves the frame alone until it next changes.
        a.SetFrameCount(3);
        QCOMPARE(a.Frame(), 5);
        a.TimerTick();
        QCOMPARE(a.Frame(), 0);

        // A count below 1 is refused: the arithmetic divides by it.
        a.SetFrameCount(0);
        a.SetFrameCount(-2);
        QCOMPARE(a.FrameCount(), 3);

        TAnimated one;
        one.SetFrame(4);
        one.SetFrame(-1);
        QCOMPARE(one.Frame(), 0);
    }

    void stoppedArmedPlaying()
    {
        TAnimated a;
        QCOMPARE(a.size(), QSize(30, 30));
        QVERIFY(a.Loop() && !a.Reverse() && !a.Play());
        QVERIFY(!a.timer());
        a.SetInterval(100); // stopped: an interval alone starts nothing
        QVERIFY(!a.timer());
        a.SetInterval(0);
        a.SetPlay(true); // armed
        QVERIFY(a.Play());
        QVERIFY(!a.timer());
        a.SetInterval(700); // playing
        QVERIFY(a.timer());
        QVERIFY(a.timer()->isActive());
        QCOMPARE(a.timer()->interval(), 700);
        a.SetInterval(0); // armed again, Play stays true
        QVERIFY(a.Play());
        QVERIFY(!a.timer());
        a.SetInterval(-5);
        QVERIFY(!a.timer());
        a.SetInterval(40);
        QVERIFY(a.timer());
        QCOMPARE(a.timer()->interval(), 40);
        a.SetPlay(false);
        QVERIFY(!a.timer());
        a.SetPlay(true); // the stored interval starts it at once
        QVERIFY(a.timer());
        QCOMPARE(a.timer()->interval(), 40);
    }

    void forwardWithoutLoopStopsOnLastFrame()
    {
        TAnimated a;
        a.SetInterval(700);
        a.SetFrameCount(6);
        a.SetFrame(3);
        a.SetLoop(false);
        a.SetPlay(true);
        FrameLog changed(a);
        a.TimerTick();
        a.TimerTick();
        QCOMPARE(changed.frames, QList<int>({4, 5}));
        QVERIFY(!a.Play());
        QVERIFY(!a.timer());
        QCOMPARE(a.Frame(), 5);

        changed.frames.clear();
        a.SetPlay(true);
        QVERIFY(a.timer());
        for (int i = 0; i < 6; ++i)
            a.TimerTick();
        QCOMPARE(changed.frames, QList<int>({0, 1, 2, 3, 4, 5}));
        QVERIFY(!a.Play());
    }

    void backwardAndLooping()
    {
        TAnimated a;
        a.SetFrameCount(6);
        a.SetFrame(2);
        a.SetReverse(true);
        FrameLog changed(a);
        a.SetInterval(10);
        a.SetPlay(true);
        for (int i = 0; i < 4; ++i)
            a.TimerTick();
        QCOMPARE(changed.frames, QList<int>({1, 0, 5, 4})); // looping: 0 is followed by 5
        QVERIFY(a.Play());

        a.SetLoop(false);
        changed.frames.clear();
        for (int i = 0; i < 4; ++i)
            a.TimerTick();
        QCOMPARE(changed.frames, QList<int>({3, 2, 1, 0}));
        QVERIFY(!a.Play()); // backward, it stops on frame 0
        QVERIFY(!a.timer());

        // One frame, forward, no loop: stops at its first tick.
        TAnimated one;
        one.SetLoop(false);
        one.SetInterval(10);
        one.SetPlay(true);
        one.TimerTick();
        QCOMPARE(one.Frame(), 0);
        QVERIFY(!one.Play());
        QVERIFY(!one.timer());
    }

    void realTimerDrivesFrames()
    {
        TAnimated a;
        a.SetFrameCount(6);
        a.SetFrame(3);
        a.SetInterval(5);
        a.SetLoop(false);
        FrameLog changed(a);
        a.SetPlay(true);
        QTRY_VERIFY_WITH_TIMEOUT(!a.Play(), 5000);
        QCOMPARE(changed.frames, QList<int>({4, 5}));
        QTest::qWait(30); // nothing moves once stopped
        QCOMPARE(changed.frames.size(), 2);

        // A handler that stops the animation from inside the tick.
        a.SetLoop(true);
        connect(&a, &TAnimated::OnChangeFrame, &a, [](TAnimated *sender) {
            if (sender->Frame() == 2)
                sender->SetPlay(false);
        });
        changed.frames.clear();
        a.SetPlay(true);
        QTRY_VERIFY_WITH_TIMEOUT(!a.Play(), 5000);
        QCOMPARE(changed.frames, QList<int>({0, 1, 2}));
        QVERIFY(!a.timer());
    }

    void paintsTheFrameShown()
    {
        TAnimated a;
        a.resize(4, 30);
        a.SetBitMap(testStrip());
        QCOMPARE(a.height(), 3); // the strip's height; the width stays
        QCOMPARE(a.width(), 4);
        a.SetFrameCount(6);
        a.SetFrame(4);
        QImage shot = a.grab().toImage();
        QCOMPARE(shot.pixelColor(2, 1), QColor(40, 100, 200));
        QCOMPARE(shot.pixelColor(0, 0), QColor(Qt::magenta));

        // The key colour shows the background instead.
        QPalette pal = a.palette();
        pal.setColor(a.backgroundRole(), QColor(1, 2, 3));
        a.setPalette(pal);
        a.SetTransparentColor(clFuchsia);
        shot = a.grab().toImage();
        QCOMPARE(shot.pixelColor(0, 0), QColor(1, 2, 3));
        QCOMPARE(shot.pixelColor(2, 1), QColor(40, 100, 200));

        // A frame that lies past the end of the strip shows white.
        a.SetFrameCount(8);
        a.SetFrame(7);
        a.SetTransparentColor(-1);
        shot = a.grab().toImage();
        QCOMPARE(shot.pixelColor(2, 1), QColor(Qt::white));

        // An empty strip: 30 high and white.
        a.SetBitMap(QImage());
        QCOMPARE(a.height(), 30);
        shot = a.grab().toImage();
        QCOMPARE(shot.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(shot.pixelColor(3, 29), QColor(Qt::white));
    }

    // A strip drawn for a screen of twice the pixels keeps the control's
    // logical height, and each of its pixels reaches that screen unchanged.
    void finerStripKeepsItsPixels()
    {
        QImage strip(8 * 6, 6, QImage::Format_RGB32);
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x)
                strip.setPixelColor(x, y, QColor(x * 5, y * 40, 100));
        strip.setDevicePixelRatio(2);
        TAnimated a;
        a.resize(4, 30);
        a.SetBitMap(strip);
        QCOMPARE(a.height(), 3);
        a.SetFrameCount(6);
        a.SetFrame(4);
        QImage screen(8, 6, QImage::Format_RGB32);
        screen.setDevicePixelRatio(2);
        a.render(&screen);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x)
                QCOMPARE(screen.pixelColor(x, y), strip.pixelColor(8 * 4 + x, y));
    }

    void pegDropStripHasSixFrames()
    {
        controls::art::registerPictures();
        const QPixmap strip = platform::resources::picture(QString::fromLatin1(controls::art::PegDropStrip));
        QCOMPARE(strip.size(), QSize(192, 31));
        // Each frame differs from the one before it: the peg moves.
        const QImage image = strip.toImage();
        for (int n = 1; n < controls::art::PegDropFrames; ++n)
            QVERIFY(image.copy(32 * n, 0, 32, 31) != image.copy(32 * (n - 1), 0, 32, 31));
    }
};

GAMES_TEST(AnimatedTest);

#include "tst_anim.moc"
