#include "studio/dialogs/DialogManager.h"

#include <algorithm>

namespace studio {

namespace {
struct Notifier {
    const char* type;
};

ADMNotifierRef notifierRef(Notifier& n) { return reinterpret_cast<ADMNotifierRef>(&n); }
ADMItemRef itemRef(DialogItem& item) { return reinterpret_cast<ADMItemRef>(&item); }

// Template rectangles are in dialog units of an 8-point font.
ADMRect toPixels(const ADMRect& r)
{
    return {r.left * 3 / 2, r.top * 13 / 8, r.right * 3 / 2, r.bottom * 13 / 8};
}
}  // namespace

DialogManager::DialogManager() : driver_(&accepting_) {}

void DialogManager::setResources(std::map<int32_t, std::string> strings, std::map<int32_t, DialogTemplate> templates)
{
    strings_ = std::move(strings);
    templates_ = std::move(templates);
}

const std::string* DialogManager::string(int32_t id) const
{
    auto it = strings_.find(id);
    return it == strings_.end() ? nullptr : &it->second;
}

int32_t DialogManager::runModal(const std::string& name, int32_t templateId, ADMDialogInitProc init,
                                ADMUserData data)
{
    auto found = templates_.find(templateId);
    if (found == templates_.end()) return -1;
    const DialogTemplate& t = found->second;

    Dialog dialog;
    dialog.name = name;
    dialog.templateId = templateId;
    dialog.title = t.title;
    dialog.bounds = toPixels({0, 0, t.width, t.height});
    dialog.userData = data;
    for (const TemplateItem& ti : t.items) {
        auto item = std::make_unique<DialogItem>();
        item->dialog = &dialog;
        item->id = ti.id;
        item->kind = ti.kind;
        item->bounds = toPixels(ti.bounds);
        item->text = ti.text;
        item->isDefault = ti.isDefault;
        dialog.items.push_back(std::move(item));
    }

    open_.push_back(&dialog);
    struct Close {
        std::vector<Dialog*>& open;
        ~Close() { open.pop_back(); }
    } close{open_};

    if (init && init(reinterpret_cast<ADMDialogRef>(&dialog)) != 0) return -1;

    ShownDialog shown{name, dialog.title, {}, 0};
    for (const auto& item : dialog.items)
        if (item->visible && !item->text.empty()) shown.texts.emplace_back(item->id, item->text);

    driver_->runModal(dialog);
    if (!dialog.result) {
        // Pressing Enter: the default item if there is one, else the host's own accept.
        if (DialogItem* ok = dialog.item(kADMDefaultItemID)) userChanged(*ok);
        if (!dialog.result) dialog.result = kADMDefaultItemID;
    }
    shown.result = *dialog.result;
    shown_.push_back(std::move(shown));
    return *dialog.result;
}

void DialogManager::userChanged(DialogItem& item) { sendNotify(item, kADMUserChangedNotifier); }

void DialogManager::sendNotify(DialogItem& item, const char* notifierType)
{
    Notifier n{notifierType};
    if (item.notify)
        item.notify(itemRef(item), notifierRef(n));
    else
        defaultNotify(item);
}

void DialogManager::defaultNotify(DialogItem& item)
{
    if (item.pending) {
        switch (item.kind) {
        case ItemKind::SpinEdit:
        case ItemKind::CheckBox:
            item.value = std::clamp(*item.pending, item.minimum, item.maximum);
            break;
        case ItemKind::Popup:
            item.active = static_cast<int32_t>(*item.pending);
            break;
        default:
            break;
        }
        item.pending.reset();
    }
    bool ends = item.kind == ItemKind::PushButton &&
                (item.isDefault || item.id == kADMDefaultItemID || item.id == kADMCancelItemID);
    if (ends && item.dialog && !item.dialog->result) item.dialog->result = item.id;
}

}  // namespace studio
