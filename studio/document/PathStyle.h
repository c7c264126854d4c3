// Fill and stroke of a path.
#pragma once

#include "studio/document/Color.h"

namespace studio {

struct PathStyle {
    bool fillPaint = true;
    Color fill = Color::rgb(0, 0, 0);
    bool strokePaint = false;
    Color stroke = Color::rgb(0, 0, 0);
    float strokeWidth = 1;

    bool operator==(const PathStyle&) const = default;
};

}  // namespace studio
