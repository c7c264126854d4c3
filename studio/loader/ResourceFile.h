// The compiled resource (.res) format: a sequence of resources, each a header
// (data size, header size, type, name, data version, memory flags, language,
// version, characteristics) and its data, both padded to 4 bytes. The file
// begins with an empty resource that marks the format.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace studio::loader {

// Numbered resource types.
namespace rt {
inline constexpr std::uint16_t kCursor = 1;
inline constexpr std::uint16_t kIcon = 3;
inline constexpr std::uint16_t kDialog = 5;
inline constexpr std::uint16_t kString = 6;
inline constexpr std::uint16_t kGroupCursor = 12;
inline constexpr std::uint16_t kGroupIcon = 14;
}  // namespace rt

inline constexpr std::uint16_t kLanguageEnglishUS = 1033;

// A 16-bit ordinal or a text, the two ways resource formats name things.
using NameOrOrdinal = std::variant<std::uint16_t, std::string>;

// A resource's type or name. Text names match without regard to ASCII case,
// as resource look-ups do; they are kept in upper case.
class ResourceName {
public:
    ResourceName(std::uint16_t ordinal) noexcept : value_(ordinal) {}
    ResourceName(std::string_view text);
    ResourceName(const char* text) : ResourceName(std::string_view(text)) {}

    bool isOrdinal() const noexcept { return std::holds_alternative<std::uint16_t>(value_); }
    // The ordinal, or 0 for a text name.
    std::uint16_t ordinal() const noexcept;
    // The text, or "" for an ordinal.
    std::string_view text() const noexcept;
    // "16000" or "\"PIPL\"", for messages.
    std::string toString() const;

    friend bool operator==(const ResourceName&, const ResourceName&) = default;
    friend auto operator<=>(const ResourceName&, const ResourceName&) = default;

private:
    NameOrOrdinal value_;
};

struct Resource {
    ResourceName type = std::uint16_t{0};
    ResourceName name = std::uint16_t{0};
    std::uint16_t language = 0;
    std::uint32_t dataVersion = 0;
    std::uint16_t memoryFlags = 0;
    std::uint32_t version = 0;
    std::uint32_t characteristics = 0;
    std::vector<std::uint8_t> data;
};

// "DIALOG 16050 (language 1033)", for messages.
std::string describe(const Resource& resource);

class ResourceFile {
public:
    // FormatError for anything that is not a complete, well-formed .res file,
    // or that holds one (type, name, language) twice.
    static ResourceFile parse(std::span<const std::uint8_t> bytes);
    // Resources read some other way (a Windows DLL's resource tree). The
    // same FormatError for one (type, name, language) twice.
    static ResourceFile fromResources(std::vector<Resource> resources);

    // In file order, without the empty first entry.
    const std::vector<Resource>& resources() const noexcept { return resources_; }
    const Resource* find(const ResourceName& type, const ResourceName& name, std::uint16_t language) const noexcept;
    // The one in language if there is one, else the first of that type and name.
    const Resource* findPreferring(const ResourceName& type, const ResourceName& name,
                                   std::uint16_t language) const noexcept;
    std::vector<const Resource*> ofType(const ResourceName& type) const;

private:
    std::vector<Resource> resources_;
};

}  // namespace studio::loader
