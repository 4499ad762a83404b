#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// A settings file's bytes as the tests read and lay them down.
namespace {

[[maybe_unused]] QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

[[maybe_unused]] void writeAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

} // namespace
