#include "studio/document/ColorText.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace studio {

namespace {

constexpr const char* kExpected = "expected #rrggbb, gray:G, cmyk:C,M,Y,K (components from 0 to 1) or none";

[[noreturn]] void refuse() { throw std::invalid_argument(kExpected); }

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    refuse();
}

Color fromHex(std::string_view hex)
{
    if (hex.size() != 6) refuse();
    float channels[3];
    for (size_t i = 0; i < 3; ++i)
        channels[i] = static_cast<float>(hexDigit(hex[2 * i]) * 16 + hexDigit(hex[2 * i + 1])) / 255;
    return Color::rgb(channels[0], channels[1], channels[2]);
}

// Exactly count comma-separated numbers from 0 to 1, nothing else.
std::vector<float> components(std::string_view text, size_t count)
{
    std::vector<float> values;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    while (values.size() < count) {
        float v = 0;
        auto [next, ec] = std::from_chars(at, end, v);
        if (ec != std::errc() || !std::isfinite(v) || v < 0 || v > 1) refuse();
        values.push_back(v + 0.0f);  // -0 becomes 0
        at = next;
        if (values.size() < count) {
            if (at == end || *at != ',') refuse();
            ++at;
        }
    }
    if (at != end) refuse();
    return values;
}

}  // namespace

Color colorFromText(std::string_view text)
{
    if (text == "none") return Color::none();
    if (text.starts_with("#")) return fromHex(text.substr(1));
    if (text.starts_with("gray:")) return Color::gray(components(text.substr(5), 1)[0]);
    if (text.starts_with("cmyk:")) {
        std::vector<float> v = components(text.substr(5), 4);
        return Color::cmyk(v[0], v[1], v[2], v[3]);
    }
    refuse();
}

}  // namespace studio
