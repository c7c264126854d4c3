// focara install-inkscape-extension: the extension's two files, built into
// the program, written to the user's Inkscape extension folder.
#pragma once

#include <filesystem>
#include <optional>

namespace studio::cli {

// Writes focara_lines.inx and focara_lines.py into folder, or else into
// $XDG_CONFIG_HOME/inkscape/extensions (~/.config/inkscape/extensions), the
// script set to run this focara. Prints the files written. Throws InputError
// naming the folder when it cannot be made or written.
void installInkscapeExtension(const std::optional<std::filesystem::path>& folder);

}  // namespace studio::cli
