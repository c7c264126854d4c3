// A picture of part of the page at a given number of pixels per point: what
// the studio sends instead of SVG when a drawing has too many paths for a
// browser to take as elements.
#pragma once

#include <string>

#include "studio/document/Document.h"

namespace studio {

// A rectangle of the page in points, from its top left with y down (as a
// page on screen is read), and the pixels per point to draw it at.
struct RasterRegion {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    double scale = 1;
};

// The largest picture side made, in pixels.
constexpr int kMaxRasterSide = 8192;

// The region's pixel size: its sides times scale, rounded up. Throws
// InputError naming what is wrong when a number is not finite, a side is not
// above 0, or a side would exceed kMaxRasterSide pixels.
struct RasterSize {
    int width;
    int height;
};
RasterSize rasterSize(const RasterRegion& region);

// A PNG of the region: the artwork over a transparent background (the page
// shows through), the same picture as the document's PNG export there.
std::string regionToPng(const Document& document, const RasterRegion& region);

}  // namespace studio
