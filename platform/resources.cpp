#include "platform/resources.h"

#include "platform/recentsizes.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QScreen>

namespace platform::resources {

namespace {

struct Picture {
    QSize size;
    Painter draw;
    QPoint hotSpot;
};

struct Registry {
    QHash<QString, Picture> painters;
    RecentSizes<QPixmap> pictures;
    QHash<QString, Picture> cursorMakers;
    QHash<QString, QCursor> cursors;
};

Registry &registry()
{
    static Registry r;
    return r;
}

// Resource names ignore case.
QString key(const QString &name) { return name.toUpper(); }


template <typename T>
void forget(QHash<QString, T> &cache, const QString &name)
{
    const QString prefix = key(name) + QLatin1Char('/');
    cache.removeIf([&prefix](const auto &entry) { return entry.key().startsWith(prefix); });
}

QPixmap draw(const Picture &picture, QSize size, qreal ratio)
{
    QPixmap pixmap((QSizeF(size) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    if (size != picture.size)
        p.scale(qreal(size.width()) / picture.size.width(), qreal(size.height()) / picture.size.height());
    picture.draw(p);
    return pixmap;
}

} // namespace

void registerPicture(const QString &name, QSize size, Painter draw)
{
    registry().painters.insert(key(name), {size, std::move(draw), {}});
    registry().pictures.forget(key(name));
}

void registerCursor(const QString &name, QSize size, QPoint hotSpot, Painter draw)
{
    registry().cursorMakers.insert(key(name), {size, std::move(draw), hotSpot});
    forget(registry().cursors, name);
}

bool hasPicture(const QString &name) { return registry().painters.contains(key(name)); }

qreal screenRatio()
{
    qreal ratio = 1.0;
    if (qGuiApp)
        for (const QScreen *screen : QGuiApplication::screens())
            ratio = std::max(ratio, screen->devicePixelRatio());
    return ratio;
}

QPixmap picture(const QString &name, qreal ratio, QSize size)
{
    Registry &r = registry();
    auto painter = r.painters.constFind(key(name));
    if (painter == r.painters.constEnd())
        return {};
    if (ratio <= 0)
        ratio = screenRatio();
    if (size.isEmpty())
        size = painter->size;
    const QString kept = key(name);
    if (const QPixmap *drawn = r.pictures.find(kept, size, ratio))
        return *drawn;
    return r.pictures.insert(kept, size, ratio, draw(*painter, size, ratio));
}

QCursor cursor(const QString &name, qreal ratio)
{
    Registry &r = registry();
    if (ratio <= 0)
        ratio = screenRatio();
    const QString k = QStringLiteral("%1/%2").arg(key(name)).arg(ratio);
    auto cached = r.cursors.constFind(k);
    if (cached != r.cursors.constEnd())
        return *cached;
    auto maker = r.cursorMakers.constFind(key(name));
    if (maker == r.cursorMakers.constEnd())
        return QCursor(Qt::ArrowCursor);
    // The hot spot of a cursor picture is counted in its device pixels.
    const QPoint hot = (QPointF(maker->hotSpot) * ratio).toPoint();
    const QCursor c(draw(*maker, maker->size, ratio), hot.x(), hot.y());
    r.cursors.insert(k, c);
    return c;
}

PixelStrokes::PixelStrokes(QPainter &painter) : m_painter(painter)
{
    m_painter.save();
    if (m_painter.deviceTransform().m11() > 1)
        m_painter.translate(0.5, 0.5);
}

PixelStrokes::~PixelStrokes() { m_painter.restore(); }

} // namespace platform::resources
