// The plug-in's string lists, dialog templates, icon and cursor as built, and
// the decoders' refusal of damaged data.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "studio/loader/ByteReader.h"
#include "studio/loader/DialogTemplate.h"
#include "studio/loader/Errors.h"
#include "studio/loader/PluginLibrary.h"
#include "studio/loader/StringTable.h"
#include "tests/support/ResourceFixtures.h"

namespace focara_test {
namespace {

using studio::loader::ControlClass;
using studio::loader::FormatError;

const studio::loader::PluginResources& built()
{
    static const auto resources = studio::loader::PluginResources::read(builtPluginPath());
    return resources;
}

void expectStringList(std::uint16_t listId, const std::vector<const char*>& texts)
{
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(built().string(listId, static_cast<std::uint16_t>(i)), std::optional<std::string>(texts[i]))
            << "list " << listId << " index " << i;
    }
    EXPECT_EQ(built().string(listId, static_cast<std::uint16_t>(texts.size())), std::nullopt)
        << "list " << listId << " goes on past index " << texts.size() - 1;
}

TEST(StringLists, FilterCategoryAndTitle)
{
    expectStringList(16000, {"<First Mac index is 1>", "Lumo <Create>", "Focara..."});
}

TEST(StringLists, ErrorCodesAndMessagesInPairs)
{
    const char* memory = "The filter cannot complete because there isn't enough memory (RAM) available.";
    expectStringList(16050, {
                                "<Mac strings begin at index 1>",
                                "-108",
                                memory,
                                "271",
                                memory,
                                "SEGM",
                                "The filter cannot complete because a layer is locked or invisible.",
                                "NESS",
                                "The filter cannot complete because a path has too many anchor points.",
                                "!sel",
                                "The selection is not valid for this filter.",
                                "<Others>",
                                "The filter cannot complete because of an unknown error.",
                            });
}

constexpr std::uint32_t kDialogStyle = 0x80000000 | 0x00C00000 | 0x00080000 | 0x80 | 0x40;

TEST(DialogTemplates, TitleSizeFontAndStyle)
{
    struct Row {
        std::uint16_t id;
        const char* title;
        std::int16_t width, height;
        std::size_t items;
    };
    // clang-format off
    const Row rows[] = {
        {16050, "Focara Plug-in About", 299, 159, 9},
        {16051, "Plug-in Error", 185, 92, 4},
        {16100, "Focara Plug-in", 207, 161, 0},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE("dialog " + std::to_string(row.id));
        const auto* dialog = built().dialog(row.id);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->title, row.title);
        EXPECT_EQ(dialog->width, row.width);
        EXPECT_EQ(dialog->height, row.height);
        EXPECT_EQ(dialog->items.size(), row.items);
        EXPECT_EQ(dialog->style, kDialogStyle);
        ASSERT_TRUE(dialog->font.has_value());
        EXPECT_EQ(dialog->font->pointSize, 8);
        EXPECT_EQ(dialog->font->typeface, "MS Sans Serif");
        EXPECT_FALSE(dialog->menu.has_value());
        EXPECT_FALSE(dialog->windowClass.has_value());
    }
}

TEST(DialogTemplates, ErrorDialogItems)
{
    struct Row {
        std::uint16_t id;
        ControlClass kind;
        std::int16_t x, y, width, height;
        const char* text;
    };
    // clang-format off
    const Row rows[] = {
        {1, ControlClass::Button, 127, 65, 50, 14, "OK"},
        {2, ControlClass::Static, 43, 12, 126, 28, "Message"},
        {3, ControlClass::Static, 13, 66, 30, 8, "Code"},
        {4, ControlClass::Static, 10, 10, 18, 20, ""},
    };
    // clang-format on
    const auto* dialog = built().dialog(16051);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->items.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& item = dialog->items[i];
        const auto& row = rows[i];
        SCOPED_TRACE("item " + std::to_string(row.id));
        EXPECT_EQ(item.id, row.id);
        EXPECT_EQ(item.controlClass(), row.kind);
        EXPECT_EQ(item.x, row.x);
        EXPECT_EQ(item.y, row.y);
        EXPECT_EQ(item.width, row.width);
        EXPECT_EQ(item.height, row.height);
        EXPECT_EQ(item.text(), row.text);
        EXPECT_TRUE(item.creationData.empty());
    }
    EXPECT_TRUE(dialog->items[0].isDefaultPushButton());
    EXPECT_EQ(dialog->items[3].style & 0x1F, 0x7u) << "item 4 is a black frame";
    EXPECT_EQ(dialog->items[2].style & 0x1F, 0x0u) << "item 3 is left-aligned text";
}

