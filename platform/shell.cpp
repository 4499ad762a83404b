#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool QtShell::open(const QString &target)
{
    const QUrl url(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace platform
