#pragma once

// Wall time and this thread's processor time, for timing single hints on a
// shared machine where the wall clock also counts other people's work.
#include <chrono>
#include <ctime>

struct HintClock {
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    double cpu = cpuMs();

    static double cpuMs()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }
    double wallMs() const
    {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall).count();
    }
    double cpuSinceMs() const { return cpuMs() - cpu; }
};
