#pragma once

#include <QCursor>
#include <QPixmap>
#include <QString>

#include <functional>

namespace platform {

// Pictures and cursors by resource name. A game registers a drawing function
// per name; a picture is drawn the first time it is asked for, then kept.
namespace resources {

using Painter = std::function<QPixmap()>;
using CursorMaker = std::function<QCursor()>;

void registerPicture(const QString &name, Painter draw);
void registerCursor(const QString &name, CursorMaker make);

bool hasPicture(const QString &name);
// A null pixmap when no picture has that name.
QPixmap picture(const QString &name);
// The arrow cursor when no cursor has that name.
QCursor cursor(const QString &name);

} // namespace resources
} // namespace platform
