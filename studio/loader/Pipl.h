// The plug-in property list (resource type "PIPL"): a format word (1), a
// list version, a property count, then the properties. Each property is a
// vendor code, a key code, an id, a data length and the data, the next one
// starting at the following multiple of 4 bytes. Codes are 32-bit
// little-endian, so 'kind' is stored as the bytes "dnik".
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace studio::loader {

constexpr std::uint32_t fourCharCode(const char (&code)[5]) noexcept
{
    return (std::uint32_t(std::uint8_t(code[0])) << 24) | (std::uint32_t(std::uint8_t(code[1])) << 16) |
           (std::uint32_t(std::uint8_t(code[2])) << 8) | std::uint32_t(std::uint8_t(code[3]));
}

// The code as its four characters, first character from the top byte;
// an unprintable byte is written as \xNN.
std::string fourCharText(std::uint32_t code);

inline constexpr std::uint16_t kPiplFormat = 1;
inline constexpr std::uint32_t kPiplVendor = fourCharCode("ADBE");
inline constexpr std::uint32_t kPiplKindKey = fourCharCode("kind");
inline constexpr std::uint32_t kPiplInterfaceVersionKey = fourCharCode("ivrs");
inline constexpr std::uint32_t kPiplEntryPointKey = fourCharCode("wx86");
inline constexpr std::uint32_t kPluginKind = fourCharCode("SPEA");
inline constexpr std::uint32_t kPluginInterfaceVersion = 2;

struct PiplProperty {
    std::uint32_t vendor = 0;
    std::uint32_t key = 0;
    std::uint32_t id = 0;
    std::vector<std::uint8_t> data;
};

struct Pipl {
    std::uint16_t format = 0;
    std::uint32_t listVersion = 0;
    std::vector<PiplProperty> properties;  // in file order, all vendors
    std::uint32_t kind = 0;
    std::uint32_t interfaceVersion = 0;
    std::string entryPoint;
};

// Reads a property list and checks that it describes a plug-in this host
// can load: format 1, kind 'SPEA', interface version 2 and an entry point
// name that is a C identifier, each given once. FormatError otherwise.
// Properties of other vendors and keys are kept but not checked.
Pipl parsePipl(std::span<const std::uint8_t> data);

}  // namespace studio::loader
