#include "studio/io/Looks.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "studio/io/Files.h"
#include "studio_looks_embedded.h"

namespace studio {

using nlohmann::json;

Look lookFromJson(std::string_view name, std::string_view text)
{
    json root = json::parse(text.begin(), text.end(), nullptr, false);
    if (root.is_discarded() || !root.is_object()) throw InputError("the look is not a JSON object");
    Look look{std::string(name), {}, {}, {}};
    for (auto it = root.begin(); it != root.end(); ++it) {
        const std::string& key = it.key();
        if (key == "title" || key == "description") {
            if (!it->is_string()) throw InputError(key + ": expected a string");
            (key == "title" ? look.title : look.description) = it->get<std::string>();
        } else if (key != "host" && key != "record") {
            throw InputError(key + ": unknown member; a look has title, description, host and record");
        }
    }
    if (look.title.empty()) throw InputError("title: missing");
    json settings = {{"format", "focara-settings"}, {"version", 1}, {"seed", 0}, {"drawsBefore", 0}};
    settings["host"] = root.contains("host") ? root["host"] : json::object();
    settings["record"] = root.contains("record") ? root["record"] : json::object();
    look.settingsJson = settings.dump();
    // Read once now, so that a look that does not validate is refused here.
    FocaraParams defaults{};
    for (const FocaraParamField& field : kFocaraParamFields)
        FocaraSetParamDefault(&defaults, &field, AIRealPoint{0, 0});
    settingsFromJson(look.settingsJson, defaults);
    return look;
}

const std::vector<Look>& allLooks()
{
    static const std::vector<Look> looks = [] {
        std::vector<Look> out;
        for (const EmbeddedLook& embedded : kEmbeddedLooks) {
            try {
                out.push_back(lookFromJson(embedded.name, embedded.text));
            } catch (const InputError& e) {
                throw std::logic_error("built-in look " + std::string(embedded.name) + ": " + e.what());
            }
        }
        return out;
    }();
    return looks;
}

const Look* findLook(std::string_view name)
{
    for (const Look& look : allLooks())
        if (look.name == name) return &look;
    return nullptr;
}

DrawingSettings lookSettings(const Look& look, const FocaraParams& base)
{
    return settingsFromJson(look.settingsJson, base);
}

}  // namespace studio
