// The host's random numbers: SplitMix64, seeded once; every draw is the plug-in's.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace studio {

class RandomSource {
public:
    explicit RandomSource(uint64_t seed) : seed_(seed), state_(seed) {}

    // A float in [0, 1): the next number of a fixed sequence if one is set, else SplitMix64.
    float next()
    {
        ++draws_;
        if (!sequence_.empty()) return nextOfSequence();
        if (cursor_ == kBatch) refill();
        return batch_[cursor_++];
    }
    // Tests: these numbers come first, in order.
    void setSequence(std::vector<float> numbers) { sequence_.assign(numbers.begin(), numbers.end()); }
    uint64_t seed() const { return seed_; }
    uint64_t draws() const { return draws_; }
    // Moves on n numbers without drawing them: SplitMix64's state only adds.
    void skip(uint64_t n);

private:
    // A large drawing draws a hundred million numbers: made a batch at a
    // time, the independent steps overlap instead of waiting on each other.
    static constexpr size_t kBatch = 64;
    static constexpr uint64_t kGamma = 0x9E3779B97F4A7C15ULL;

    float nextOfSequence();
    void refill();

    uint64_t seed_;
    uint64_t state_;  // after the last number made into the batch
    uint64_t draws_ = 0;
    std::deque<float> sequence_;
    std::array<float, kBatch> batch_{};
    size_t cursor_ = kBatch;  // next unread entry of batch_; kBatch when none is left
};

// A seed from the clock, for runs without --seed.
uint64_t seedFromClock();

}  // namespace studio
