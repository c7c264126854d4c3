// --reach-edges: the line length that carries the longest line to the far
// corner of a rectangle, so that a burst fills a page or a panel.
#pragma once

#include "sdk/FocaraParams.h"
#include "studio/document/HostSettings.h"

namespace studio {

// The zoomLength, within its range, for which a line of the record's
// longest length factor (the set and line length progressions, scaled by
// the larger of the horizontal and vertical scales) running from zoomDistance
// ends at the corner of rect farthest from the zoom centre (centerX, centerY).
// Only the record's own values count: random spreads are left out.
float reachEdgesLength(const FocaraParams& record, const ClipRect& rect);

// With reachEdges, zoomLength so that the longest line reaches the far
// corner of the clip rectangle (or the page); call it after the other changes.
void applyReachEdges(FocaraParams& record, const HostSettings& settings, const Page& page);

}  // namespace studio
