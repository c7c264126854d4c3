// What the host adds to a drawing beyond the document, the seed and the
// record: the page chosen, where the drawing is cut, how a PNG is backed.
// Outputs carry these so that a drawing can be made again.
#pragma once

#include <optional>
#include <string>

#include "studio/document/Document.h"
#include "studio/document/ReferenceArea.h"

namespace studio {

inline bool operator==(const Page& a, const Page& b) { return a.width == b.width && a.height == b.height; }

// A rectangle in artwork points (origin at the bottom left of the page, y up).
struct ClipRect {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
    bool operator==(const ClipRect&) const = default;
};

// Where outputs cut the drawing: nowhere, at the page, or at a panel.
struct Clip {
    enum class Kind { None, Page, Rect };
    Kind kind = Kind::None;
    ClipRect rect;  // for Rect
    bool operator==(const Clip&) const = default;
};

// The rectangle the drawing is cut at on this page; nullopt for no clip.
std::optional<ClipRect> clipRectangle(const Clip& clip, const Page& page);

// "page" or "X,Y,W,H" (points, width and height above 0). Throws
// std::invalid_argument saying what is expected.
Clip parseClip(const std::string& text);
std::string clipText(const Clip& clip);  // "none", "page" or "X,Y,W,H"

// A PNG background's text: "white", "none" (transparent: nullopt) or a
// colour's text (#rrggbb, gray:G, cmyk:C,M,Y,K). Throws std::invalid_argument.
std::optional<Color> backgroundColor(const std::string& text);

struct HostSettings {
    std::optional<Page> page;          // the page the document was given; nullopt: the document's own
    Clip clip;                         // cuts every output
    bool reachEdges = false;           // zoomLength chosen to reach the clip's (or page's) far corner
    std::string background = "white";  // PNG: "white", "none" (transparent) or a colour's text
    double dpi = 150;                  // PNG pixels per inch
    std::optional<std::string> fill;   // the current style as the user set it (colour text)
    std::optional<std::string> stroke;
    std::optional<float> strokeWidth;
    std::optional<ReferenceArea> area;  // the clear area in the middle
    bool operator==(const HostSettings&) const = default;
};

// The page (its view centred on it) and the current style, as a user sets
// them before running a filter.
void applyToDocument(Document& document, const HostSettings& settings);

}  // namespace studio
