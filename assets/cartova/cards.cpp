#include "assets/cartova/cards.h"

#include "platform/resources.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace cartova_assets {

namespace {

const QColor Corner(192, 192, 192); // outside the outline; the card repaints it
const QColor Red(204, 0, 0);
const QColor Ink(20, 20, 20); // "black" ink inside the card, never the outline's pure black
const QColor Gold(230, 180, 30);
const QColor Skin(250, 216, 176);

bool isRed(int suit) { return suit == 1 || suit == 3; }

} // namespace

QPainterPath suitPath(int suit, qreal size)
{
    const qreal s = size / 2;
    QPainterPath p;
    switch (suit) {
    case 1: // diamond
        p.moveTo(0, -s * 1.2);
        p.lineTo(s * 0.85, 0);
        p.lineTo(0, s * 1.2);
        p.lineTo(-s * 0.85, 0);
        p.closeSubpath();
        break;
    case 3: // heart
        p.moveTo(0, s * 1.05);
        p.cubicTo(-s * 0.6, s * 0.5, -s * 1.1, s * 0.05, -s * 1.0, -s * 0.45);
        p.cubicTo(-s * 0.9, -s * 1.05, -s * 0.1, -s * 1.1, 0, -s * 0.5);
        p.cubicTo(s * 0.1, -s * 1.1, s * 0.9, -s * 1.05, s * 1.0, -s * 0.45);
        p.cubicTo(s * 1.1, s * 0.05, s * 0.6, s * 0.5, 0, s * 1.05);
        p.closeSubpath();
        break;
    case 0: { // spade: an upturned heart on a stem
        p.moveTo(0, -s * 1.1);
        p.cubicTo(s * 0.6, -s * 0.5, s * 1.1, -s * 0.15, s * 1.0, s * 0.3);
        p.cubicTo(s * 0.9, s * 0.85, s * 0.2, s * 0.85, s * 0.08, s * 0.4);
        p.lineTo(s * 0.35, s * 1.1);
        p.lineTo(-s * 0.35, s * 1.1);
        p.lineTo(-s * 0.08, s * 0.4);
        p.cubicTo(-s * 0.2, s * 0.85, -s * 0.9, s * 0.85, -s * 1.0, s * 0.3);
        p.cubicTo(-s * 1.1, -s * 0.15, -s * 0.6, -s * 0.5, 0, -s * 1.1);
        p.closeSubpath();
        break;
    }
    default: { // club: three leaves on a stem, joined into one outline
        const qreal r = s * 0.5;
        auto leaf = [r](QPointF centre) {
            QPainterPath e;
            e.addEllipse(centre, r, r);
            return e;
        };
        QPainterPath heart;
        heart.addRect(QRectF(-s * 0.2, -s * 0.2, s * 0.4, s * 0.6));
        QPainterPath stem;
        stem.moveTo(-s * 0.1, s * 0.2);
        stem.lineTo(s * 0.1, s * 0.2);
        stem.lineTo(s * 0.38, s * 1.1);
        stem.lineTo(-s * 0.38, s * 1.1);
        stem.closeSubpath();
        p = leaf(QPointF(0, -s * 0.5))
                .united(leaf(QPointF(-s * 0.55, s * 0.2)))
                .united(leaf(QPointF(s * 0.55, s * 0.2)))
                .united(heart)
                .united(stem);
        break;
    }
    }
    return p;
}

namespace {

void drawPip(QPainter &g, int suit, QPointF at, qreal size, bool upsideDown)
{
    g.save();
    g.translate(at);
    if (upsideDown)
        g.rotate(180);
    g.setPen(Qt::NoPen);
    g.setBrush(isRed(suit) ? Red : Ink);
    g.drawPath(suitPath(suit, size));
    g.restore();
}

QRectF bodyRect() { return QRectF(0.5, 0.5, CardWidth - 1, CardHeight - 1); }

// A blank card: the corner colour outside a white rounded body.
void blankCard(QPainter &g)
{
    g.fillRect(QRect(0, 0, CardWidth, CardHeight), Corner);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(Qt::white);
    g.drawRoundedRect(bodyRect(), 5, 5);
}

// The black outline last, unsmoothed, so that it closes the corners off for
// the card's flood fill at any pixel ratio.
void outline(QPainter &g)
{
    g.setRenderHint(QPainter::Antialiasing, false);
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    g.drawRoundedRect(bodyRect(), 5, 5);
}

QString rankText(int value)
{
    switch (value) {
    case 1: return QStringLiteral("A");
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    default: return QString::number(value);
    }
}

void drawIndex(QPainter &g, int suit, int value)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(value == 10 ? 11 : 12);
    f.setBold(true);
    if (value == 10)
        f.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    g.setFont(f);
    for (int end = 0; end < 2; ++end) {
        g.save();
        if (end == 1) {
            g.translate(CardWidth, CardHeight);
            g.rotate(180);
        }
        g.setPen(isRed(suit) ? Red : Ink);
        g.drawText(QRectF(1, 3, 14, 13), Qt::AlignCenter, rankText(value));
        drawPip(g, suit, QPointF(8, 21), 8, false);
        g.restore();
    }
}

