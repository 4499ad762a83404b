#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

// A configuration directory of its own while it lives, so no test reads or
// writes the settings of the person running them.
struct ConfigHome {
    QTemporaryDir dir;
    QByteArray old;
    bool had = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");

    ConfigHome() : old(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit()); }
    ~ConfigHome()
    {
        if (had)
            qputenv("XDG_CONFIG_HOME", old);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    QString file() const { return dir.filePath(QStringLiteral("Pegora.INI")); }
    void write(const QByteArray &text) const
    {
        QFile f(file());
        if (f.open(QIODevice::WriteOnly))
            f.write(text);
    }
    QByteArray read() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
