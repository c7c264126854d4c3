// The plug-in's property list as built, and the checks the host makes on one.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "studio/loader/Errors.h"
#include "studio/loader/Pipl.h"
#include "studio/loader/PluginLibrary.h"
#include "tests/support/ResourceFixtures.h"

namespace focara_test {
namespace {

using namespace std::string_view_literals;
using studio::loader::FormatError;

TEST(PiplResource, HoldsTheSeventyNineBytesByteForByte)
{
    // clang-format off
    static constexpr std::array<std::uint8_t, 79> kExpected = {
        1, 0, 0, 0, 0, 0, 3, 0, 0, 0,                                   // format, version, count
        'E', 'B', 'D', 'A', 'd', 'n', 'i', 'k', 0, 0, 0, 0, 4, 0, 0, 0,  // 'ADBE' 'kind', id 0, length 4
        'A', 'E', 'P', 'S',                                              // 'SPEA'
        'E', 'B', 'D', 'A', 's', 'r', 'v', 'i', 0, 0, 0, 0, 4, 0, 0, 0,  // 'ADBE' 'ivrs', id 0, length 4
        2, 0, 0, 0,                                                      // interface version 2
        'E', 'B', 'D', 'A', '6', '8', 'x', 'w', 0, 0, 0, 0, 12, 0, 0, 0, // 'ADBE' 'wx86', id 0, length 12
        'P', 'l', 'u', 'g', 'i', 'n', 'M', 'a', 'i', 'n', 0, 0,
        0,
    };
    // clang-format on
    const auto resources = studio::loader::ResourceFile::parse(builtRsrc());
    const auto* pipl = resources.find("PIPL", std::uint16_t{16000}, 1033);
    ASSERT_NE(pipl, nullptr) << "no PIPL 16000 in language 1033";
    ASSERT_EQ(pipl->data.size(), kExpected.size());
    for (std::size_t i = 0; i < kExpected.size(); ++i) {
        EXPECT_EQ(pipl->data[i], kExpected[i]) << "byte " << i;
    }
}

TEST(PiplResource, NamesAnInterfaceVersion2PluginEnteredThroughPluginMain)
{
    const auto resources = studio::loader::PluginResources::read(builtPluginPath());
    EXPECT_EQ(resources.pipl().kind, studio::loader::fourCharCode("SPEA"));
    EXPECT_EQ(resources.pipl().interfaceVersion, 2u);
    EXPECT_EQ(resources.pipl().entryPoint, "PluginMain");
    EXPECT_EQ(resources.pipl().properties.size(), 3u);
}

std::vector<PiplEntry> withEntry(std::size_t index, PiplEntry entry)
{
    auto entries = validPiplEntries();
    entries[index] = std::move(entry);
    return entries;
}

std::vector<PiplEntry> without(std::size_t index)
{
    auto entries = validPiplEntries();
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    return entries;
}

std::vector<PiplEntry> plus(PiplEntry entry)
{
    auto entries = validPiplEntries();
    entries.push_back(std::move(entry));
    return entries;
}

struct PiplCase {
    const char* name;
    Bytes bytes;
    const char* error;  // null: accepted
};

TEST(PiplChecker, AcceptsPluginsAndRefusesEverythingElseWithAReason)
{
    Bytes wrongFormat = makePipl(validPiplEntries());
    wrongFormat[0] = 2;
    Bytes countTooHigh = makePipl(validPiplEntries());
    countTooHigh[6] = 4;
    Bytes lengthPastEnd = makePipl(without(2));
    lengthPastEnd.pop_back();
    putText(lengthPastEnd, "EBDA");
    putText(lengthPastEnd, "68xw");
    put32(lengthPastEnd, 0);
    put32(lengthPastEnd, 0xFFFFFFF0);
    lengthPastEnd[6] = 3;

    // clang-format off
    const PiplCase cases[] = {
        {"valid", makePipl(validPiplEntries()), nullptr},
        {"other vendor's property ignored", makePipl(plus({"XXXX", "dnik", text("XXXX")})), nullptr},
        {"format word 2", wrongFormat, "format word is 2, expected 1"},
        {"kind SPEX", makePipl(withEntry(0, {"EBDA", "dnik", text("XEPS")})), "plug-in kind is 'SPEX', expected 'SPEA'"},
        {"kind of 2 bytes", makePipl(withEntry(0, {"EBDA", "dnik", text("AE")})), "has 2 data bytes, expected 4"},
        {"no kind", makePipl(without(0)), "no 'kind' property"},
        {"kind twice", makePipl(plus({"EBDA", "dnik", text("AEPS")})), "'kind' property (plug-in kind) is given twice"},
        {"interface version 3", makePipl(withEntry(1, {"EBDA", "srvi", word(3)})), "interface version is 3, expected 2"},
        {"no interface version", makePipl(without(1)), "no 'ivrs' property"},
        {"no entry point", makePipl(without(2)), "no 'wx86' property"},
        {"entry point unterminated", makePipl(withEntry(2, {"EBDA", "68xw", text("PluginMa")})), "not zero-terminated"},
        {"entry point empty", makePipl(withEntry(2, {"EBDA", "68xw", text("\0\0\0\0"sv)})), "is not a C identifier"},
        {"entry point not an identifier", makePipl(withEntry(2, {"EBDA", "68xw", text("../x\0\0\0\0"sv)})),
         "\"../x\" is not a C identifier"},
        {"count above the properties", countTooHigh, "property 4 of 4: truncated"},
        {"data length past the end", lengthPastEnd, "property 3 of 3: truncated"},
        {"empty", Bytes{}, "list header: truncated"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.error == nullptr) {
            const auto pipl = studio::loader::parsePipl(c.bytes);
            EXPECT_EQ(pipl.entryPoint, "PluginMain");
            continue;
        }
        try {
            studio::loader::parsePipl(c.bytes);
            ADD_FAILURE() << "accepted";
        } catch (const FormatError& error) {
            EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos) << error.what();
        }
    }
}

TEST(PiplChecker, RefusesEveryTruncationOfTheBuiltList)
{
    const auto resources = studio::loader::ResourceFile::parse(builtRsrc());
    const auto* pipl = resources.find("PIPL", std::uint16_t{16000}, 1033);
    ASSERT_NE(pipl, nullptr);
    // The last byte is padding after the three properties; all before it count.
    for (std::size_t length = 0; length + 1 < pipl->data.size(); ++length) {
        const std::span<const std::uint8_t> prefix(pipl->data.data(), length);
        EXPECT_THROW(studio::loader::parsePipl(prefix), FormatError) << "prefix of " << length << " bytes";
    }
}

}  // namespace
}  // namespace focara_test
