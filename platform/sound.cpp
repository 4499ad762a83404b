#include "platform/sound.h"

#include "platform/alsaplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTimer>

#include <utility>

namespace platform {

namespace {

quint32 le32(const QByteArray &b, qsizetype at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16 |
           quint32(quint8(b[at + 3])) << 24;
}

int le16(const QByteArray &b, qsizetype at) { return quint8(b[at]) | quint8(b[at + 1]) << 8; }

// Where the body of a RIFF/WAVE file's chunk starts, with its size as the
// header gives it, or -1 when the walk does not reach it.
qsizetype findChunk(const QByteArray &bytes, const char *id, quint32 &size)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return -1;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        size = le32(bytes, at + 4);
        if (bytes.mid(at, 4) == id)
            return at + 8;
        at += 8 + qsizetype(size) + (size & 1);
    }
    return -1;
}

// The format of a PCM wave, what the player needs of it.
struct PcmWave {
    int channels = 0, rate = 0, bits = 0;
    QByteArray samples;
};

// The samples of a PCM wave, cut at the end of the bytes; empty when there are none.
PcmWave readPcmWave(const QByteArray &bytes)
{
    PcmWave wave;
    quint32 size = 0;
    const qsizetype fmt = findChunk(bytes, "fmt ", size);
    if (fmt < 0 || size < 16 || fmt + qsizetype(size) > bytes.size() || le16(bytes, fmt) != 1)
        return wave;
    const qsizetype data = findChunk(bytes, "data", size);
    if (data < 0)
        return wave;
    wave.channels = le16(bytes, fmt + 2);
    wave.rate = int(le32(bytes, fmt + 4));
    wave.bits = le16(bytes, fmt + 14);
    wave.samples = bytes.mid(data, qMin(qsizetype(size), bytes.size() - data));
    return wave;
}

} // namespace

bool isPcmWave(const QByteArray &bytes)
{
    quint32 size = 0;
    const qsizetype fmt = findChunk(bytes, "fmt ", size);
    return fmt >= 0 && size >= 16 && fmt + qsizetype(size) <= bytes.size() && le16(bytes, fmt) == 1;
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
    AlsaPlayer player; // its thread starts at the first sound
    QHash<QString, PcmWave> waves;
    // The first sound, held for one pass of the event loop; the newest
    // wins, as a new sound cuts off the one playing.
    std::function<void()> first;
    bool started = false;
    QObject context; // a first sound still held goes with the player

    bool start(const PcmWave &wave, std::function<void()> failed)
    {
        return player.play(wave.samples.constData(), static_cast<unsigned long>(wave.samples.size()), wave.channels,
                           wave.rate, wave.bits, std::move(failed));
    }
};

QtSound::QtSound() : d(std::make_unique<Impl>()) {}

// The player's thread stops here.
QtSound::~QtSound() = default;

bool QtSound::play(const QString &fileName, std::function<void()> cannotPlay)
{
    const QString path = soundResourcePath(fileName);
    if (path.isEmpty())
        return false;
    auto it = d->waves.constFind(path);
    if (it == d->waves.constEnd()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        it = d->waves.insert(path, readPcmWave(file.readAll()));
    }
    const PcmWave wave = *it; // shares the samples
    if (wave.samples.isEmpty())
        return false;
    // Said on the thread that asked, after the fact.
    auto failed = [cannotPlay = std::move(cannotPlay)] {
        if (cannotPlay)
            QMetaObject::invokeMethod(QCoreApplication::instance(), cannotPlay, Qt::QueuedConnection);
    };
    if (d->started)
        return d->start(wave, std::move(failed));
    // The player and its device are brought up on the next pass of the event
    // loop: a sound asked for while a window is being built, as a first
    // deal's, does not hold the window back.
    if (!d->first)
        QTimer::singleShot(0, &d->context, [impl = d.get()] {
            impl->started = true;
            std::exchange(impl->first, {})();
        });
    d->first = [impl = d.get(), wave, failed] {
        if (!impl->start(wave, failed))
            failed();
    };
    return true;
}

} // namespace platform
