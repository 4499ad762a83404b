#include "controls/anim.h"

#include "controls/devicepixels.h"
#include "platform/resources.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

TAnimated::TAnimated(QWidget *parent) : QWidget(parent)
{
    resize(30, 30);
    // Every pixel is painted, so nothing need be erased behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    updateAccessibleName();
}

TAnimated::~TAnimated() { freeTimer(); }

void TAnimated::makeTimer()
{
    m_timer = new QTimer(this);
    m_timer->setInterval(m_interval);
    connect(m_timer, &QTimer::timeout, this, &TAnimated::TimerTick);
    m_timer->start();
}

void TAnimated::freeTimer()
{
    if (!m_timer)
        return;
    // The timer may be the one whose tick is running right now: stop it at
    // once and let it go when the tick is over.
    m_timer->stop();
    m_timer->disconnect(this);
    m_timer->deleteLater();
    m_timer = nullptr;
}

void TAnimated::SetTimerRunning(bool running)
{
    if (!m_timer || m_timer->isActive() == running)
        return;
    if (running)
        m_timer->start();
    else
        m_timer->stop();
}

void TAnimated::SetInterval(int ms)
{
    if (ms == m_interval)
        return;
    freeTimer();
    m_interval = ms;
    if (m_play && ms > 0)
        makeTimer();
}

void TAnimated::SetFrameCount(int count)
{
    if (count < 1)
        return;
    m_frameCount = count;
    updateAccessibleName();
}

void TAnimated::SetFrame(int frame)
{
    const int next = frame < 0 ? m_frameCount - 1 : frame % m_frameCount;
    if (next == m_frame)
        return;
    m_frame = next;
    updateAccessibleName();
    emit OnChangeFrame(this);
    update();
}

void TAnimated::SetBitMap(const QImage &strip)
{
    m_picture.clear();
    m_bitmap = strip.isNull() ? QImage() : strip.convertToFormat(QImage::Format_RGB32);
    // A strip drawn for a finer screen keeps its size in logical pixels.
    const int height = qRound(m_bitmap.deviceIndependentSize().height());
    resize(width(), height < 1 ? 30 : height);
    update();
}

void TAnimated::SetBitMap(const QPixmap &strip) { SetBitMap(strip.toImage()); }

void TAnimated::SetPicture(const QString &name)
{
    m_picture = name;
    const QPixmap strip = platform::resources::picture(name);
    m_bitmap = strip.isNull() ? QImage() : strip.toImage().convertToFormat(QImage::Format_RGB32);
    update();
}

void TAnimated::SetPlay(bool play)
{
    if (play == m_play)
        return;
    m_play = play;
    if (!play)
        freeTimer();
    else if (m_interval >= 1)
        makeTimer();
}

void TAnimated::SetTransparentColor(TColor color)
{
    if (color == m_transparentColor)
        return;
    m_transparentColor = color;
    update();
}

QColor TAnimated::Color() const { return palette().color(backgroundRole()); }

void TAnimated::TimerTick()
{
    if (!m_reverse) {
        SetFrame(m_frame + 1);
        if (m_frame == m_frameCount - 1)
            StopUnlessLoop();
    } else {
        SetFrame(m_frame - 1);
        if (m_frame == 0)
            StopUnlessLoop();
    }
}

void TAnimated::StopUnlessLoop()
{
    if (m_loop)
        return;
    m_play = false;
    freeTimer();
}

void TAnimated::setAccessibleCaption(const QString &caption)
{
    m_caption = caption;
    updateAccessibleName();
}

void TAnimated::updateAccessibleName()
{
    // What it shows, not the frame: a screen reader would be told of every tick.
    const QString what = m_caption.isEmpty() ? tr("animation") : m_caption;
    if (accessibleName() != what)
        setAccessibleName(what);
}

void TAnimated::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_picture.isEmpty() && !m_bitmap.isNull()) {
        paintPicture(p);
        return;
    }
    const QRect dest = rect();
    if (m_bitmap.height() < 1) {
        p.fillRect(dest, Qt::white);
        return;
    }
    // Frame n is the n-th control-wide column of the strip, counted in
    // logical pixels; the strip may hold more device pixels than that.
    // Whatever of the frame lies beyond the strip shows white, as an empty
    // strip does.
    const qreal ratio = m_bitmap.devicePixelRatio();
    const qreal left = qreal(width()) * m_frame;
    const QRectF strip(QPointF(0, 0), m_bitmap.deviceIndependentSize());
    QRectF inside;
    if (left < strip.width())
        inside = QRectF(left, 0, width(), height()) & strip;
    const QRectF target(inside.isEmpty() ? QPointF() : QPointF(inside.left() - left, 0), inside.size());
    const QRectF source(inside.topLeft() * ratio, inside.size() * ratio);
    const bool whole = inside.size() == QSizeF(dest.size());

    if (m_transparentColor < 0) {
        if (!whole)
            p.fillRect(dest, Qt::white);
        if (!inside.isEmpty())
            p.drawImage(target, m_bitmap, source);
        return;
    }

    // Brush-copy: every pixel of the transparent colour takes the background.
    QImage frame((QSizeF(dest.size()) * ratio).toSize(), QImage::Format_RGB32);
    frame.setDevicePixelRatio(ratio);
    frame.fill(Qt::white);
    if (!inside.isEmpty()) {
        QPainter fp(&frame);
        fp.drawImage(target, m_bitmap, source);
    }
    keyOut(frame);
    p.drawImage(QPoint(0, 0), frame);
}

void TAnimated::keyOut(QImage &frame) const
{
    if (m_transparentColor < 0)
        return;
    const QRgb key = toQColor(m_transparentColor).rgb() & 0xFFFFFF;
    const QRgb brush = Color().rgb();
    for (int y = 0; y < frame.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(frame.scanLine(y));
        for (int x = 0; x < frame.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = brush;
    }
}

void TAnimated::paintPicture(QPainter &painter)
{
    // The strip as many frames wide as fit its designed width, each drawn
    // exactly as many device pixels wide as the control covers.
    const qreal ratio = devicepixels::ratioOf(painter);
    QImage frame = devicepixels::canvas(size(), ratio).convertToFormat(QImage::Format_RGB32);
    frame.fill(Qt::white);
    const QSizeF designed = m_bitmap.deviceIndependentSize();
    const int frames = std::max(1, qRound(designed.width() * height() / (designed.height() * width())));
    if (m_frame < frames) {
        const int w = frame.width(), h = frame.height();
        const QPixmap strip = platform::resources::picture(m_picture, 1, QSize(w * frames, h));
        QPainter fp(&frame);
        fp.drawPixmap(QPoint(0, 0), strip, QRect(w * m_frame, 0, w, h));
    }
    keyOut(frame);
    devicepixels::put(painter, frame, ratio);
}

void TAnimated::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(event->button(), event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void TAnimated::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void TAnimated::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseUp(event->button(), event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}
