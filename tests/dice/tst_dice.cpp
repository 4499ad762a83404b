#include "dice/dice.h"
#include "platform/random.h"
#include "tests/support/render.h"
#include "tests/support/testregistry.h"

#include <QImage>
#include <QTest>

#include <cmath>
#include <set>

using namespace kubolo;

namespace {

// Counts the paint events of a widget as they are delivered.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QImage face(TDice &die) { return die.grab().toImage().convertToFormat(QImage::Format_RGB32); }

const QRgb navy = qRgb(0, 0, 128);
const QRgb white = qRgb(255, 255, 255);

// The centres of the pip boxes: centre, top left, bottom right, bottom left,
// top right, middle left, middle right.
const QPoint pipCentre[7] = {{16, 16}, {8, 8}, {24, 24}, {8, 24}, {24, 8}, {8, 16}, {24, 16}};
const std::set<int> pipsOf[7] = {{}, {0}, {1, 2}, {0, 1, 2}, {1, 2, 3, 4}, {0, 1, 2, 3, 4}, {1, 2, 3, 4, 5, 6}};

} // namespace

class DiceTest : public QObject {
    Q_OBJECT
private slots:
    void defaultsAndClamping()
    {
        TDice die;
        QCOMPARE(die.Value(), 1);
        QCOMPARE(die.BackColor(), clSilver);
        QCOMPARE(die.DiceColor(), clWhite);
        QCOMPARE(die.size(), QSize(32, 32));
        die.SetValue(-3);
        QCOMPARE(die.Value(), 0);
        die.SetValue(9);
        QCOMPARE(die.Value(), 6);
    }

    void facesAreDrawnPipByPip()
    {
        TDice die;
        for (int v = 0; v <= 6; ++v) {
            die.SetValue(v);
            const QImage img = face(die);
            QCOMPARE(img.size(), QSize(32, 32));
            for (int p = 0; p < 7; ++p) {
                const QRgb expected = pipsOf[v].count(p) ? navy : white;
                if (img.pixel(pipCentre[p]) != expected)
                    QFAIL(qPrintable(QStringLiteral("face %1, pip %2").arg(v).arg(p)));
            }
            // Each pip stays inside its 6 x 6 box.
            QCOMPARE(img.pixel(12, 16), white);
            QCOMPARE(img.pixel(19, 16), white);
        }
        const QImage img = face(die);
        for (const QPoint &corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31), QPoint(16, 0)})
            QCOMPARE(img.pixel(corner), qRgb(0, 0, 0));
        QCOMPARE(img.pixel(1, 1), white);
        // The face covers the background completely.
        die.SetBackColor(clRed);
        QCOMPARE(face(die).pixel(1, 1), white);
        die.SetDiceColor(clSilver);
        QCOMPARE(face(die).pixel(1, 1), qRgb(192, 192, 192));
        QCOMPARE(face(die).pixel(8, 8), navy);
    }

    // The roll animation relies on each write showing at once.
    void everyWritePaintsAtOnce()
    {
        QWidget form;
        form.resize(100, 100);
        TDice die(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        PaintCounter counter;
        die.installEventFilter(&counter);
        die.SetDiceColor(clSilver);
        QCOMPARE(counter.paints, 1);
        die.SetDiceColor(clWhite);
        QCOMPARE(counter.paints, 2);
        die.SetValue(die.Value()); // the same face is painted again too
        QCOMPARE(counter.paints, 3);
        die.SetBackColor(clBlue);
        QCOMPARE(counter.paints, 4);
    }

    // At any zoom and ratio the die fills the place its form gives it, its
    // outline runs whole and equally thick along all four edges, and the
    // pips keep their places.
    void drawnWholeAtAnyZoomAndRatio()
    {
        using namespace games_test;
        const auto black = [](QRgb c) { return c == qRgb(0, 0, 0); };
        TDice die;
        die.SetValue(5);
        for (const qreal zoom : Zooms)
            for (const qreal ratio : Ratios) {
                const QImage img = renderAt(die, zoomed({32, 32}, zoom), ratio);
                const QString at = QStringLiteral("zoom %1, ratio %2").arg(zoom).arg(ratio);
                const int w = img.width(), h = img.height();
                QCOMPARE(die.size(), zoomed({32, 32}, zoom));
                QVERIFY2(framedIn(img, qRgb(0, 0, 0)) && boundsOf(img, transparent).isNull(), qPrintable(at));
                const int top = runOf(img, {w / 2, 0}, {0, 1}, black);
                QVERIFY2(top <= std::ceil(zoom * ratio) && runOf(img, {w / 2, h - 1}, {0, -1}, black) == top &&
                             runOf(img, {0, h / 2}, {1, 0}, black) == top &&
                             runOf(img, {w - 1, h / 2}, {-1, 0}, black) == top,
                         qPrintable(at));
                QVERIFY2(img.pixel(w / 2, h / 2) == navy && img.pixel(w / 4, h / 4) == navy, qPrintable(at));
                // As far from the left as from the right, from the top as
                // from the bottom (the designed pixels are as they were).
                const QRect pips = boundsOf(img, [](QRgb c) { return qBlue(c) > 2 * qRed(c) + 40; });
                QVERIFY2(zoom * ratio == 1 || (pips.left() == w - 1 - pips.right() && pips.top() == h - 1 - pips.bottom()),
                         qPrintable(at));
            }
    }

    void rollFaceIsUniformOverOneToSix()
    {
        platform::SeededRandom random(7);
        TDice die;
        int seen[7] = {};
        for (int i = 0; i < 6000; ++i) {
            die.RollFace(random);
            QVERIFY(die.Value() >= 1 && die.Value() <= 6);
            ++seen[die.Value()];
        }
        for (int v = 1; v <= 6; ++v)
            QVERIFY2(seen[v] > 850 && seen[v] < 1150, qPrintable(QString::number(seen[v])));
    }

    void clicksAndSpokenName()
    {
        TDice die;
        die.setSpokenName(QStringLiteral("Die 3"));
        die.SetValue(5);
        QCOMPARE(die.accessibleName(), QStringLiteral("Die 3, showing five, not held"));
        die.setHeld(true);
        die.SetValue(0);
        QCOMPARE(die.accessibleName(), QStringLiteral("Die 3, blank, held"));
        int clicks = 0;
        connect(&die, &TDice::Click, [&] { ++clicks; });
        die.show();
        QVERIFY(QTest::qWaitForWindowExposed(&die));
        QTest::mouseClick(&die, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QTest::mouseClick(&die, Qt::RightButton);
        QCOMPARE(clicks, 1);
        // Pressed on the die and let go beside it: no click.
        QTest::mousePress(&die, Qt::LeftButton);
        QTest::mouseRelease(&die, Qt::LeftButton, {}, QPoint(40, 16));
        QCOMPARE(clicks, 1);
    }
};

GAMES_TEST(DiceTest);
#include "tst_dice.moc"
