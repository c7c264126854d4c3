#include "studio/loader/DialogTemplate.h"

#include <algorithm>
#include <cctype>

#include "studio/loader/ByteReader.h"
#include "studio/loader/Errors.h"

namespace studio::loader {

namespace {

constexpr std::uint16_t kOrdinalMark = 0xFFFF;
constexpr std::uint32_t kButtonTypeMask = 0x0F;
constexpr std::uint32_t kDefaultPushButton = 0x01;  // BS_DEFPUSHBUTTON

// A menu or class field: 0 for none, 0xFFFF and an ordinal, or a string.
std::optional<NameOrOrdinal> readOptionalName(ByteReader& r)
{
    const std::size_t start = r.offset();
    const std::uint16_t first = r.u16();
    std::optional<NameOrOrdinal> name;
    if (first == kOrdinalMark) {
        name.emplace(std::in_place_type<std::uint16_t>, r.u16());
    } else if (first != 0) {
        r.seek(start);
        name.emplace(std::in_place_type<std::string>, r.utf16z());
    }
    return name;
}

// An item's class or title: 0xFFFF and an ordinal, or a string (maybe empty).
NameOrOrdinal readName(ByteReader& r)
{
    const std::size_t start = r.offset();
    if (r.u16() == kOrdinalMark) {
        return r.u16();
    }
    r.seek(start);
    return r.utf16z();
}

DialogItem readItem(ByteReader& r)
{
    DialogItem item;
    r.alignTo(4);
    item.style = r.u32();
    item.extendedStyle = r.u32();
    item.x = r.i16();
    item.y = r.i16();
    item.width = r.i16();
    item.height = r.i16();
    item.id = r.u16();
    item.windowClass = inContext("class", [&] { return readName(r); });
    item.title = inContext("title", [&] { return readName(r); });
    // The count word gives the number of bytes of creation data after it.
    const std::uint16_t extra = r.u16();
    const auto data = inContext("creation data", [&] { return r.take(extra); });
    item.creationData.assign(data.begin(), data.end());
    return item;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

}  // namespace

ControlClass DialogItem::controlClass() const
{
    static constexpr std::pair<std::uint16_t, std::string_view> kClasses[] = {
        {0x80, "Button"}, {0x81, "Edit"}, {0x82, "Static"}, {0x83, "ListBox"}, {0x84, "ScrollBar"}, {0x85, "ComboBox"},
    };
    for (std::size_t i = 0; i < std::size(kClasses); ++i) {
        const auto* ordinal = std::get_if<std::uint16_t>(&windowClass);
        const auto* name = std::get_if<std::string>(&windowClass);
        if ((ordinal != nullptr && *ordinal == kClasses[i].first) ||
            (name != nullptr && equalsIgnoringCase(*name, kClasses[i].second))) {
            return static_cast<ControlClass>(i);
        }
    }
    return ControlClass::Other;
}

std::string DialogItem::text() const
{
    const auto* text = std::get_if<std::string>(&title);
    return text != nullptr ? *text : std::string();
}

bool DialogItem::isDefaultPushButton() const
{
    return controlClass() == ControlClass::Button && (style & kButtonTypeMask) == kDefaultPushButton;
}

const DialogItem* DialogTemplate::item(std::uint16_t id) const noexcept
{
    for (const auto& candidate : items) {
        if (candidate.id == id) {
            return &candidate;
        }
    }
    return nullptr;
}

DialogTemplate decodeDialog(std::span<const std::uint8_t> data)
{
    DialogTemplate dialog;
    ByteReader r(data);
    std::uint16_t count = 0;
    inContext("dialog header", [&] {
        dialog.style = r.u32();
        // An extended template begins with version 1 and signature 0xFFFF.
        if (dialog.style == 0xFFFF0001u) {
            throw FormatError("extended (DIALOGEX) templates are not supported");
        }
        dialog.extendedStyle = r.u32();
        count = r.u16();
        dialog.x = r.i16();
        dialog.y = r.i16();
        dialog.width = r.i16();
        dialog.height = r.i16();
        dialog.menu = inContext("menu", [&] { return readOptionalName(r); });
        dialog.windowClass = inContext("class", [&] { return readOptionalName(r); });
        dialog.title = inContext("title", [&] { return r.utf16z(); });
        if ((dialog.style & kDialogStyleSetFont) != 0) {
            inContext("font", [&] {
                DialogFont font;
                font.pointSize = r.u16();
                font.typeface = r.utf16z();
                dialog.font = std::move(font);
            });
        }
    });
    for (std::uint16_t i = 0; i < count; ++i) {
        dialog.items.push_back(
            inContext("item " + std::to_string(i + 1) + " of " + std::to_string(count), [&] { return readItem(r); }));
    }
    return dialog;
}

}  // namespace studio::loader
