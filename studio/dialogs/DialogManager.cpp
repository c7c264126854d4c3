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
ADMRect toPixels(const ADMRect& r) { return {r.left * 3 / 2, r.top * 13 / 8, r.right * 3 / 2, r.bottom * 13 / 8}; }
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

int32_t DialogManager::runModal(const std::string& name, int32_t templateId, ADMDialogInitProc init, ADMUserData data)
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
        dialog.add(std::move(item));
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
    if (!dialog.result) accept(dialog);
    shown.result = *dialog.result;
    shown_.push_back(std::move(shown));
    return *dialog.result;
}

void DialogManager::userChanged(DialogItem& item)
{
    sendNotify(item, kADMUserChangedNotifier);
    item.pending.reset();
}

bool DialogManager::track(DialogItem& item, int32_t modifiers, AIPoint point)
{
    MouseEvent saved = event;
    event = {modifiers, point};
    struct Restore {
        MouseEvent& event;
        MouseEvent saved;
        ~Restore() { event = saved; }
    } restore{event, saved};
    if (!item.track) return true;
    return item.track(itemRef(item), nullptr) != 0;
}

void DialogManager::click(DialogItem& item)
{
    if (track(item, 0, {0, 0})) userChanged(item);
}

void DialogManager::accept(Dialog& dialog)
{
    DialogItem* ok = dialog.item(kADMDefaultItemID);
    if (ok && ok->visible && ok->enabled) click(*ok);
    if (!dialog.result) dialog.result = kADMDefaultItemID;
}

void DialogManager::cancel(Dialog& dialog)
{
    DialogItem* item = dialog.item(kADMCancelItemID);
    if (item && item->visible && item->enabled && item->kind == ItemKind::PushButton) click(*item);
    if (!dialog.result) dialog.result = kADMCancelItemID;
}

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
        case ItemKind::CheckBox: item.value = std::clamp(*item.pending, item.minimum, item.maximum); break;
        case ItemKind::Popup: item.active = static_cast<int32_t>(*item.pending); break;
        default: break;
        }
        item.pending.reset();
    }
    bool ends = item.kind == ItemKind::PushButton &&
                (item.isDefault || item.id == kADMDefaultItemID || item.id == kADMCancelItemID);
    if (ends && item.dialog && !item.dialog->result) item.dialog->result = item.id;
}

}  // namespace studio