void drawPips(QPainter &g, int suit, int value)
{
    const qreal L = 24, C = 35.5, R = 47;
    const qreal top = 16, bottom = 80;
    auto y = [&](qreal f) { return top + (bottom - top) * f; };
    struct P {
        qreal x, f;
    };
    std::vector<P> pips;
    switch (value) {
    case 2: pips = {{C, 0}, {C, 1}}; break;
    case 3: pips = {{C, 0}, {C, .5}, {C, 1}}; break;
    case 4: pips = {{L, 0}, {R, 0}, {L, 1}, {R, 1}}; break;
    case 5: pips = {{L, 0}, {R, 0}, {C, .5}, {L, 1}, {R, 1}}; break;
    case 6: pips = {{L, 0}, {R, 0}, {L, .5}, {R, .5}, {L, 1}, {R, 1}}; break;
    case 7: pips = {{L, 0}, {R, 0}, {C, .25}, {L, .5}, {R, .5}, {L, 1}, {R, 1}}; break;
    case 8: pips = {{L, 0}, {R, 0}, {C, .25}, {L, .5}, {R, .5}, {C, .75}, {L, 1}, {R, 1}}; break;
    case 9: pips = {{L, 0}, {R, 0}, {L, 1. / 3}, {R, 1. / 3}, {C, .5}, {L, 2. / 3}, {R, 2. / 3}, {L, 1}, {R, 1}}; break;
    case 10:
        pips = {{L, 0},      {R, 0},      {C, 1. / 6}, {L, 1. / 3}, {R, 1. / 3},
                {L, 2. / 3}, {R, 2. / 3}, {C, 5. / 6}, {L, 1},      {R, 1}};
        break;
    }
    for (const P &p : pips)
        drawPip(g, suit, QPointF(p.x, y(p.f)), 12, p.f > .5);
}

void drawAce(QPainter &g, int suit)
{
    const QPointF centre(35.5, 48);
    if (suit == 0) { // the ace of spades carries a large ornamented pip
        g.setPen(QPen(Ink, 0.8));
        g.setBrush(Qt::NoBrush);
        g.drawEllipse(centre, 19, 19);
        drawPip(g, suit, centre, 28, false);
        g.setPen(QPen(Qt::white, 1.0));
        g.drawArc(QRectF(centre.x() - 6, centre.y() - 6, 12, 12), 30 * 16, 120 * 16);
    } else {
        drawPip(g, suit, centre, 24, false);
    }
}

