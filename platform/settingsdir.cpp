#include "platform/settingsdir.h"

#include <QDir>
#include <QStandardPaths>

namespace platform {

QString settingsDirectory()
{
    QString dir = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    if (dir.isEmpty() || !QDir::isAbsolutePath(dir))
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (dir.isEmpty())
        dir = QDir::homePath() + QStringLiteral("/.config");
    QDir().mkpath(dir);
    return dir;
}

QString settingsFilePath(const QString &fileName)
{
    const QDir dir(settingsDirectory());
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System))
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return dir.filePath(fileName);
}

} // namespace platform
