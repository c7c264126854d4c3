// Colours as a person types them on the command line.
#pragma once

#include <string_view>

#include "studio/document/Color.h"

namespace studio {

// "#rrggbb" (RGB, hex digits of either case), "gray:G", "cmyk:C,M,Y,K"
// (components from 0 to 1) or "none". Throws std::invalid_argument saying
// what is expected.
Color colorFromText(std::string_view text);

}  // namespace studio
