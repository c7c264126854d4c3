// The host's dialog manager state: modal dialogs built from templates, items
// created at run time, popup lists, and what each dialog showed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "sdk/ADM.h"

namespace studio {

enum class ItemKind : uint8_t { SpinEdit, TextStatic, Popup, PushButton, CheckBox, PictureButton, Frame };

// The kind of an item type name ("ADM Spin Edit Type", ...); false for an unknown one.
bool itemKindFromType(const char* type, ItemKind& kind);
const char* itemKindName(ItemKind kind);

struct ListEntry {
    int32_t id = 0;
    std::string text;
};

struct Dialog;

struct DialogItem {
    Dialog* dialog = nullptr;
    int32_t id = 0;
    ItemKind kind = ItemKind::TextStatic;
    ADMRect bounds{};
    std::string text;
    int32_t font = kADMDefaultFont;
    bool visible = true;
    bool enabled = true;
    // Spin edits, check boxes: the value, its range and the places shown (0: integer box).
    double value = 0;
    double minimum = -1e9;
    double maximum = 1e9;
    int32_t precision = 0;
    // A value the user typed or chose, taken by the default notification:
    // spin edits the typed number, check boxes the new state, popups the
    // chosen entry's position. Dropped when the user's notification ends.
    std::optional<double> pending;
    ADMItemNotifyProc notify = nullptr;
    ADMItemTrackProc track = nullptr;
    ADMUserData userData = nullptr;
    // Popups.
    std::vector<ListEntry> entries;
    int32_t active = -1;     // position of the active entry
    bool isDefault = false;  // the template's default push button
};

// Item and dialog templates, as the plug-in's resources hold them.
struct TemplateItem {
    int32_t id = 0;
    ItemKind kind = ItemKind::TextStatic;
    ADMRect bounds{};  // dialog units as stored
    std::string text;
    bool isDefault = false;
};

struct DialogTemplate {
    std::string title;
    int32_t width = 0;  // dialog units
    int32_t height = 0;
    std::vector<TemplateItem> items;
};

struct Dialog {
    std::string name;
    int32_t templateId = 0;
    std::string title;
    ADMRect bounds{};
    int32_t mask = 0;
    ADMUserData userData = nullptr;
    std::vector<std::unique_ptr<DialogItem>> items;  // in creation order; add through add()
    std::optional<int32_t> result;                   // set when the modal loop ends

    DialogItem* item(int32_t id);
    // Takes item; false (and item dropped) when its id is taken.
    bool add(std::unique_ptr<DialogItem> item);

private:
    std::unordered_map<int32_t, DialogItem*> byId_;
};

// The value as the item shows it: a spin edit's number with its places, a
// check box "on" or "off", a popup its active entry's id and text.
std::string displayValue(const DialogItem& item);
// The position of the popup entry with that id, or -1.
int32_t entryPosition(const DialogItem& popup, int32_t entryId);

// What a dialog showed when it opened: for tests and the command line.
struct ShownDialog {
    std::string name;
    std::string title;
    std::vector<std::pair<int32_t, std::string>> texts;  // items with text, by id
    int32_t result = 0;
};

// Runs the modal loop of one dialog: acts as the user until the dialog has a result.
class UiDriver {
public:
    virtual ~UiDriver() = default;
    virtual void runModal(Dialog& dialog) = 0;
};

// Answers every dialog with its default item, as pressing Enter would.
class AcceptingDriver : public UiDriver {
public:
    void runModal(Dialog& dialog) override;
};

}  // namespace studio