// One half of a court figure, drawn in the upper half of the frame.
void drawCourtHalf(QPainter &g, int suit, int value)
{
    const QColor robe = isRed(suit) ? QColor(190, 30, 40) : QColor(40, 60, 160);
    const QColor trim = isRed(suit) ? QColor(40, 60, 160) : QColor(190, 30, 40);
    const qreal cx = 35.5;
    g.setPen(QPen(Ink, 0.7));

    // Robe with shoulders and a trimmed collar.
    QPainterPath body;
    body.moveTo(cx - 9, 37);
    body.quadTo(cx - 15, 39, cx - 19, 48);
    body.lineTo(cx + 19, 48);
    body.quadTo(cx + 15, 39, cx + 9, 37);
    body.closeSubpath();
    g.setBrush(robe);
    g.drawPath(body);
    g.setBrush(Gold);
    g.drawRect(QRectF(cx - 2, 38, 4, 10));
    g.setBrush(trim);
    QPainterPath collar;
    collar.moveTo(cx - 9, 37);
    collar.lineTo(cx, 43);
    collar.lineTo(cx + 9, 37);
    collar.lineTo(cx, 39);
    collar.closeSubpath();
    g.drawPath(collar);

    // Hair and head.
    const QPointF head(cx, 28.5);
    if (value == 12) { // the queen's long hair
        g.setBrush(QColor(200, 150, 40));
        g.drawRoundedRect(QRectF(cx - 9, 21, 18, 16), 6, 6);
    }
    g.setBrush(Skin);
    g.drawEllipse(head, 6.5, 7.5);
    g.setBrush(Ink);
    g.setPen(Qt::NoPen);
    g.drawEllipse(QPointF(cx - 2.4, 27.5), 0.9, 0.9);
    g.drawEllipse(QPointF(cx + 2.4, 27.5), 0.9, 0.9);
    g.setPen(QPen(Red, 0.8));
    g.drawLine(QPointF(cx - 1.6, 32.2), QPointF(cx + 1.6, 32.2));
    g.setPen(QPen(Ink, 0.7));

    if (value == 13) { // the king: a crown and a beard
        g.setBrush(QColor(235, 235, 235));
        QPainterPath beard;
        beard.moveTo(cx - 6, 31);
        beard.quadTo(cx, 40, cx + 6, 31);
        beard.quadTo(cx, 34, cx - 6, 31);
        g.drawPath(beard);
        QPainterPath crown;
        crown.moveTo(cx - 7, 22);
        crown.lineTo(cx - 8, 14);
        crown.lineTo(cx - 4, 18);
        crown.lineTo(cx, 12);
        crown.lineTo(cx + 4, 18);
        crown.lineTo(cx + 8, 14);
        crown.lineTo(cx + 7, 22);
        crown.closeSubpath();
        g.setBrush(Gold);
        g.drawPath(crown);
        g.setBrush(Red);
        g.drawEllipse(QPointF(cx, 19.5), 1.2, 1.2);
    } else if (value == 12) { // the queen: a tiara
        QPainterPath tiara;
        tiara.moveTo(cx - 6, 22.5);
        tiara.quadTo(cx, 14, cx + 6, 22.5);
        tiara.quadTo(cx, 20, cx - 6, 22.5);
        g.setBrush(Gold);
        g.drawPath(tiara);
        g.setBrush(trim);
        g.drawEllipse(QPointF(cx, 18.5), 1.3, 1.3);
    } else { // the jack: a cap with a feather
        g.setBrush(trim);
        g.drawChord(QRectF(cx - 7.5, 16, 15, 12), 0, 180 * 16);
        g.setBrush(Gold);
        QPainterPath feather;
        feather.moveTo(cx - 5, 20);
        feather.quadTo(cx - 9, 14, cx - 6, 11);
        feather.quadTo(cx - 5, 15, cx - 3, 18);
        g.drawPath(feather);
    }
    // What each holds at the shoulder: a sword, a flower, a halberd.
    g.setPen(QPen(Ink, 0.7));
    if (value == 13) {
        g.setBrush(QColor(210, 215, 225));
        g.drawRect(QRectF(cx + 12, 17, 2, 22));
        g.setBrush(Gold);
        g.drawRect(QRectF(cx + 9.5, 37, 7, 2));
    } else if (value == 12) {
        g.setPen(QPen(QColor(30, 120, 40), 1.0));
        g.drawLine(QPointF(cx + 13, 38), QPointF(cx + 14, 24));
        g.setPen(QPen(Ink, 0.5));
        g.setBrush(QColor(230, 60, 90));
        g.drawEllipse(QPointF(cx + 14, 22.5), 2.8, 2.8);
        g.setBrush(Gold);
        g.drawEllipse(QPointF(cx + 14, 22.5), 1.0, 1.0);
    } else {
        g.setPen(QPen(QColor(120, 75, 30), 1.2));
        g.drawLine(QPointF(cx + 14, 44), QPointF(cx + 14, 18));
        g.setPen(QPen(Ink, 0.5));
        g.setBrush(QColor(210, 215, 225));
        QPainterPath blade;
        blade.moveTo(cx + 14, 15);
        blade.lineTo(cx + 18, 20);
        blade.lineTo(cx + 14, 23);
        blade.closeSubpath();
        g.drawPath(blade);
    }
    // The suit beside the figure.
    drawPip(g, suit, QPointF(cx - 13, 20), 7, false);
}

