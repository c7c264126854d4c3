#include "studio/io/CairoWriter.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "studio/io/Files.h"
#include "studio/io/PngEncoder.h"

namespace studio {

namespace {

constexpr double kPointsPerInch = 72;
constexpr double kMaxPixels = 32767;
// The settings are the PDF's Subject: cairo writes no custom entries.
constexpr cairo_pdf_metadata_t kPdfSettingsEntry = CAIRO_PDF_METADATA_SUBJECT;
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
        // A straight edge is the same line either way, drawn without flattening a cubic.
        if (from.out.h == from.p.h && from.out.v == from.p.v && to.in.h == to.p.h && to.in.v == to.p.v)
            cairo_line_to(cr, to.p.h, to.p.v);
        else
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

// Artwork y points up from the bottom of the page; the picture's points down.
void drawDocument(cairo_t* cr, const Document& document, const std::optional<ClipRect>& clip)
{
    cairo_translate(cr, 0, document.page.height);
    cairo_scale(cr, 1, -1);
    if (clip) {
        cairo_rectangle(cr, clip->x, clip->y, clip->width, clip->height);
        cairo_clip(cr);
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_set_miter_limit(cr, kSvgMiterLimit);
    for (const auto& layer : document.layers())
        for (const auto& art : layer->art) drawArt(cr, *art);
    check(cairo_status(cr), "draw the document");
}

}  // namespace

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

std::string documentToPng(const Document& document, const OutputOptions& options)
{
    const PixelSize size = pngPixelSize(document.page, options.dpi);
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.width, size.height));
    check(cairo_surface_status(surface.get()), "make the image");
    {
        Context cr(cairo_create(surface.get()));
        if (options.background) {
            setSource(cr.get(), *options.background);
            cairo_paint(cr.get());
        }
        const double scale = options.dpi / kPointsPerInch;
        cairo_scale(cr.get(), scale, scale);
        drawDocument(cr.get(), document, options.clip);
    }
    cairo_surface_flush(surface.get());

    std::vector<PngText> texts;
    if (!options.settings.empty()) texts.push_back({kPngSettingsKeyword, options.settings});
    return encodePng(cairo_image_surface_get_data(surface.get()), size.width, size.height,
                     cairo_image_surface_get_stride(surface.get()), !options.background.has_value(), texts);
}

std::string documentToPng(const Document& document, double dpi)
{
    OutputOptions options;
    options.dpi = dpi;
    return documentToPng(document, options);
}

void writePdf(const Document& document, const OutputOptions& options, const ByteSink& sink)
{
    struct Closure {
        const ByteSink* sink;
        bool failed = false;
    } closure{&sink};
    auto write = [](void* data, const unsigned char* bytes, unsigned int length) -> cairo_status_t {
        auto* c = static_cast<Closure*>(data);
        try {
            (*c->sink)(std::string_view(reinterpret_cast<const char*>(bytes), length));
            return CAIRO_STATUS_SUCCESS;
        } catch (...) {
            c->failed = true;
            return CAIRO_STATUS_WRITE_ERROR;
        }
    };
    Surface surface(cairo_pdf_surface_create_for_stream(write, &closure, document.page.width, document.page.height));
    check(cairo_surface_status(surface.get()), "make the PDF");
    // No date: the same drawing gives the same file.
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATE_DATE, "");
    if (!options.settings.empty())
        cairo_pdf_surface_set_metadata(surface.get(), kPdfSettingsEntry, options.settings.c_str());
    {
        Context cr(cairo_create(surface.get()));
        drawDocument(cr.get(), document, options.clip);
        cairo_show_page(cr.get());
    }
    cairo_surface_finish(surface.get());
    if (closure.failed) throw std::runtime_error("the PDF could not be written");
    check(cairo_surface_status(surface.get()), "write the PDF");
}

std::string documentToPdf(const Document& document, const OutputOptions& options)
{
    std::string pdf;
    writePdf(document, options, [&](std::string_view bytes) { pdf += bytes; });
    return pdf;
}

void drawArtwork(cairo_t* cr, const Document& document, const std::optional<ClipRect>& clip)
{
    drawDocument(cr, document, clip);
}

}  // namespace studio
