#include "studio/web/AreaJson.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

#include "sdk/FocaraParams.h"

namespace studio::web {

using nlohmann::json;

namespace {

std::string text(double value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

double number(const json& body, const char* name)
{
    auto it = body.find(name);
    if (it == body.end()) throw std::invalid_argument(std::string(name) + " is missing");
    if (!it->is_number()) throw std::invalid_argument(std::string(name) + " is not a number");
    const double value = it->get<double>();
    if (!std::isfinite(value)) throw std::invalid_argument(std::string(name) + " is not a finite number");
    return value;
}

// The area's centre and smallest radius become record fields: they must lie in their ranges.
void checkField(const char* member, double value, const char* fieldName)
{
    const FocaraParamField* field = FocaraParamFieldNamed(fieldName);
    if (value < field->minimum || value > field->maximum)
        throw std::invalid_argument(std::string(member) + " " + text(value) + " is outside " + text(field->minimum) +
                                    " to " + text(field->maximum) + ", the range of " + fieldName);
}

}  // namespace

std::optional<ReferenceArea> areaFromJson(const std::string& bodyText)
{
    const json body = json::parse(bodyText, nullptr, false);
    if (body.is_discarded() || !body.is_object())
        throw std::invalid_argument("expected a JSON object: {\"shape\": \"ellipse\", \"cx\", \"cy\", \"rx\", \"ry\", "
                                    "\"degrees\"} or {\"clear\": true}");
    if (body.contains("clear")) {
        if (body.size() != 1 || body["clear"] != true) throw std::invalid_argument("clear goes alone, as true");
        return std::nullopt;
    }
    for (const auto& [name, value] : body.items())
        if (name != "shape" && name != "cx" && name != "cy" && name != "rx" && name != "ry" && name != "degrees")
            throw std::invalid_argument("unknown member \"" + name + "\"");

    ReferenceArea area;
    const json shape = body.value("shape", json());
    if (shape == "ellipse")
        area.shape = ReferenceArea::Shape::Ellipse;
    else if (shape == "rectangle")
        area.shape = ReferenceArea::Shape::Rectangle;
    else
        throw std::invalid_argument("shape is \"ellipse\" or \"rectangle\"");
    const double cx = number(body, "cx");
    const double cy = number(body, "cy");
    area.halfWidth = number(body, "rx");
    area.halfHeight = number(body, "ry");
    area.degrees = body.contains("degrees") ? number(body, "degrees") : 0;
    for (auto [name, radius] : {std::pair{"rx", area.halfWidth}, std::pair{"ry", area.halfHeight}}) {
        if (!(radius > 0)) throw std::invalid_argument(std::string(name) + " must be above 0");
        if (radius > kMaxAreaRadius)
            throw std::invalid_argument(std::string(name) + " " + text(radius) + " is above " + text(kMaxAreaRadius) +
                                        " points");
    }
    if (area.degrees < -360 || area.degrees > 360) throw std::invalid_argument("degrees must lie from -360 to 360");
    checkField("cx", cx, "centerX");
    checkField("cy", cy, "centerY");
    checkField("the smallest radius", area.smallestRadius(), "zoomDistance");
    area.center = {static_cast<AIReal>(cx), static_cast<AIReal>(cy)};
    return area;
}

json areaToJson(const ReferenceArea& area)
{
    return {{"shape", area.shape == ReferenceArea::Shape::Ellipse ? "ellipse" : "rectangle"},
            {"cx", area.center.h},
            {"cy", area.center.v},
            {"rx", area.halfWidth},
            {"ry", area.halfHeight},
            {"degrees", area.degrees}};
}

}  // namespace studio::web
