#include "assets/common/commonart.h"

#include "platform/resources.h"

#include <QPainter>
#include <QPainterPath>

namespace controls::art {

namespace {

constexpr int FrameWidth = 32;
constexpr int FrameHeight = 31;

// Pointing up, the index fingertip at (7, 0), the other fingers curled, the
// thumb out to the left and a cuff at the wrist. Black lines on white.
void drawHandCursor(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);

    QPainterPath hand;
    hand.addRoundedRect(QRectF(5, 0, 5, 16), 2.5, 2.5); // index finger
    hand.addRoundedRect(QRectF(9, 7, 4, 9), 2, 2);      // middle
    hand.addRoundedRect(QRectF(12, 8, 4, 8), 2, 2);     // ring
    hand.addRoundedRect(QRectF(15, 9, 4, 8), 2, 2);     // little
    QPainterPath palm;
    palm.moveTo(5, 13);
    palm.lineTo(19, 13);
    palm.lineTo(19, 20);
    palm.lineTo(16, 24);
    palm.lineTo(8, 24);
    palm.lineTo(1, 16);
    palm.quadTo(0, 13, 3, 13.5);
    palm.closeSubpath();
    hand = hand.united(palm).simplified();

    p.fillPath(hand, Qt::white);
    {
        const platform::resources::PixelStrokes strokes(p);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(hand);
        // The creases between the curled fingers.
        p.drawLine(9, 9, 9, 13);
        p.drawLine(12, 9, 12, 13);
        p.drawLine(15, 10, 15, 13);
    }
    // The cuff.
    p.fillRect(QRect(8, 24, 9, 5), Qt::black);
    p.fillRect(QRect(9, 25, 7, 3), Qt::white);
}

struct PegPose {
    qreal top;   // the peg's upper edge
    qreal width; // squashed on landing
    qreal height;
    qreal shadow; // width of its shadow on the board, 0 for none
    bool sparkle;
};

// Drop, drop, land, sit, bounce, sit and shine.
constexpr PegPose poses[PegDropFrames] = {
    {0, 12, 12, 6, false},  {6, 12, 12, 9, false},  {12, 14, 10, 0, false},
    {14, 12, 12, 0, false}, {8, 12, 12, 10, false}, {14, 12, 12, 0, true},
};

const QColor wood(196, 146, 78);
const QColor woodLight(226, 186, 120);
const QColor woodDark(120, 80, 35);
const QColor holeDark(55, 32, 12);

void drawBoard(QPainter &p)
{
    p.fillRect(QRectF(0, 21, FrameWidth, FrameHeight - 21), wood);
    p.fillRect(QRectF(0, 21, FrameWidth, 1), woodLight);
    p.setPen(QPen(woodDark, 1));
    p.drawLine(QPointF(2, 27.5), QPointF(12, 27.5)); // grain
    p.drawLine(QPointF(19, 29.5), QPointF(30, 29.5));
    p.setPen(Qt::NoPen);
    p.setBrush(holeDark);
    p.drawEllipse(QRectF(9, 20.5, 14, 5));
}

// What of the board lies in front of a peg sunk in the hole.
void drawHoleFront(QPainter &p)
{
    QPainterPath front;
    front.addRect(QRectF(0, 23, FrameWidth, FrameHeight - 23));
    p.fillPath(front, wood);
    p.setPen(QPen(woodDark, 1));
    p.drawLine(QPointF(2, 27.5), QPointF(12, 27.5));
    p.drawLine(QPointF(19, 29.5), QPointF(30, 29.5));
    // The near rim of the hole, a dark lip under the peg.
    p.setPen(QPen(holeDark, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(9, 20.5, 14, 5), 200 * 16, 140 * 16);
}

void drawPeg(QPainter &p, const PegPose &pose)
{
    const QRectF body(16 - pose.width / 2, pose.top, pose.width, pose.height);
    QRadialGradient shade(body.left() + body.width() * 0.35, body.top() + body.height() * 0.3, body.width() * 0.75);
    shade.setColorAt(0, QColor(255, 120, 110));
    shade.setColorAt(0.5, QColor(220, 25, 25));
    shade.setColorAt(1, QColor(120, 0, 0));
    p.setPen(QPen(QColor(70, 0, 0), 1));
    p.setBrush(shade);
    p.drawEllipse(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(QRectF(body.left() + body.width() * 0.25, body.top() + body.height() * 0.18, 3, 2.5));
}

void drawSparkle(QPainter &p, QPointF at, qreal r)
{
    QPainterPath star;
    star.moveTo(at.x(), at.y() - r);
    star.quadTo(at, QPointF(at.x() + r, at.y()));
    star.quadTo(at, QPointF(at.x(), at.y() + r));
    star.quadTo(at, QPointF(at.x() - r, at.y()));
    star.quadTo(at, QPointF(at.x(), at.y() - r));
    p.setPen(QPen(QColor(200, 140, 0), 0.8));
    p.setBrush(QColor(255, 230, 60));
    p.drawPath(star);
}

void drawFrame(QPainter &p, int n)
{
    const PegPose &pose = poses[n];
    QLinearGradient sky(0, 0, 0, 21);
    sky.setColorAt(0, QColor(236, 242, 250));
    sky.setColorAt(1, QColor(210, 222, 238));
    p.fillRect(QRectF(0, 0, FrameWidth, 21), sky);
    drawBoard(p);
    if (pose.shadow > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawEllipse(QRectF(16 - pose.shadow / 2, 21.5, pose.shadow, 3));
    }
    drawPeg(p, pose);
    if (pose.top + pose.height > 23)
        drawHoleFront(p);
    if (n == 4) {
        // Little dashes of the bounce.
        p.setPen(QPen(QColor(90, 90, 110), 1));
        p.drawLine(QPointF(6, 19), QPointF(8, 17));
        p.drawLine(QPointF(26, 19), QPointF(24, 17));
    }
    if (pose.sparkle) {
        drawSparkle(p, QPointF(6, 8), 4);
        drawSparkle(p, QPointF(26, 5), 3.5);
        drawSparkle(p, QPointF(25, 15), 2.5);
    }
}

void drawPegDropStrip(QPainter &p)
{
    p.fillRect(QRect(0, 0, FrameWidth * PegDropFrames, FrameHeight), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    for (int n = 0; n < PegDropFrames; ++n) {
        p.save();
        p.translate(n * FrameWidth, 0);
        p.setClipRect(QRect(0, 0, FrameWidth, FrameHeight));
        drawFrame(p, n);
        p.restore();
    }
}

} // namespace

void registerPictures()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    using namespace platform::resources;
    registerCursor(QString::fromLatin1(HandCursor), {32, 32}, {7, 0}, drawHandCursor);
    registerPicture(QString::fromLatin1(PegDropStrip), {FrameWidth * PegDropFrames, FrameHeight}, drawPegDropStrip);
}

} // namespace controls::art
