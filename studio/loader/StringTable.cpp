#include "studio/loader/StringTable.h"

#include <string>

#include "studio/loader/ByteReader.h"
#include "studio/loader/Errors.h"

namespace studio::loader {

namespace {

constexpr std::uint16_t kLastBlock = 4096;  // holds ids 65520 to 65535

}  // namespace

std::array<std::optional<std::string>, 16> decodeStringBlock(std::span<const std::uint8_t> data)
{
    std::array<std::optional<std::string>, 16> strings;
    ByteReader r(data);
    for (std::size_t i = 0; i < strings.size(); ++i) {
        inContext("string " + std::to_string(i) + " of the block", [&] {
            const std::uint16_t length = r.u16();
            if (length == 0) {
                return;
            }
            const auto bytes = r.take(std::size_t{length} * 2);
            std::u16string units(length, u'\0');
            for (std::size_t k = 0; k < length; ++k) {
                units[k] = static_cast<char16_t>(bytes[2 * k] | (bytes[2 * k + 1] << 8));
            }
            strings[i] = utf16ToUtf8(units);
        });
    }
    return strings;
}

StringTable StringTable::fromResources(const ResourceFile& file, std::uint16_t language)
{
    StringTable table;
    std::map<std::uint16_t, const Resource*> blocks;
    for (const Resource* block : file.ofType(rt::kString)) {
        const std::uint16_t number = block->name.ordinal();
        if (!block->name.isOrdinal() || number == 0 || number > kLastBlock) {
            throw FormatError(describe(*block) + ": a string block must be numbered 1 to " +
                              std::to_string(kLastBlock));
        }
        auto [it, added] = blocks.emplace(number, block);
        if (!added && block->language == language && it->second->language != language) {
            it->second = block;
        }
    }
    for (const auto& [number, block] : blocks) {
        const auto& data = block->data;  // clang 14 cannot capture a structured binding
        const auto strings = inContext(describe(*block), [&] { return decodeStringBlock(data); });
        for (std::size_t i = 0; i < strings.size(); ++i) {
            if (strings[i]) {
                table.strings_.emplace(static_cast<std::uint16_t>((number - 1) * 16 + i), *strings[i]);
            }
        }
    }
    return table;
}

std::optional<std::string> StringTable::string(std::uint16_t id) const
{
    const auto it = strings_.find(id);
    if (it == strings_.end()) {
        return std::nullopt;
    }
    return it->second;
}

}  // namespace studio::loader
