#include "studio/io/CairoWriter.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "studio/io/CairoDrawing.h"
#include "studio/io/Files.h"

namespace studio {

namespace {

constexpr double kPointsPerInch = 72;
constexpr double kMaxPixels = 32767;
// SVG's default, which cairo's differs from.
constexpr double kSvgMiterLimit = 4;

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

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

bool shows(bool painted, const Color& color) { return painted && color.kind != ColorKind::None; }

void setSource(cairo_t* cr, const Color& color)
{
    const std::array<float, 3> rgb = displayRgb(color);
    cairo_set_source_rgb(cr, rgb[0], rgb[1], rgb[2]);
}

// Every edge is the cubic from one segment's out-handle to the next one's in-handle.
void tracePath(cairo_t* cr, const Art& art)
{
    const auto& s = art.segments;
    cairo_new_path(cr);
    cairo_move_to(cr, s[0].p.h, s[0].p.v);
    auto edge = [&](const AIPathSegment& from, const AIPathSegment& to) {
        cairo_curve_to(cr, from.out.h, from.out.v, to.in.h, to.in.v, to.p.h, to.p.v);
    };
    for (size_t i = 1; i < s.size(); ++i) edge(s[i - 1], s[i]);
    if (art.closed) {
        edge(s.back(), s[0]);
        cairo_close_path(cr);
    }
}

void paintPath(cairo_t* cr, const Art& art)
{
    const PathStyle& style = art.style;
    const bool fill = shows(style.fillPaint, style.fill);
    const bool stroke = shows(style.strokePaint, style.stroke) && style.strokeWidth > 0;
    if (!fill && !stroke) return;
    tracePath(cr, art);
    if (fill) {
        setSource(cr, style.fill);
        cairo_fill_preserve(cr);
    }
    if (stroke) {
        setSource(cr, style.stroke);
        cairo_set_line_width(cr, style.strokeWidth);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
}

// Opacity applies to the fill and stroke together, as SVG's opacity does.
void drawArt(cairo_t* cr, const Art& art)
{
    if (art.segments.empty() || art.opacity <= 0) return;
    if (art.opacity >= 1) {
        paintPath(cr, art);
        return;
    }
    cairo_push_group(cr);
    paintPath(cr, art);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, art.opacity);
}

}  // namespace

// Artwork y points up from the bottom of the page; the picture's points down.
void drawDocument(cairo_t* cr, const Document& document)
{
    cairo_translate(cr, 0, document.page.height);
    cairo_scale(cr, 1, -1);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_set_miter_limit(cr, kSvgMiterLimit);
    for (const auto& layer : document.layers())
        for (const auto& art : layer->art) drawArt(cr, *art);
    check(cairo_status(cr), "draw the document");
}

PixelSize pngPixelSize(const Page& page, double dpi)
{
    if (!std::isfinite(dpi) || dpi <= 0) throw InputError("--dpi: expected a number above 0");
    const double width = std::ceil(page.width * dpi / kPointsPerInch);
    const double height = std::ceil(page.height * dpi / kPointsPerInch);
    if (width > kMaxPixels || height > kMaxPixels) {
        std::ostringstream message;
        message << "--dpi " << dpi << ": the page would be " << width << " x " << height
                << " pixels; an image has at most 32767 a side";
        throw InputError(message.str());
    }
    return {static_cast<int>(width), static_cast<int>(height)};
}

std::string documentToPng(const Document& document, double dpi)
{
    const PixelSize size = pngPixelSize(document.page, dpi);
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.width, size.height));
    check(cairo_surface_status(surface.get()), "make the image");
    Context cr(cairo_create(surface.get()));
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    const double scale = dpi / kPointsPerInch;
    cairo_scale(cr.get(), scale, scale);
    drawDocument(cr.get(), document);
    cairo_surface_flush(surface.get());

    std::string png;
    check(cairo_surface_write_to_png_stream(surface.get(), appendToString, &png), "write the PNG");
    return png;
}

std::string documentToPdf(const Document& document)
{
    std::string pdf;
    Surface surface(
        cairo_pdf_surface_create_for_stream(appendToString, &pdf, document.page.width, document.page.height));
    check(cairo_surface_status(surface.get()), "make the PDF");
    {
        Context cr(cairo_create(surface.get()));
        drawDocument(cr.get(), document);
        cairo_show_page(cr.get());
    }
    cairo_surface_finish(surface.get());
    check(cairo_surface_status(surface.get()), "write the PDF");
    return pdf;
}

}  // namespace studio
