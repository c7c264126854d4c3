// How the resources travel: a .res file inside the library's ELF section
// .rsrc, and a library that exports nothing but its entry point.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>

#include "studio/loader/ElfFile.h"
#include "studio/loader/Errors.h"
#include "studio/loader/ResourceFile.h"
#include "tests/support/ResourceFixtures.h"

namespace focara_test {
namespace {

using studio::loader::FormatError;

void expectFormatError(const std::function<void()>& action, const std::string& expected)
{
    try {
        action();
        ADD_FAILURE() << "accepted; expected \"" << expected << "\"";
    } catch (const FormatError& error) {
        EXPECT_NE(std::string(error.what()).find(expected), std::string::npos)
            << "message \"" << error.what() << "\" lacks \"" << expected << "\"";
    }
}

TEST(PluginExports, OnlyPluginMain)
{
    const auto elf = studio::loader::ElfFile::read(builtPluginPath());
    EXPECT_EQ(elf.exportedSymbols(), std::vector<std::string>{"PluginMain"});
}

TEST(PluginExports, NmAgrees)
{
    const std::string command = "nm -D --defined-only '" + builtPluginPath().string() + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::vector<std::string> names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::istringstream fields(line);
        std::string address, kind, name;
        fields >> address >> kind >> name;
        names.push_back(name);
    }
    if (pclose(pipe) != 0 && names.empty()) {
        GTEST_SKIP() << "nm is not available";
    }
    EXPECT_EQ(names, std::vector<std::string>{"PluginMain"});
}

TEST(ResourceSection, IsTheCompiledResFileAndIsNotMapped)
{
    const auto elf = studio::loader::ElfFile::read(builtPluginPath());
    const auto* section = elf.findSection(".rsrc");
    ASSERT_NE(section, nullptr);
    constexpr std::uint64_t kAlloc = 0x2;  // SHF_ALLOC
    EXPECT_EQ(section->flags & kAlloc, 0u) << ".rsrc would be loaded into memory";
    const auto data = elf.sectionData(*section);
    EXPECT_EQ(Bytes(data.begin(), data.end()), readFileBytes(builtResPath()));
}

TEST(ResFile, ListsEveryResourceByTypeNameAndLanguage)
{
    const auto file = studio::loader::ResourceFile::parse(builtRsrc());
    // clang-format off
    const std::vector<std::pair<studio::loader::ResourceName, std::uint16_t>> expected = {
        {"PIPL", 16000},
        {studio::loader::rt::kDialog, 16050},
        {studio::loader::rt::kDialog, 16051},
        {studio::loader::rt::kDialog, 16100},
        {studio::loader::rt::kGroupIcon, 16051},
        {studio::loader::rt::kGroupCursor, 16000},
        {studio::loader::rt::kString, 1001},  // ids 16000 to 16015
        {studio::loader::rt::kString, 1004},  // ids 16048 to 16063
    };
    // clang-format on
    for (const auto& [type, name] : expected) {
        EXPECT_NE(file.find(type, name, 1033), nullptr) << type.toString() << " " << name;
    }
    EXPECT_NE(file.find("pipl", std::uint16_t{16000}, 1033), nullptr) << "type names match in any case";
    EXPECT_EQ(file.find("PIPL", std::uint16_t{16000}, 1031), nullptr);
}

TEST(ResFile, RefusesMalformedFilesWithAReason)
{
    const Bytes valid = makeRes({{"PIPL", std::uint16_t{16000}, 1033, {1, 2, 3}}});
    ASSERT_EQ(studio::loader::ResourceFile::parse(valid).resources().size(), 1u);

    Bytes noEmptyEntry(valid.begin() + 32, valid.end());
    Bytes shortHeader = valid;
    shortHeader[32 + 4] = 4;  // header size of the PIPL entry
    Bytes longHeader = valid;
    longHeader[32 + 4] += 4;
    Bytes dataPastEnd = valid;
    dataPastEnd[32] = 0xF0;  // data size of the PIPL entry
    Bytes unterminatedType = makeRes({});
    put32(unterminatedType, 0);
    put32(unterminatedType, 12);
    put16(unterminatedType, 'A');
    put16(unterminatedType, 'B');

    // clang-format off
    const std::pair<Bytes, std::string> cases[] = {
        {Bytes{}, "empty"},
        {noEmptyEntry, "does not begin with the empty resource entry"},
        {shortHeader, "resource 1 at offset 32: header size 4 is below 8"},
        {longHeader, "leaves 4 bytes unread"},
        {dataPastEnd, "resource 1 at offset 32: PIPL 16000 (language 1033) data: truncated"},
        {Bytes(valid.begin(), valid.end() - 1), "padding: truncated"},
        {makeRes({{"PIPL", std::uint16_t{1}, 1033, {}}, {"pipl", std::uint16_t{1}, 1033, {}}}), "appears twice"},
        {unterminatedType, "type: truncated"},
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE("case " + std::to_string(i) + ": " + cases[i].second);
        expectFormatError([&] { studio::loader::ResourceFile::parse(cases[i].first); }, cases[i].second);
    }
}

TEST(ResFile, EveryTruncationIsRefusedOrEndsAtAResourceBoundary)
{
    const Bytes res = builtRsrc();
    const std::size_t all = studio::loader::ResourceFile::parse(res).resources().size();
    std::size_t accepted = 0;
    for (std::size_t length = 0; length < res.size(); ++length) {
        try {
            const auto file = studio::loader::ResourceFile::parse(std::span<const std::uint8_t>(res.data(), length));
            EXPECT_LT(file.resources().size(), all) << "cut to " << length;
            ++accepted;
        } catch (const FormatError&) {
        }
    }
    // Only the cuts between two resources are whole files.
    EXPECT_LE(accepted, all);
}

TEST(ElfFile, RefusesMalformedFilesWithAReason)
{
    const Bytes valid = makeElf({{".rsrc", Bytes{1, 2, 3}}});
    const auto elf = studio::loader::ElfFile::parse(valid);
    ASSERT_NE(elf.findSection(".rsrc"), nullptr);
    EXPECT_EQ(elf.sectionData(*elf.findSection(".rsrc")).size(), 3u);

    Bytes class32 = valid;
    class32[4] = 1;
    Bytes bigEndian = valid;
    bigEndian[5] = 2;
    Bytes tableOff = valid;
    tableOff[40 + 5] = 0x10;  // section header offset far past the end
    Bytes countHigh = valid;
    countHigh[60] = 200;  // more section headers than the file holds
    Bytes sectionPastEnd = valid;
    sectionPastEnd[valid.size() - 3 * 64 + 64 + 32 + 1] = 0x10;  // .rsrc size
    Bytes namesIndex = valid;
    namesIndex[62] = 9;
    Bytes nameOffset = valid;
    nameOffset[valid.size() - 2 * 64 + 2] = 0x10;  // .rsrc's name offset

    // clang-format off
    const std::pair<Bytes, std::string> cases[] = {
        {Bytes{'h', 'e', 'l', 'l', 'o'}, "not an ELF file"},
        {Bytes{0x7F, 'E'}, "not an ELF file"},
        {Bytes(valid.begin(), valid.begin() + 40), "truncated header"},
        {class32, "not a 64-bit ELF file"},
        {bigEndian, "not a little-endian ELF file"},
        {tableOff, "section header table at offset"},
        {countHigh, "runs past the end of the file"},
        {Bytes(valid.begin(), valid.end() - 10), "runs past the end of the file"},
        {sectionPastEnd, "section 1 (offset 64, 4099 bytes) runs past the end"},
        {namesIndex, "section name table index 9 is out of range"},
        {nameOffset, "section 1 name offset"},
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE("case " + std::to_string(i) + ": " + cases[i].second);
        expectFormatError([&] { studio::loader::ElfFile::parse(cases[i].first); }, cases[i].second);
    }
}

TEST(ElfFile, EveryTruncationOfTheBuiltPluginIsRefused)
{
    const Bytes library = readFileBytes(builtPluginPath());
    // The section header table is at the end, so any cut loses part of it;
    // step through the file to keep the test quick.
    for (std::size_t length = 0; length < library.size(); length += 97) {
        EXPECT_THROW(studio::loader::ElfFile::parse(
                         Bytes(library.begin(), library.begin() + static_cast<std::ptrdiff_t>(length))),
                     FormatError)
            << "cut to " << length;
    }
}

}  // namespace
}  // namespace focara_test
