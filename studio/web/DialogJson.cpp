#include "studio/web/DialogJson.h"

#include "studio/dialogs/FieldHelp.h"

namespace studio::web {

nlohmann::json itemToJson(const DialogItem& item, bool describeField)
{
    nlohmann::json j{
        {"id", item.id},
        {"kind", itemKindName(item.kind)},
        {"rect", {item.bounds.left, item.bounds.top, item.bounds.right, item.bounds.bottom}},
        {"text", item.text},
        {"font", item.font},
        {"visible", item.visible},
        {"enabled", item.enabled},
    };
    switch (item.kind) {
    case ItemKind::SpinEdit:
    case ItemKind::CheckBox:
        j["value"] = item.value;
        j["min"] = item.minimum;
        j["max"] = item.maximum;
        j["precision"] = item.precision;
        break;
    case ItemKind::Popup: {
        nlohmann::json entries = nlohmann::json::array();
        for (const ListEntry& e : item.entries) entries.push_back({e.id, e.text});
        j["entries"] = std::move(entries);
        bool hasActive = item.active >= 0 && static_cast<size_t>(item.active) < item.entries.size();
        j["active"] = hasActive ? nlohmann::json(item.entries[static_cast<size_t>(item.active)].id) : nlohmann::json();
        break;
    }
    case ItemKind::PictureButton: j["picks"] = item.track != nullptr; break;
    default: break;
    }
    if (item.isDefault) j["default"] = true;
    // A value item says what it edits: screen readers and tooltips read it.
    if (const FocaraParamField* field = fieldOfItem(item.id);
        describeField && field && item.kind != ItemKind::TextStatic) {
        if (auto help = fieldHelp(field->name))
            j["field"] = {{"name", field->name},
                          {"title", help->title},
                          {"unit", help->unit},
                          {"tooltip", tooltipOf(*field, *help, item.text)}};
    }
    return j;
}

int32_t dialogWidth(const Dialog& dialog) { return dialog.bounds.right - dialog.bounds.left; }
int32_t dialogHeight(const Dialog& dialog) { return dialog.bounds.bottom - dialog.bounds.top; }

}  // namespace studio::web
