#include "studio/document/PageSizes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

namespace studio {

namespace {
// ISO A sizes and the JIS B sizes of Japanese paper, converted from millimetres.
constexpr std::array kSizes{
    PageSize{"letter", "US Letter", 612.0f, 792.0f}, PageSize{"a4", "A4", 595.28f, 841.89f},
    PageSize{"a5", "A5", 419.53f, 595.28f},          PageSize{"b4", "B4 (JIS)", 728.5f, 1031.81f},
    PageSize{"b5", "B5 (JIS)", 515.91f, 728.5f},
};
}  // namespace

std::span<const PageSize> pageSizes() { return kSizes; }

std::optional<PageSize> findPageSize(std::string_view name)
{
    auto same = [&](std::string_view other) {
        return std::ranges::equal(name, other, [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
    };
    for (const PageSize& size : kSizes)
        if (same(size.name)) return size;
    return std::nullopt;
}

Page pageOf(const PageSize& size, bool landscape)
{
    Page page;
    page.width = landscape ? size.height : size.width;
    page.height = landscape ? size.width : size.height;
    return page;
}

std::optional<Page> parsePage(std::string_view text, std::string& why)
{
    std::istringstream words{std::string(text)};
    std::string size, orientation, extra;
    words >> size >> orientation >> extra;
    const bool landscape = orientation == "landscape";
    if (size.empty() || !extra.empty() || !(orientation.empty() || landscape || orientation == "portrait")) {
        why = "expected a page size and \"portrait\" or \"landscape\", e.g. \"a4 landscape\"";
        return std::nullopt;
    }
    if (std::optional<PageSize> named = findPageSize(size)) return pageOf(*named, landscape);
    auto number = [](std::string_view digits, float& out) {
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), out);
        return !digits.empty() && ec == std::errc() && end == digits.data() + digits.size() && std::isfinite(out);
    };
    const std::string_view sides(size);
    const size_t x = sides.find('x');
    float width = 0, height = 0;
    if (x == std::string_view::npos || !number(sides.substr(0, x), width) || !number(sides.substr(x + 1), height)) {
        why = "\"" + size + "\": not a page size; expected letter, a4, a5, b4, b5 or WIDTHxHEIGHT in points";
        return std::nullopt;
    }
    Page page;
    page.width = landscape ? std::max(width, height) : width;
    page.height = landscape ? std::min(width, height) : height;
    return page;
}

}  // namespace studio
