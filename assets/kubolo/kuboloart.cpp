#include "assets/kubolo/kuboloart.h"

#include "platform/resources.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace kubolo::art {

namespace {

// A small die face with pips at grid positions 0..2 across and down.
void drawDie(QPainter &p, const QRect &r, const QColor &face, const QColor &pip, std::initializer_list<QPoint> pips,
             int pipSize)
{
    p.setPen(Qt::black);
    p.setBrush(face);
    p.drawRoundedRect(r.adjusted(0, 0, -1, -1), r.width() / 6.0, r.height() / 6.0);
    p.setPen(Qt::NoPen);
    p.setBrush(pip);
    const double stepX = (r.width() - 1) / 4.0, stepY = (r.height() - 1) / 4.0;
    for (const QPoint &g : pips) {
        const QPointF c(r.left() + stepX * (1 + g.x()) + 0.5, r.top() + stepY * (1 + g.y()) + 0.5);
        p.drawEllipse(c, pipSize / 2.0, pipSize / 2.0);
    }
}

// The Roll button: two dice, one tumbling over the other, 20 x 20, in flat
// colours with square pips like a 16-colour bitmap.
QPixmap rollPicture()
{
    QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    auto die = [&p](QPoint at, const QColor &face, const QColor &pip, std::initializer_list<QPoint> pips) {
        p.setPen(Qt::black);
        p.setBrush(face);
        p.drawRect(at.x(), at.y(), 11, 11);
        for (const QPoint &g : pips)
            p.fillRect(at.x() + 2 + 3 * g.x(), at.y() + 2 + 3 * g.y(), 2, 2, pip);
    };
    die({7, 1}, Qt::white, QColor(0, 0, 128), {{0, 0}, {1, 1}, {2, 2}});
    die({1, 7}, QColor(192, 0, 0), Qt::white, {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}});
    p.end();
    return QPixmap::fromImage(image);
}

// The window icon: one red die showing five, 32 x 32.
QPixmap mainIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    drawDie(p, QRect(1, 1, 30, 30), QColor(200, 16, 16), Qt::white, {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}}, 6);
    p.end();
    return QPixmap::fromImage(image);
}

// A pointing hand, 32 x 32, black on white, the fingertip at (4, 0).
QCursor handCursor()
{
    const QPolygon outline({
        {3, 0},  {5, 0},  {6, 1},   {6, 8},   {7, 7},   {9, 7},   {10, 8},  {11, 8},  {12, 8},  {13, 9},
        {14, 9}, {16, 9}, {17, 10}, {18, 10}, {19, 11}, {19, 19}, {18, 21}, {17, 23}, {16, 24}, {16, 27},
        {6, 27}, {6, 25}, {1, 18},  {0, 16},  {0, 14},  {1, 13},  {2, 13},  {2, 1},
    });
    QBitmap shape(32, 32);
    QBitmap mask(32, 32);
    // In a cursor bitmap color1 is black; in the mask color1 is opaque.
    shape.fill(Qt::color0);
    mask.fill(Qt::color0);
    {
        QPainter m(&mask);
        m.setPen(Qt::color1);
        m.setBrush(Qt::color1);
        m.drawPolygon(outline);
    }
    {
        QPainter s(&shape);
        s.setPen(Qt::color1);
        s.setBrush(Qt::NoBrush);
        s.drawPolygon(outline);
        // The creases between the fingers and the cuff at the wrist.
        s.drawLine(6, 8, 6, 14);
        s.drawLine(10, 8, 10, 13);
        s.drawLine(14, 9, 14, 13);
        s.drawLine(6, 25, 16, 25);
    }
    return QCursor(shape, mask, 4, 0);
}

} // namespace

void registerArt()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    platform::resources::registerPicture(RollPicture, rollPicture);
    platform::resources::registerPicture(MainIcon, mainIcon);
    platform::resources::registerCursor(HandCursor, handCursor);
}

} // namespace kubolo::art