void drawCourt(QPainter &g, int suit, int value)
{
    const QRectF frame(14.5, 12.5, 42, 71);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(255, 246, 214));
    g.drawRect(frame);
    g.save();
    g.setClipRect(frame);
    drawCourtHalf(g, suit, value);
    g.translate(CardWidth, 96);
    g.rotate(180);
    drawCourtHalf(g, suit, value);
    g.restore();
    g.setPen(QPen(isRed(suit) ? Red : Ink, 0.8));
    g.setBrush(Qt::NoBrush);
    g.drawRect(frame);
    g.drawLine(QPointF(frame.left(), 48), QPointF(frame.right(), 48));
}

// --- backs ---

using BackPainter = void (*)(QPainter &, const QRectF &);

void lattice(QPainter &g, const QRectF &r, QColor ground, QColor line, qreal step)
{
    g.fillRect(r, ground);
    g.setPen(QPen(line, 1.0));
    for (qreal d = -r.height(); d < r.width() + r.height(); d += step) {
        g.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        g.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
    }
}

void backStd1(QPainter &g, const QRectF &r)
{
    lattice(g, r, QColor(170, 20, 30), QColor(240, 150, 150), 6);
    g.setPen(QPen(QColor(250, 230, 230), 1.2));
    g.setBrush(Qt::NoBrush);
    g.drawRect(r.adjusted(3, 3, -3, -3));
    g.setBrush(QColor(170, 20, 30));
    g.drawEllipse(r.center(), 11, 11);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(250, 230, 230));
    g.drawPath(suitPath(3, 11).translated(r.center()));
}

void backStd2(QPainter &g, const QRectF &r)
{
    g.fillRect(r, QColor(25, 50, 140));
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(120, 160, 230));
    for (qreal y = r.top() + 3; y < r.bottom(); y += 7)
        for (qreal x = r.left() + ((int(y) / 7) % 2 ? 3 : 6.5); x < r.right(); x += 7)
            g.drawEllipse(QPointF(x, y), 1.6, 1.6);
    g.setPen(QPen(QColor(230, 235, 255), 1.2));
    g.setBrush(QColor(25, 50, 140));
    QPainterPath dia;
    const QPointF c = r.center();
    dia.moveTo(c.x(), c.y() - 20);
    dia.lineTo(c.x() + 14, c.y());
    dia.lineTo(c.x(), c.y() + 20);
    dia.lineTo(c.x() - 14, c.y());
    dia.closeSubpath();
    g.drawPath(dia);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(230, 235, 255));
    g.drawPath(suitPath(0, 10).translated(c));
}

void fish(QPainter &g, QPointF at, qreal len, QColor body, QColor stripe, bool left)
{
    g.save();
    g.translate(at);
    if (left)
        g.scale(-1, 1);
    g.setPen(QPen(QColor(40, 30, 20), 0.6));
    g.setBrush(body);
    QPainterPath tail;
    tail.moveTo(-len * 0.35, 0);
    tail.lineTo(-len * 0.65, -len * 0.22);
    tail.lineTo(-len * 0.65, len * 0.22);
    tail.closeSubpath();
    g.drawPath(tail);
    g.drawEllipse(QPointF(0, 0), len * 0.42, len * 0.22);
    g.setPen(QPen(stripe, len * 0.07));
    g.drawLine(QPointF(-len * 0.05, -len * 0.18), QPointF(-len * 0.05, len * 0.18));
    g.setPen(Qt::NoPen);
    g.setBrush(Qt::black);
    g.drawEllipse(QPointF(len * 0.25, -len * 0.04), len * 0.04, len * 0.04);
    g.restore();
}

void bubbles(QPainter &g, const QRectF &r)
{
    g.setPen(QPen(QColor(220, 240, 255), 0.7));
    g.setBrush(Qt::NoBrush);
    const QPointF at[] = {{50, 14}, {53, 10}, {49, 6}, {18, 55}, {21, 50}};
    for (int i = 0; i < 5; ++i)
        g.drawEllipse(at[i] + r.topLeft(), 1.5 + (i % 2) * 0.6, 1.5 + (i % 2) * 0.6);
}

