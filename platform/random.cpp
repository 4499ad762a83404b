#include "platform/random.h"

#include <chrono>

namespace platform {

void TwisterRandom::randomize()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{std::uint32_t(now), std::uint32_t(std::uint64_t(now) >> 32)};
    m_engine.seed(seq);
}

int TwisterRandom::below(int n)
{
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

} // namespace platform
