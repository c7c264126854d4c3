#include "studio/io/ReferenceAreaText.h"

#include <charconv>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "sdk/FocaraParams.h"

namespace studio {

namespace {

std::vector<double> numbers(const std::string& list)
{
    std::vector<double> out;
    size_t start = 0;
    while (true) {
        const size_t comma = list.find(',', start);
        const std::string item = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        double value = 0;
        auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (item.empty() || ec != std::errc() || end != item.data() + item.size() || !std::isfinite(value))
            throw std::invalid_argument("\"" + item + "\" is not a number");
        out.push_back(value);
        if (comma == std::string::npos) return out;
        start = comma + 1;
    }
}

std::string text(double value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

void checkRange(const char* fieldName, double value, const std::string& what)
{
    const FocaraParamField* field = FocaraParamFieldNamed(fieldName);
    if (value < field->minimum || value > field->maximum)
        throw std::invalid_argument(what + " " + text(value) + " is outside " + text(field->minimum) + " to " +
                                    text(field->maximum) + ", the range of " + fieldName);
}

}  // namespace

ReferenceArea referenceAreaFromText(const std::string& text)
{
    const size_t colon = text.find(':');
    const std::string kind = text.substr(0, colon);
    ReferenceArea area;
    if (kind == "ellipse")
        area.shape = ReferenceArea::Shape::Ellipse;
    else if (kind == "rect")
        area.shape = ReferenceArea::Shape::Rectangle;
    else
        throw std::invalid_argument("expected ellipse:CX,CY,RX,RY[,DEG] or rect:X,Y,W,H[,DEG]");
    if (colon == std::string::npos) throw std::invalid_argument("expected " + kind + ": and four or five numbers");
    const std::vector<double> v = numbers(text.substr(colon + 1));
    if (v.size() != 4 && v.size() != 5)
        throw std::invalid_argument("expected four or five numbers after " + kind + ":, found " +
                                    std::to_string(v.size()));
    const bool ellipse = area.shape == ReferenceArea::Shape::Ellipse;
    if (v[2] <= 0 || v[3] <= 0)
        throw std::invalid_argument(ellipse ? "the radii must be above 0" : "the width and height must be above 0");
    area.halfWidth = ellipse ? v[2] : v[2] / 2;
    area.halfHeight = ellipse ? v[3] : v[3] / 2;
    if (area.halfWidth > kMaxAreaRadius || area.halfHeight > kMaxAreaRadius)
        throw std::invalid_argument(ellipse
                                        ? "the radii must be at most " + studio::text(kMaxAreaRadius)
                                        : "the width and height must be at most " + studio::text(2 * kMaxAreaRadius));
    area.center =
        ellipse ? AIRealPoint{static_cast<AIReal>(v[0]), static_cast<AIReal>(v[1])}
                : AIRealPoint{static_cast<AIReal>(v[0] + area.halfWidth), static_cast<AIReal>(v[1] + area.halfHeight)};
    if (v.size() == 5) {
        if (v[4] < -360 || v[4] > 360) throw std::invalid_argument("the turn must be from -360 to 360 degrees");
        area.degrees = v[4];
    }
    checkRange("centerX", area.center.h, "the centre's x");
    checkRange("centerY", area.center.v, "the centre's y");
    checkRange("zoomDistance", area.smallestRadius(), "the smallest radius");
    return area;
}

std::string referenceAreaText(const ReferenceArea& area)
{
    // Shortest texts that read back to the same doubles.
    auto exact = [](double value) {
        char buffer[32];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        return std::string(buffer, result.ptr);
    };
    const bool ellipse = area.shape == ReferenceArea::Shape::Ellipse;
    const double cx = area.center.h, cy = area.center.v;
    const std::string numbers =
        ellipse ? exact(cx) + "," + exact(cy) + "," + exact(area.halfWidth) + "," + exact(area.halfHeight)
                : exact(cx - area.halfWidth) + "," + exact(cy - area.halfHeight) + "," + exact(2 * area.halfWidth) +
                      "," + exact(2 * area.halfHeight);
    return (ellipse ? "ellipse:" : "rect:") + numbers + "," + exact(area.degrees);
}

}  // namespace studio
