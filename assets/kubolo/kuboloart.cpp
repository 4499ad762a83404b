#include "assets/kubolo/kuboloart.h"

#include "platform/resources.h"

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
void rollPicture(QPainter &p)
{
    auto die = [&p](QPoint at, const QColor &face, const QColor &pip, std::initializer_list<QPoint> pips) {
        p.fillRect(at.x() + 1, at.y() + 1, 10, 10, face);
        {
            const platform::resources::PixelStrokes strokes(p);
            p.setPen(Qt::black);
            p.setBrush(Qt::NoBrush);
            p.drawRect(at.x(), at.y(), 11, 11);
        }
        for (const QPoint &g : pips)
            p.fillRect(at.x() + 2 + 3 * g.x(), at.y() + 2 + 3 * g.y(), 2, 2, pip);
    };
    die({7, 1}, Qt::white, QColor(0, 0, 128), {{0, 0}, {1, 1}, {2, 2}});
    die({1, 7}, QColor(192, 0, 0), Qt::white, {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}});
}

// The window icon: one red die showing five, 32 x 32.
void mainIcon(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    drawDie(p, QRect(1, 1, 30, 30), QColor(200, 16, 16), Qt::white, {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}}, 6);
}

// A pointing hand, 32 x 32, black lines on white, the fingertip at (4, 0).
void handCursor(QPainter &p)
{
    const QPolygon outline({
        {3, 0},  {5, 0},  {6, 1},   {6, 8},   {7, 7},   {9, 7},   {10, 8},  {11, 8},  {12, 8},  {13, 9},
        {14, 9}, {16, 9}, {17, 10}, {18, 10}, {19, 11}, {19, 19}, {18, 21}, {17, 23}, {16, 24}, {16, 27},
        {6, 27}, {6, 25}, {1, 18},  {0, 16},  {0, 14},  {1, 13},  {2, 13},  {2, 1},
    });
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(outline);
    const platform::resources::PixelStrokes strokes(p);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(outline);
    // The creases between the fingers and the cuff at the wrist.
    p.drawLine(6, 8, 6, 14);
    p.drawLine(10, 8, 10, 13);
    p.drawLine(14, 9, 14, 13);
    p.drawLine(6, 25, 16, 25);
}

} // namespace

void registerArt()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    using namespace platform::resources;
    registerPicture(RollPicture, {20, 20}, rollPicture);
    registerPicture(MainIcon, {32, 32}, mainIcon);
    registerCursor(HandCursor, {32, 32}, {4, 0}, handCursor);
}

} // namespace kubolo::art
