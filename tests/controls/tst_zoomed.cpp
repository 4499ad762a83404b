#include "controls/about.h"
#include "controls/anim.h"
#include "controls/arrowbtn.h"
#include "controls/devicepixels.h"
#include "platform/resources.h"
#include "tests/support/render.h"
#include "tests/support/testregistry.h"

#include <QPainter>
#include <QTest>

#include <cmath>

class ZoomedControlsTest : public QObject {
    Q_OBJECT
private slots:
    // The shared controls at any zoom of their designed size and any ratio,
    // each drawn afresh for the device pixels it covers.
    void drawnAsDesignedAtAnyZoomAndRatio()
    {
        using namespace games_test;
        const QRgb black = qRgb(0, 0, 0);
        const auto isBlack = [black](QRgb c) { return c == black; };

        // A board marker designed 18 x 18: as its form lays it out, before
        // it is first polished; a zoom afterwards leaves that alone.
        TArrowButton arrow;
        arrow.SetDirection(arwRIGHT);
        arrow.resize(18, 18);
        arrow.ensurePolished();
        arrow.resize(27, 27);
        QCOMPARE(devicepixels::designedSize(&arrow), QSize(18, 18));

        // A strip of three 8 x 6 frames, each framed in black.
        static const QColor fills[] = {Qt::red, Qt::green, Qt::blue};
        platform::resources::registerPicture(QStringLiteral("FRAMEDSTRIP"), {24, 6}, [](QPainter &p) {
            for (int n = 0; n < 3; ++n) {
                p.fillRect(QRect(8 * n, 0, 8, 6), Qt::black);
                p.fillRect(QRect(8 * n + 1, 1, 6, 4), fills[n]);
            }
        });
        TAnimated strip;
        strip.resize(8, 6);
        strip.SetFrameCount(3);
        strip.SetPicture(QStringLiteral("FRAMEDSTRIP"));
        strip.SetFrame(1);
        QCOMPARE(strip.size(), QSize(8, 6));
        QCOMPARE(strip.BitMap().size(), QSize(24, 6));

        // The About box's etched line.
        TBevel bevel;
        devicepixels::setDesignedSize(&bevel, {171, 11});
        const auto dark = [&bevel](QRgb c) { return c == bevel.palette().color(QPalette::Dark).rgb(); };
        const auto light = [&bevel](QRgb c) { return c == bevel.palette().color(QPalette::Light).rgb(); };

        for (const qreal zoom : Zooms)
            for (const qreal ratio : Ratios) {
                const QString at = QStringLiteral("zoom %1, ratio %2").arg(zoom).arg(ratio);
                const qreal s = zoom * ratio; // device pixels to a designed one

                // The frame two designed pixels wide where the design puts
                // it, then the lit edge and the face; the tip as far from
                // the edge as designed; the hit area zoomed too.
                QImage img = renderAt(arrow, zoomed({18, 18}, zoom), ratio);
                const int y = img.height() / 2;
                const int margin = runOf(img, {0, y}, {1, 0}, transparent);
                const int frame = runOf(img, {margin, y}, {1, 0}, isBlack);
                QVERIFY2(std::abs(margin - 3 * s) <= 1 && std::abs(frame - 2 * s) <= 1, qPrintable(at));
                QVERIFY2(img.pixel(margin + frame, y) == qRgb(255, 255, 255), qPrintable(at));
                QVERIFY2(img.pixel(int(8 * s), y) == toQColor(clTeal).rgb(), qPrintable(at));
                const int tip = img.width() - runOf(img, {img.width() - 1, y}, {-1, 0}, transparent);
                QVERIFY2(img.pixel(tip - 1, y) == black && std::abs(img.width() - tip - 3 * s) <= 2, qPrintable(at));
                QVERIFY2(arrow.Region().contains(QPoint(8, 9) * zoom) &&
                             !arrow.Region().contains(QPoint(arrow.width() - 2, 1)),
                         qPrintable(at));

                // The frame shown whole along all four edges, one designed
                // pixel thick, nothing of its neighbours.
                img = renderAt(strip, zoomed({8, 6}, zoom), ratio);
                const int in = int(std::ceil(s));
                const QRgb fill = fills[1].rgb();
                QVERIFY2(framedIn(img, black) && img.pixel(in, in) == fill &&
                             img.pixel(img.width() - 1 - in, img.height() - 1 - in) == fill,
                         qPrintable(at));

                // Shadow over highlight, each as thick as the zoom, along the
                // whole width; nothing below.
                img = renderAt(bevel, zoomed({171, 11}, zoom), ratio);
                const int line = runOf(img, {0, 0}, {0, 1}, dark);
                QVERIFY2(std::abs(line - s) <= 0.5 && runOf(img, {0, line}, {0, 1}, light) == line, qPrintable(at));
                for (int x : {0, img.width() / 2, img.width() - 1})
                    QVERIFY2(runOf(img, {x, 0}, {0, 1}, dark) == line && runOf(img, {x, line}, {0, 1}, light) == line,
                             qPrintable(at));
                QVERIFY2(boundsOf(img, [](QRgb c) { return qAlpha(c) > 0; }).height() == 2 * line, qPrintable(at));
            }
    }
};

GAMES_TEST(ZoomedControlsTest);

#include "tst_zoomed.moc"
