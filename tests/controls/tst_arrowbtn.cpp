#include "controls/arrowbtn.h"
#include "tests/support/testregistry.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

class CountingArrow final : public TArrowButton {
public:
    using TArrowButton::TArrowButton;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *e) override
    {
        ++paints;
        TArrowButton::paintEvent(e);
    }
};

ArrowVertices v(QPoint a, QPoint b, QPoint c) { return {a, b, c}; }

void send(QWidget *w, QEvent::Type type, QPoint pos)
{
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QColor pixel(QWidget &w, QPoint at) { return w.grab().toImage().pixelColor(at); }

} // namespace

class ArrowButtonTest : public QObject {
    Q_OBJECT
private slots:
    void vertices()
    {
        QCOMPARE(arrowOuterVertices(arwRIGHT, 18, 18), v({3, 3}, {15, 9}, {3, 15}));
        QCOMPARE(arrowInnerVertices(arwRIGHT, 18, 18), v({5, 6}, {12, 9}, {5, 12}));
        QCOMPARE(arrowOuterVertices(arwUP, 33, 33), v({16, 3}, {30, 30}, {3, 30}));
        QCOMPARE(arrowInnerVertices(arwUP, 33, 33), v({16, 6}, {26, 28}, {6, 28}));
        QCOMPARE(arrowOuterVertices(arwLEFT, 20, 21), v({17, 3}, {17, 18}, {3, 10}));
        QCOMPARE(arrowInnerVertices(arwLEFT, 20, 21), v({15, 6}, {15, 16}, {6, 10}));
        QCOMPARE(arrowOuterVertices(arwDOWN, 21, 20), v({18, 3}, {10, 17}, {3, 3}));
        QCOMPARE(arrowInnerVertices(arwDOWN, 21, 20), v({15, 5}, {10, 14}, {5, 5}));
    }

    void newButtonAndAccessibleName()
    {
        TArrowButton b;
        QCOMPARE(b.size(), QSize(33, 33));
        QCOMPARE(b.ButtonColor(), clTeal);
        QCOMPARE(b.Direction(), arwUP);
        QVERIFY(!b.Pressed() && !b.HasRegion());
        QCOMPARE(b.accessibleName(), QStringLiteral("teal arrow"));
        b.setAccessibleCaption(QStringLiteral("Line 2 marker"));
        b.SetButtonColor(clRed);
        QCOMPARE(b.accessibleName(), QStringLiteral("Line 2 marker: red"));
    }

