#include "studio/host/RandomSource.h"

#include <chrono>

namespace studio {

float RandomSource::next()
{
    ++draws_;
    if (!sequence_.empty()) {
        float r = sequence_.front();
        sequence_.pop_front();
        return r;
    }
    state_ += 0x9E3779B97F4A7C15ULL;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z = z ^ (z >> 31);
    return static_cast<float>(z >> 40) * 0x1.0p-24f;
}

uint64_t seedFromClock()
{
    auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

}  // namespace studio
