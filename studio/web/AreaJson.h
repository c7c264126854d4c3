// The reference area as the page sends and is shown it:
// {"shape": "ellipse"|"rectangle", "cx", "cy", "rx", "ry", "degrees"} in
// points, artwork y up; rx and ry are the radii of an ellipse and half the
// width and height of a rectangle, before the turn (degrees counter-clockwise).
// {"clear": true} removes the area.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "studio/document/ReferenceArea.h"

namespace studio::web {

// The area a request body asks for, or nothing for a clear. Throws
// std::invalid_argument with one line naming the member that is wrong.
std::optional<ReferenceArea> areaFromJson(const std::string& text);
nlohmann::json areaToJson(const ReferenceArea& area);

}  // namespace studio::web
