#include "controls/devicepixels.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace devicepixels {

namespace {

const char DesignedSize[] = "designedSize";

} // namespace

QSize of(QSize logical, qreal ratio) { return {qRound(logical.width() * ratio), qRound(logical.height() * ratio)}; }

qreal ratioOf(const QPainter &painter)
{
    // A widget rendered into a picture paints through its own device, yet
    // its paint engine draws on the picture.
    const QPaintEngine *engine = painter.paintEngine();
    const QPaintDevice *device = engine && engine->paintDevice() ? engine->paintDevice() : painter.device();
    return device ? std::max<qreal>(1e-3, device->devicePixelRatioF()) : 1.0;
}

void setDesignedSize(QWidget *control, QSize designed) { control->setProperty(DesignedSize, designed); }

void keepDesignedSize(QWidget *control)
{
    if (control->property(DesignedSize).toSize().isEmpty())
        setDesignedSize(control, control->size());
}

QSize designedSize(const QWidget *control)
{
    const QSize designed = control->property(DesignedSize).toSize();
    return designed.isEmpty() ? control->size() : designed;
}

Grid::Grid(QSize designed, QSize pixels)
    : m_designed(std::max(1, designed.width()), std::max(1, designed.height())), m_pixels(pixels)
{
}

int Grid::map(qreal at, int designed, int pixels)
{
    // The left half is rounded from the left edge, the right half from the
    // right one; qRound would otherwise round a pair of mirrored halves
    // the same way.
    const qreal scale = qreal(pixels) / designed;
    return 2 * at <= designed ? qRound(at * scale) : pixels - qRound((designed - at) * scale);
}

QRect Grid::rect(const QRectF &designed) const
{
    const int left = x(designed.left()), top = y(designed.top());
    return {left, top, x(designed.right()) - left, y(designed.bottom()) - top};
}

int Grid::thickX(qreal designed) const { return std::max(1, qRound(designed * scaleX())); }
int Grid::thickY(qreal designed) const { return std::max(1, qRound(designed * scaleY())); }

QImage canvas(QSize logical, qreal ratio)
{
    QImage picture(of(logical, ratio), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}

void put(QPainter &painter, QImage picture, qreal ratio)
{
    picture.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(0, 0), picture);
}

} // namespace devicepixels
