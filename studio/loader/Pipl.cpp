#include "studio/loader/Pipl.h"

#include <algorithm>
#include <cstdio>

#include "studio/loader/ByteReader.h"
#include "studio/loader/Errors.h"

namespace studio::loader {

namespace {

std::string quoted(std::uint32_t code) { return "'" + fourCharText(code) + "'"; }

bool isIdentifier(const std::string& name)
{
    const auto isAlpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    const auto isAlnum = [&](char c) { return isAlpha(c) || (c >= '0' && c <= '9'); };
    return !name.empty() && isAlpha(name.front()) && std::all_of(name.begin(), name.end(), isAlnum);
}

// The one property with that key; FormatError when it is missing or repeated.
const PiplProperty& single(const Pipl& pipl, std::uint32_t key, const char* meaning)
{
    const PiplProperty* found = nullptr;
    for (const auto& property : pipl.properties) {
        if (property.vendor != kPiplVendor || property.key != key) {
            continue;
        }
        if (found != nullptr) {
            throw FormatError("the " + quoted(key) + " property (" + meaning + ") is given twice");
        }
        found = &property;
    }
    if (found == nullptr) {
        throw FormatError("no " + quoted(key) + " property (" + meaning + ")");
    }
    return *found;
}

std::uint32_t wordOf(const PiplProperty& property, const char* meaning)
{
    if (property.data.size() != 4) {
        throw FormatError("the " + quoted(property.key) + " property (" + meaning + ") has " +
                          std::to_string(property.data.size()) + " data bytes, expected 4");
    }
    ByteReader r(property.data);
    return r.u32();
}

}  // namespace

std::string fourCharText(std::uint32_t code)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto c = static_cast<unsigned char>(code >> shift);
        if (c >= 0x20 && c < 0x7F) {
            text.push_back(static_cast<char>(c));
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            text += escaped;
        }
    }
    return text;
}

Pipl parsePipl(std::span<const std::uint8_t> data)
{
    Pipl pipl;
    ByteReader r(data);
    std::uint32_t count = 0;
    inContext("list header", [&] {
        pipl.format = r.u16();
        if (pipl.format != kPiplFormat) {
            throw FormatError("format word is " + std::to_string(pipl.format) + ", expected " +
                              std::to_string(kPiplFormat));
        }
        pipl.listVersion = r.u32();
        count = r.u32();
    });
    // No reserve: the count is unchecked until the properties are read.
    for (std::uint32_t i = 0; i < count; ++i) {
        inContext("property " + std::to_string(i + 1) + " of " + std::to_string(count), [&] {
            PiplProperty property;
            property.vendor = r.u32();
            property.key = r.u32();
            property.id = r.u32();
            const std::uint32_t length = r.u32();
            const auto bytes = r.take(length);
            property.data.assign(bytes.begin(), bytes.end());
            // The last property's padding may be missing at the end of the list.
            r.skip(std::min<std::size_t>((4 - length % 4) % 4, r.remaining()));
            pipl.properties.push_back(std::move(property));
        });
    }

    pipl.kind = wordOf(single(pipl, kPiplKindKey, "plug-in kind"), "plug-in kind");
    if (pipl.kind != kPluginKind) {
        throw FormatError("plug-in kind is " + quoted(pipl.kind) + ", expected " + quoted(kPluginKind));
    }
    pipl.interfaceVersion = wordOf(single(pipl, kPiplInterfaceVersionKey, "interface version"), "interface version");
    if (pipl.interfaceVersion != kPluginInterfaceVersion) {
        throw FormatError("interface version is " + std::to_string(pipl.interfaceVersion) + ", expected " +
                          std::to_string(kPluginInterfaceVersion));
    }
    const auto& entry = single(pipl, kPiplEntryPointKey, "entry point name").data;
    const auto end = std::find(entry.begin(), entry.end(), std::uint8_t{0});
    if (end == entry.end()) {
        throw FormatError("the entry point name is not zero-terminated");
    }
    pipl.entryPoint.assign(entry.begin(), end);
    if (!isIdentifier(pipl.entryPoint)) {
        throw FormatError("the entry point name \"" + pipl.entryPoint + "\" is not a C identifier");
    }
    return pipl;
}

}  // namespace studio::loader
