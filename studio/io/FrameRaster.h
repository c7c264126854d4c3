// One frame drawn by cairo over its background, at the animation's size.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "studio/io/AnimationWriter.h"
#include "studio/io/CairoWriter.h"

namespace studio {

class FrameRaster {
public:
    // Throws InputError when the page at dpi is too large an image.
    FrameRaster(const Page& page, double dpi);
    FrameRaster(const FrameRaster&) = delete;
    FrameRaster& operator=(const FrameRaster&) = delete;

    // Clears to the background and draws the document; the same picture as a PNG of it.
    void draw(const Document& document, const FrameBackground& background, const std::optional<ClipRect>& clip);

    PixelSize size() const { return size_; }
    // Straight (not premultiplied) RGBA, row after row, no padding.
    std::vector<uint8_t> rgba() const;

private:
    struct SurfaceDeleter {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };
    PixelSize size_;
    double dpi_;
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface_;
};

}  // namespace studio
