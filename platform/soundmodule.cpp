// The games' own player of their bundled PCM waves over ALSA, built as a
// module that a game loads at its first sound: a game that plays nothing
// maps no sound library and opens no device. Only platform/sound.cpp loads
// it. One thread plays; a new sound cuts off the one playing.
#include <alsa/asoundlib.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace {

struct Wave {
    std::vector<unsigned char> samples;
    snd_pcm_format_t format = SND_PCM_FORMAT_UNKNOWN;
    unsigned channels = 0, rate = 0, frameBytes = 0;
};

class Player {
public:
    Player() : m_thread([this] { run(); }) {}

    ~Player()
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
            playOut(wave);
        }
    }

    void playOut(const Wave &wave)
    {
        snd_pcm_t *pcm = nullptr;
        if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0)
            return;
        // A tenth of a second in the device: a new sound cuts in that soon.
        if (snd_pcm_set_params(pcm, wave.format, SND_PCM_ACCESS_RW_INTERLEAVED, wave.channels, wave.rate, 1,
                               100000) < 0) {
            snd_pcm_close(pcm);
            return;
        }
        const snd_pcm_uframes_t total = wave.samples.size() / wave.frameBytes;
        const snd_pcm_uframes_t chunk = std::max<snd_pcm_uframes_t>(wave.rate / 50, 64);
        snd_pcm_uframes_t done = 0;
        bool cut = false;
        while (done < total && !(cut = interrupted())) {
            const snd_pcm_sframes_t n =
                snd_pcm_writei(pcm, wave.samples.data() + done * wave.frameBytes, std::min(chunk, total - done));
            if (n >= 0)
                done += snd_pcm_uframes_t(n);
            else if (snd_pcm_recover(pcm, int(n), 1) < 0)
                break;
        }
        // The tail still in the device plays out unless a new sound comes.
        snd_pcm_sframes_t left = 0;
        while (!cut && snd_pcm_delay(pcm, &left) == 0 && left > 0 && snd_pcm_state(pcm) == SND_PCM_STATE_RUNNING) {
            std::unique_lock lock(m_mutex);
            cut = m_wake.wait_for(lock, std::chrono::milliseconds(10), [this] { return m_pending || m_quit; });
        }
        snd_pcm_drop(pcm);
        snd_pcm_close(pcm);
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    Wave m_next;
    bool m_pending = false;
    bool m_quit = false;
    std::thread m_thread; // last: it starts once the rest is there
};

Player *player = nullptr;

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

// True when the default device opens; asked once, before the first sound.
extern "C" __attribute__((visibility("default"))) bool pekucaSoundHasDevice()
{
    snd_lib_error_set_handler(quiet);
    snd_pcm_t *pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return false;
    snd_pcm_close(pcm);
    return true;
}

// Starts the samples of a PCM wave (copied) and returns at once; false for a
// sample size it cannot play.
extern "C" __attribute__((visibility("default"))) bool pekucaSoundPlay(const void *samples, unsigned long bytes,
                                                                      int channels, int rate, int bits)
{
    Wave wave;
    wave.format = formatOf(bits);
    if (wave.format == SND_PCM_FORMAT_UNKNOWN || channels < 1 || channels > 8 || rate < 1000 || rate > 192000)
        return false;
    wave.channels = unsigned(channels);
    wave.rate = unsigned(rate);
    wave.frameBytes = wave.channels * unsigned(bits / 8);
    const auto *from = static_cast<const unsigned char *>(samples);
    wave.samples.assign(from, from + bytes - bytes % wave.frameBytes);
    if (!player)
        player = new Player;
    player->play(std::move(wave));
    return true;
}

// Before the program ends: the sound playing stops.
extern "C" __attribute__((visibility("default"))) void pekucaSoundRelease()
{
    delete player;
    player = nullptr;
}
