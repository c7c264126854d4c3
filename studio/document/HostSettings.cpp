#include "studio/document/HostSettings.h"

#include "studio/document/ColorText.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace studio {

std::optional<ClipRect> clipRectangle(const Clip& clip, const Page& page)
{
    switch (clip.kind) {
    case Clip::Kind::None: return std::nullopt;
    case Clip::Kind::Page: return ClipRect{0, 0, page.width, page.height};
    case Clip::Kind::Rect: return clip.rect;
    }
    return std::nullopt;
}

Clip parseClip(const std::string& text)
{
    if (text == "page") return {Clip::Kind::Page, {}};
    constexpr const char* kExpected = "expected page or X,Y,W,H (points; width and height above 0)";
    std::vector<float> numbers;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        float value = 0;
        const char* first = text.data() + start;
        const char* last = text.data() + comma;
        auto [end, ec] = std::from_chars(first, last, value);
        if (first == last || ec != std::errc() || end != last || !std::isfinite(value) || std::fabs(value) > 1e6)
            throw std::invalid_argument(kExpected);
        numbers.push_back(value);
        start = comma + 1;
    }
    if (numbers.size() != 4 || !(numbers[2] > 0) || !(numbers[3] > 0)) throw std::invalid_argument(kExpected);
    return {Clip::Kind::Rect, {numbers[0], numbers[1], numbers[2], numbers[3]}};
}

std::string clipText(const Clip& clip)
{
    switch (clip.kind) {
    case Clip::Kind::None: return "none";
    case Clip::Kind::Page: return "page";
    case Clip::Kind::Rect: break;
    }
    std::string out;
    for (float v : {clip.rect.x, clip.rect.y, clip.rect.width, clip.rect.height}) {
        char buffer[32];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
        if (!out.empty()) out += ',';
        out.append(buffer, result.ptr);
    }
    return out;
}

std::optional<Color> backgroundColor(const std::string& text)
{
    if (text == "white") return Color::rgb(1, 1, 1);
    if (text == "none") return std::nullopt;
    try {
        Color color = colorFromText(text);
        if (color.kind != ColorKind::None) return color;
    } catch (const std::invalid_argument&) {
    }
    throw std::invalid_argument("expected white, none or a colour: #rrggbb, gray:G or cmyk:C,M,Y,K");
}

namespace {

// As a user sets the fill and stroke before running a filter. None only
// unpaints: an unpainted fill or stroke keeps its colour, as the default
// document's stroke does, so styling steps that paint it later (sketch
// copies, swatches) still have a colour to work on.
void setPaint(bool& paint, Color& color, const Color& chosen)
{
    paint = chosen.kind != ColorKind::None;
    if (paint) color = chosen;
}

}  // namespace

void applyToDocument(Document& document, const HostSettings& settings)
{
    if (settings.page) {
        document.page = *settings.page;
        document.view.center = {settings.page->width / 2, settings.page->height / 2};
    }
    PathStyle& style = document.currentStyle;
    if (settings.fill) setPaint(style.fillPaint, style.fill, colorFromText(*settings.fill));
    if (settings.stroke) setPaint(style.strokePaint, style.stroke, colorFromText(*settings.stroke));
    if (settings.strokeWidth) style.strokeWidth = *settings.strokeWidth;
}

}  // namespace studio
