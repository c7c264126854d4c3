#include "studio/suites/ColorBridge.h"

#include <stdexcept>

namespace studio {

AIColor toAIColor(Host& host, const Color& color)
{
    AIColor c{};
    const auto& v = color.values;
    switch (color.kind) {
    case ColorKind::Gray:
        c.kind = kGrayColor;
        c.c.g.gray = v[0];
        break;
    case ColorKind::Cmyk:
        c.kind = kFourColor;
        c.c.f = {v[0], v[1], v[2], v[3]};
        break;
    case ColorKind::Rgb:
        c.kind = kThreeColor;
        c.c.rgb = {v[0], v[1], v[2]};
        break;
    case ColorKind::None: c.kind = kNoneColor; break;
    case ColorKind::Pattern:
    case ColorKind::Gradient:
    case ColorKind::Custom:
        c.kind = color.kind == ColorKind::Pattern    ? kPattern
                 : color.kind == ColorKind::Gradient ? kGradient
                                                     : kCustomColor;
        c.c.named.id = host.internNamedColor(color);
        break;
    }
    return c;
}

Color fromAIColor(const Host& host, const AIColor& c)
{
    switch (c.kind) {
    case kGrayColor: return Color::gray(c.c.g.gray);
    case kFourColor: return Color::cmyk(c.c.f.cyan, c.c.f.magenta, c.c.f.yellow, c.c.f.black);
    case kThreeColor: return Color::rgb(c.c.rgb.red, c.c.rgb.green, c.c.rgb.blue);
    case kNoneColor: return Color::none();
    case kPattern:
    case kGradient:
    case kCustomColor: {
        const Color* named = host.namedColor(c.c.named.id);
        if (!named) throw std::invalid_argument("unknown named colour");
        return *named;
    }
    default: throw std::invalid_argument("unknown colour kind");
    }
}

AIPathStyle toAIPathStyle(Host& host, const PathStyle& style)
{
    AIPathStyle s{};
    s.fillPaint = style.fillPaint;
    s.strokePaint = style.strokePaint;
    s.fill.color = toAIColor(host, style.fill);
    s.stroke.color = toAIColor(host, style.stroke);
    s.stroke.width = style.strokeWidth;
    return s;
}

PathStyle fromAIPathStyle(const Host& host, const AIPathStyle& style)
{
    PathStyle s;
    s.fillPaint = style.fillPaint != 0;
    s.strokePaint = style.strokePaint != 0;
    s.fill = fromAIColor(host, style.fill.color);
    s.stroke = fromAIColor(host, style.stroke.color);
    s.strokeWidth = style.stroke.width;
    return s;
}

}  // namespace studio
