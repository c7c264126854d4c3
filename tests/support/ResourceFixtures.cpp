#include "tests/support/ResourceFixtures.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "studio/loader/ElfFile.h"

namespace focara_test {

std::filesystem::path builtPluginPath() { return FOCARA_PLUGIN_PATH; }

std::filesystem::path builtResPath() { return FOCARA_PLUGIN_RES; }

Bytes readFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path.string());
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes builtRsrc()
{
    const auto elf = studio::loader::ElfFile::read(builtPluginPath());
    const auto* section = elf.findSection(".rsrc");
    if (section == nullptr) {
        throw std::runtime_error("the built plug-in has no .rsrc section");
    }
    const auto data = elf.sectionData(*section);
    return Bytes(data.begin(), data.end());
}

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "focara-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory");
    }
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDir::write(const std::string& name, const Bytes& bytes) const
{
    const auto file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
    return file;
}

void put16(Bytes& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(Bytes& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

namespace {

void put64(Bytes& out, std::uint64_t value)
{
    put32(out, static_cast<std::uint32_t>(value));
    put32(out, static_cast<std::uint32_t>(value >> 32));
}

void pad(Bytes& out, std::size_t alignment)
{
    while (out.size() % alignment != 0) {
        out.push_back(0);
    }
}

void putName(Bytes& out, const studio::loader::ResourceName& name)
{
    if (name.isOrdinal()) {
        put16(out, 0xFFFF);
        put16(out, name.ordinal());
        return;
    }
    for (char c : name.text()) {
        put16(out, static_cast<std::uint8_t>(c));
    }
    put16(out, 0);
}

void putEntry(Bytes& out, const ResEntry& entry)
{
    Bytes header;
    putName(header, entry.type);
    putName(header, entry.name);
    pad(header, 4);
    put32(header, 0);     // data version
    put16(header, 0x30);  // memory flags
    put16(header, entry.language);
    put32(header, 0);  // version
    put32(header, 0);  // characteristics
    put32(out, static_cast<std::uint32_t>(entry.data.size()));
    put32(out, static_cast<std::uint32_t>(header.size() + 8));
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), entry.data.begin(), entry.data.end());
    pad(out, 4);
}

}  // namespace

void putText(Bytes& out, std::string_view characters) { out.insert(out.end(), characters.begin(), characters.end()); }

Bytes makeElf(const std::vector<std::pair<std::string, Bytes>>& sections, std::uint16_t type)
{
    // Layout: header, section contents, name table, section headers.
    Bytes names{0};
    std::vector<std::uint32_t> nameOffsets;
    for (const auto& [name, data] : sections) {
        nameOffsets.push_back(static_cast<std::uint32_t>(names.size()));
        putText(names, name);
        names.push_back(0);
    }
    const auto namesName = static_cast<std::uint32_t>(names.size());
    putText(names, ".shstrtab");
    names.push_back(0);

    Bytes out(64, 0);
    std::vector<std::pair<std::uint64_t, std::uint64_t>> placed;  // offset, size
    for (const auto& [name, data] : sections) {
        placed.emplace_back(out.size(), data.size());
        out.insert(out.end(), data.begin(), data.end());
    }
    const std::uint64_t namesOffset = out.size();
    out.insert(out.end(), names.begin(), names.end());
    pad(out, 8);
    const std::uint64_t tableOffset = out.size();

    const auto sectionHeader = [&](std::uint32_t name, std::uint32_t shType, std::uint64_t offset, std::uint64_t size) {
        put32(out, name);
        put32(out, shType);
        put64(out, 0);  // flags
        put64(out, 0);  // address
        put64(out, offset);
        put64(out, size);
        put32(out, 0);  // link
        put32(out, 0);  // info
        put64(out, 1);  // alignment
        put64(out, 0);  // entry size
    };
    sectionHeader(0, 0, 0, 0);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        sectionHeader(nameOffsets[i], 1, placed[i].first, placed[i].second);
    }
    sectionHeader(namesName, 3, namesOffset, names.size());

    Bytes header;
    putText(header, "\x7F"
                    "ELF");
    header.insert(header.end(), {2, 1, 1, 0});  // 64-bit, little-endian, version 1, System V
    header.resize(16, 0);
    put16(header, type);
    put16(header, 62);  // x86-64
    put32(header, 1);
    put64(header, 0);  // entry
    put64(header, 0);  // program headers
    put64(header, tableOffset);
    put32(header, 0);   // flags
    put16(header, 64);  // header size
    put16(header, 56);
    put16(header, 0);
    put16(header, 64);
    put16(header, static_cast<std::uint16_t>(sections.size() + 2));
    put16(header, static_cast<std::uint16_t>(sections.size() + 1));
    std::copy(header.begin(), header.end(), out.begin());
    return out;
}

Bytes makeRes(const std::vector<ResEntry>& entries)
{
    Bytes out;
    putEntry(out, ResEntry{std::uint16_t{0}, std::uint16_t{0}, 0, {}});
    for (const auto& entry : entries) {
        putEntry(out, entry);
    }
    return out;
}

Bytes word(std::uint32_t value)
{
    Bytes out;
    put32(out, value);
    return out;
}

Bytes text(std::string_view characters) { return Bytes(characters.begin(), characters.end()); }

Bytes makePipl(const std::vector<PiplEntry>& properties)
{
    Bytes out;
    put16(out, 1);
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(properties.size()));
    for (const auto& property : properties) {
        putText(out, property.vendor);
        putText(out, property.key);
        put32(out, 0);
        put32(out, static_cast<std::uint32_t>(property.data.size()));
        out.insert(out.end(), property.data.begin(), property.data.end());
        for (std::size_t n = property.data.size(); n % 4 != 0; ++n) {
            out.push_back(0);
        }
    }
    out.push_back(0);
    return out;
}

std::vector<PiplEntry> validPiplEntries()
{
    using namespace std::string_view_literals;
    return {
        {"EBDA", "dnik", text("AEPS")},
        {"EBDA", "srvi", word(2)},
        {"EBDA", "68xw", text("PluginMain\0\0"sv)},
    };
}

Bytes patchedPlugin(std::string_view from, std::string_view to)
{
    if (from.size() != to.size()) {
        throw std::invalid_argument("a patch keeps the length");
    }
    Bytes bytes = readFileBytes(builtPluginPath());
    const auto elf = studio::loader::ElfFile::read(builtPluginPath());
    const auto* section = elf.findSection(".rsrc");
    if (section == nullptr) {
        throw std::runtime_error("the built plug-in has no .rsrc section");
    }
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(section->offset);
    const auto end = begin + static_cast<std::ptrdiff_t>(section->size);
    const auto at = std::search(begin, end, from.begin(), from.end());
    if (at == end) {
        throw std::runtime_error("the .rsrc section does not hold the text to patch");
    }
    std::copy(to.begin(), to.end(), at);
    return bytes;
}

}  // namespace focara_test
