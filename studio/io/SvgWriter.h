// The document as an SVG 1.1 picture of its page: y pointing down as a person
// sees it, each layer a group named after it, each path one <path>.
#pragma once

#include <set>
#include <string>

#include "studio/document/Document.h"
#include "studio/io/OutputOptions.h"

namespace studio {

// The page is width x height points with a matching viewBox; each layer is an
// editor's layer (inkscape:groupmode="layer", labelled with its name) that
// flips y, so every coordinate is written exactly as the document holds it.
// A straight edge is written as a line, any other as its cubic.
// Gray and CMYK are converted to RGB for display (components clamped to 0..1
// for display only); an unpainted fill or stroke, or a colour of kind none,
// is "none". Paths without segments draw nothing and are left out.
// The settings go into <metadata id="focara-settings">; the clip becomes a
// clip path on every layer. The bytes go to sink in pieces.
void writeSvg(const Document& document, const OutputOptions& options, const ByteSink& sink);
std::string documentToSvg(const Document& document, const OutputOptions& options = {});

// The id of the <metadata> element that holds the settings.
inline constexpr const char* kSvgSettingsId = "focara-settings";

// Each layer as a group of its paths, in artwork coordinates (y up): the
// inside of the picture's flipping group. Layer ids are made unique against
// ids, which gains them, so that several documents can share one file.
void appendSvgLayers(std::string& out, const Document& document, std::set<std::string>& ids);

}  // namespace studio
