// Path geometry: tight bounds and affine transforms.
#pragma once

#include <vector>

#include "sdk/AIArt.h"

namespace studio {

// Tight bounds of the curves (anchors and the extrema of every cubic edge,
// the closing edge included when closed), without the stroke. (0,0,0,0) when empty.
AIRealRect pathBounds(const std::vector<AIPathSegment>& segments, bool closed);

// x' = a*x + c*y + tx, y' = b*x + d*y + ty.
AIRealPoint transformPoint(const AIRealMatrix& m, AIRealPoint p);
void transformSegments(std::vector<AIPathSegment>& segments, const AIRealMatrix& m);

}  // namespace studio
