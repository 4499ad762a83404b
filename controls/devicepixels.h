#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;
class QWidget;

// A control's designed picture drawn for the size its form gives it, in the
// very device pixels it covers, so that at any zoom and device pixel ratio
// every edge is whole and nothing is drawn small and enlarged.
namespace devicepixels {

// The device pixels a control of this logical size covers at this ratio,
// counted as the paint clip counts them (the size scaled and rounded).
QSize of(QSize logical, qreal ratio);
// The ratio of the device a painter draws on: a screen, or a picture a
// widget is rendered into at a ratio of its own.
qreal ratioOf(const QPainter &painter);

// The size a form laid a control out at, before any zoom. A form's scaler
// records it for each control it zooms; a control whose design is its form's
// records its size as it is first polished, laid out and not yet shown;
// until then it is its present size, so it draws as designed.
void setDesignedSize(QWidget *control, QSize designed);
void keepDesignedSize(QWidget *control); // unless one is recorded already
QSize designedSize(const QWidget *control);

// Designed coordinates onto device pixels, true to mirror images: a
// coordinate and its mirror across the picture land on mirrored pixel edges,
// so a symmetric design stays symmetric at any zoom. At its designed size
// and ratio 1 every coordinate stays where it is.
class Grid {
public:
    Grid(QSize designed, QSize pixels);
    int x(qreal designedX) const { return map(designedX, m_designed.width(), m_pixels.width()); }
    int y(qreal designedY) const { return map(designedY, m_designed.height(), m_pixels.height()); }
    QPoint point(QPointF designed) const { return {x(designed.x()), y(designed.y())}; }
    // A designed rectangle, its right and bottom edges exclusive.
    QRect rect(const QRectF &designed) const;
    // A stroke `designed` pixels thick, in whole device pixels: at least one,
    // and the same on opposite sides.
    int thickX(qreal designed) const;
    int thickY(qreal designed) const;
    qreal scaleX() const { return qreal(m_pixels.width()) / m_designed.width(); }
    qreal scaleY() const { return qreal(m_pixels.height()) / m_designed.height(); }
    QSize pixels() const { return m_pixels; }

private:
    static int map(qreal at, int designed, int pixels);

    QSize m_designed;
    QSize m_pixels;
};

// A transparent picture of the device pixels a control covers, drawn in
// those pixels (no ratio of its own yet).
QImage canvas(QSize logical, qreal ratio);
// Puts a picture drawn in device pixels at the control's origin, one pixel
// to one device pixel.
void put(QPainter &painter, QImage picture, qreal ratio);

} // namespace devicepixels
