#include "controls/arrowbtn.h"

#include "controls/devicepixels.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cstdlib>

ArrowVertices arrowOuterVertices(TButtonDirection direction, int w, int h)
{
    switch (direction) {
    case arwUP: return {QPoint(w / 2, 3), QPoint(w - 3, h - 3), QPoint(3, h - 3)};
    case arwRIGHT: return {QPoint(3, 3), QPoint(w - 3, h / 2), QPoint(3, h - 3)};
    case arwLEFT: return {QPoint(w - 3, 3), QPoint(w - 3, h - 3), QPoint(3, h / 2)};
    case arwDOWN: break;
    }
    return {QPoint(w - 3, 3), QPoint(w / 2, h - 3), QPoint(3, 3)};
}

ArrowVertices arrowInnerVertices(TButtonDirection direction, int w, int h)
{
    switch (direction) {
    case arwUP: return {QPoint(w / 2, 6), QPoint(w - 7, h - 5), QPoint(6, h - 5)};
    case arwRIGHT: return {QPoint(5, 6), QPoint(w - 6, h / 2), QPoint(5, h - 6)};
    case arwLEFT: return {QPoint(w - 5, 6), QPoint(w - 5, h - 5), QPoint(6, h / 2)};
    case arwDOWN: break;
    }
    return {QPoint(w - 6, 5), QPoint(w / 2, h - 6), QPoint(5, 5)};
}

namespace {

QPolygon polygon(const ArrowVertices &v) { return QPolygon({v[0], v[1], v[2]}); }

// The band of a region that lies within w pixels (across) or h pixels (down)
// of its outside: what framing a region with a w x h brush paints.
QRegion frameOf(const QRegion &r, int w, int h)
{
    QRegion inner = r;
    inner &= r.translated(w, 0);
    inner &= r.translated(-w, 0);
    inner &= r.translated(0, h);
    inner &= r.translated(0, -h);
    return r - inner;
}

// A line one designed pixel wide whose end point is left out, like a pen
// moved to and drawn to, stepped in device pixels: `dot` of them each.
void lineTo(QPainter &p, QPoint from, QPoint to, QSize dot)
{
    const int dx = to.x() - from.x(), dy = to.y() - from.y();
    const int steps = std::max(std::abs(dx), std::abs(dy));
    const QColor ink = p.pen().color();
    for (int i = 0; i < steps; ++i)
        p.fillRect(from.x() + (dx * i + (dx >= 0 ? steps / 2 : -(steps / 2))) / steps,
                   from.y() + (dy * i + (dy >= 0 ? steps / 2 : -(steps / 2))) / steps, dot.width(), dot.height(), ink);
}

class ArrowAccessible : public QAccessibleWidget {
public:
    explicit ArrowAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Button) {}
};

QAccessibleInterface *arrowFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TArrowButton") && object && object->isWidgetType())
        return new ArrowAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

TArrowButton::TArrowButton(QWidget *parent) : QWidget(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(arrowFactory), true);
    (void)factoryInstalled;
    resize(33, 33);
    setFocusPolicy(Qt::NoFocus);
    updateAccessibleName();
}

TArrowButton::~TArrowButton() { FreeRegion(); }

void TArrowButton::SetButtonColor(TColor color)
{
    if (color == m_buttonColor)
        return;
    m_buttonColor = color;
    updateAccessibleName();
    update();
}

void TArrowButton::SetDirection(TButtonDirection direction)
{
    if (direction == m_direction)
        return;
    m_direction = direction;
    update();
}

void TArrowButton::setAccessibleCaption(const QString &caption)
{
    m_caption = caption;
    updateAccessibleName();
}

void TArrowButton::updateAccessibleName()
{
    const QString colour = colorName(m_buttonColor);
    //: %1 is a colour's name ("red arrow").
    setAccessibleName(m_caption.isEmpty() ? tr("%1 arrow").arg(colour)
                                          //: %1 is what the arrow marks, %2 its colour.
                                          : tr("%1: %2").arg(m_caption, colour));
}

