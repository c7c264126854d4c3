#include "studio/io/RasterPreview.h"

#include <cairo.h>

#include <cmath>
#include <memory>
#include <stdexcept>

#include "studio/io/CairoWriter.h"
#include "studio/io/Files.h"

namespace studio {

namespace {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length)
{
    try {
        static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
    } catch (...) {
        return CAIRO_STATUS_WRITE_ERROR;
    }
}

void check(cairo_status_t status, const char* what)
{
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(std::string("cairo could not ") + what + ": " + cairo_status_to_string(status));
}

}  // namespace

RasterSize rasterSize(const RasterRegion& r)
{
    for (double v : {r.x, r.y, r.width, r.height, r.scale})
        if (!std::isfinite(v)) throw InputError("the region's numbers must be finite");
    if (r.width <= 0 || r.height <= 0) throw InputError("the region's width and height must be above 0");
    if (r.scale <= 0) throw InputError("the scale must be above 0");
    const double width = std::ceil(r.width * r.scale);
    const double height = std::ceil(r.height * r.scale);
    if (width > kMaxRasterSide || height > kMaxRasterSide)
        throw InputError("the picture would be " + std::to_string(static_cast<long long>(width)) + " x " +
                         std::to_string(static_cast<long long>(height)) + " pixels; at most " +
                         std::to_string(kMaxRasterSide) + " a side");
    return {static_cast<int>(width), static_cast<int>(height)};
}

std::string regionToPng(const Document& document, const RasterRegion& region)
{
    const RasterSize size = rasterSize(region);
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.width, size.height));
    check(cairo_surface_status(surface.get()), "make the image");
    {
        std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));
        cairo_scale(cr.get(), region.scale, region.scale);
        cairo_translate(cr.get(), -region.x, -region.y);
        drawArtwork(cr.get(), document);
    }
    cairo_surface_flush(surface.get());
    std::string png;
    check(cairo_surface_write_to_png_stream(surface.get(), appendToString, &png), "write the PNG");
    return png;
}

}  // namespace studio
