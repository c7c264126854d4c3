// Test helpers for the plug-in loader: the built plug-in, temporary files,
// and small ELF, .res and PIPL images made from scratch.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "studio/loader/ResourceFile.h"

namespace focara_test {

using Bytes = std::vector<std::uint8_t>;

// The plug-in library the build made, and the .res file inside it.
std::filesystem::path builtPluginPath();
std::filesystem::path builtResPath();
Bytes readFileBytes(const std::filesystem::path& path);
// The bytes of the built plug-in's .rsrc section.
Bytes builtRsrc();

// A fresh directory, removed with everything in it at the end of the scope.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const noexcept { return path_; }
    std::filesystem::path write(const std::string& name, const Bytes& bytes) const;

private:
    std::filesystem::path path_;
};

// Little-endian pieces.
void put16(Bytes& out, std::uint16_t value);
void put32(Bytes& out, std::uint32_t value);
void putText(Bytes& out, std::string_view text);  // the characters, no terminator

// A 64-bit little-endian ELF file of the given type (3: shared object) with
// these sections (name, bytes) and a section name table.
Bytes makeElf(const std::vector<std::pair<std::string, Bytes>>& sections, std::uint16_t type = 3);

struct ResEntry {
    studio::loader::ResourceName type;
    studio::loader::ResourceName name;
    std::uint16_t language = studio::loader::kLanguageEnglishUS;
    Bytes data;
};
// A .res file: the empty first entry, then the entries.
Bytes makeRes(const std::vector<ResEntry>& entries);

struct PiplEntry {
    std::string vendor;  // four characters as stored, e.g. "EBDA"
    std::string key;     // e.g. "dnik"
    Bytes data;
};
// A property list with format word 1, version 0 and the given properties.
Bytes makePipl(const std::vector<PiplEntry>& properties);
// The three properties of a valid plug-in list, to vary from.
std::vector<PiplEntry> validPiplEntries();
Bytes word(std::uint32_t value);
Bytes text(std::string_view characters);  // no terminator added

// A copy of the built plug-in whose .rsrc section has `from` replaced by
// `to` (same length) at its first occurrence.
Bytes patchedPlugin(std::string_view from, std::string_view to);

}  // namespace focara_test
