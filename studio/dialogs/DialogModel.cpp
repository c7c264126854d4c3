#include "studio/dialogs/DialogModel.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace studio {

namespace {
struct KindType {
    ItemKind kind;
    const char* type;
    const char* name;
};
// clang-format off
constexpr KindType kKinds[] = {
    {ItemKind::SpinEdit, kADMSpinEditType, "spin edit"},
    {ItemKind::TextStatic, kADMTextStaticType, "static text"},
    {ItemKind::Popup, kADMPopupListType, "popup"},
    {ItemKind::PushButton, kADMTextPushButtonType, "push button"},
    {ItemKind::CheckBox, kADMTextCheckBoxType, "check box"},
    {ItemKind::PictureButton, kADMPicturePushButtonType, "picture button"},
    {ItemKind::Frame, "", "frame"},
};
// clang-format on
}  // namespace

bool itemKindFromType(const char* type, ItemKind& kind)
{
    if (!type || !*type) return false;
    for (const KindType& k : kKinds)
        if (std::strcmp(k.type, type) == 0) {
            kind = k.kind;
            return true;
        }
    return false;
}

const char* itemKindName(ItemKind kind)
{
    for (const KindType& k : kKinds)
        if (k.kind == kind) return k.name;
    return "item";
}

DialogItem* Dialog::item(int32_t id)
{
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
}

bool Dialog::add(std::unique_ptr<DialogItem> created)
{
    if (!created || !byId_.emplace(created->id, created.get()).second) return false;
    items.push_back(std::move(created));
    return true;
}

std::string displayValue(const DialogItem& item)
{
    switch (item.kind) {
    case ItemKind::SpinEdit: {
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", std::clamp(item.precision, 0, 6), item.value);
        // "-0.00" shows as a person would type it.
        if (std::strtod(text, nullptr) == 0.0 && text[0] == '-') return text + 1;
        return text;
    }
    case ItemKind::CheckBox: return item.value != 0 ? "on" : "off";
    case ItemKind::Popup:
        if (item.active < 0 || static_cast<size_t>(item.active) >= item.entries.size()) return "none";
        return std::to_string(item.entries[static_cast<size_t>(item.active)].id) + " \"" +
               item.entries[static_cast<size_t>(item.active)].text + "\"";
    default: return "";
    }
}

int32_t entryPosition(const DialogItem& popup, int32_t entryId)
{
    for (size_t i = 0; i < popup.entries.size(); ++i)
        if (popup.entries[i].id == entryId) return static_cast<int32_t>(i);
    return -1;
}

void AcceptingDriver::runModal(Dialog& dialog)
{
    (void)dialog;  // the manager clicks the default item for a driver that leaves the dialog open
}

}  // namespace studio
