// Finding the settings line an output carries: SVG <metadata>, PNG iTXt,
// PDF Subject, the JSON document's "settings" member.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace studio {

// The settings as the writer stored them, or nullopt when the bytes (an
// output of any of the four formats, told apart by their content) carry none.
std::optional<std::string> settingsInSvg(std::string_view svg);
std::optional<std::string> settingsInPng(std::string_view png);
std::optional<std::string> settingsInPdf(std::string_view pdf);
std::optional<std::string> settingsInJson(std::string_view json);
std::optional<std::string> embeddedSettings(std::string_view bytes);

// embeddedSettings of a file. Throws InputError naming the file when it
// cannot be read or carries no settings.
std::string readEmbeddedSettings(const std::filesystem::path& file);

}  // namespace studio
