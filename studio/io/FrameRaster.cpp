#include "studio/io/FrameRaster.h"

#include <stdexcept>

namespace studio {

namespace {

constexpr double kPointsPerInch = 72;

void check(cairo_status_t status, const char* what)
{
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(std::string("cairo could not ") + what + ": " + cairo_status_to_string(status));
}

}  // namespace

FrameRaster::FrameRaster(const Page& page, double dpi)
    : size_(pngPixelSize(page, dpi)), dpi_(dpi),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size_.width, size_.height))
{
    check(cairo_surface_status(surface_.get()), "make the image");
}

void FrameRaster::draw(const Document& document, const FrameBackground& background, const std::optional<ClipRect>& clip)
{
    cairo_t* cr = cairo_create(surface_.get());
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    if (background.transparent)
        cairo_set_source_rgba(cr, 0, 0, 0, 0);
    else
        cairo_set_source_rgb(cr, background.red, background.green, background.blue);
    cairo_paint(cr);
    cairo_restore(cr);
    const double scale = dpi_ / kPointsPerInch;
    cairo_scale(cr, scale, scale);
    try {
        drawArtwork(cr, document, clip);
    } catch (...) {
        cairo_destroy(cr);
        throw;
    }
    cairo_destroy(cr);
    cairo_surface_flush(surface_.get());
}

std::vector<uint8_t> FrameRaster::rgba() const
{
    const int stride = cairo_image_surface_get_stride(surface_.get());
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    std::vector<uint8_t> out(static_cast<size_t>(size_.width) * static_cast<size_t>(size_.height) * 4);
    uint8_t* to = out.data();
    for (int y = 0; y < size_.height; ++y) {
        // cairo keeps native-endian 32-bit ARGB, premultiplied.
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < size_.width; ++x, to += 4) {
            const uint32_t pixel = row[x];
            const uint32_t a = pixel >> 24;
            uint32_t r = (pixel >> 16) & 0xff, g = (pixel >> 8) & 0xff, b = pixel & 0xff;
            if (a != 0 && a != 255) {
                r = (r * 255 + a / 2) / a;
                g = (g * 255 + a / 2) / a;
                b = (b * 255 + a / 2) / a;
            }
            to[0] = static_cast<uint8_t>(r);
            to[1] = static_cast<uint8_t>(g);
            to[2] = static_cast<uint8_t>(b);
            to[3] = static_cast<uint8_t>(a);
        }
    }
    return out;
}

}  // namespace studio
