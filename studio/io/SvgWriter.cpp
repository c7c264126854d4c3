#include "studio/io/SvgWriter.h"

#include <cmath>
#include <set>

#include "studio/io/NumberText.h"

namespace studio {

namespace {

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

void appendPoint(std::string& out, AIRealPoint p)
{
    appendNumber(out, p.h);
    out += ' ';
    appendNumber(out, p.v);
}

// Every edge is a cubic, straight ones too, so the curves are exactly the document's.
void appendEdge(std::string& out, const AIPathSegment& from, const AIPathSegment& to)
{
    out += " C";
    appendPoint(out, from.out);
    out += ' ';
    appendPoint(out, to.in);
    out += ' ';
    appendPoint(out, to.p);
}

void appendPath(std::string& out, const Art& art)
{
    const auto& s = art.segments;
    out += "<path d=\"M";
    appendPoint(out, s[0].p);
    for (size_t i = 1; i < s.size(); ++i) appendEdge(out, s[i - 1], s[i]);
    if (art.closed) {
        appendEdge(out, s.back(), s[0]);
        out += " Z";
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

std::string documentToSvg(const Document& document)
{
    size_t segments = 0;
    for (const auto& layer : document.layers())
        for (const auto& art : layer->art) segments += art->segments.size();
    std::string out;
    out.reserve(1024 + segments * 64 + document.artCount() * 96);

    std::string width = numberText(document.page.width);
    std::string height = numberText(document.page.height);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + width + "pt\" height=\"" + height +
           "pt\" viewBox=\"0 0 " + width + " " + height + "\">\n";
    // Artwork y points up from the bottom of the page; SVG's points down from the top.
    out += "<g transform=\"matrix(1 0 0 -1 0 " + height + ")\">\n";
    std::set<std::string> ids;
    appendSvgLayers(out, document, ids);
    out += "</g>\n</svg>\n";
    return out;
}

}  // namespace studio