    // Real presses: only the triangle counts; the edge flips and flips back.
    void hitAreaAndBevel()
    {
        CountingArrow b;
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        QSignalSpy down(&b, &TArrowButton::mouseDown), clicks(&b, &TArrowButton::clicked);
        b.repaint();
        QVERIFY(b.HasRegion());
        QCOMPARE(b.Points(), arrowInnerVertices(arwUP, 33, 33)); // the inner one after painting

        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(2, 2)); // a corner
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(30, 5));
        QCOMPARE(down.count(), 0);
        QCOMPARE(clicks.count(), 0);

        const QPoint lit(11, 17); // on the edge from the tip to the lower left corner
        QCOMPARE(pixel(b, lit), QColor(Qt::white));
        QCOMPARE(pixel(b, QPoint(16, 4)), QColor(Qt::black)); // the frame
        QCOMPARE(pixel(b, QPoint(16, 20)), toQColor(clTeal)); // the face

        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(16, 20));
        QVERIFY(b.Pressed());
        QCOMPARE(down.count(), 1);
        QCOMPARE(pixel(b, lit), QColor(Qt::black));
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(16, 20));
        QVERIFY(!b.Pressed());
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(pixel(b, lit), QColor(Qt::white));

        // Released away from the button: up again, but no click.
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(16, 20));
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(60, 60));
        QVERIFY(!b.Pressed());
        QCOMPARE(down.count(), 2);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(pixel(b, lit), QColor(Qt::white));

        // The hit area follows the direction after the next paint.
        b.SetDirection(arwDOWN);
        b.repaint();
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(6, 27)); // was inside the up arrow
        QCOMPARE(down.count(), 2);
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(6, 6));
        QCOMPARE(clicks.count(), 2);
    }

    void pressBeforeFirstPaintIsIgnored()
    {
        TArrowButton b;
        QSignalSpy down(&b, &TArrowButton::mouseDown);
        send(&b, QEvent::MouseButtonPress, QPoint(16, 20));
        send(&b, QEvent::MouseButtonRelease, QPoint(16, 20));
        QCOMPARE(down.count(), 0);
        QVERIFY(!b.Pressed());
    }

    // A quick pair of clicks arrives as press, release, double click, release.
    void noDoubleClicks()
    {
        TArrowButton b;
        b.resize(18, 18);
        b.SetDirection(arwRIGHT);
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        b.repaint();
        QSignalSpy down(&b, &TArrowButton::mouseDown), clicks(&b, &TArrowButton::clicked);
        send(&b, QEvent::MouseButtonPress, QPoint(7, 9));
        send(&b, QEvent::MouseButtonRelease, QPoint(7, 9));
        send(&b, QEvent::MouseButtonDblClick, QPoint(7, 9));
        QVERIFY(b.Pressed());
        send(&b, QEvent::MouseButtonRelease, QPoint(7, 9));
        QCOMPARE(down.count(), 2);
        QCOMPARE(clicks.count(), 2);
    }

    void colourSetterRepaintsOnlyOnChange()
    {
        CountingArrow b;
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        QCoreApplication::processEvents();
        b.paints = 0;
        b.SetButtonColor(clTeal);
        b.SetDirection(arwUP);
        QCoreApplication::processEvents();
        QCOMPARE(b.paints, 0);
        b.SetButtonColor(clYellow);
        QTRY_VERIFY(b.paints > 0);
        QCOMPARE(pixel(b, QPoint(16, 20)), toQColor(clYellow));
    }

    void parentShowsAroundTheTriangle()
    {
        QWidget parent;
        parent.setAutoFillBackground(true);
        QPalette pal = parent.palette();
        pal.setColor(QPalette::Window, Qt::magenta);
        parent.setPalette(pal);
        parent.resize(40, 40);
        TArrowButton b(&parent);
        const QImage image = parent.grab().toImage();
        QCOMPARE(image.pixelColor(1, 1), QColor(Qt::magenta));
        QCOMPARE(image.pixelColor(16, 20), toQColor(clTeal));
    }

    // On a screen of twice the pixels the edges are drawn at that finer
    // grain, not as enlarged pixels: some 2 x 2 block is not of one colour.
    void drawnAtTheScreensPixels()
    {
        TArrowButton b;
        b.resize(18, 18);
        b.SetDirection(arwRIGHT);
        QImage screen(36, 36, QImage::Format_ARGB32);
        screen.setDevicePixelRatio(2);
        screen.fill(Qt::transparent);
        b.render(&screen);
        bool finer = false;
        for (int y = 0; y < 36; y += 2)
            for (int x = 0; x < 36; x += 2) {
                const QRgb c = screen.pixel(x, y);
                finer |= screen.pixel(x + 1, y) != c || screen.pixel(x, y + 1) != c || screen.pixel(x + 1, y + 1) != c;
            }
        QVERIFY(finer);
        QCOMPARE(b.Points()[1], arrowInnerVertices(arwRIGHT, 18, 18)[1]); // still in logical pixels
    }

    void disabledLooksTheSame()
    {
        TArrowButton b;
        b.SetButtonColor(clBlue);
        const QImage enabled = b.grab().toImage();
        b.setEnabled(false);
        QCOMPARE(b.grab().toImage(), enabled);
    }
};

GAMES_TEST(ArrowButtonTest);
#include "tst_arrowbtn.moc"
