#include "assets/cartova/cards.h"
#include "platform/resources.h"
#include "platform/testing/fakeplatform.h"
#include "poker/card.h"
#include "tests/support/testregistry.h"

#include <QPainter>
#include <QTest>

using namespace poker;

namespace {

QStringList allPictureNames()
{
    QStringList names;
    for (const char s : {'S', 'D', 'C', 'H'})
        for (int v = 1; v <= 13; ++v)
            names << QLatin1Char(s) + QString::number(v);
    for (int d = 0; d < 12; ++d)
        names << backPictureName(TDecks(d));
    return names;
}

} // namespace

class CardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { cartova_assets::registerPictures(); }

    void namesOfPicturesAndCards()
    {
        QCOMPARE(facePictureName(TCardSuit::Spades, 1), QStringLiteral("S1"));
        QCOMPARE(facePictureName(TCardSuit::Hearts, 11), QStringLiteral("H11"));
        QCOMPARE(facePictureName(TCardSuit::Clubs, 13), QStringLiteral("C13"));
        QCOMPARE(backPictureName(TDecks::Standard1), QStringLiteral("STD1"));
        QCOMPARE(backPictureName(TDecks::Beach), QStringLiteral("BEACH"));
        QCOMPARE(backPictureName(TDecks::Hand), QStringLiteral("HAND"));
        QCOMPARE(cardName(TCardSuit::Hearts, 12), QStringLiteral("Queen of Hearts"));
        QCOMPARE(cardName(TCardSuit::Spades, 1), QStringLiteral("Ace of Spades"));
        QCOMPARE(cardName(TCardSuit::Diamonds, 10), QStringLiteral("10 of Diamonds"));
    }

    // All 64 pictures: card-sized, distinct, a black outline closing off
    // corners of another colour, at normal and double pixel ratio.
    void picturesHaveTheCardLayout()
    {
        const QStringList names = allPictureNames();
        QCOMPARE(names.size(), 64);
        QSet<QByteArray> distinct;
        for (const qreal dpr : {1.0, 2.0}) {
            for (const QString &name : names) {
                QVERIFY2(platform::resources::hasPicture(name), qPrintable(name));
                const bool face = name.size() <= 3 && name[1].isDigit();
                QPixmap pm =
                    face ? cartova_assets::drawFace(QStringLiteral("SDCH").indexOf(name[0]), name.mid(1).toInt(), dpr)
                         : cartova_assets::drawBack(name, dpr);
                QCOMPARE(pm.deviceIndependentSize().toSize(), QSize(71, 96));
                QImage img = pm.toImage().convertToFormat(QImage::Format_RGB32);
                const int w = img.width(), h = img.height();
                for (const QPoint p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
                    QVERIFY2((img.pixel(p) & 0xFFFFFF) != 0, qPrintable(name));
                QCOMPARE(img.pixel(w / 2, 0) & 0xFFFFFF, 0u); // the outline
                const QRgb centre = img.pixel(w / 2, h / 2);
                fillCorners(img, QColor(0, 0, 128));
                for (const QPoint p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
                    QCOMPARE(img.pixel(p), QColor(0, 0, 128).rgb());
                QVERIFY2(img.pixel(w / 2, h / 2) == centre, qPrintable(name)); // no leak inside
                QVERIFY2(img.pixel(w / 2, 6 * int(dpr)) != QColor(0, 0, 128).rgb(), qPrintable(name));
                if (dpr == 1.0)
                    distinct.insert(QByteArray(reinterpret_cast<const char *>(img.constBits()), img.sizeInBytes()));
            }
        }
        QCOMPARE(distinct.size(), 64);
    }

    void propertiesAreClampedAndPainted()
    {
        platform::testing::FakePlatform fake;
        QWidget table;
        QPalette p = table.palette();
        p.setColor(QPalette::Window, QColor(0, 128, 0));
        table.setPalette(p);
        TCard card(&table, fake.random);
        QCOMPARE(card.size(), QSize(71, 96));
        QCOMPARE(card.Value(), TCardValue(1));
        QCOMPARE(card.Suit(), TCardSuit::Hearts);
        QCOMPARE(card.DeckType(), TDecks::Standard1);
        QVERIFY(!card.ShowDeck());
        card.SetValue(0);
        QCOMPARE(card.Value(), TCardValue(1));
        card.SetValue(14);
        QCOMPARE(card.Value(), TCardValue(13));
        card.SetValue(12);
        QCOMPARE(card.accessibleName(), QStringLiteral("Queen of Hearts"));
        card.setKept(true);
        QCOMPARE(card.accessibleName(), QStringLiteral("Queen of Hearts, kept"));
        card.Flip();
        QVERIFY(card.ShowDeck());
        QCOMPARE(card.accessibleName(), QStringLiteral("face down"));
        card.Flip();
        QVERIFY(!card.ShowDeck());

        QImage green = card.paintedImage();
        QCOMPARE(green.pixel(0, 0), QColor(0, 128, 0).rgb());
        p.setColor(QPalette::Window, QColor(128, 0, 0));
        table.setPalette(p);
        QImage red = card.paintedImage();
        QCOMPARE(red.pixel(0, 0), QColor(128, 0, 0).rgb());
        QCOMPARE(red.pixel(35, 48), green.pixel(35, 48));

        // Painted on the screen at once, at whatever size it is given.
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        card.resize(100, 120);
        card.repaint();
        QCOMPARE(card.size(), QSize(100, 120));
        const QImage shown = card.grab().toImage();
        QCOMPARE(shown.size(), QSize(100, 120));
        QCOMPARE(shown.pixel(0, 0), QColor(128, 0, 0).rgb());
        QCOMPARE(shown.pixel(99, 119), QColor(128, 0, 0).rgb());
        QCOMPARE(shown.pixel(50, 0), qRgb(0, 0, 0));

        // Every write paints before it returns, an unchanged value too.
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *e) override
            {
                paints += e->type() == QEvent::Paint;
                return false;
            }
        } counter;
        card.installEventFilter(&counter);
        card.SetValue(card.Value());
        card.SetSuit(TCardSuit::Clubs);
        card.SetDeckType(TDecks::Robot);
        card.Flip();
        QCOMPARE(counter.paints, 4);
    }

    // Every suit's pip is one solid shape, at 1x and 2x: a single outline,
    // and every pixel that lies wholly inside it is fully inked.
    void pipsAreSolid()
    {
        for (int suit = 0; suit < 4; ++suit)
            for (const qreal size : {8.0, 12.0, 24.0, 28.0}) {
                const QPainterPath pip = cartova_assets::suitPath(suit, size);
                const QList<QPolygonF> outlines = pip.toSubpathPolygons();
                QCOMPARE(outlines.size(), 1);
                for (const qreal ratio : {1.0, 2.0}) {
                    const QRectF box = pip.boundingRect().adjusted(-1, -1, 1, 1);
                    QImage image((box.size() * ratio).toSize(), QImage::Format_ARGB32);
                    image.fill(Qt::transparent);
                    QPainter p(&image);
                    p.setRenderHint(QPainter::Antialiasing);
                    p.scale(ratio, ratio);
                    p.translate(-box.topLeft());
                    p.fillPath(pip, Qt::black);
                    p.end();
                    int inked = 0;
                    for (int y = 0; y < image.height(); ++y)
                        for (int x = 0; x < image.width(); ++x)
                            if (pip.contains(QRectF(QPointF(x, y) / ratio + box.topLeft(), QSizeF(1, 1) / ratio))) {
                                QVERIFY2(qAlpha(image.pixel(x, y)) >= 250,
                                         qPrintable(QStringLiteral("suit %1 at %2x: a blank at %3,%4 (%5)")
                                                        .arg(suit)
                                                        .arg(ratio)
                                                        .arg(x)
                                                        .arg(y)
                                                        .arg(qAlpha(image.pixel(x, y)))));
                                ++inked;
                            }
                    QVERIFY(inked > 0);
                }
            }
    }

    void pickRandomDrawsSuitThenValue()
    {
        platform::testing::FakePlatform fake;
        TCard a(nullptr, fake.random), b(nullptr, fake.random);
        a.PickRandom();
        b.setCard(Card{a.Value(), a.Suit()});
        QVERIFY(!a.DiffersFrom(b));
        b.SetValue(a.Value() == 13 ? 1 : a.Value() + 1);
        QVERIFY(a.DiffersFrom(b));
    }

    void clickIsAPressAndReleaseInside()
    {
        platform::testing::FakePlatform fake;
        TCard card(nullptr, fake.random);
        int clicks = 0;
        connect(&card, &TCard::OnClick, [&] { ++clicks; });
        QTest::mouseClick(&card, Qt::LeftButton, {}, QPoint(30, 40));
        QCOMPARE(clicks, 1);
        QTest::mousePress(&card, Qt::LeftButton, {}, QPoint(30, 40));
        QTest::mouseRelease(&card, Qt::LeftButton, {}, QPoint(200, 40));
        QCOMPARE(clicks, 1);
    }
};

GAMES_TEST(CardTest);
#include "tst_card.moc"
