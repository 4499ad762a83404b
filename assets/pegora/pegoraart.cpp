#include "assets/pegora/pegoraart.h"

#include "platform/resources.h"

#include <QPainter>
#include <QPainterPath>

namespace codebreaking::art {

namespace {

// 32 x 32, black and white only: an arrow pointer with its tip in the top-left
// pixel, and a small round peg hanging below and right of it.
void drawDragCursor(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPolygon arrow(
        {QPoint(0, 0), QPoint(0, 15), QPoint(4, 11), QPoint(7, 18), QPoint(9, 17), QPoint(6, 10), QPoint(11, 10)});
    // The peg: a white ring round a black body, so it shows on any board.
    const QRect ring(13, 15, 14, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    p.drawEllipse(ring);
    {
        const platform::resources::PixelStrokes strokes(p);
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(arrow);
        p.drawEllipse(ring);
    }
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(15, 17, 10, 8));
    p.setBrush(Qt::white);
    p.drawRect(17, 19, 2, 2); // a glint
}

// A green tick on a light disc.
void drawCheck(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(2.5, 8.5);
    tick.lineTo(6.5, 12.5);
    tick.lineTo(13.5, 3.5);
    p.setPen(QPen(QColor(0, 100, 0), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(60, 190, 60), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

// A round arrow turning back on itself: do the last line again.
void drawRepeat(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QColor navy(20, 40, 150);
    p.setPen(QPen(navy, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 90 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(navy);
    p.drawPolygon(QPolygonF({QPointF(8, 0), QPointF(12.5, 2.5), QPointF(8, 6)}));
}

// Three coloured pegs in a row of holes, on a wooden board.
void drawIcon(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(QColor(205, 160, 90));
    p.drawRoundedRect(QRectF(1.5, 5.5, 29, 21), 4, 4);
    const QColor pegs[] = {QColor(230, 30, 30), QColor(250, 220, 0), QColor(30, 60, 230), QColor(20, 150, 40)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(pegs[i]);
        const QRectF r(3.5 + i * 6.5, 12.5, 6, 6);
        p.drawEllipse(r);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(QRectF(r.x() + 1.3, r.y() + 1.2, 2, 2));
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
    registerCursor(QString::fromLatin1(DragCursor), {32, 32}, {0, 0}, drawDragCursor);
    registerPicture(QString::fromLatin1(CheckPicture), {16, 16}, drawCheck);
    registerPicture(QString::fromLatin1(RepeatPicture), {16, 16}, drawRepeat);
    registerPicture(QString::fromLatin1(MainIcon), {32, 32}, drawIcon);
}

} // namespace codebreaking::art
