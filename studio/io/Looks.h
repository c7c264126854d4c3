// Looks: named settings shipped with focara (looks/*.json, built in), each a
// record and the host settings that go with it, for the pictures artists ask
// for by name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "studio/io/SettingsJson.h"

namespace studio {

struct Look {
    std::string name;
    std::string title;
    std::string description;
    // The settings as outputs carry them (settingsFromJson reads them), seed 0:
    // a look chooses no random numbers.
    std::string settingsJson;
};

// In the order to show them. Throws std::logic_error if a built-in look does
// not read (the tests read every one).
const std::vector<Look>& allLooks();
const Look* findLook(std::string_view name);

// The look's host settings and record, fields it leaves out at base's values.
DrawingSettings lookSettings(const Look& look, const FocaraParams& base);

// A look file's text as a Look; throws InputError naming the member.
Look lookFromJson(std::string_view name, std::string_view text);

}  // namespace studio
