#include "studio/loader/ElfFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "studio/loader/ByteReader.h"
#include "studio/loader/Errors.h"

namespace studio::loader {

namespace {

constexpr std::size_t kHeaderSize = 64;
constexpr std::size_t kSectionHeaderSize = 64;
constexpr std::size_t kSymbolSize = 24;
constexpr std::uint16_t kSectionIndexExtended = 0xFFFF;  // SHN_XINDEX
constexpr std::uint32_t kSectionStringTable = 3;         // SHT_STRTAB
constexpr std::uint32_t kSectionDynamicSymbols = 11;     // SHT_DYNSYM
// A plug-in is a few megabytes; this only keeps a stray huge file out of memory.
constexpr std::uintmax_t kMaxFileSize = 512u * 1024 * 1024;

bool fits(std::uint64_t offset, std::uint64_t size, std::size_t total)
{
    return offset <= total && size <= total - offset;
}

// The zero-terminated name at offset inside a string table.
std::string nameAt(std::span<const std::uint8_t> table, std::uint32_t offset, std::string_view what)
{
    if (offset >= table.size()) {
        throw FormatError(std::string(what) + " name offset " + std::to_string(offset) +
                          " is outside its string table (" + std::to_string(table.size()) + " bytes)");
    }
    const auto rest = table.subspan(offset);
    const auto* end = static_cast<const std::uint8_t*>(std::memchr(rest.data(), 0, rest.size()));
    if (end == nullptr) {
        throw FormatError(std::string(what) + " name at offset " + std::to_string(offset) +
                          " runs past the end of its string table");
    }
    return std::string(reinterpret_cast<const char*>(rest.data()), static_cast<std::size_t>(end - rest.data()));
}

struct RawSection {
    std::uint32_t name = 0;
    ElfSection section;
};

RawSection readSectionHeader(std::span<const std::uint8_t> bytes, std::uint64_t offset)
{
    ByteReader r(bytes);
    r.seek(static_cast<std::size_t>(offset));
    RawSection raw;
    raw.name = r.u32();
    raw.section.type = r.u32();
    raw.section.flags = r.u64();
    r.skip(8);  // address
    raw.section.offset = r.u64();
    raw.section.size = r.u64();
    raw.section.link = r.u32();
    r.skip(4 + 8);  // info, alignment
    raw.section.entrySize = r.u64();
    return raw;
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        throw LoadError(path.string() + ": no such file");
    }
    if (!std::filesystem::is_regular_file(status)) {
        throw LoadError(path.string() + ": not a regular file");
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        throw LoadError(path.string() + ": cannot read its size: " + ec.message());
    }
    if (size > kMaxFileSize) {
        throw LoadError(path.string() + ": too large for a plug-in library (" + std::to_string(size) + " bytes)");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw LoadError(path.string() + ": cannot open: " + std::strerror(errno));
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size())) {
        throw LoadError(path.string() + ": cannot read all of its " + std::to_string(size) + " bytes");
    }
    return bytes;
}

}  // namespace

ElfFile ElfFile::read(const std::filesystem::path& path)
{
    auto bytes = readFile(path);
    try {
        return parse(std::move(bytes));
    } catch (const FormatError& error) {
        throw LoadError(path.string() + ": " + error.what());
    }
}

