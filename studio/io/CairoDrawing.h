// The document's paths drawn into a cairo context whose user space is the
// page in points: what the PNG and PDF writers draw and the animation's
// frames are made of.
#pragma once

#include <cairo.h>

#include "studio/document/Document.h"

namespace studio {

// Flips y (artwork y points up) and draws every layer's paths, bottom first.
// Throws std::runtime_error if cairo fails.
void drawDocument(cairo_t* cr, const Document& document);

}  // namespace studio
