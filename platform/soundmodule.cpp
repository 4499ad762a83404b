// Qt Multimedia behind the games' sounds, built as a module of its own that
// a game loads at its first sound: the media libraries, and the connection
// to the sound server that comes with them, cost nothing to a game that
// plays nothing. Only platform/sound.cpp loads it.
#include <QAudioDevice>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

struct Player {
    QHash<QString, QSoundEffect *> effects;
    QSoundEffect *playing = nullptr;
};

Player *player = nullptr;

} // namespace

// True when there is a device to play on; asked once, before the first sound.
extern "C" Q_DECL_EXPORT bool pekucaSoundHasDevice() { return !QMediaDevices::defaultAudioOutput().isNull(); }

// Plays a resource path such as ":/sounds/drop.wav"; a new sound cuts off the one playing.
extern "C" Q_DECL_EXPORT void pekucaSoundPlay(const QString &path)
{
    if (!player)
        player = new Player;
    QSoundEffect *effect = player->effects.value(path);
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl(QStringLiteral("qrc") + path));
        player->effects.insert(path, effect);
    }
    if (player->playing && player->playing != effect)
        player->playing->stop();
    player->playing = effect;
    effect->play();
}

// Before the application object goes.
extern "C" Q_DECL_EXPORT void pekucaSoundRelease()
{
    if (player)
        qDeleteAll(player->effects);
    delete player;
    player = nullptr;
}
