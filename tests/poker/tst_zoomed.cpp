#include "assets/cartova/abouticon.h"
#include "assets/cartova/cards.h"
#include "controls/devicepixels.h"
#include "platform/testing/fakeplatform.h"
#include "poker/card.h"
#include "poker/myabout.h"
#include "tests/support/render.h"
#include "tests/support/testregistry.h"

#include <QTest>

#include <cmath>
#include <utility>

using namespace poker;

class ZoomedPicturesTest : public QObject {
    Q_OBJECT
private slots:
    // Cartova's pictures at any zoom of their designed size and any ratio.
    void drawnForTheSizeGivenAtAnyZoomAndRatio()
    {
        using namespace games_test;
        cartova_assets::registerPictures();
        cartova_assets::registerAboutIcon();
        platform::testing::FakePlatform fake;
        QWidget table;
        QPalette p = table.palette();
        const QRgb felt = qRgb(0, 128, 0), black = qRgb(0, 0, 0);
        p.setColor(QPalette::Window, QColor(felt));
        table.setPalette(p);
        TCard card(&table, fake.random);
        card.setCard({12, TCardSuit::Spades});
        TImage icon;
        devicepixels::setDesignedSize(&icon, {56, 51});
        icon.setPicture(QString::fromLatin1(cartova_assets::AboutIcon));
        QRect designedIcon;

        for (const qreal zoom : Zooms)
            for (const qreal ratio : Ratios) {
                const QString at = QStringLiteral("zoom %1, ratio %2").arg(zoom).arg(ratio);
                // A card fills its place: the table colour in the corners
                // only, the black outline reaching every edge and closed, so
                // the table does not run into the card.
                for (const bool back : {false, true}) {
                    card.SetShowDeck(back);
                    const QImage img = renderAt(card, zoomed({71, 96}, zoom), ratio);
                    const int w = img.width(), h = img.height();
                    QVERIFY2(boundsOf(img, transparent).isNull(), qPrintable(at));
                    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
                        QVERIFY2(img.pixel(corner) == felt, qPrintable(at));
                    for (const auto &[from, step] : {std::pair{QPoint(w / 2, 0), QPoint(0, 1)},
                                                     {QPoint(w / 2, h - 1), QPoint(0, -1)},
                                                     {QPoint(0, h / 2), QPoint(1, 0)},
                                                     {QPoint(w - 1, h / 2), QPoint(-1, 0)}})
                        QVERIFY2(img.pixel(from) == black && img.pixel(from + step * 4) != felt, qPrintable(at));
                }

                // The About box's icon grows with its place and stays in the
                // middle of it.
                const QImage img = renderAt(icon, zoomed({56, 51}, zoom), ratio);
                const QRect inked = boundsOf(img, [](QRgb c) { return qAlpha(c) > 0; });
                if (designedIcon.isNull())
                    designedIcon = inked; // zoom 1, ratio 1
                const qreal s = zoom * ratio;
                QVERIFY2(std::abs(inked.width() - designedIcon.width() * s) <= 2 + s &&
                             std::abs(inked.height() - designedIcon.height() * s) <= 2 + s &&
                             (inked.center() - designedIcon.center() * s).manhattanLength() <= 2 + 2 * s,
                         qPrintable(at));
            }
    }
};

GAMES_TEST(ZoomedPicturesTest);

#include "tst_zoomed.moc"
