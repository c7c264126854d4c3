#include "studio/io/SvgWriter.h"

#include <cmath>
#include <set>

#include "studio/io/NumberText.h"
#include "studio/io/TextCursor.h"

namespace studio {

namespace {

constexpr const char* kInkscapeNamespace = "http://www.inkscape.org/namespaces/inkscape";

// Text for XML content and attribute values. The control characters XML 1.0
// cannot carry at all become U+FFFD.
void appendEscaped(std::string& out, const std::string& text)
{
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
                out += "\xEF\xBF\xBD";
            else
                out += c;
        }
    }
}

// Element content needs only these three; JSON's quotes stay readable.
void appendTextEscaped(std::string& out, const std::string& text)
{
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
}

// An XML name made from the layer's name, unique in the file: other
// characters become '_', and a clash gets a number.
std::string layerId(const std::string& name, std::set<std::string>& taken)
{
    std::string id;
    for (char c : name) {
        bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
                  c == '.';
        id += ok ? c : '_';
    }
    if (id.empty() || !((id[0] >= 'A' && id[0] <= 'Z') || (id[0] >= 'a' && id[0] <= 'z') || id[0] == '_'))
        id = "layer_" + id;
    std::string unique = id;
    for (int n = 2; !taken.insert(unique).second; ++n) unique = id + "_" + std::to_string(n);
    return unique;
}

void appendPaint(std::string& out, bool painted, const Color& color)
{
    if (!painted || color.kind == ColorKind::None) {
        out += "none";
        return;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    out += '#';
    for (float channel : displayRgb(color)) {
        long v = std::lround(channel * 255.0f);
        out += kHex[v >> 4];
        out += kHex[v & 15];
    }
}

void putPoint(TextCursor& out, AIRealPoint p)
{
    out.number(p.h);
    out.put(' ');
    out.number(p.v);
}

// A straight edge (both handles on their anchors) is a line; any other edge
// is the cubic the document holds.
bool straight(const AIPathSegment& from, const AIPathSegment& to)
{
    return from.out.h == from.p.h && from.out.v == from.p.v && to.in.h == to.p.h && to.in.v == to.p.v;
}

void putEdge(TextCursor& out, const AIPathSegment& from, const AIPathSegment& to)
{
    if (straight(from, to)) {
        out.put(" L");
        putPoint(out, to.p);
        return;
    }
    out.put(" C");
    putPoint(out, from.out);
    out.put(' ');
    putPoint(out, to.in);
    out.put(' ');
    putPoint(out, to.p);
}

// The most characters putEdge writes.
constexpr size_t kEdgeRoom = 2 + 6 * (TextCursor::kNumberRoom + 1);

void appendPath(std::string& out, const Art& art)
{
    const auto& s = art.segments;
    out += "<path d=\"";
    {
        TextCursor d(out, 8 + (s.size() + 1) * kEdgeRoom);
        d.put('M');
        putPoint(d, s[0].p);
        for (size_t i = 1; i < s.size(); ++i) putEdge(d, s[i - 1], s[i]);
        if (art.closed) {
            // Z draws a straight closing edge by itself.
            if (!straight(s.back(), s[0])) putEdge(d, s.back(), s[0]);
            d.put(" Z");
        }
    }
    out += "\" fill=\"";
    appendPaint(out, art.style.fillPaint, art.style.fill);
    out += "\" stroke=\"";
    appendPaint(out, art.style.strokePaint, art.style.stroke);
    out += '"';
    if (art.style.strokePaint && art.style.stroke.kind != ColorKind::None) {
        out += " stroke-width=\"";
        appendNumber(out, art.style.strokeWidth);
        out += '"';
    }
    if (art.opacity != 1) {
        out += " opacity=\"";
        appendNumber(out, art.opacity);
        out += '"';
    }
    out += "/>\n";
}

}  // namespace

void writeSvg(const Document& document, const OutputOptions& options, const ByteSink& sink)
{
    ChunkedOutput chunks(sink);
    std::string& out = chunks.text();
    std::string width = numberText(document.page.width);
    std::string height = numberText(document.page.height);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:inkscape=\"" + std::string(kInkscapeNamespace) +
           "\" version=\"1.1\" width=\"" + width + "pt\" height=\"" + height + "pt\" viewBox=\"0 0 " + width + " " +
           height + "\">\n";
    if (!options.settings.empty()) {
        out += "<metadata id=\"" + std::string(kSvgSettingsId) + "\">";
        appendTextEscaped(out, options.settings);
        out += "</metadata>\n";
    }
    std::string clip;
    if (options.clip) {
        const ClipRect& r = *options.clip;
        out += "<defs><clipPath id=\"focara-clip\"><rect x=\"" + numberText(r.x) + "\" y=\"" + numberText(r.y) +
               "\" width=\"" + numberText(r.width) + "\" height=\"" + numberText(r.height) + "\"/></clipPath></defs>\n";
        clip = " clip-path=\"url(#focara-clip)\"";
    }
    // Editors take only the root's children as layers, so each layer flips y
    // itself: artwork y points up from the bottom of the page, SVG's down.
    const std::string flip = "transform=\"matrix(1 0 0 -1 0 " + height + ")\"" + clip + ">\n<title>";
    std::set<std::string> ids;
    for (const auto& layer : document.layers()) {
        out += "<g id=\"" + layerId(layer->name, ids) + "\" inkscape:groupmode=\"layer\" inkscape:label=\"";
        appendEscaped(out, layer->name);
        out += "\" ";
        out += flip;
        appendEscaped(out, layer->name);
        out += "</title>\n";
        for (const auto& art : layer->art) {
            if (!art->segments.empty()) appendPath(out, *art);
            chunks.maybeFlush();
        }
        out += "</g>\n";
    }
    out += "</svg>\n";
    chunks.flush();
}

std::string documentToSvg(const Document& document, const OutputOptions& options)
{
    std::string svg;
    writeSvg(document, options, [&](std::string_view bytes) { svg += bytes; });
    return svg;
}

void appendSvgLayers(std::string& out, const Document& document, std::set<std::string>& ids)
{
    for (const auto& layer : document.layers()) {
        out += "<g id=\"" + layerId(layer->name, ids) + "\">\n<title>";
        appendEscaped(out, layer->name);
        out += "</title>\n";
        for (const auto& art : layer->art)
            if (!art->segments.empty()) appendPath(out, *art);
        out += "</g>\n";
    }
}

}  // namespace studio
