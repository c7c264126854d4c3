#include "studio/document/PageSizes.h"

#include <algorithm>
#include <array>
#include <cctype>

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

}  // namespace studio