void backFishes1(QPainter &g, const QRectF &r)
{
    QLinearGradient sea(r.topLeft(), r.bottomLeft());
    sea.setColorAt(0, QColor(60, 160, 230));
    sea.setColorAt(1, QColor(10, 40, 120));
    g.fillRect(r, sea);
    fish(g, r.topLeft() + QPointF(22, 22), 22, QColor(250, 140, 20), Qt::white, false);
    fish(g, r.topLeft() + QPointF(42, 48), 26, QColor(250, 200, 30), QColor(200, 60, 20), true);
    fish(g, r.topLeft() + QPointF(24, 72), 18, QColor(250, 110, 60), Qt::white, false);
    bubbles(g, r);
}

void backFishes2(QPainter &g, const QRectF &r)
{
    QLinearGradient sea(r.topLeft(), r.bottomLeft());
    sea.setColorAt(0, QColor(40, 190, 170));
    sea.setColorAt(1, QColor(10, 80, 70));
    g.fillRect(r, sea);
    g.setPen(QPen(QColor(20, 120, 40), 2.0));
    for (int i = 0; i < 3; ++i) {
        QPainterPath weed;
        const qreal x = r.left() + 10 + i * 22;
        weed.moveTo(x, r.bottom());
        weed.cubicTo(x - 6, r.bottom() - 12, x + 6, r.bottom() - 20, x, r.bottom() - 30);
        g.drawPath(weed);
    }
    fish(g, r.topLeft() + QPointF(32, 26), 30, QColor(240, 230, 60), QColor(30, 30, 30), true);
    fish(g, r.topLeft() + QPointF(22, 50), 16, QColor(160, 90, 220), QColor(250, 250, 250), false);
    bubbles(g, r);
}

void backBeach(QPainter &g, const QRectF &r)
{
    QLinearGradient sky(r.topLeft(), QPointF(r.left(), r.top() + 50));
    sky.setColorAt(0, QColor(90, 170, 240));
    sky.setColorAt(1, QColor(200, 230, 250));
    g.fillRect(QRectF(r.left(), r.top(), r.width(), 52), sky);
    g.fillRect(QRectF(r.left(), r.top() + 52, r.width(), 14), QColor(30, 110, 190));
    g.setPen(QPen(QColor(200, 230, 250), 0.8));
    for (qreal x = r.left() + 3; x < r.right(); x += 9)
        g.drawLine(QPointF(x, r.top() + 58), QPointF(x + 4, r.top() + 58));
    g.fillRect(QRectF(r.left(), r.top() + 66, r.width(), r.height() - 66), QColor(236, 205, 140));
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(255, 210, 40));
    g.drawEllipse(QPointF(r.right() - 14, r.top() + 13), 8, 8);
    // A palm tree.
    g.setPen(QPen(QColor(120, 75, 30), 3.0, Qt::SolidLine, Qt::RoundCap));
    QPainterPath trunk;
    trunk.moveTo(r.left() + 22, r.top() + 80);
    trunk.quadTo(r.left() + 17, r.top() + 55, r.left() + 25, r.top() + 32);
    g.drawPath(trunk);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(30, 140, 50));
    const QPointF crown(r.left() + 25, r.top() + 32);
    for (int i = 0; i < 5; ++i) {
        g.save();
        g.translate(crown);
        g.rotate(-160 + i * 40);
        QPainterPath frond;
        frond.moveTo(0, 0);
        frond.quadTo(9, -5, 18, 2);
        frond.quadTo(9, 0, 0, 0);
        g.drawPath(frond);
        g.restore();
    }
}

void leaf(QPainter &g, QPointF at, qreal angle, qreal len, QColor c)
{
    g.save();
    g.translate(at);
    g.rotate(angle);
    g.setPen(QPen(c.darker(160), 0.6));
    g.setBrush(c);
    QPainterPath p;
    p.moveTo(0, 0);
    p.quadTo(len * 0.5, -len * 0.35, len, 0);
    p.quadTo(len * 0.5, len * 0.35, 0, 0);
    g.drawPath(p);
    g.drawLine(QPointF(0, 0), QPointF(len, 0));
    g.restore();
}

