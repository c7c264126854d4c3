// Colours as the document keeps them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace studio {

enum class ColorKind : uint8_t { Gray, Cmyk, Rgb, None, Pattern, Gradient, Custom };

// values holds 1 (gray), 4 (CMYK) or 3 (RGB) components; a custom colour's
// look is 3 or 4 components; a pattern or gradient may have none. Only the
// named kinds (pattern, gradient, custom) carry a name.
struct Color {
    ColorKind kind = ColorKind::Rgb;
    uint8_t count = 3;
    std::array<float, 4> values{};
    std::string name;

    static Color gray(float g) { return {ColorKind::Gray, 1, {g, 0, 0, 0}, {}}; }
    static Color rgb(float r, float g, float b) { return {ColorKind::Rgb, 3, {r, g, b, 0}, {}}; }
    static Color cmyk(float c, float m, float y, float k) { return {ColorKind::Cmyk, 4, {c, m, y, k}, {}}; }
    static Color none() { return {ColorKind::None, 0, {}, {}}; }

    bool named() const
    {
        return kind == ColorKind::Pattern || kind == ColorKind::Gradient || kind == ColorKind::Custom;
    }
    bool operator==(const Color&) const = default;
};

// The kind's name in files ("gray", "rgb", ...), and back; false for an unknown name.
const char* colorKindName(ColorKind kind);
bool colorKindFromName(const std::string& name, ColorKind& kind);

// How the colour looks on screen: gray g is 1 - g on each channel, CMYK is
// ((1-c)(1-k), (1-m)(1-k), (1-y)(1-k)), components clamped to 0..1. None has no look.
std::array<float, 3> displayRgb(const Color& color);

}  // namespace studio
