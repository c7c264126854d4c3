// Dialog templates in the classic (non-extended) layout: a header with the
// dialog's style, item count, position and size, then menu, window class,
// title and (with DS_SETFONT) the font; then one item template per item, each
// aligned to 4 bytes from the template's start. Sizes are in dialog units.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "studio/loader/ResourceFile.h"

namespace studio::loader {

inline constexpr std::uint32_t kDialogStyleSetFont = 0x40;  // DS_SETFONT

// The predefined control classes, by their ordinals 0x80 to 0x85.
enum class ControlClass { Button, Edit, Static, ListBox, ScrollBar, ComboBox, Other };

struct DialogItem {
    std::uint32_t style = 0;
    std::uint32_t extendedStyle = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::uint16_t id = 0;
    NameOrOrdinal windowClass;  // an ordinal 0x80..0x85 or a class name
    NameOrOrdinal title;        // text, or the ordinal of a resource (a static's icon)
    std::vector<std::uint8_t> creationData;

    // Also for a class given by name ("Button", any case).
    ControlClass controlClass() const;
    // The title's text; "" when the title is an ordinal.
    std::string text() const;
    bool isDefaultPushButton() const;
};

struct DialogFont {
    std::uint16_t pointSize = 0;
    std::string typeface;
};

struct DialogTemplate {
    std::uint32_t style = 0;
    std::uint32_t extendedStyle = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::optional<NameOrOrdinal> menu;         // none when the dialog has no menu
    std::optional<NameOrOrdinal> windowClass;  // none for the standard dialog class
    std::string title;
    std::optional<DialogFont> font;  // present when style has DS_SETFONT
    std::vector<DialogItem> items;

    // The item with that id, or null.
    const DialogItem* item(std::uint16_t id) const noexcept;
};

// FormatError for a truncated or extended (DIALOGEX) template.
DialogTemplate decodeDialog(std::span<const std::uint8_t> data);

}  // namespace studio::loader