void backLeaves(QPainter &g, const QRectF &r, QColor ground, const QColor *colours)
{
    g.fillRect(r, ground);
    int i = 0;
    for (qreal y = r.top() + 4; y < r.bottom() + 6; y += 13)
        for (qreal x = r.left() + ((int(y) / 13) % 2 ? -2 : 6); x < r.right(); x += 17, ++i)
            leaf(g, QPointF(x, y), (i * 53) % 360, 14, colours[i % 3]);
}

void backLeaves1(QPainter &g, const QRectF &r)
{
    const QColor c[] = {QColor(60, 150, 50), QColor(110, 180, 60), QColor(30, 110, 40)};
    backLeaves(g, r, QColor(220, 240, 200), c);
}

void backLeaves2(QPainter &g, const QRectF &r)
{
    const QColor c[] = {QColor(210, 100, 20), QColor(200, 50, 30), QColor(220, 170, 40)};
    backLeaves(g, r, QColor(120, 70, 40), c);
}

void backRobot(QPainter &g, const QRectF &r)
{
    lattice(g, r, QColor(70, 80, 95), QColor(95, 105, 120), 8);
    const qreal cx = r.center().x();
    g.setPen(QPen(QColor(30, 30, 30), 0.8));
    g.setBrush(QColor(190, 200, 210));
    g.drawLine(QPointF(cx, r.top() + 16), QPointF(cx, r.top() + 24));
    g.setBrush(QColor(240, 60, 60));
    g.drawEllipse(QPointF(cx, r.top() + 14), 2.5, 2.5);
    g.setBrush(QColor(190, 200, 210));
    g.drawRoundedRect(QRectF(cx - 17, r.top() + 24, 34, 28), 4, 4);
    g.drawRect(QRectF(cx - 21, r.top() + 33, 4, 10));
    g.drawRect(QRectF(cx + 17, r.top() + 33, 4, 10));
    g.setBrush(QColor(60, 220, 255));
    g.drawEllipse(QPointF(cx - 7, r.top() + 35), 4, 4);
    g.drawEllipse(QPointF(cx + 7, r.top() + 35), 4, 4);
    g.setBrush(QColor(40, 40, 40));
    g.drawRect(QRectF(cx - 9, r.top() + 44, 18, 4));
    g.setPen(QPen(QColor(190, 200, 210), 0.8));
    for (int i = 1; i < 5; ++i)
        g.drawLine(QPointF(cx - 9 + i * 3.6, r.top() + 44), QPointF(cx - 9 + i * 3.6, r.top() + 48));
    g.setPen(QPen(QColor(30, 30, 30), 0.8));
    g.setBrush(QColor(160, 170, 185));
    g.drawRoundedRect(QRectF(cx - 14, r.top() + 56, 28, 22), 3, 3);
    g.setBrush(QColor(250, 200, 40));
    g.drawRect(QRectF(cx - 6, r.top() + 61, 12, 6));
}

void rose(QPainter &g, QPointF at, qreal rad)
{
    g.setPen(QPen(QColor(120, 10, 40), 0.6));
    g.setBrush(QColor(220, 40, 80));
    g.drawEllipse(at, rad, rad);
    g.setBrush(Qt::NoBrush);
    for (qreal k = 0.7; k > 0.15; k -= 0.25)
        g.drawArc(QRectF(at.x() - rad * k, at.y() - rad * k, 2 * rad * k, 2 * rad * k), int(k * 900), 270 * 16);
}

void backRoses(QPainter &g, const QRectF &r)
{
    g.fillRect(r, QColor(250, 225, 230));
    int i = 0;
    for (qreal y = r.top() + 8; y < r.bottom(); y += 19, ++i)
        for (qreal x = r.left() + (i % 2 ? 18 : 8); x < r.right(); x += 21) {
            leaf(g, QPointF(x + 3, y + 3), 30, 9, QColor(40, 130, 50));
            rose(g, QPointF(x, y), 6);
        }
}

