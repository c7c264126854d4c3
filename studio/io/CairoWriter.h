// The document drawn by cairo as PNG and PDF: the same picture as the SVG
// writer's (y flipped to point down, gray and CMYK converted to RGB for
// display, unpainted fills and strokes and colours of kind none left out,
// each path's opacity over its fill and stroke together).
#pragma once

#include <optional>
#include <string>

#include "studio/document/Document.h"
#include "studio/io/OutputOptions.h"

typedef struct _cairo cairo_t;

namespace studio {

struct PixelSize {
    int width;
    int height;
};

// The page at dpi pixels per inch (72 points an inch), rounded up. Throws
// InputError when dpi is not above 0 or the image would exceed 32767 pixels
// a side, cairo's limit.
PixelSize pngPixelSize(const Page& page, double dpi);

// A PNG of the page at options.dpi on options.background (8-bit RGB), or on
// nothing (RGBA, the page transparent), cut at options.clip, the settings in
// an iTXt chunk. Throws as pngPixelSize does, and std::runtime_error if cairo
// or the encoder fails.
std::string documentToPng(const Document& document, const OutputOptions& options);
std::string documentToPng(const Document& document, double dpi);  // on white

// A one-page PDF, the page in points, cut at options.clip, the settings as
// the document's subject. Written without a creation date, so that the same
// drawing gives the same bytes. Throws std::runtime_error if cairo fails.
void writePdf(const Document& document, const OutputOptions& options, const ByteSink& sink);
std::string documentToPdf(const Document& document, const OutputOptions& options = {});

// The PNG text keyword that holds the settings.
inline constexpr const char* kPngSettingsKeyword = "focara-settings";

// Draws the document's artwork into cr in page points, y flipped to point
// down, cut at clip, as the writers above do (for pictures of a part of the
// page and for animation frames). Throws std::runtime_error if cairo fails.
void drawArtwork(cairo_t* cr, const Document& document, const std::optional<ClipRect>& clip = std::nullopt);

}  // namespace studio
