// The text form of a reference area: "ellipse:CX,CY,RX,RY[,DEG]" (centre and
// radii) or "rect:X,Y,W,H[,DEG]" (lower left corner and size, turned about
// its centre), in points of the artwork (y up), DEG counter-clockwise.
#pragma once

#include <string>

#include "studio/document/ReferenceArea.h"

namespace studio {

// Throws std::invalid_argument saying what is wrong: a malformed text, a
// radius or size not above 0 or above 100000, a centre outside the range the record keeps
// for the zoom centre, a smallest radius beyond the inner distance's range.
ReferenceArea referenceAreaFromText(const std::string& text);

// The text form, turn included, that referenceAreaFromText reads back to the same area.
std::string referenceAreaText(const ReferenceArea& area);

}  // namespace studio
