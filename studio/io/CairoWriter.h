// The document drawn by cairo as PNG and PDF: the same picture as the SVG
// writer's (y flipped to point down, gray and CMYK converted to RGB for
// display, unpainted fills and strokes and colours of kind none left out,
// each path's opacity over its fill and stroke together).
#pragma once

#include <string>

#include "studio/document/Document.h"

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

// A PNG of the page on white. Throws as pngPixelSize does, and
// std::runtime_error if cairo fails.
std::string documentToPng(const Document& document, double dpi);

// A one-page PDF, the page in points. Throws std::runtime_error if cairo fails.
std::string documentToPdf(const Document& document);

// Draws the document's artwork into cr in page points, y flipped to point
// down, as the writers above do (for pictures of a part of the page).
void drawArtwork(cairo_t* cr, const Document& document);

}  // namespace studio