TEST(DialogTemplates, AboutBoxNamesProductVersionHostsAndSupport)
{
    const auto* dialog = built().dialog(16050);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->items.size(), 9u);
    const auto& ok = dialog->items[0];
    EXPECT_EQ(ok.id, 1);
    EXPECT_TRUE(ok.isDefaultPushButton());
    EXPECT_EQ(ok.text(), "&OK");
    EXPECT_EQ((std::array{ok.x, ok.y, ok.width, ok.height}), (std::array<std::int16_t, 4>{125, 141, 40, 14}));

    std::string all;
    for (std::size_t i = 1; i < dialog->items.size(); ++i) {
        const auto& item = dialog->items[i];
        EXPECT_EQ(item.controlClass(), ControlClass::Static) << "item " << item.id;
        EXPECT_EQ(item.x, 9) << "item " << item.id;
        EXPECT_LE(item.x + item.width, dialog->width) << "item " << item.id;
        EXPECT_LE(item.y + item.height, ok.y) << "item " << item.id << " runs into the OK button";
        all += item.text() + "\n";
    }
    for (const char* needed : {"Focara", "Version 1.0.0", "10, CS1, CS2 and CS3", "Support"}) {
        EXPECT_NE(all.find(needed), std::string::npos) << "no \"" << needed << "\" in:\n" << all;
    }
}

// Reads the little-endian words of a resource at byte offsets.
std::uint32_t at32(const Bytes& data, std::size_t offset)
{
    studio::loader::ByteReader r(data);
    r.seek(offset);
    return r.u32();
}

std::uint16_t at16(const Bytes& data, std::size_t offset)
{
    studio::loader::ByteReader r(data);
    r.seek(offset);
    return r.u16();
}

TEST(IconAndCursor, SixteenColourIconAndMonochromeCursorWithHotSpot20_24)
{
    const auto& file = built().file();
    const auto* group = file.find(studio::loader::rt::kGroupIcon, std::uint16_t{16051}, 1033);
    ASSERT_NE(group, nullptr);
    // Group header (reserved, type 1, count), then 14-byte entries ending in the image id.
    ASSERT_EQ(group->data.size(), 6u + 14u);
    EXPECT_EQ(at16(group->data, 4), 1);
    EXPECT_EQ(group->data[6], 32);        // width
    EXPECT_EQ(group->data[7], 32);        // height
    EXPECT_EQ(group->data[8], 16);        // colours
    EXPECT_EQ(at16(group->data, 12), 4);  // bits per pixel
    const auto* icon = file.find(studio::loader::rt::kIcon, at16(group->data, 18), 1033);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(at32(icon->data, 4), 32u);  // bitmap width
    EXPECT_EQ(at32(icon->data, 8), 64u);  // colours and mask stacked
    EXPECT_EQ(at16(icon->data, 14), 4);

    const auto* cursorGroup = file.find(studio::loader::rt::kGroupCursor, std::uint16_t{16000}, 1033);
    ASSERT_NE(cursorGroup, nullptr);
    ASSERT_EQ(cursorGroup->data.size(), 6u + 14u);
    EXPECT_EQ(at16(cursorGroup->data, 2), 2);  // cursor
    const auto* cursor = file.find(studio::loader::rt::kCursor, at16(cursorGroup->data, 18), 1033);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(at16(cursor->data, 0), 20);  // hot spot x
    EXPECT_EQ(at16(cursor->data, 2), 24);  // hot spot y
    EXPECT_EQ(at32(cursor->data, 4 + 4), 32u);
    EXPECT_EQ(at32(cursor->data, 4 + 8), 64u);
    EXPECT_EQ(at16(cursor->data, 4 + 14), 1);  // monochrome
}

