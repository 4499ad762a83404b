// ALSA's header gives the functions' types; the library itself is opened by
// name at the first sound, so no game links it.
#include "platform/alsaplayer.h"

#include <alsa/asoundlib.h>

#include <QLibrary>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {

// The few ALSA calls the player makes, found in the library by name.
struct AlsaPlayer::Library {
    QLibrary file{QStringLiteral("asound"), 2};
    decltype(&::snd_lib_error_set_handler) errorHandler = nullptr;
    decltype(&::snd_pcm_open) open = nullptr;
    decltype(&::snd_pcm_set_params) setParams = nullptr;
    decltype(&::snd_pcm_writei) writei = nullptr;
    decltype(&::snd_pcm_recover) recover = nullptr;
    decltype(&::snd_pcm_delay) delay = nullptr;
    decltype(&::snd_pcm_state) state = nullptr;
    decltype(&::snd_pcm_drop) drop = nullptr;
    decltype(&::snd_pcm_close) close = nullptr;

    bool load()
    {
        if (!file.load())
            return false;
        const auto find = [this](auto &call, const char *name) {
            call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(file.resolve(name));
            return call != nullptr;
        };
        return find(errorHandler, "snd_lib_error_set_handler") && find(open, "snd_pcm_open") &&
               find(setParams, "snd_pcm_set_params") && find(writei, "snd_pcm_writei") &&
               find(recover, "snd_pcm_recover") && find(delay, "snd_pcm_delay") && find(state, "snd_pcm_state") &&
               find(drop, "snd_pcm_drop") && find(close, "snd_pcm_close");
    }
};

namespace {

struct Wave {
    std::vector<unsigned char> samples;
    snd_pcm_format_t format = SND_PCM_FORMAT_UNKNOWN;
    unsigned channels = 0, rate = 0, frameBytes = 0;
    std::function<void()> failed;
};

snd_pcm_format_t formatOf(int bits)
{
    switch (bits) {
    case 8:
        return SND_PCM_FORMAT_U8;
    case 16:
        return SND_PCM_FORMAT_S16_LE;
    case 24:
        return SND_PCM_FORMAT_S24_3LE;
    case 32:
        return SND_PCM_FORMAT_S32_LE;
    default:
        return SND_PCM_FORMAT_UNKNOWN;
    }
}

// ALSA's own complaints, such as a machine without a sound card, are not the
// player's: a missing device turns the Sound option off and that says it.
void quiet(const char *, int, const char *, int, const char *, ...) {}

} // namespace

class AlsaPlayer::Thread {
public:
    explicit Thread(std::atomic<bool> &missing) : m_missing(missing), m_thread([this] { run(); }) {}

    ~Thread()
    {
        {
            std::lock_guard lock(m_mutex);
            m_quit = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

    void play(Wave wave)
    {
        {
            std::lock_guard lock(m_mutex);
            m_next = std::move(wave);
            m_pending = true;
        }
        m_wake.notify_all();
    }

private:
    // True when the sound playing should stop: a newer one, or the end.
    bool interrupted()
    {
        std::lock_guard lock(m_mutex);
        return m_pending || m_quit;
    }

    void run()
    {
        for (;;) {
            Wave wave;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return m_pending || m_quit; });
                if (m_quit)
                    return;
                wave = std::move(m_next);
                m_pending = false;
            }
            if (ready())
                playOut(wave);
            else if (wave.failed)
                wave.failed();
        }
    }

    // Whether the library and the device are there, found out once, by the
    // first sound: a machine without them turns the Sound option off, as
    // the sound that found out says.
    bool ready()
    {
        if (!m_tried) {
            m_tried = true;
            snd_pcm_t *pcm = nullptr;
            if (m_alsa.load()) {
                m_alsa.errorHandler(quiet);
                if (m_alsa.open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) >= 0)
                    m_alsa.close(pcm);
                else
                    pcm = nullptr;
            }
            m_missing = pcm == nullptr;
        }
        return !m_missing;
    }

    void playOut(const Wave &wave)
    {
        snd_pcm_t *pcm = nullptr;
        if (m_alsa.open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0)
            return;
        // A tenth of a second in the device: a new sound cuts in that soon.
        if (m_alsa.setParams(pcm, wave.format, SND_PCM_ACCESS_RW_INTERLEAVED, wave.channels, wave.rate, 1, 100000) <
            0) {
            m_alsa.close(pcm);
            return;
        }
        const snd_pcm_uframes_t total = wave.samples.size() / wave.frameBytes;
        const snd_pcm_uframes_t chunk = std::max<snd_pcm_uframes_t>(wave.rate / 50, 64);
        snd_pcm_uframes_t done = 0;
        bool cut = false;
        while (done < total && !(cut = interrupted())) {
            const snd_pcm_sframes_t n =
                m_alsa.writei(pcm, wave.samples.data() + done * wave.frameBytes, std::min(chunk, total - done));
            if (n >= 0)
                done += snd_pcm_uframes_t(n);
            else if (m_alsa.recover(pcm, int(n), 1) < 0)
                break;
        }
        // The tail still in the device plays out unless a new sound comes.
        snd_pcm_sframes_t left = 0;
        while (!cut && m_alsa.delay(pcm, &left) == 0 && left > 0 && m_alsa.state(pcm) == SND_PCM_STATE_RUNNING) {
            std::unique_lock lock(m_mutex);
            cut = m_wake.wait_for(lock, std::chrono::milliseconds(10), [this] { return m_pending || m_quit; });
        }
        m_alsa.drop(pcm);
        m_alsa.close(pcm);
    }

    Library m_alsa; // loaded here, by the first sound
    bool m_tried = false;
    std::atomic<bool> &m_missing;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    Wave m_next;
    bool m_pending = false;
    bool m_quit = false;
    std::thread m_thread; // last: it starts once the rest is there
};

AlsaPlayer::AlsaPlayer() = default;

// The thread stops before the library it calls; the library stays mapped.
AlsaPlayer::~AlsaPlayer() = default;

bool AlsaPlayer::play(const void *samples, unsigned long bytes, int channels, int rate, int bits,
                      std::function<void()> failed)
{
    if (m_missing)
        return false;
    Wave wave;
    wave.format = formatOf(bits);
    if (wave.format == SND_PCM_FORMAT_UNKNOWN || channels < 1 || channels > 8 || rate < 1000 || rate > 192000)
        return false;
    wave.channels = unsigned(channels);
    wave.rate = unsigned(rate);
    wave.frameBytes = wave.channels * unsigned(bits / 8);
    const auto *from = static_cast<const unsigned char *>(samples);
    wave.samples.assign(from, from + bytes - bytes % wave.frameBytes);
    wave.failed = std::move(failed);
    if (!m_thread)
        m_thread = std::make_unique<Thread>(m_missing);
    m_thread->play(std::move(wave));
    return true;
}

} // namespace platform
