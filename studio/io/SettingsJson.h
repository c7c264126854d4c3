// The settings every output carries, as one line of JSON: the seed, where the
// kept drawing began in the random sequence, the host settings and the
// record's fields by name. With the same document they draw the same file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "sdk/FocaraParams.h"
#include "studio/document/HostSettings.h"

namespace studio {

struct DrawingSettings {
    uint64_t seed = 0;
    // Random numbers drawn before the drawing that was kept began (dialog
    // previews and Tumble draw some first).
    uint64_t drawsBefore = 0;
    HostSettings host;
    FocaraParams record{};
};

// One line, ASCII only (it goes into PNG text, PDF strings and XML as it is).
std::string settingsToJson(const DrawingSettings& settings);

// Reads what settingsToJson wrote. The record's fields start from base; a
// field left out keeps base's value. Throws InputError naming the member.
DrawingSettings settingsFromJson(std::string_view text, const FocaraParams& base);

}  // namespace studio
