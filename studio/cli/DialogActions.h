// What `focara render` does in the filter's dialog: --preset, --set, --ui and
// --ui-file become the scripted driver's actions, and `focara presets` asks
// the dialog what each preset sets.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sdk/FocaraParams.h"
#include "studio/session/PluginRunner.h"
#include "studio/session/ScriptedDriver.h"

namespace studio::cli {

struct DialogRequest {
    std::optional<std::string> preset;            // entry id of the preset popup
    std::vector<std::string> sets;                // FIELD=VALUE, typed into the field's item
    std::optional<std::string> ui;                // actions
    std::optional<std::filesystem::path> uiFile;  // a file of actions
    bool any() const { return preset || !sets.empty() || ui || uiFile; }
};

// The actions in order: the preset, each --set (on the field's page, going
// back to the page shown before), then the file's and the option's script.
// currentPage is the record's, the page the dialog opens on. Throws
// InputError naming the option or file for what does not parse, for an
// unknown or out-of-range --set, and for a field no dialog item shows.
std::vector<ScriptAction> dialogActions(const DialogRequest& request, int32_t currentPage);

// One preset popup entry and the fields it sets apart from the defaults, as "name=value".
struct PresetEntry {
    int32_t id;
    std::string text;
    std::vector<std::string> changes;
};

// Opens the dialog on defaults, chooses every entry of the preset popup in
// turn and compares the record with the defaults; then cancels.
std::vector<PresetEntry> listPresets(Host& host, PluginRunner& runner);

}  // namespace studio::cli
