// The dialog manager's suites: Basic, Dialog, Item, List, Entry, Tracker, Notifier, Icon.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "sdk/ADM.h"
#include "studio/suites/SuiteGuard.h"

namespace studio {

namespace {

Dialog* dialog(ADMDialogRef d) { return reinterpret_cast<Dialog*>(d); }
DialogItem* item(ADMItemRef i) { return reinterpret_cast<DialogItem*>(i); }
ADMItemRef itemRef(DialogItem* i) { return reinterpret_cast<ADMItemRef>(i); }
DialogManager* manager()
{
    Host* host = Host::current();
    return host ? &host->dialogs() : nullptr;
}

// Value-returning suite functions cannot report errors: a failure gives the fallback.
template <class F, class R>
R quietly(F&& f, R fallback) noexcept
{
    try {
        return f();
    } catch (...) {
        return fallback;
    }
}

void copyText(const std::string& from, char* to, int32_t size)
{
    if (!to || size <= 0) return;
    size_t n = std::min(from.size(), static_cast<size_t>(size - 1));
    std::memcpy(to, from.data(), n);
    to[n] = '\0';
}

// ---- Basic

ASErr getIndexString(SPPluginRef, int32_t listID, int32_t index, char* buffer, int32_t bufferSize)
{
    return guarded("GetIndexString", [&](Host& host) -> AIErr {
        if (!buffer || bufferSize <= 0) return kBadParameterErr;
        const std::string* s = host.dialogs().string(listID + index);
        copyText(s ? *s : std::string(), buffer, bufferSize);
        return kNoErr;
    });
}

void messageAlert(const char* message)
{
    quietly(
        [&] {
            if (DialogManager* m = manager()) m->alert(message ? message : "");
            return 0;
        },
        0);
}

// ---- Dialog

int32_t modal(SPPluginRef, const char* name, int32_t dialogID, int32_t, ADMDialogInitProc initProc, ADMUserData data,
              int32_t)
{
    return quietly(
        [&] {
            DialogManager* m = manager();
            if (!m || Host::active().faults().check("Modal")) return -1;
            return m->runModal(name ? name : "", dialogID, initProc, data);
        },
        -1);
}

ADMUserData getDialogUserData(ADMDialogRef d) { return d ? dialog(d)->userData : nullptr; }
ADMItemRef getItem(ADMDialogRef d, int32_t id) { return d ? itemRef(dialog(d)->item(id)) : nullptr; }

ADMItemRef createItem(ADMDialogRef d, int32_t id, const char* type, const ADMRect* bounds, ADMItemInitProc init,
                      ADMUserData data, int32_t)
{
    return quietly(
        [&]() -> ADMItemRef {
            ItemKind kind;
            if (!d || !bounds || !itemKindFromType(type, kind) || dialog(d)->item(id)) return nullptr;
            auto created = std::make_unique<DialogItem>();
            created->dialog = dialog(d);
            created->id = id;
            created->kind = kind;
            created->bounds = *bounds;
            created->userData = data;
            if (kind == ItemKind::CheckBox) created->minimum = 0, created->maximum = 1;
            DialogItem* raw = created.get();
            if (!dialog(d)->add(std::move(created))) return nullptr;
            if (init) init(itemRef(raw));
            return itemRef(raw);
        },
        ADMItemRef{});
}

void sizeDialog(ADMDialogRef d, int32_t width, int32_t height)
{
    if (!d) return;
    // Saved bounds come from the record and may lie anywhere: the far edge stops at the coordinate range.
    auto edge = [](int32_t start, int32_t size) {
        int64_t end = int64_t{start} + size;
        return static_cast<int32_t>(std::clamp<int64_t>(end, INT32_MIN, INT32_MAX));
    };
    ADMRect& b = dialog(d)->bounds;
    b.right = edge(b.left, width);
    b.bottom = edge(b.top, height);
}

void setBoundsRect(ADMDialogRef d, const ADMRect* bounds)
{
    if (d && bounds) dialog(d)->bounds = *bounds;
}

void getBoundsRect(ADMDialogRef d, ADMRect* bounds)
{
    if (d && bounds) *bounds = dialog(d)->bounds;
}

void setMask(ADMDialogRef d, int32_t mask)
{
    if (d) dialog(d)->mask = mask;
}

void endModal(ADMDialogRef d, int32_t result, AIBoolean)
{
    if (d && !dialog(d)->result) dialog(d)->result = result;
}

// ---- Item

ADMDialogRef getItemDialog(ADMItemRef i) { return i ? reinterpret_cast<ADMDialogRef>(item(i)->dialog) : nullptr; }
int32_t getID(ADMItemRef i) { return i ? item(i)->id : 0; }

void setText(ADMItemRef i, const char* text)
{
    quietly(
        [&] {
            if (i) item(i)->text = text ? text : "";
            return 0;
        },
        0);
}

// A spin edit's text is its value as shown, with its places.
void getText(ADMItemRef i, char* text, int32_t maxLength)
{
    quietly(
        [&] {
            if (!i) return 0;
            copyText(item(i)->kind == ItemKind::SpinEdit ? displayValue(*item(i)) : item(i)->text, text, maxLength);
            return 0;
        },
        0);
}

void setFont(ADMItemRef i, int32_t font)
{
    if (i) item(i)->font = font;
}
int32_t getFont(ADMItemRef i) { return i ? item(i)->font : 0; }
void show(ADMItemRef i, AIBoolean visible)
{
    if (i) item(i)->visible = visible != 0;
}
AIBoolean isVisible(ADMItemRef i) { return i && item(i)->visible; }
void enable(ADMItemRef i, AIBoolean enabled)
{
    if (i) item(i)->enabled = enabled != 0;
}
AIBoolean isEnabled(ADMItemRef i) { return i && item(i)->enabled; }

void setValue(ADMItemRef i, double value)
{
    if (!i || std::isnan(value)) return;
    DialogItem& it = *item(i);
    it.value = std::clamp(value, it.minimum, it.maximum);
}

void setIntValue(ADMItemRef i, int32_t value) { setValue(i, value); }
int32_t getIntValue(ADMItemRef i)
{
    if (!i) return 0;
    // Toward zero, within what an int32 holds.
    return static_cast<int32_t>(std::clamp(item(i)->value, -2147483648.0, 2147483647.0));
}
void setFloatValue(ADMItemRef i, AIReal value) { setValue(i, value); }
AIReal getFloatValue(ADMItemRef i) { return i ? static_cast<AIReal>(item(i)->value) : 0; }
void setBooleanValue(ADMItemRef i, AIBoolean value) { setValue(i, value ? 1 : 0); }
AIBoolean getBooleanValue(ADMItemRef i) { return i && item(i)->value != 0; }

void setMinimum(ADMItemRef i, double value)
{
    if (!i) return;
    item(i)->minimum = value;
    item(i)->maximum = std::max(item(i)->maximum, value);
    setValue(i, item(i)->value);
}

void setMaximum(ADMItemRef i, double value)
{
    if (!i) return;
    item(i)->maximum = value;
    item(i)->minimum = std::min(item(i)->minimum, value);
    setValue(i, item(i)->value);
}

void setMinIntValue(ADMItemRef i, int32_t v) { setMinimum(i, v); }
void setMaxIntValue(ADMItemRef i, int32_t v) { setMaximum(i, v); }
void setMinFloatValue(ADMItemRef i, AIReal v) { setMinimum(i, v); }
void setMaxFloatValue(ADMItemRef i, AIReal v) { setMaximum(i, v); }
void setPrecision(ADMItemRef i, int32_t places)
{
    if (i) item(i)->precision = places;
}
void setUnits(ADMItemRef, int32_t) {}  // items show plain numbers
void setNotifyProc(ADMItemRef i, ADMItemNotifyProc proc)
{
    if (i) item(i)->notify = proc;
}
void setTrackProc(ADMItemRef i, ADMItemTrackProc proc)
{
    if (i) item(i)->track = proc;
}

void defaultNotify(ADMItemRef i, ADMNotifierRef)
{
    if (DialogManager* m = manager(); m && i) m->defaultNotify(*item(i));
}

AIBoolean defaultTrack(ADMItemRef, ADMTrackerRef) { return true; }

void sendNotify(ADMItemRef i, const char* type)
{
    DialogManager* m = manager();
    if (!m || !i) return;
    quietly(
        [&] {
            m->sendNotify(*item(i), type ? type : kADMUserChangedNotifier);
            return 0;
        },
        0);
}

ADMListRef getList(ADMItemRef i)
{
    return i && item(i)->kind == ItemKind::Popup ? reinterpret_cast<ADMListRef>(item(i)) : nullptr;
}

// ---- List and Entry: a list is its popup item; an entry handle points at the
// entry itself and stays valid until the next insertion into its list.

DialogItem* popup(ADMListRef l) { return reinterpret_cast<DialogItem*>(l); }

ADMEntryRef makeEntryRef(DialogItem* p, int32_t index)
{
    if (!p || index < 0 || static_cast<size_t>(index) >= p->entries.size()) return nullptr;
    return reinterpret_cast<ADMEntryRef>(&p->entries[static_cast<size_t>(index)]);
}

ADMEntryRef insertEntry(ADMListRef l, int32_t index)
{
    return quietly(
        [&]() -> ADMEntryRef {
            DialogItem* p = popup(l);
            if (!p || index < 0 || static_cast<size_t>(index) > p->entries.size()) return nullptr;
            p->entries.insert(p->entries.begin() + index, ListEntry{index, {}});
            if (p->active >= index) ++p->active;
            return makeEntryRef(p, index);
        },
        ADMEntryRef{});
}

ADMEntryRef getActiveEntry(ADMListRef l) { return l ? makeEntryRef(popup(l), popup(l)->active) : nullptr; }
ADMEntryRef indexEntry(ADMListRef l, int32_t index) { return l ? makeEntryRef(popup(l), index) : nullptr; }
int32_t numberOfEntries(ADMListRef l) { return l ? static_cast<int32_t>(popup(l)->entries.size()) : 0; }

ListEntry* entry(ADMEntryRef e) { return reinterpret_cast<ListEntry*>(e); }

void setEntryText(ADMEntryRef e, const char* text)
{
    quietly(
        [&] {
            if (e) entry(e)->text = text ? text : "";
            return 0;
        },
        0);
}
void getEntryText(ADMEntryRef e, char* text, int32_t maxLength)
{
    if (e) copyText(entry(e)->text, text, maxLength);
}
void setEntryID(ADMEntryRef e, int32_t id)
{
    if (e) entry(e)->id = id;
}
int32_t getEntryID(ADMEntryRef e) { return e ? entry(e)->id : -1; }

void selectEntry(ADMEntryRef e, AIBoolean select)
{
    if (!e || !select) return;
    // Find the popup that owns this entry among the open dialogs.
    DialogManager* m = manager();
    if (!m) return;
    for (Dialog* d : m->openDialogs())
        for (auto& it : d->items) {
            auto& list = it->entries;
            if (list.empty() || entry(e) < list.data() || entry(e) >= list.data() + list.size()) continue;
            it->active = static_cast<int32_t>(entry(e) - list.data());
            return;
        }
}

// ---- Tracker and Notifier

int32_t getModifiers(ADMTrackerRef)
{
    DialogManager* m = manager();
    return m ? m->event.modifiers : 0;
}

void getPoint(ADMTrackerRef, AIPoint* point)
{
    DialogManager* m = manager();
    if (m && point) *point = m->event.point;
}

AIBoolean isNotifierType(ADMNotifierRef n, const char* type)
{
    const char* own = n ? *reinterpret_cast<const char* const*>(n) : nullptr;
    return own && type && std::strcmp(own, type) == 0;
}

}  // namespace

extern const ADMBasicSuite kAdmBasicSuite = {getIndexString, messageAlert};
extern const ADMDialogSuite kAdmDialogSuite = {modal,         getDialogUserData, getItem, createItem, sizeDialog,
                                               setBoundsRect, getBoundsRect,     setMask, endModal};
// clang-format off
extern const ADMItemSuite kAdmItemSuite = {
    getItemDialog,   getID,           setText,        getText,        setFont,         getFont,
    show,            isVisible,       enable,         isEnabled,      setIntValue,     getIntValue,
    setFloatValue,   getFloatValue,   setBooleanValue, getBooleanValue, setMinIntValue, setMaxIntValue,
    setMinFloatValue, setMaxFloatValue, setPrecision,  setUnits,       setNotifyProc,   setTrackProc,
    defaultNotify,   defaultTrack,    sendNotify,     getList,
};
// clang-format on
extern const ADMListSuite kAdmListSuite = {insertEntry, getActiveEntry, indexEntry, numberOfEntries};
extern const ADMEntrySuite kAdmEntrySuite = {setEntryText, getEntryText, setEntryID, getEntryID, selectEntry};
extern const ADMTrackerSuite kAdmTrackerSuite = {getModifiers, getPoint};
extern const ADMNotifierSuite kAdmNotifierSuite = {isNotifierType};
extern const ADMIconSuite kAdmIconSuite = {nullptr};

}  // namespace studio
