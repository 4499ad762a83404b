#include "assets/pegora/pegoraart.h"

#include "platform/resources.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>

namespace codebreaking::art {

namespace {

// 32 x 32, black and white only: an arrow pointer with its tip in the top-left
// pixel, and a small round peg hanging below and right of it.
QCursor drawDragCursor()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPolygon arrow(
        {QPoint(0, 0), QPoint(0, 15), QPoint(4, 11), QPoint(7, 18), QPoint(9, 17), QPoint(6, 10), QPoint(11, 10)});
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    // The peg: a white ring round a black body, so it shows on any board.
    p.setBrush(Qt::white);
    p.drawEllipse(QRect(13, 15, 14, 12));
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(15, 17, 10, 8));
    p.setBrush(Qt::white);
    p.drawRect(17, 19, 2, 2); // a glint
    p.end();
    return QCursor(pm, 0, 0);
}

// A green tick on a light disc.
QPixmap drawCheck()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(2.5, 8.5);
    tick.lineTo(6.5, 12.5);
    tick.lineTo(13.5, 3.5);
    p.setPen(QPen(QColor(0, 100, 0), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(60, 190, 60), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return pm;
}

// A round arrow turning back on itself: do the last line again.
QPixmap drawRepeat()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor navy(20, 40, 150);
    p.setPen(QPen(navy, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 90 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(navy);
    p.drawPolygon(QPolygonF({QPointF(8, 0), QPointF(12.5, 2.5), QPointF(8, 6)}));
    return pm;
}

// Three coloured pegs in a row of holes, on a wooden board.
QPixmap drawIcon()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
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
    return pm;
}

} // namespace

void registerPictures()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    platform::resources::registerCursor(QString::fromLatin1(DragCursor), drawDragCursor);
    platform::resources::registerPicture(QString::fromLatin1(CheckPicture), drawCheck);
    platform::resources::registerPicture(QString::fromLatin1(RepeatPicture), drawRepeat);
    platform::resources::registerPicture(QString::fromLatin1(MainIcon), drawIcon);
}

} // namespace codebreaking::art
