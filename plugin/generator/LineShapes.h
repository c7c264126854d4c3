// The 55 line shapes: one table of anchor lists, and the shape step that
// writes one line's outline into its new, empty path.
#ifndef FOCARA_GENERATOR_LINESHAPES_H
#define FOCARA_GENERATOR_LINESHAPES_H

#include <stdint.h>

#include "sdk/AIArt.h"

constexpr int32_t kLineShapeCount = 55;       // styles 0..54, one per popup entry
constexpr int32_t kLineShapeMaxAnchors = 13;  // " Six"

// The shape step's inputs for one line, in points in the unrotated frame
// (the line points from the zoom centre along +x).
struct LineShapeInputs {
    AIArtHandle path;    // the line's new path, segment count 0
    int32_t style;       // shape style; outside 0..54 nothing is written
    AIRealPoint center;  // zoom centre (cx, cy)
    AIReal distance;     // inner distance D
    AIReal length;       // line length L
    AIReal width;        // line width W
    AIRealPoint pull;    // pull point (ex, ey)
    AIReal pullFactor;   // t = interpolationAmount / 100
    int32_t randomPull;  // randomInterpolation: t' = rand * t per anchor
};

// The popup text of style (with its leading space), or null outside 0..54.
const char* LineShapePopupText(int32_t style);

// The number of anchors of style, 0 outside 0..54.
int32_t LineShapeAnchorCount(int32_t style);

// Writes the anchors of the style as segments 0, 1, 2, ... of the path, each
// pulled toward the pull point. Returns the first non-zero SetPathSegments
// result at once; the anchors already written stay.
AIErr WriteLineShape(const LineShapeInputs* line);

#endif