void backShell(QPainter &g, const QRectF &r)
{
    QRadialGradient sand(r.center(), 50);
    sand.setColorAt(0, QColor(250, 230, 190));
    sand.setColorAt(1, QColor(215, 180, 120));
    g.fillRect(r, sand);
    const QPointF hinge(r.center().x(), r.center().y() + 20);
    g.setPen(QPen(QColor(150, 80, 40), 0.8));
    QPainterPath fan;
    fan.moveTo(hinge);
    fan.arcTo(QRectF(hinge.x() - 26, hinge.y() - 44, 52, 52), 160, -140);
    fan.closeSubpath();
    QLinearGradient shellColour(hinge, hinge - QPointF(0, 40));
    shellColour.setColorAt(0, QColor(240, 140, 90));
    shellColour.setColorAt(1, QColor(255, 215, 180));
    g.setBrush(shellColour);
    g.drawPath(fan);
    for (int i = 1; i < 7; ++i) {
        const qreal a = qDegreesToRadians(160.0 - i * 20.0);
        g.drawLine(hinge, hinge + QPointF(26 * std::cos(a), -26 * std::sin(a) - 18 * std::sin(a) * 0));
    }
    g.setBrush(QColor(240, 150, 100));
    g.drawRect(QRectF(hinge.x() - 6, hinge.y() - 1, 12, 5));
}

void backCastle(QPainter &g, const QRectF &r)
{
    QLinearGradient dusk(r.topLeft(), r.bottomLeft());
    dusk.setColorAt(0, QColor(60, 30, 110));
    dusk.setColorAt(1, QColor(230, 120, 90));
    g.fillRect(r, dusk);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(250, 245, 210));
    g.drawEllipse(QPointF(r.left() + 14, r.top() + 14), 6, 6);
    g.setBrush(QColor(255, 255, 255));
    g.drawEllipse(QPointF(r.left() + 48, r.top() + 9), 0.8, 0.8);
    g.drawEllipse(QPointF(r.left() + 33, r.top() + 19), 0.8, 0.8);
    const QColor stone(40, 25, 50);
    g.setBrush(stone);
    const qreal base = r.bottom();
    auto tower = [&](qreal x, qreal w, qreal top) {
        g.drawRect(QRectF(x, top, w, base - top));
        for (qreal m = x; m < x + w - 1; m += 4)
            g.drawRect(QRectF(m, top - 3, 2.2, 3));
    };
    tower(r.left() + 6, 12, r.top() + 46);
    tower(r.left() + 45, 12, r.top() + 46);
    tower(r.left() + 16, 31, r.top() + 60);
    tower(r.left() + 26, 11, r.top() + 38);
    QPainterPath roof;
    roof.moveTo(r.left() + 25, r.top() + 35);
    roof.lineTo(r.left() + 31.5, r.top() + 22);
    roof.lineTo(r.left() + 38, r.top() + 35);
    roof.closeSubpath();
    g.drawPath(roof);
    g.setBrush(QColor(250, 210, 90));
    g.drawRect(QRectF(r.left() + 30, r.top() + 44, 3, 5));
    g.drawRect(QRectF(r.left() + 10, r.top() + 54, 3, 4));
    g.drawRect(QRectF(r.left() + 49, r.top() + 54, 3, 4));
    g.drawChord(QRectF(r.left() + 26, r.top() + 72, 11, 14), 0, 180 * 16);
}

void backHand(QPainter &g, const QRectF &r)
{
    lattice(g, r, QColor(150, 200, 230), QColor(180, 220, 245), 7);
    const qreal cx = r.center().x();
    const qreal top = r.top() + 14;
    g.setPen(QPen(QColor(120, 70, 40), 0.9));
    g.setBrush(Skin);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(cx - 13, top + 28, 26, 30), 8, 8);
    const qreal fingers[][3] = {{-12.5, 14, 5}, {-6.5, 6, 5.5}, {-0.5, 4, 5.5}, {5.5, 8, 5.5}};
    for (const auto &f : fingers)
        hand.addRoundedRect(QRectF(cx + f[0], top + f[1], f[2], 34 - f[1]), 2.7, 2.7);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-3, -16, 6, 20), 3, 3);
    hand.addPath(QTransform().translate(cx + 14, top + 44).rotate(40).map(thumb));
    hand.addRect(QRectF(cx - 9, top + 58, 18, 16));
    hand.setFillRule(Qt::WindingFill);
    g.drawPath(hand.simplified());
    g.setBrush(QColor(60, 90, 170));
    g.drawRect(QRectF(cx - 10, top + 62, 20, 14));
}

struct BackDesign {
    const char *name;
    BackPainter paint;
};

