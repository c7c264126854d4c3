// Just enough of a 64-bit little-endian ELF file to find its sections and its
// exported dynamic symbols. Every offset and size is checked against the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace studio::loader {

inline constexpr std::uint16_t kElfTypeSharedObject = 3;  // ET_DYN
inline constexpr std::uint32_t kElfSectionNoBits = 8;     // SHT_NOBITS: no bytes in the file

struct ElfSection {
    std::string name;
    std::uint32_t type = 0;
    std::uint64_t flags = 0;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::uint32_t link = 0;
    std::uint64_t entrySize = 0;
};

class ElfFile {
public:
    // Reads the whole file and checks it. LoadError, whose message begins
    // with the path, for a missing, unreadable, non-ELF or malformed file.
    static ElfFile read(const std::filesystem::path& path);
    // Checks bytes already in memory. FormatError for a non-ELF or malformed file.
    static ElfFile parse(std::vector<std::uint8_t> bytes);

    std::uint16_t type() const noexcept { return type_; }
    std::uint16_t machine() const noexcept { return machine_; }
    const std::vector<ElfSection>& sections() const noexcept { return sections_; }
    // The first section of that name, or null.
    const ElfSection* findSection(std::string_view name) const noexcept;
    // The section's bytes in the file; empty for a section without any.
    std::span<const std::uint8_t> sectionData(const ElfSection& section) const noexcept;
    // Names of the symbols the dynamic symbol table exports: defined, global
    // or weak, not hidden. FormatError for a malformed table.
    std::vector<std::string> exportedSymbols() const;
    // Whether the dynamic symbol table exports name: answered from the file's
    // bytes, so a library can be refused before loading runs any of its code.
    bool exports(std::string_view name) const;

private:
    ElfFile() = default;

    std::vector<std::uint8_t> bytes_;
    std::uint16_t type_ = 0;
    std::uint16_t machine_ = 0;
    std::vector<ElfSection> sections_;
};

}  // namespace studio::loader
