#pragma once

#include <atomic>
#include <functional>
#include <memory>

namespace platform {

// The games' own player of PCM samples over ALSA, on the default device. The
// ALSA library is opened by the first sound, not linked, and on the player's
// own thread: a game that plays nothing maps no sound library, and no window
// waits while the library reads its configuration or reaches a sound server.
// One thread plays; a new sound cuts off the one playing.
class AlsaPlayer {
public:
    AlsaPlayer();
    ~AlsaPlayer();

    // Starts the samples (copied) and returns at once; false for a sample
    // size or layout it cannot play, or once the library or the device is
    // known to be missing. The sound that finds them missing calls `failed`,
    // on the player's thread.
    bool play(const void *samples, unsigned long bytes, int channels, int rate, int bits,
              std::function<void()> failed = {});

    struct Library;
    class Thread;

private:
    std::atomic<bool> m_missing{false};
    std::unique_ptr<Thread> m_thread; // last: it goes first
};

} // namespace platform
