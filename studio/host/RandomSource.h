// The host's random numbers: SplitMix64, seeded once; every draw is the plug-in's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace studio {

class RandomSource {
public:
    explicit RandomSource(uint64_t seed) : seed_(seed), state_(seed) {}

    // A float in [0, 1): the next number of a fixed sequence if one is set, else SplitMix64.
    float next();
    // Tests: these numbers come first, in order.
    void setSequence(std::vector<float> numbers) { sequence_.assign(numbers.begin(), numbers.end()); }
    uint64_t seed() const { return seed_; }
    uint64_t draws() const { return draws_; }
    // Moves on n numbers without drawing them: SplitMix64's state only adds.
    void skip(uint64_t n)
    {
        state_ += n * 0x9E3779B97F4A7C15ULL;
        draws_ += n;
    }

private:
    uint64_t seed_;
    uint64_t state_;
    uint64_t draws_ = 0;
    std::deque<float> sequence_;
};

// A seed from the clock, for runs without --seed.
uint64_t seedFromClock();

}  // namespace studio
