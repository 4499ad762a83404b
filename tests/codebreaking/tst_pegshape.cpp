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
        TPegShape peg(nullptr, QStringLiteral("a1"));
        peg.SetColor(pegTColor(PegColor::Red));
        for (const bool symbols : {false, true}) {
            peg.SetSymbols(symbols);
            for (const qreal zoom : games_test::Zooms)
                for (const qreal ratio : games_test::Ratios) {
                    const QString at = QStringLiteral("zoom %1, ratio %2").arg(zoom).arg(ratio);
                    const QImage img = games_test::renderAt(peg, games_test::zoomed({20, 17}, zoom), ratio);
                    const int w = img.width(), h = img.height();
                    const auto dark = [&](QPoint p) { return qAlpha(img.pixel(p)) > 128 && qGray(img.pixel(p)) < 60; };
                    // Dark pixels inward from the middle of each side of the
                    // circle's square, after the transparent margin.
                    const auto outline = [&](QPoint p, QPoint step) {
                        while (img.valid(p) && qAlpha(img.pixel(p)) < 128)
                            p += step;
                        int n = 0;
                        for (; img.valid(p) && dark(p); p += step)
                            ++n;
                        return n;
                    };
                    const qreal thickness = zoom * ratio;
                    for (const auto &[from, step] : {std::pair{QPoint(w / 2, 0), QPoint(0, 1)},
                                                     {QPoint(w / 2, h - 1), QPoint(0, -1)},
                                                     {QPoint(0, h / 2), QPoint(1, 0)},
                                                     {QPoint(w - 1, h / 2), QPoint(-1, 0)}}) {
                        const int n = outline(from, step);
                        QVERIFY2(n >= std::floor(thickness) - 1 && n <= std::ceil(thickness) + 1 && n >= 1,
                                 qPrintable(at + QStringLiteral(": %1 dark").arg(n)));
                    }
                    // The circle reaches the top and the bottom.
                    QVERIFY2(qAlpha(img.pixel(w / 2, 0)) > 0 && qAlpha(img.pixel(w / 2, h - 1)) > 0, qPrintable(at));
                    // The plus of a red peg: white ink a fifth of the way out
                    // from the centre, red fill without the mark.
                    const QRgb arm = img.pixel(w / 2 + h / 5, h / 2);
                    QVERIFY2(symbols ? qGray(arm) > 200 : arm == qRgb(255, 0, 0), qPrintable(at));
                }
        }
    }
};

GAMES_TEST(PegShapeTest);

#include "tst_pegshape.moc"
