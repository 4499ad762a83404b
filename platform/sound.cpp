#include "platform/sound.h"

#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

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
    QHash<QString, QSoundEffect *> effects;
    QSoundEffect *playing = nullptr;
    bool deviceChecked = false;
    bool hasDevice = false;
};

QtSound::QtSound() : d(std::make_unique<Impl>()) {}

QtSound::~QtSound() { qDeleteAll(d->effects); }

bool QtSound::play(const QString &fileName)
{
    const QString path = soundResourcePath(fileName);
    if (path.isEmpty())
        return false;
    QSoundEffect *effect = d->effects.value(path);
    if (!effect) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || !isPcmWave(file.read(4096)))
            return false;
        // The device is looked for once, at the first sound that could play.
        if (!d->deviceChecked) {
            d->deviceChecked = true;
            d->hasDevice = !QMediaDevices::defaultAudioOutput().isNull();
        }
        if (!d->hasDevice)
            return false;
        effect = new QSoundEffect;
        effect->setSource(QUrl(QStringLiteral("qrc") + path));
        d->effects.insert(path, effect);
    }
    if (!d->hasDevice)
        return false;
    if (d->playing && d->playing != effect)
        d->playing->stop();
    d->playing = effect;
    effect->play();
    return true;
}

} // namespace platform
