#include "platform/resources.h"

#include <QHash>

namespace platform::resources {

namespace {

struct Registry {
    QHash<QString, Painter> painters;
    QHash<QString, QPixmap> pictures;
    QHash<QString, CursorMaker> cursorMakers;
    QHash<QString, QCursor> cursors;
};

Registry &registry()
{
    static Registry r;
    return r;
}

// Resource names ignore case.
QString key(const QString &name) { return name.toUpper(); }

} // namespace

void registerPicture(const QString &name, Painter draw)
{
    registry().painters.insert(key(name), std::move(draw));
    registry().pictures.remove(key(name));
}

void registerCursor(const QString &name, CursorMaker make)
{
    registry().cursorMakers.insert(key(name), std::move(make));
    registry().cursors.remove(key(name));
}

bool hasPicture(const QString &name) { return registry().painters.contains(key(name)); }

QPixmap picture(const QString &name)
{
    Registry &r = registry();
    const QString k = key(name);
    auto cached = r.pictures.constFind(k);
    if (cached != r.pictures.constEnd())
        return *cached;
    auto painter = r.painters.constFind(k);
    if (painter == r.painters.constEnd())
        return {};
    const QPixmap pixmap = (*painter)();
    r.pictures.insert(k, pixmap);
    return pixmap;
}

QCursor cursor(const QString &name)
{
    Registry &r = registry();
    const QString k = key(name);
    auto cached = r.cursors.constFind(k);
    if (cached != r.cursors.constEnd())
        return *cached;
    auto maker = r.cursorMakers.constFind(k);
    if (maker == r.cursorMakers.constEnd())
        return QCursor(Qt::ArrowCursor);
    const QCursor c = (*maker)();
    r.cursors.insert(k, c);
    return c;
}

} // namespace platform::resources
