#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>


namespace platform {

// Plays a bundled wave file by its bare name, without waiting.
class Sound {
public:
    virtual ~Sound() = default;
    // Returns at once whether the sound could start. A sound device found
    // missing only once the sound had started is told to `cannotPlay`
    // later, on the thread that asked.
    virtual bool play(const QString &fileName, std::function<void()> cannotPlay = {}) = 0;
};

// What a sound that could not start does to the game's Sound option besides
// unchecking it: it stays available to be switched on again, or it is
// disabled for the rest of the run.
enum class FailedSound { StaysAvailable, Disabled };

// True when the bytes are a RIFF/WAVE file with PCM samples.
bool isPcmWave(const QByteArray &bytes);

// The bundled files live under ":/sounds/"; the name is matched ignoring case.
QString soundResourcePath(const QString &fileName);

// The audio device is looked for by the first sound, beside the game, never
// at start-up. A new sound cuts off the one playing.
class QtSound final : public Sound {
public:
    QtSound();
    ~QtSound() override;
    bool play(const QString &fileName, std::function<void()> cannotPlay = {}) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace platform
