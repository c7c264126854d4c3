#include "studio/cli/DialogActions.h"

#include <charconv>
#include <cstring>

#include "studio/host/RecordDefaults.h"
#include "studio/io/Files.h"
#include "studio/io/NumberText.h"
#include "studio/io/QuotedText.h"
#include "studio/io/RecordFile.h"

namespace studio::cli {

namespace {

// The dialog's items that the command names: the preset popup and the page
// buttons, items 90 to 95 for pages 1 to 6.
constexpr int32_t kPresetPopup = 161;
constexpr int32_t kFirstPageButton = 90;
constexpr int32_t kPageCount = 6;

int32_t pageButton(int32_t page) { return kFirstPageButton + page - 1; }

const FocaraParamField& fieldOf(const std::string& assignment)
{
    std::string name = assignment.substr(0, assignment.find('='));
    if (const FocaraParamField* field = FocaraParamFieldNamed(name.c_str())) return *field;
    throw InputError("--set " + escapedText(assignment) + ": unknown field " +
                     quotedText(name));  // setRecordField said so first
}

// One generated action, named in messages by the option it came from.
ScriptAction generated(const std::string& text, const std::string& option)
{
    std::vector<ScriptAction> parsed = parseScript(text);
    parsed.at(0).where = option + " (" + quotedText(text) + ")";
    return parsed.at(0);
}

std::string valueText(const FocaraParams& record, const FocaraParamField& field)
{
    double value = FocaraParamValue(&record, &field);
    if (field.type == kParamReal) return numberText(static_cast<float>(value));
    return std::to_string(static_cast<int32_t>(value));
}

// Run state that every dialog changes, not what a preset sets.
bool isRunState(const FocaraParamField& field)
{
    return std::strcmp(field.name, "finalRun") == 0 || std::strcmp(field.name, "previewDrawn") == 0 ||
           std::strcmp(field.name, "presetIndex") == 0 || field.type == kParamReserved;
}

class PresetLister : public UiDriver {
public:
    PresetLister(Host& host, PluginRunner& runner, const FocaraParams& defaults)
        : host_(host), runner_(runner), defaults_(defaults)
    {
    }

    void runModal(Dialog& dialog) override
    {
        if (done_) return;
        done_ = true;
        DialogItem* popup = dialog.item(kPresetPopup);
        if (!popup) return host_.dialogs().cancel(dialog);
        for (size_t position = 0; position < popup->entries.size(); ++position) {
            popup->pending = static_cast<double>(position);
            host_.dialogs().userChanged(*popup);
            PresetEntry entry{popup->entries[position].id, popup->entries[position].text, {}};
            FocaraParams record = runner_.record().value_or(defaults_);
            for (const FocaraParamField& field : kFocaraParamFields) {
                if (isRunState(field)) continue;
                std::string value = valueText(record, field);
                if (value != valueText(defaults_, field))
                    entry.changes.push_back(std::string(field.name) + "=" + value);
            }
            entries.push_back(std::move(entry));
        }
        host_.dialogs().cancel(dialog);
    }

    std::vector<PresetEntry> entries;

private:
    Host& host_;
    PluginRunner& runner_;
    FocaraParams defaults_;
    bool done_ = false;
};

}  // namespace

std::vector<ScriptAction> dialogActions(const DialogRequest& request, int32_t currentPage)
{
    std::vector<ScriptAction> actions;
    int32_t home = currentPage >= 1 && currentPage <= kPageCount ? currentPage : 1;

    if (request.preset) {
        int32_t entry = 0;
        const std::string& text = *request.preset;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), entry);
        if (text.empty() || ec != std::errc() || end != text.data() + text.size())
            throw InputError("--preset " + text + ": expected the id of a preset entry, a whole number");
        actions.push_back(generated("choose " + std::to_string(kPresetPopup) + " " + text, "--preset " + text));
        home = 1;  // a preset shows page 1
    }

    int32_t shown = home;
    for (const std::string& assignment : request.sets) {
        FocaraParams scratch{};
        try {
            setRecordField(scratch, assignment);  // the value's own checks and messages
        } catch (const InputError& e) {
            throw InputError(std::string("--set ") + e.what());
        }
        const FocaraParamField& field = fieldOf(assignment);
        std::string option = "--set " + assignment;
        std::string value = assignment.substr(assignment.find('=') + 1);
        if (std::strcmp(field.name, "currentPage") == 0) {
            // The page buttons edit the page; the dialog stays on it.
            home = shown = std::stoi(value);
            actions.push_back(generated("click " + std::to_string(pageButton(shown)), option));
            continue;
        }
        if (field.item == 0)
            throw InputError(option + ": no dialog item shows " + field.name +
                             "; --no-dialog or --params change the record as stored");
        if (field.page != 0 && field.page != shown) {
            shown = field.page;
            actions.push_back(generated("click " + std::to_string(pageButton(shown)), option));
        }
        actions.push_back(generated("set " + std::to_string(field.item) + " " + value, option));
    }
    if (shown != home) actions.push_back(generated("click " + std::to_string(pageButton(home)), "--set"));

    try {
        if (request.uiFile) {
            auto script = parseScript(readFileUpTo(*request.uiFile, kMaxScriptBytes, "dialog action file"),
                                      displayName(*request.uiFile));
            actions.insert(actions.end(), script.begin(), script.end());
        }
        if (request.ui) {
            auto script = parseScript(*request.ui, "--ui");
            actions.insert(actions.end(), script.begin(), script.end());
        }
    } catch (const ScriptError& e) {
        throw InputError(e.what());
    }
    return actions;
}

std::vector<PresetEntry> listPresets(Host& host, PluginRunner& runner)
{
    FocaraParams defaults = defaultRecord(host.document());
    runner.setRecord(defaults);
    PresetLister lister(host, runner, defaults);
    host.dialogs().setDriver(&lister);
    runner.runFilter(true);
    host.dialogs().setDriver(nullptr);
    return lister.entries;
}

}  // namespace studio::cli
