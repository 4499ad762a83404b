#include "dice/dice.h"
#include "platform/random.h"
#include "tests/support/testregistry.h"

#include <QImage>
#include <QTest>

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

    void keepsItsSizeWhateverTheForm()
    {
        QWidget form;
        form.resize(200, 200);
        TDice die(&form);
        die.setGeometry(10, 10, 50, 40);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        die.repaint();
        QCOMPARE(die.size(), QSize(32, 32));
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
