#include "assets/cartova/abouticon.h"

#include "platform/resources.h"

#include <QPainter>
#include <QPainterPath>

namespace cartova_assets {

namespace {

// Of the sixteen standard colours, those the icon uses.
const QRgb Black = qRgb(0, 0, 0);
const QRgb Navy = qRgb(0, 0, 128);
const QRgb Gray = qRgb(128, 128, 128);
const QRgb Silver = qRgb(192, 192, 192);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb White = qRgb(255, 255, 255);

// A card with its corners cut off, outlined in black.
void card(QPainter &g, int x, int y, int w, int h, QRgb face)
{
    g.fillRect(x + 1, y + 1, w - 2, h - 2, QColor(face));
    const platform::resources::PixelStrokes strokes(g);
    g.setPen(QColor(Black));
    g.drawLine(x + 1, y, x + w - 2, y);
    g.drawLine(x + 1, y + h - 1, x + w - 2, y + h - 1);
    g.drawLine(x, y + 1, x, y + h - 2);
    g.drawLine(x + w - 1, y + 1, x + w - 1, y + h - 2);
}

QPainterPath heart(qreal cx, qreal cy, qreal s)
{
    QPainterPath p;
    p.moveTo(cx, cy + s);
    p.cubicTo(cx - 1.5 * s, cy - 0.1 * s, cx - 0.9 * s, cy - 1.25 * s, cx, cy - 0.45 * s);
    p.cubicTo(cx + 0.9 * s, cy - 1.25 * s, cx + 1.5 * s, cy - 0.1 * s, cx, cy + s);
    p.closeSubpath();
    return p;
}

QPainterPath spade(qreal cx, qreal cy, qreal s)
{
    QPainterPath p;
    p.moveTo(cx, cy - s);
    p.cubicTo(cx + 1.5 * s, cy + 0.1 * s, cx + 0.9 * s, cy + 1.1 * s, cx + 0.1 * s, cy + 0.45 * s);
    p.lineTo(cx + 0.45 * s, cy + 1.15 * s);
    p.lineTo(cx - 0.45 * s, cy + 1.15 * s);
    p.lineTo(cx - 0.1 * s, cy + 0.45 * s);
    p.cubicTo(cx - 0.9 * s, cy + 1.1 * s, cx - 1.5 * s, cy + 0.1 * s, cx, cy - s);
    p.closeSubpath();
    return p;
}

// A capital A, three pixels wide and five high, with its top at (x, y).
void letterA(QPainter &g, int x, int y, QRgb ink)
{
    const platform::resources::PixelStrokes strokes(g);
    g.setPen(QColor(ink));
    g.drawPoint(x + 1, y);
    g.drawLine(x, y + 1, x, y + 4);
    g.drawLine(x + 2, y + 1, x + 2, y + 4);
    g.drawPoint(x + 1, y + 2);
}

// Unsmoothed, so that every pixel keeps one of the sixteen colours.
void drawAboutIcon(QPainter &g)
{
    g.setRenderHint(QPainter::Antialiasing, false);

    // The back, furthest left: blue with a navy lattice inside a white rim.
    card(g, 1, 1, 16, 23, Blue);
    g.setClipRect(3, 3, 12, 19);
    {
        const platform::resources::PixelStrokes strokes(g);
        g.setPen(QColor(Navy));
        for (int d = -24; d < 24; d += 4) {
            g.drawLine(3 + d, 3, 3 + d + 19, 22);
            g.drawLine(3 + d + 19, 3, 3 + d, 22);
        }
    }
    g.setClipping(false);
    {
        const platform::resources::PixelStrokes strokes(g);
        g.setPen(QPen(QColor(White), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        g.drawRect(2, 2, 13, 20);
    }

    // The ace of hearts, its corner in sight beside the front card.
    card(g, 7, 5, 16, 23, White);
    letterA(g, 9, 7, Red);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(Red));
    g.drawPath(heart(10.5, 16, 2.5));

    // The ace of spades in front, with a grey shadow on its right.
    {
        const platform::resources::PixelStrokes strokes(g);
        g.setPen(QColor(Gray));
        g.drawLine(30, 11, 30, 30);
        g.drawLine(15, 31, 29, 31);
    }
    card(g, 14, 9, 16, 22, White);
    letterA(g, 16, 11, Black);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(Black));
    g.drawPath(spade(22.5, 19.5, 5));
    const platform::resources::PixelStrokes strokes(g);
    g.setPen(QColor(Silver));
    g.drawLine(15, 29, 28, 29);
}

} // namespace

void registerAboutIcon()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    platform::resources::registerPicture(QString::fromLatin1(AboutIcon), {32, 32}, drawAboutIcon);
}

} // namespace cartova_assets
