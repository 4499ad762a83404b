#pragma once

#include <memory>

namespace platform {

// The games' own player of PCM samples over ALSA. The ALSA library is opened
// by the first sound, not linked: a game that plays nothing maps no sound
// library and opens no device. One thread plays; a new sound cuts off the
// one playing.
class AlsaPlayer {
public:
    // A player on the default device, or none when the library or the
    // device is missing.
    static std::unique_ptr<AlsaPlayer> open();
    ~AlsaPlayer();

    // Starts the samples (copied) and returns at once; false for a sample
    // size or layout it cannot play.
    bool play(const void *samples, unsigned long bytes, int channels, int rate, int bits);

    struct Library;
    class Thread;

private:
    explicit AlsaPlayer(std::unique_ptr<Library> alsa);
    std::unique_ptr<Library> m_alsa;
    std::unique_ptr<Thread> m_thread;
};

} // namespace platform