ElfFile ElfFile::parse(std::vector<std::uint8_t> bytes)
{
    static constexpr std::uint8_t kMagic[4] = {0x7F, 'E', 'L', 'F'};
    if (bytes.size() < sizeof kMagic || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
        throw FormatError("not an ELF file");
    }
    if (bytes.size() < kHeaderSize) {
        throw FormatError("not a valid ELF file: truncated header (" + std::to_string(bytes.size()) + " bytes)");
    }
    if (bytes[4] != 2) {
        throw FormatError("not a 64-bit ELF file (class " + std::to_string(bytes[4]) + ")");
    }
    if (bytes[5] != 1) {
        throw FormatError("not a little-endian ELF file (data encoding " + std::to_string(bytes[5]) + ")");
    }

    ElfFile file;
    ByteReader header(bytes);
    header.seek(16);
    file.type_ = header.u16();
    file.machine_ = header.u16();
    header.seek(40);
    const std::uint64_t tableOffset = header.u64();
    header.seek(58);
    const std::uint16_t entrySize = header.u16();
    std::uint64_t count = header.u16();
    std::uint32_t namesIndex = header.u16();

    if (tableOffset != 0) {
        if (entrySize < kSectionHeaderSize) {
            throw FormatError("section header size " + std::to_string(entrySize) + " is below " +
                              std::to_string(kSectionHeaderSize));
        }
        if (!fits(tableOffset, kSectionHeaderSize, bytes.size())) {
            throw FormatError("section header table at offset " + std::to_string(tableOffset) +
                              " lies past the end of the file (truncated?)");
        }
        // Files with many sections keep the real count and names index in section 0.
        const RawSection first = readSectionHeader(bytes, tableOffset);
        if (count == 0) {
            count = first.section.size;
        }
        if (namesIndex == kSectionIndexExtended) {
            namesIndex = first.section.link;
        }
        if (count > (bytes.size() - tableOffset) / entrySize) {
            throw FormatError("section header table (" + std::to_string(count) + " entries at offset " +
                              std::to_string(tableOffset) + ") runs past the end of the file (truncated?)");
        }
    } else {
        count = 0;
    }

    std::vector<RawSection> raw;
    raw.reserve(static_cast<std::size_t>(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        raw.push_back(readSectionHeader(bytes, tableOffset + i * entrySize));
        const ElfSection& s = raw.back().section;
        if (s.type != kElfSectionNoBits && !fits(s.offset, s.size, bytes.size())) {
            throw FormatError("section " + std::to_string(i) + " (offset " + std::to_string(s.offset) + ", " +
                              std::to_string(s.size) + " bytes) runs past the end of the file (truncated?)");
        }
    }

    std::span<const std::uint8_t> names;
    if (namesIndex != 0) {
        if (namesIndex >= count) {
            throw FormatError("section name table index " + std::to_string(namesIndex) + " is out of range (" +
                              std::to_string(count) + " sections)");
        }
        const ElfSection& table = raw[namesIndex].section;
        if (table.type != kSectionStringTable) {
            throw FormatError("section name table (section " + std::to_string(namesIndex) + ") is not a string table");
        }
        names = std::span<const std::uint8_t>(bytes).subspan(table.offset, table.size);
    }
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (!names.empty()) {
            raw[i].section.name = nameAt(names, raw[i].name, "section " + std::to_string(i));
        }
        file.sections_.push_back(std::move(raw[i].section));
    }
    file.bytes_ = std::move(bytes);
    return file;
}

const ElfSection* ElfFile::findSection(std::string_view name) const noexcept
{
    for (const auto& section : sections_) {
        if (section.name == name) {
            return &section;
        }
    }
    return nullptr;
}

std::span<const std::uint8_t> ElfFile::sectionData(const ElfSection& section) const noexcept
{
    // parse() checked the range of every section that has bytes.
    if (section.type == kElfSectionNoBits) {
        return {};
    }
    return std::span<const std::uint8_t>(bytes_).subspan(section.offset, section.size);
}

std::vector<std::string> ElfFile::exportedSymbols() const
{
    std::vector<std::string> names;
    for (const auto& table : sections_) {
        if (table.type != kSectionDynamicSymbols) {
            continue;
        }
        if (table.entrySize != kSymbolSize || table.size % kSymbolSize != 0) {
            throw FormatError("dynamic symbol table '" + table.name + "' has entries of " +
                              std::to_string(table.entrySize) + " bytes in " + std::to_string(table.size) +
                              " bytes, expected " + std::to_string(kSymbolSize) + "-byte entries");
        }
        if (table.link == 0 || table.link >= sections_.size() || sections_[table.link].type != kSectionStringTable) {
            throw FormatError("dynamic symbol table '" + table.name + "' links to no string table");
        }
        const auto strings = sectionData(sections_[table.link]);
        ByteReader r(sectionData(table));
        r.skip(std::min<std::size_t>(kSymbolSize, r.remaining()));  // symbol 0 is always empty
        while (!r.atEnd()) {
            const std::uint32_t name = r.u32();
            const std::uint8_t info = r.u8();
            const std::uint8_t other = r.u8();
            const std::uint16_t sectionIndex = r.u16();
            r.skip(16);  // value, size
            const unsigned binding = info >> 4;
            const unsigned visibility = other & 3;
            const bool defined = sectionIndex != 0;
            const bool global = binding == 1 || binding == 2 || binding == 10;  // GLOBAL, WEAK, GNU_UNIQUE
            const bool visible = visibility == 0 || visibility == 3;            // DEFAULT, PROTECTED
            if (defined && global && visible) {
                names.push_back(nameAt(strings, name, "dynamic symbol"));
            }
        }
    }
    return names;
}

bool ElfFile::exports(std::string_view name) const
{
    const std::vector<std::string> symbols = exportedSymbols();
    return std::find(symbols.begin(), symbols.end(), name) != symbols.end();
}

}  // namespace studio::loader