void TArrowButton::FreeRegion()
{
    m_region = QRegion();
    m_hasRegion = false;
}

bool TArrowButton::event(QEvent *event)
{
    if (event->type() == QEvent::Polish)
        devicepixels::keepDesignedSize(this);
    return QWidget::event(event);
}

void TArrowButton::paintEvent(QPaintEvent *)
{
    FreeRegion();
    // The triangles as designed, scaled to the present size: the hit area
    // in logical pixels, the picture in the device's own, so that the edges
    // stay as fine as the screen (or the picture painted into) can show
    // them and whole at any zoom.
    const QSize designed = devicepixels::designedSize(this);
    const qreal zoomX = qreal(width()) / designed.width(), zoomY = qreal(height()) / designed.height();
    const auto logical = [&](const ArrowVertices &v) {
        ArrowVertices out;
        for (int k = 0; k < 3; ++k)
            out[k] = QPoint(qRound(v[k].x() * zoomX), qRound(v[k].y() * zoomY));
        return out;
    };
    const ArrowVertices outer = arrowOuterVertices(m_direction, designed.width(), designed.height());
    const ArrowVertices inner = arrowInnerVertices(m_direction, designed.width(), designed.height());
    m_points = logical(outer);
    m_region = QRegion(polygon(m_points), Qt::OddEvenFill);
    m_hasRegion = true;

    QPainter screen(this);
    const qreal ratio = devicepixels::ratioOf(screen);
    QImage picture = devicepixels::canvas(size(), ratio);
    const devicepixels::Grid grid(designed, picture.size());
    const bool asDesigned = picture.size() == designed;
    m_dot = QSize(grid.thickX(1), grid.thickY(1));
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing, false);
        const QPolygon border({grid.point(outer[0]), grid.point(outer[1]), grid.point(outer[2])});
        for (const QRect &r : frameOf(QRegion(border, Qt::OddEvenFill), grid.thickX(2), grid.thickY(2)))
            p.fillRect(r, Qt::black);
        m_face = {grid.point(inner[0]), grid.point(inner[1]), grid.point(inner[2])};
        const QPolygon face({m_face[0], m_face[1], m_face[2]});
        p.setPen(asDesigned ? QPen(Qt::black, 0) : QPen(Qt::NoPen));
        p.setBrush(toQColor(m_buttonColor));
        p.drawPolygon(face);
        if (!asDesigned) {
            // The face's outline, as wide as one designed pixel.
            p.setPen(Qt::black);
            for (int k = 0; k < 3; ++k)
                lineTo(p, face[k], face[(k + 1) % 3], m_dot);
        }
        DrawBevel(p);
    }
    m_points = logical(inner);
    devicepixels::put(screen, picture, ratio);
}

void TArrowButton::DrawBevel(QPainter &p)
{
    const QPoint p0 = m_face[0], p1 = m_face[1], p2 = m_face[2];
    if (!m_pressed) {
        p.setPen(QPen(Qt::black, 0));
        lineTo(p, p0, p1, m_dot);
        lineTo(p, p1, p2, m_dot);
        p.setPen(QPen(Qt::white, 0));
        lineTo(p, p0, p2, m_dot);
    } else {
        p.setPen(QPen(Qt::black, 0));
        lineTo(p, p0, p2, m_dot);
        p.setPen(QPen(toQColor(m_buttonColor), 0));
        lineTo(p, p0, p1, m_dot);
        lineTo(p, p1, p2, m_dot);
    }
}

void TArrowButton::mousePressEvent(QMouseEvent *event)
{
    // Accepted either way: a press outside the triangle is swallowed here and
    // does not reach the window behind.
    event->accept();
    if (event->button() != Qt::LeftButton || !m_hasRegion || !m_region.contains(event->position().toPoint()))
        return;
    m_pressed = true;
    update(); // the edge flips at once
    emit mouseDown();
}

void TArrowButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // No double clicks: the second click of a pair is a press like the first.
    mousePressEvent(event);
}

void TArrowButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
