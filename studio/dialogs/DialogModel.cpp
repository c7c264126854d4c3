#include "studio/dialogs/DialogModel.h"

#include <cstring>

namespace studio {

namespace {
struct KindType {
    ItemKind kind;
    const char* type;
    const char* name;
};
constexpr KindType kKinds[] = {
    {ItemKind::SpinEdit, kADMSpinEditType, "spin edit"},
    {ItemKind::TextStatic, kADMTextStaticType, "static text"},
    {ItemKind::Popup, kADMPopupListType, "popup"},
    {ItemKind::PushButton, kADMTextPushButtonType, "push button"},
    {ItemKind::CheckBox, kADMTextCheckBoxType, "check box"},
    {ItemKind::PictureButton, kADMPicturePushButtonType, "picture button"},
    {ItemKind::Frame, "", "frame"},
};
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
    for (auto& i : items)
        if (i->id == id) return i.get();
    return nullptr;
}

void AcceptingDriver::runModal(Dialog& dialog)
{
    (void)dialog;  // the manager clicks the default item for a driver that leaves the dialog open
}

}  // namespace studio