TEST(Decoders, RefuseEveryTruncationOfTheBuiltDialogsAndStringBlocks)
{
    for (const auto& resource : built().file().resources()) {
        const bool dialog = resource.type.isOrdinal() && resource.type.ordinal() == studio::loader::rt::kDialog;
        const bool strings = resource.type.isOrdinal() && resource.type.ordinal() == studio::loader::rt::kString;
        if (!dialog && !strings) {
            continue;
        }
        for (std::size_t length = 0; length < resource.data.size(); ++length) {
            const std::span<const std::uint8_t> prefix(resource.data.data(), length);
            if (dialog) {
                EXPECT_THROW(studio::loader::decodeDialog(prefix), FormatError)
                    << describe(resource) << " cut to " << length;
            } else {
                EXPECT_THROW(studio::loader::decodeStringBlock(prefix), FormatError)
                    << describe(resource) << " cut to " << length;
            }
        }
    }
}

TEST(Decoders, DialogClassesByNameAndExtendedTemplates)
{
    // A dialog with one item whose class is the name "sTaTiC" and whose title
    // is an ordinal, then an extended template.
    Bytes dialog;
    put32(dialog, 0x80C80080);  // no DS_SETFONT: no font fields
    put32(dialog, 0);
    put16(dialog, 1);
    for (int i = 0; i < 4; ++i) {
        put16(dialog, 10);
    }
    put16(dialog, 0);  // no menu
    put16(dialog, 0);  // standard class
    put16(dialog, 'T');
    put16(dialog, 0);
    while (dialog.size() % 4 != 0) {
        dialog.push_back(0);
    }
    put32(dialog, 0x50000003);
    put32(dialog, 0);
    for (int i = 0; i < 4; ++i) {
        put16(dialog, 5);
    }
    put16(dialog, 7);
    for (char c : std::string("sTaTiC")) {
        put16(dialog, static_cast<std::uint16_t>(c));
    }
    put16(dialog, 0);
    put16(dialog, 0xFFFF);
    put16(dialog, 16051);
    put16(dialog, 2);
    put16(dialog, 0xBEEF);

    const auto decoded = studio::loader::decodeDialog(dialog);
    EXPECT_EQ(decoded.title, "T");
    EXPECT_FALSE(decoded.font.has_value());
    ASSERT_EQ(decoded.items.size(), 1u);
    EXPECT_EQ(decoded.items[0].controlClass(), ControlClass::Static);
    const auto* icon = std::get_if<std::uint16_t>(&decoded.items[0].title);
    ASSERT_NE(icon, nullptr) << "the title is not an ordinal";
    EXPECT_EQ(*icon, 16051);
    EXPECT_EQ(decoded.items[0].creationData, (Bytes{0xEF, 0xBE}));

    Bytes extended;
    put16(extended, 1);
    put16(extended, 0xFFFF);
    extended.resize(64, 0);
    try {
        studio::loader::decodeDialog(extended);
        ADD_FAILURE() << "an extended template was accepted";
    } catch (const FormatError& error) {
        EXPECT_NE(std::string(error.what()).find("DIALOGEX"), std::string::npos) << error.what();
    }
}

TEST(Decoders, StringBlockUtf16BecomesUtf8)
{
    Bytes block;
    put16(block, 3);
    put16(block, 0x00E9);  // é
    put16(block, 0xD83D);  // a surrogate pair: U+1F50D
    put16(block, 0xDD0D);
    put16(block, 1);
    put16(block, 0xDC00);  // a lone low surrogate
    for (int i = 2; i < 16; ++i) {
        put16(block, 0);
    }
    const auto strings = studio::loader::decodeStringBlock(block);
    EXPECT_EQ(strings[0], std::optional<std::string>("\xC3\xA9\xF0\x9F\x94\x8D"));
    EXPECT_EQ(strings[1], std::optional<std::string>("\xEF\xBF\xBD"));
    EXPECT_EQ(strings[2], std::nullopt);
}

}  // namespace
}  // namespace focara_test
