#include "platform/sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>

namespace platform {

namespace {

quint32 le32(const QByteArray &b, int at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16 |
           quint32(quint8(b[at + 3])) << 24;
}

} // namespace

bool isPcmWave(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    // Walk the chunks to "fmt " and read its format tag.
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const quint32 size = le32(bytes, int(at + 4));
        if (bytes.mid(at, 4) == "fmt ") {
            if (size < 16 || at + 8 + qsizetype(size) > bytes.size())
                return false;
            const int tag = quint8(bytes[at + 8]) | quint8(bytes[at + 9]) << 8;
            return tag == 1;
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    return false;
}

QString soundResourcePath(const QString &fileName)
{
    const QDir dir(QStringLiteral(":/sounds"));
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString &entry : entries)
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return {};
}

struct QtSound::Impl {
    QLibrary module;
    bool (*hasDevice)() = nullptr;
    void (*play)(const QString &) = nullptr;
    void (*release)() = nullptr;
    bool tried = false;
    bool ready = false;

    // The module that plays, and the device it plays on, are looked for
    // once, at the first sound that could play: installed beside the
    // programs (lib/pekuca-games), or where the build made it.
    bool load()
    {
        if (tried)
            return ready;
        tried = true;
        const QString name = QStringLiteral("libpekuca-sound.so");
        const QStringList places = {
            QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/pekuca-games/") + name,
            QStringLiteral(PEKUCA_SOUND_BUILD_DIR "/") + name,
        };
        for (const QString &place : places) {
            if (!QFile::exists(place))
                continue;
            module.setFileName(place);
            if (module.load())
                break;
        }
        if (!module.isLoaded())
            return false;
        hasDevice = reinterpret_cast<bool (*)()>(module.resolve("pekucaSoundHasDevice"));
        play = reinterpret_cast<void (*)(const QString &)>(module.resolve("pekucaSoundPlay"));
        release = reinterpret_cast<void (*)()>(module.resolve("pekucaSoundRelease"));
        ready = hasDevice && play && release && hasDevice();
        return ready;
    }
};

QtSound::QtSound() : d(std::make_unique<Impl>()) {}

// The module stays loaded: Qt Multimedia keeps threads of its own.
QtSound::~QtSound()
{
    if (d->release)
        d->release();
}

bool QtSound::play(const QString &fileName)
{
    const QString path = soundResourcePath(fileName);
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !isPcmWave(file.read(4096)) || !d->load())
        return false;
    d->play(path);
    return true;
}

} // namespace platform
