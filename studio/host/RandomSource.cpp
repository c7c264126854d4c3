#include "studio/host/RandomSource.h"

#include <chrono>

namespace studio {

float RandomSource::nextOfSequence()
{
    float r = sequence_.front();
    sequence_.pop_front();
    return r;
}

void RandomSource::refill()
{
    uint64_t state = state_;
    for (float& out : batch_) {
        state += kGamma;
        uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z = z ^ (z >> 31);
        out = static_cast<float>(z >> 40) * 0x1.0p-24f;
    }
    state_ = state;
    cursor_ = 0;
}

void RandomSource::skip(uint64_t n)
{
    // Numbers made but not read go back, then the state moves on n steps.
    state_ -= (kBatch - cursor_) * kGamma;
    cursor_ = kBatch;
    state_ += n * kGamma;
    draws_ += n;
}

uint64_t seedFromClock()
{
    auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

}  // namespace studio
