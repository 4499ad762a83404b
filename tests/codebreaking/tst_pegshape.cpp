#include "codebreaking/pegshape.h"
#include "codebreaking/rules.h"
#include "tests/support/render.h"
#include "tests/support/testregistry.h"

#include <QTest>

#include <cmath>

using namespace codebreaking;

class PegShapeTest : public QObject {
    Q_OBJECT
private slots:
    // At any zoom and ratio a peg is the largest circle that fits, its
    // outline whole on all four sides and as thick as the peg is zoomed,
    // and the colour-blind mark grows with it.
    void drawnWholeAtAnyZoomAndRatio()
    {
        using namespace games_test;
        const auto clear = [](QRgb c) { return qAlpha(c) < 128; };
        const auto dark = [](QRgb c) { return qAlpha(c) >= 128 && qGray(c) < 60; };
        TPegShape peg(nullptr, QStringLiteral("a1"));
        peg.SetPeg(PegColor::Red);
        for (const bool symbols : {false, true}) {
            peg.SetSymbols(symbols);
            for (const qreal zoom : Zooms)
                for (const qreal ratio : Ratios) {
                    const QString at = QStringLiteral("zoom %1, ratio %2").arg(zoom).arg(ratio);
                    const QImage img = renderAt(peg, zoomed({20, 17}, zoom), ratio);
                    const int w = img.width(), h = img.height();
                    QVERIFY2(!clear(img.pixel(w / 2, 0)) && !clear(img.pixel(w / 2, h - 1)), qPrintable(at));
                    for (const auto &[from, step] : {std::pair{QPoint(w / 2, 0), QPoint(0, 1)},
                                                     {QPoint(w / 2, h - 1), QPoint(0, -1)},
                                                     {QPoint(0, h / 2), QPoint(1, 0)},
                                                     {QPoint(w - 1, h / 2), QPoint(-1, 0)}}) {
                        const QPoint edge = from + step * runOf(img, from, step, clear);
                        const int n = runOf(img, edge, step, dark);
                        QVERIFY2(n >= 1 && std::abs(n - zoom * ratio) <= 1.5, qPrintable(at));
                    }
                    // The plus of a red peg: white ink a fifth of the way out.
                    const QRgb arm = img.pixel(w / 2 + h / 5, h / 2);
                    QVERIFY2(symbols ? qGray(arm) > 200 : arm == qRgb(255, 0, 0), qPrintable(at));
                }
        }
    }
};

GAMES_TEST(PegShapeTest);

#include "tst_pegshape.moc"
