// A reference area: the clear shape in the middle of a burst, an ellipse or a
// rectangle, possibly turned. The host aims the plug-in's burst at its
// smallest radius and then pushes each line out to the area's border.
#pragma once

#include <cstddef>
#include <vector>

#include "sdk/AIArt.h"
#include "studio/document/Art.h"

namespace studio {

// The largest radius (or half side) an area may have, in points: beyond any
// page, and small enough that pushed coordinates stay exact in the document's floats.
constexpr double kMaxAreaRadius = 100000;

struct ReferenceArea {
    enum class Shape { Ellipse, Rectangle };
    Shape shape = Shape::Ellipse;
    AIRealPoint center{0, 0};
    // The half axes: radii of an ellipse, half the width and height of a
    // rectangle, before the turn.
    double halfWidth = 1;
    double halfHeight = 1;
    double degrees = 0;  // counter-clockwise, artwork y up

    double smallestRadius() const;
    // Distance from the centre to the border along the unit vector (dx, dy).
    double radiusToward(double dx, double dy) const;

    bool operator==(const ReferenceArea& other) const
    {
        return shape == other.shape && center.h == other.center.h && center.v == other.center.v &&
               halfWidth == other.halfWidth && halfHeight == other.halfHeight && degrees == other.degrees;
    }
};

// The point of the path's outline (its cubic edges, the closing one when
// closed) nearest to `to`. Returns false for a path without segments.
bool nearestPointOnPath(const Art& art, AIRealPoint to, AIRealPoint& nearest);

// How a burst's paths belong together: each line is followed (in paint order)
// by its copies, pathsPerLine paths in all, the line itself at lineIndex.
struct LineGroups {
    size_t pathsPerLine = 1;
    size_t lineIndex = 0;
};

// Moves every line of `drawn` (paths in paint order, grouped as `groups` says)
// outward along the ray from the area's centre through the line's nearest
// point, by the area's radius on that ray minus its smallest radius, and its
// copies by the same amount, so they keep their offset to it. A line through
// the centre itself has no ray and stays.
void pushOutToArea(const std::vector<Art*>& drawn, const ReferenceArea& area, LineGroups groups);

}  // namespace studio
