#include "codebreaking/pegshape.h"

#include "controls/devicepixels.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "platform/resources.h"

namespace codebreaking {

namespace {

QAccessibleInterface *pegFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("codebreaking::TPegShape") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

TPegShape::TPegShape(QWidget *parent, const QString &name, int line, int column)
    : QWidget(parent), m_line(line), m_column(column)
{
    static const bool factoryInstalled = (QAccessible::installFactory(pegFactory), true);
    (void)factoryInstalled;
    setObjectName(name);
    resize(20, DesignedDiameter);
    updateAccessibleName();
}

void TPegShape::SetPeg(PegColor peg)
{
    if (peg == m_peg)
        return;
    m_peg = peg;
    updateAccessibleName();
    update();
}

void TPegShape::setAccessibleCaption(const QString &caption)
{
    m_caption = caption;
    updateAccessibleName();
}

void TPegShape::updateAccessibleName()
{
    const QString what = Filled() ? colorName(Color()) : tr("empty");
    //: %1 is which peg it is, %2 its colour or "empty".
    setAccessibleName(m_caption.isEmpty() ? what : tr("%1: %2").arg(m_caption, what));
}

void TPegShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const qreal ratio = devicepixels::ratioOf(p);
    if (ratio == 1) {
        // Logical pixels are the device's: straight onto it.
        paintPeg(p, size());
        return;
    }
    // Otherwise in the device pixels the peg covers, so that the circle
    // fills them exactly and its outline is as crisp at the bottom and the
    // right as at the top and the left.
    QImage picture = devicepixels::canvas(size(), ratio);
    {
        QPainter g(&picture);
        paintPeg(g, picture.size());
    }
    devicepixels::put(p, picture, ratio);
}

void TPegShape::paintPeg(QPainter &p, QSize pixels) const
{
    p.setRenderHint(QPainter::Antialiasing);
    // The outline is one pixel of the designed circle, as thick as the
    // circle is zoomed; its outer edge touches the widget's.
    const int w = pixels.width(), h = pixels.height();
    const int d = std::min(w, h);
    const qreal pen = std::max<qreal>(1, qreal(d) / DesignedDiameter);
    const QRectF circle((w - d) / 2 + pen / 2, (h - d) / 2 + pen / 2, d - pen, d - pen);
    // An empty hole's rim stands out of the board's face, dark or light, so
    // that it never reads as a black peg.
    const QColor rim = Filled() ? QColor(Qt::black) : readableOn(Qt::black, palette().color(QPalette::Window));
    p.setPen(QPen(rim, pen));
    p.setBrush(toQColor(Color()));
    p.drawEllipse(circle);
    if (m_symbols)
        drawPegSymbol(p, circle, m_peg);
}

void TPegShape::SetSymbols(bool symbols)
{
    if (symbols == m_symbols)
        return;
    m_symbols = symbols;
    update();
}

void TPegShape::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressAt = event->position().toPoint();
        m_armed = true;
    }
    event->accept();
}

void TPegShape::mouseReleaseEvent(QMouseEvent *event)
{
    m_armed = false;
    event->accept();
}

void TPegShape::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_armed || !(event->buttons() & Qt::LeftButton) || !dragColor)
        return;
    if ((event->position().toPoint() - m_pressAt).manhattanLength() < QApplication::startDragDistance())
        return;
    m_armed = false;
    QDrag drag(this);
    drag.setMimeData(dragData());
    // Only the cursor travels with the peg, no picture beside it.
    QPixmap none(1, 1);
    none.fill(Qt::transparent);
    drag.setPixmap(none);
    const QPixmap cursor = platform::resources::cursor(dragCursor).pixmap();
    if (!cursor.isNull())
        drag.setDragCursor(cursor, Qt::CopyAction);
    drag.exec(Qt::CopyAction);
}

QMimeData *TPegShape::dragData() const
{
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(PegMimeType), QByteArray::number(int(dragColor ? dragColor() : PegColor::None)));
    return data;
}

std::optional<PegColor> TPegShape::carried(const QMimeData *data)
{
    if (!data || !data->hasFormat(QString::fromLatin1(PegMimeType)))
        return std::nullopt;
    bool ok = false;
    const int n = data->data(QString::fromLatin1(PegMimeType)).toInt(&ok);
    if (!ok || n < 0 || n > PegColorCount)
        return std::nullopt;
    return PegColor(n);
}

void TPegShape::dragEnterEvent(QDragEnterEvent *event)
{
    // Enter is answered like a move, so a refused hole never shows the drop cursor.
    dragMoveEvent(event);
}

void TPegShape::dragMoveEvent(QDragMoveEvent *event)
{
    const std::optional<PegColor> color = carried(event->mimeData());
    if (color && onDragOver && onDragOver(this, *color)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TPegShape::dropEvent(QDropEvent *event)
{
    const std::optional<PegColor> color = carried(event->mimeData());
    // Asked again: the game may have ended since the peg was picked up.
    if (!color || !onDragOver || !onDragOver(this, *color)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (onDragDrop)
        onDragDrop(this, *color);
}

} // namespace codebreaking
