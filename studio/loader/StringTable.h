// String resources. They are stored in blocks of 16: block b holds the
// strings with ids (b - 1) * 16 to (b - 1) * 16 + 15, each a UTF-16 length
// followed by that many UTF-16 units; length 0 means the id has no string.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "studio/loader/ResourceFile.h"

namespace studio::loader {

// The 16 strings of one block, as UTF-8. FormatError for a truncated block.
std::array<std::optional<std::string>, 16> decodeStringBlock(std::span<const std::uint8_t> data);

class StringTable {
public:
    StringTable() = default;
    // Every string block of the file, the block in language where there is
    // one, else the first. FormatError names the block that is malformed.
    static StringTable fromResources(const ResourceFile& file, std::uint16_t language);

    std::optional<std::string> string(std::uint16_t id) const;
    const std::map<std::uint16_t, std::string>& strings() const noexcept { return strings_; }

private:
    std::map<std::uint16_t, std::string> strings_;
};

}  // namespace studio::loader
