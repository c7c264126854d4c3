#include "studio/document/PageSizes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace studio {

namespace {

constexpr double kPointsPerInch = 72;
constexpr double kPointsPerMm = kPointsPerInch / 25.4;
constexpr double kMaxSide = 14400;

constexpr std::array<PageSize, 5> kSizes{{
    {"letter", "US Letter", 612, 792},
    {"a4", "A4", 595.28, 841.89},
    {"a5", "A5", 419.53, 595.28},
    {"b4", "B4 (JIS)", 728.5, 1031.81},
    {"b5", "B5 (JIS)", 515.91, 728.5},
}};

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// Points per unit of a suffix; nullopt for an unknown one.
std::optional<double> unitScale(std::string_view unit)
{
    if (unit.empty() || unit == "pt") return 1.0;
    if (unit == "mm") return kPointsPerMm;
    if (unit == "in") return kPointsPerInch;
    return std::nullopt;
}

struct Length {
    double value;
    std::string_view unit;
};

Length splitLength(std::string_view text)
{
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end == text.data() || !std::isfinite(value))
        throw std::invalid_argument("expected letter, a4, a5, b4, b5 or WIDTHxHEIGHT[pt|mm|in]");
    return {value, text.substr(static_cast<size_t>(end - text.data()))};
}

}  // namespace

std::span<const PageSize> pageSizes() { return kSizes; }

std::optional<PageSize> pageSizeNamed(std::string_view name)
{
    const std::string key = lower(name);
    for (const PageSize& size : kSizes)
        if (key == size.name) return size;
    return std::nullopt;
}

PageSize landscape(PageSize size)
{
    if (size.width < size.height) std::swap(size.width, size.height);
    return size;
}

PageSize parsePageSize(std::string_view text)
{
    if (auto named = pageSizeNamed(text)) return *named;
    const std::string key = lower(text);
    const size_t x = key.find('x');
    if (x == std::string::npos)
        throw std::invalid_argument("expected letter, a4, a5, b4, b5 or WIDTHxHEIGHT[pt|mm|in]");
    Length width = splitLength(std::string_view(key).substr(0, x));
    Length height = splitLength(std::string_view(key).substr(x + 1));
    // "210x297mm": a unit after the height alone counts for both.
    if (width.unit.empty()) width.unit = height.unit;
    auto widthScale = unitScale(width.unit);
    auto heightScale = unitScale(height.unit);
    if (!widthScale || !heightScale) throw std::invalid_argument("unknown unit; expected pt, mm or in");
    PageSize size{"custom", "Custom", width.value * *widthScale, height.value * *heightScale};
    if (!(size.width > 0 && size.height > 0) || size.width > kMaxSide || size.height > kMaxSide)
        throw std::invalid_argument("each side must be above 0 and at most 14400 points");
    return size;
}

Page pageOf(const PageSize& size, bool landscape)
{
    PageSize turned = landscape ? studio::landscape(size) : size;
    Page page;
    page.width = static_cast<float>(turned.width);
    page.height = static_cast<float>(turned.height);
    return page;
}

std::optional<Page> parsePage(std::string_view text, std::string& why)
{
    std::istringstream words{std::string(text)};
    std::string size, orientation, extra;
    words >> size >> orientation >> extra;
    const bool turned = orientation == "landscape";
    if (size.empty() || !extra.empty() || !(orientation.empty() || turned || orientation == "portrait")) {
        why = "expected a page size and \"portrait\" or \"landscape\", e.g. \"a4 landscape\"";
        return std::nullopt;
    }
    try {
        return pageOf(parsePageSize(size), turned);
    } catch (const std::invalid_argument& e) {
        why = "\"" + size + "\": " + e.what();
        return std::nullopt;
    }
}

}  // namespace studio