const BackDesign backs[] = {
    {"STD1", backStd1},   {"STD2", backStd2},       {"FISHES1", backFishes1}, {"FISHES2", backFishes2},
    {"BEACH", backBeach}, {"LEAVES1", backLeaves1}, {"LEAVES2", backLeaves2}, {"ROBOT", backRobot},
    {"ROSES", backRoses}, {"SHELL", backShell},     {"CASTLE", backCastle},   {"HAND", backHand},
};

void paintFace(QPainter &g, int suit, int value)
{
    blankCard(g);
    g.setRenderHint(QPainter::TextAntialiasing);
    drawIndex(g, suit, value);
    if (value == 1)
        drawAce(g, suit);
    else if (value >= 11)
        drawCourt(g, suit, value);
    else
        drawPips(g, suit, value);
    outline(g);
}

void paintBack(QPainter &g, const BackDesign &b)
{
    blankCard(g);
    const QRectF inner(4, 4, CardWidth - 8, CardHeight - 8);
    g.save();
    QPainterPath clip;
    clip.addRoundedRect(inner, 3, 3);
    g.setClipPath(clip);
    b.paint(g, inner);
    g.restore();
    g.setPen(QPen(QColor(60, 60, 60), 0.8));
    g.setBrush(Qt::NoBrush);
    g.drawRoundedRect(inner, 3, 3);
    outline(g);
}

// Two cards fanned out from a third.
void paintDeal(QPainter &g)
{
    g.setRenderHint(QPainter::Antialiasing);
    const qreal angles[] = {-18, 0, 18};
    for (int i = 0; i < 3; ++i) {
        g.save();
        g.translate(14, 22);
        g.rotate(angles[i]);
        g.setPen(QPen(Qt::black, 0.8));
        g.setBrush(i == 2 ? QColor(Qt::white) : QColor(40, 70, 170));
        g.drawRoundedRect(QRectF(-6, -19, 12, 17), 1.5, 1.5);
        if (i == 2)
            drawPip(g, 3, QPointF(0, -10.5), 6, false);
        g.restore();
    }
}

// A stack of coins: all the credits.
void paintAll(QPainter &g)
{
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(120, 80, 0), 0.8));
    for (int i = 0; i < 4; ++i) {
        g.setBrush(QColor(240, 190, 40));
        g.drawEllipse(QRectF(2, 10 - i * 3, 12, 5));
    }
}

// The window icon: a blue back behind a heart, 32 x 32.
void paintIcon(QPainter &g)
{
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::black, 1.0));
    g.save();
    g.translate(13, 29);
    g.rotate(-15);
    g.setBrush(QColor(40, 70, 170));
    g.drawRoundedRect(QRectF(-8, -24, 16, 23), 2, 2);
    g.restore();
    g.save();
    g.translate(19, 29);
    g.rotate(12);
    g.setBrush(Qt::white);
    g.drawRoundedRect(QRectF(-8, -24, 16, 23), 2, 2);
    drawPip(g, 3, QPointF(0, -12.5), 10, false);
    g.restore();
}

const char suitLetters[] = {'S', 'D', 'C', 'H'};

} // namespace

QPixmap drawFace(int suit, int value, qreal dpr)
{
    registerPictures();
    return platform::resources::picture(QLatin1Char(suitLetters[suit & 3]) + QString::number(value), dpr);
}

QPixmap drawBack(const QString &name, qreal dpr)
{
    registerPictures();
    return platform::resources::picture(name, dpr);
}

void registerPictures()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    using namespace platform::resources;
    const QSize card(CardWidth, CardHeight);
    for (int suit = 0; suit < 4; ++suit)
        for (int value = 1; value <= 13; ++value)
            registerPicture(QLatin1Char(suitLetters[suit]) + QString::number(value), card,
                            [suit, value](QPainter &g) { paintFace(g, suit, value); });
    for (const BackDesign &b : backs)
        registerPicture(QLatin1String(b.name), card, [&b](QPainter &g) { paintBack(g, b); });
    registerPicture(QStringLiteral("DEAL"), {28, 24}, paintDeal);
    registerPicture(QStringLiteral("ALL"), {16, 16}, paintAll);
    registerPicture(QStringLiteral("MAINICON"), {32, 32}, paintIcon);
}

} // namespace cartova_assets
