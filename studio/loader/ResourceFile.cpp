#include "studio/loader/ResourceFile.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "studio/loader/ByteReader.h"
#include "studio/loader/Errors.h"

namespace studio::loader {

namespace {

constexpr std::uint16_t kOrdinalMark = 0xFFFF;

std::string toUpperAscii(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
    return upper;
}

ResourceName readName(ByteReader& r, std::string_view what)
{
    return inContext(what, [&]() -> ResourceName {
        const std::size_t start = r.offset();
        if (r.u16() == kOrdinalMark) {
            return r.u16();
        }
        r.seek(start);
        std::string text = r.utf16z();
        if (text.empty()) {
            throw FormatError("empty name");
        }
        return ResourceName(text);
    });
}

std::string typeText(const ResourceName& type)
{
    if (!type.isOrdinal()) {
        return std::string(type.text());
    }
    switch (type.ordinal()) {
    case rt::kCursor: return "CURSOR";
    case rt::kIcon: return "ICON";
    case rt::kDialog: return "DIALOG";
    case rt::kString: return "STRINGTABLE block";
    case rt::kGroupCursor: return "GROUP_CURSOR";
    case rt::kGroupIcon: return "GROUP_ICON";
    default: return "type " + std::to_string(type.ordinal());
    }
}

}  // namespace

ResourceName::ResourceName(std::string_view text) : value_(toUpperAscii(text)) {}

std::uint16_t ResourceName::ordinal() const noexcept
{
    const auto* ordinal = std::get_if<std::uint16_t>(&value_);
    return ordinal != nullptr ? *ordinal : 0;
}

std::string_view ResourceName::text() const noexcept
{
    const auto* text = std::get_if<std::string>(&value_);
    return text != nullptr ? std::string_view(*text) : std::string_view();
}

std::string ResourceName::toString() const
{
    return isOrdinal() ? std::to_string(ordinal()) : "\"" + std::string(text()) + "\"";
}

std::string describe(const Resource& resource)
{
    return typeText(resource.type) + " " + resource.name.toString() + " (language " +
           std::to_string(resource.language) + ")";
}

ResourceFile ResourceFile::parse(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty()) {
        throw FormatError("empty resource data");
    }
    ResourceFile file;
    std::set<std::tuple<ResourceName, ResourceName, std::uint16_t>> seen;
    ByteReader r(bytes);
    for (std::size_t index = 0; !r.atEnd(); ++index) {
        const std::size_t start = r.offset();
        Resource resource;
        std::span<const std::uint8_t> data;
        inContext("resource " + std::to_string(index) + " at offset " + std::to_string(start), [&] {
            const std::uint32_t dataSize = r.u32();
            const std::uint32_t headerSize = r.u32();
            if (headerSize < 8) {
                throw FormatError("header size " + std::to_string(headerSize) + " is below 8");
            }
            // The header's fields are read inside its own span, so that they
            // cannot run into the data, and must fill it exactly.
            ByteReader h(r.take(headerSize - 8));
            resource.type = readName(h, "type");
            resource.name = readName(h, "name");
            inContext("header", [&] {
                h.alignTo(4);
                resource.dataVersion = h.u32();
                resource.memoryFlags = h.u16();
                resource.language = h.u16();
                resource.version = h.u32();
                resource.characteristics = h.u32();
            });
            if (!h.atEnd()) {
                throw FormatError("header size " + std::to_string(headerSize) + " leaves " +
                                  std::to_string(h.remaining()) + " bytes unread");
            }
            data = inContext(describe(resource) + " data", [&] { return r.take(dataSize); });
            inContext(describe(resource) + " padding", [&] { r.alignTo(4); });
        });

        if (index == 0) {
            if (resource.type != ResourceName(std::uint16_t{0}) || resource.name != ResourceName(std::uint16_t{0}) ||
                !data.empty()) {
                throw FormatError("not a .res file: it does not begin with the empty resource entry");
            }
            continue;
        }
        if (!seen.emplace(resource.type, resource.name, resource.language).second) {
            throw FormatError("resource " + std::to_string(index) + ": " + describe(resource) + " appears twice");
        }
        resource.data.assign(data.begin(), data.end());
        file.resources_.push_back(std::move(resource));
    }
    return file;
}

ResourceFile ResourceFile::fromResources(std::vector<Resource> resources)
{
    std::set<std::tuple<ResourceName, ResourceName, std::uint16_t>> seen;
    for (const Resource& resource : resources) {
        if (!seen.emplace(resource.type, resource.name, resource.language).second) {
            throw FormatError(describe(resource) + " appears twice");
        }
    }
    ResourceFile file;
    file.resources_ = std::move(resources);
    return file;
}

const Resource* ResourceFile::find(const ResourceName& type, const ResourceName& name,
                                   std::uint16_t language) const noexcept
{
    for (const auto& resource : resources_) {
        if (resource.type == type && resource.name == name && resource.language == language) {
            return &resource;
        }
    }
    return nullptr;
}

const Resource* ResourceFile::findPreferring(const ResourceName& type, const ResourceName& name,
                                             std::uint16_t language) const noexcept
{
    if (const Resource* exact = find(type, name, language)) {
        return exact;
    }
    for (const auto& resource : resources_) {
        if (resource.type == type && resource.name == name) {
            return &resource;
        }
    }
    return nullptr;
}

std::vector<const Resource*> ResourceFile::ofType(const ResourceName& type) const
{
    std::vector<const Resource*> found;
    for (const auto& resource : resources_) {
        if (resource.type == type) {
            found.push_back(&resource);
        }
    }
    return found;
}

}  // namespace studio::loader
