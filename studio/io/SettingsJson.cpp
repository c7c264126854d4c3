#include "studio/io/SettingsJson.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

#include "studio/document/ColorText.h"
#include "studio/io/Files.h"
#include "studio/io/NumberText.h"
#include "studio/io/ParamsJson.h"
#include "studio/io/RecordFile.h"
#include "studio/io/ReferenceAreaText.h"

namespace studio {

using nlohmann::json;

namespace {

constexpr const char* kFormatName = "focara-settings";
constexpr int kFormatVersion = 1;

// recordToJson's object without its line breaks and indentation.
std::string compactRecord(const FocaraParams& record)
{
    const std::string pretty = recordToJson(record);
    std::string out;
    out.reserve(pretty.size());
    bool lineStart = false;
    for (char c : pretty) {
        if (c == '\n') {
            lineStart = true;
            continue;
        }
        if (lineStart && c == ' ') continue;
        lineStart = false;
        if (c == ' ' && !out.empty() && out.back() == ':') continue;  // names hold no ": "
        out += c;
    }
    return out;
}

std::string jsonString(const std::string& text)
{
    return json(text).dump(-1, ' ', true, json::error_handler_t::replace);
}

[[noreturn]] void refuse(const std::string& member, const std::string& reason)
{
    throw InputError("settings." + member + ": " + reason);
}

const json& member(const json& object, const char* name, const std::string& where)
{
    auto it = object.find(name);
    if (it == object.end()) refuse(where + name, "missing");
    return *it;
}

double numberOf(const json& value, const std::string& where)
{
    if (!value.is_number()) refuse(where, "expected a number");
    double v = value.get<double>();
    if (!std::isfinite(v)) refuse(where, "expected a finite number");
    return v;
}

uint64_t wholeOf(const json& value, const std::string& where)
{
    if (!value.is_number_unsigned() && !(value.is_number_integer() && value.get<int64_t>() >= 0))
        refuse(where, "expected a whole number from 0");
    return value.get<uint64_t>();
}

std::optional<std::string> colorTextOf(const json& value, const std::string& where)
{
    if (value.is_null()) return std::nullopt;
    if (!value.is_string()) refuse(where, "expected a colour's text or null");
    std::string text = value.get<std::string>();
    try {
        colorFromText(text);
    } catch (const std::invalid_argument& e) {
        refuse(where, e.what());
    }
    return text;
}

HostSettings hostFromJson(const json& object)
{
    if (!object.is_object()) refuse("host", "expected an object");
    static constexpr const char* kMembers[] = {"page", "clip",   "reachEdges",  "background", "dpi",
                                               "fill", "stroke", "strokeWidth", "area"};
    for (auto it = object.begin(); it != object.end(); ++it)
        if (std::find(std::begin(kMembers), std::end(kMembers), it.key()) == std::end(kMembers))
            refuse("host." + it.key(), "unknown member");
    HostSettings host;
    if (auto it = object.find("page"); it != object.end() && !it->is_null()) {
        if (!it->is_array() || it->size() != 2) refuse("host.page", "expected [width, height] or null");
        double w = numberOf((*it)[0], "host.page[0]");
        double h = numberOf((*it)[1], "host.page[1]");
        if (!(w > 0 && h > 0 && w <= 14400 && h <= 14400))
            refuse("host.page", "each side must be above 0 and at most 14400");
        host.page = Page{float(w), float(h)};
    }
    if (auto it = object.find("clip"); it != object.end()) {
        if (!it->is_string()) refuse("host.clip", "expected \"none\", \"page\" or \"X,Y,W,H\"");
        std::string text = it->get<std::string>();
        if (text != "none") {
            try {
                host.clip = parseClip(text);
            } catch (const std::invalid_argument& e) {
                refuse("host.clip", e.what());
            }
        }
    }
    if (auto it = object.find("reachEdges"); it != object.end()) {
        if (!it->is_boolean()) refuse("host.reachEdges", "expected true or false");
        host.reachEdges = it->get<bool>();
    }
    if (auto it = object.find("background"); it != object.end()) {
        if (!it->is_string()) refuse("host.background", "expected \"white\", \"none\" or a colour");
        host.background = it->get<std::string>();
        try {
            backgroundColor(host.background);
        } catch (const std::invalid_argument& e) {
            refuse("host.background", e.what());
        }
    }
    if (auto it = object.find("dpi"); it != object.end()) {
        host.dpi = numberOf(*it, "host.dpi");
        if (!(host.dpi > 0)) refuse("host.dpi", "expected a number above 0");
    }
    if (auto it = object.find("fill"); it != object.end()) host.fill = colorTextOf(*it, "host.fill");
    if (auto it = object.find("stroke"); it != object.end()) host.stroke = colorTextOf(*it, "host.stroke");
    if (auto it = object.find("strokeWidth"); it != object.end() && !it->is_null()) {
        double w = numberOf(*it, "host.strokeWidth");
        if (w < 0 || w > 1e6) refuse("host.strokeWidth", "expected a number of points from 0 to 1000000");
        host.strokeWidth = float(w);
    }
    if (auto it = object.find("area"); it != object.end() && !it->is_null()) {
        if (!it->is_string()) refuse("host.area", "expected \"ellipse:CX,CY,RX,RY,DEG\" or \"rect:X,Y,W,H,DEG\"");
        try {
            host.area = referenceAreaFromText(it->get<std::string>());
        } catch (const std::invalid_argument& e) {
            refuse("host.area", e.what());
        }
    }
    return host;
}

std::string hostToJson(const HostSettings& host)
{
    std::string out = "{\"page\":";
    if (host.page) {
        out += '[';
        appendJsonNumber(out, host.page->width);
        out += ',';
        appendJsonNumber(out, host.page->height);
        out += ']';
    } else {
        out += "null";
    }
    out += ",\"clip\":" + jsonString(clipText(host.clip));
    out += ",\"reachEdges\":";
    out += host.reachEdges ? "true" : "false";
    out += ",\"background\":" + jsonString(host.background);
    out += ",\"dpi\":" + json(host.dpi).dump();
    out += ",\"fill\":" + (host.fill ? jsonString(*host.fill) : "null");
    out += ",\"stroke\":" + (host.stroke ? jsonString(*host.stroke) : "null");
    out += ",\"strokeWidth\":";
    if (host.strokeWidth)
        appendJsonNumber(out, *host.strokeWidth);
    else
        out += "null";
    // Only when there is one, so that drawings without an area carry what they always did.
    if (host.area) out += ",\"area\":" + jsonString(referenceAreaText(*host.area));
    out += '}';
    return out;
}

}  // namespace

std::string settingsToJson(const DrawingSettings& settings)
{
    std::string out = "{\"format\":\"";
    out += kFormatName;
    out += "\",\"version\":" + std::to_string(kFormatVersion);
    out += ",\"seed\":" + std::to_string(settings.seed);
    out += ",\"drawsBefore\":" + std::to_string(settings.drawsBefore);
    out += ",\"host\":" + hostToJson(settings.host);
    out += ",\"record\":" + compactRecord(settings.record);
    out += '}';
    return out;
}

DrawingSettings settingsFromJson(std::string_view text, const FocaraParams& base)
{
    json root = json::parse(text.begin(), text.end(), nullptr, false);
    if (root.is_discarded() || !root.is_object()) throw InputError("the settings are not a JSON object");
    const json& format = member(root, "format", "");
    if (!format.is_string() || format.get<std::string>() != kFormatName)
        refuse("format", std::string("expected \"") + kFormatName + "\"");
    const json& version = member(root, "version", "");
    if (!version.is_number_integer() || version.get<int64_t>() != kFormatVersion)
        refuse("version", "expected " + std::to_string(kFormatVersion));
    for (auto it = root.begin(); it != root.end(); ++it) {
        static constexpr const char* kMembers[] = {"format", "version", "seed", "drawsBefore", "host", "record"};
        if (std::find(std::begin(kMembers), std::end(kMembers), it.key()) == std::end(kMembers))
            refuse(it.key(), "unknown member");
    }
    DrawingSettings settings;
    settings.seed = wholeOf(member(root, "seed", ""), "seed");
    settings.drawsBefore = wholeOf(member(root, "drawsBefore", ""), "drawsBefore");
    settings.host = hostFromJson(member(root, "host", ""));
    try {
        settings.record = recordFromJson(member(root, "record", "").dump(), base);
    } catch (const InputError& e) {
        refuse("record", e.what());
    }
    return settings;
}

}  // namespace studio
