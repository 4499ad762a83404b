#pragma once

#include <cstdint>
#include <random>

namespace platform {

// The pseudo-random source of the games.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Reseeds from the clock.
    virtual void randomize() = 0;
    // A uniform integer in 0..n-1; 0 when n is not positive.
    virtual int below(int n) = 0;
};

// A Mersenne twister; randomize() reseeds it from the clock, so a source
// built with a seed and never randomized is repeatable (the tests' source).
class TwisterRandom : public RandomSource {
public:
    explicit TwisterRandom(std::uint32_t seed = 5489u) : m_engine(seed) {}
    void randomize() override;
    int below(int n) override;

private:
    std::mt19937 m_engine;
};

// The same source with randomize() doing nothing: repeatable across games.
class SeededRandom final : public TwisterRandom {
public:
    using TwisterRandom::TwisterRandom;
    void randomize() override {}
};

} // namespace platform
