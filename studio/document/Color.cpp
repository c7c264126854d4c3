#include "studio/document/Color.h"

#include <algorithm>

namespace studio {

namespace {
struct KindName {
    ColorKind kind;
    const char* name;
};
// clang-format off
constexpr KindName kKindNames[] = {
    {ColorKind::Gray, "gray"},       {ColorKind::Cmyk, "cmyk"},         {ColorKind::Rgb, "rgb"},
    {ColorKind::None, "none"},       {ColorKind::Pattern, "pattern"},   {ColorKind::Gradient, "gradient"},
    {ColorKind::Custom, "custom"},
};
// clang-format on

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
}  // namespace

const char* colorKindName(ColorKind kind)
{
    for (const KindName& k : kKindNames)
        if (k.kind == kind) return k.name;
    return "none";
}

bool colorKindFromName(const std::string& name, ColorKind& kind)
{
    for (const KindName& k : kKindNames)
        if (name == k.name) {
            kind = k.kind;
            return true;
        }
    return false;
}

std::array<float, 3> displayRgb(const Color& color)
{
    const auto& v = color.values;
    switch (color.count) {
    case 1: {
        float g = 1 - clamp01(v[0]);
        return {g, g, g};
    }
    case 3: return {clamp01(v[0]), clamp01(v[1]), clamp01(v[2])};
    case 4: {
        float k = 1 - clamp01(v[3]);
        return {(1 - clamp01(v[0])) * k, (1 - clamp01(v[1])) * k, (1 - clamp01(v[2])) * k};
    }
    default: return {0.5f, 0.5f, 0.5f};  // a pattern or gradient without a look of its own
    }
}

}  // namespace studio
