#pragma once

#include <QCursor>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace platform {

// Pictures and cursors by resource name. A game registers a drawing function
// per name; a picture is drawn the first time it is asked for at a size and
// device pixel ratio, then kept under all three, so it is never drawn at one
// ratio and enlarged to another.
namespace resources {

// Draws the picture in its own logical pixels (0, 0 to its registered size)
// on a painter already scaled to the size and ratio asked for, over a
// transparent ground.
using Painter = std::function<void(QPainter &painter)>;

void registerPicture(const QString &name, QSize size, Painter draw);
// A cursor is a picture too, with its hot spot in the picture's logical pixels.
void registerCursor(const QString &name, QSize size, QPoint hotSpot, Painter draw);

bool hasPicture(const QString &name);
// The largest device pixel ratio of the screens, at least 1.
qreal screenRatio();
// The picture at its registered size (or the size asked, in logical pixels)
// and at the ratio asked (or the screen's). A null pixmap when no picture
// has that name.
QPixmap picture(const QString &name, qreal ratio = 0, QSize size = {});
// The arrow cursor when no cursor has that name.
QCursor cursor(const QString &name, qreal ratio = 0);

// For pictures drawn pixel by pixel, unsmoothed: within its scope a pen one
// logical pixel wide covers the very device pixels that a fill of those
// logical pixels covers, at any ratio. (A pen is centred on its line, so on
// a finer device it moves by half a logical pixel; at 1x nothing moves.)
class PixelStrokes {
public:
    explicit PixelStrokes(QPainter &painter);
    ~PixelStrokes();
    PixelStrokes(const PixelStrokes &) = delete;
    PixelStrokes &operator=(const PixelStrokes &) = delete;

private:
    QPainter &m_painter;
};

} // namespace resources
} // namespace platform
