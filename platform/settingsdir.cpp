#include "platform/settingsdir.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {

QString fullPathIn(const char *variable)
{
    const QString path = QFile::decodeName(qgetenv(variable));
    return QDir::isAbsolutePath(path) ? QDir::cleanPath(path) : QString();
}

} // namespace

QString settingsDirectory(QString *error)
{
    QString dir = fullPathIn("XDG_CONFIG_HOME");
    if (dir.isEmpty()) {
        const QString home = fullPathIn("HOME");
        if (home.isEmpty()) {
            if (error)
                *error = QCoreApplication::translate("platform", "There is no folder to keep the settings in: neither "
                                                            "XDG_CONFIG_HOME nor HOME is set to a full path. The "
                                                            "settings of this run will not be kept.");
            return {};
        }
        dir = home == QStringLiteral("/") ? QStringLiteral("/.config") : home + QStringLiteral("/.config");
    }
    QDir().mkpath(dir);
    return dir;
}

QString settingsFilePath(const QString &fileName, QString *error)
{
    const QString path = settingsDirectory(error);
    if (path.isEmpty())
        return {};
    const QDir dir(path);
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System))
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return dir.filePath(fileName);
}

} // namespace platform
