// focara studio: the document, the Filter menu and the filter's dialog in a web page.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace studio::cli {

struct StudioCommandOptions {
    std::optional<std::filesystem::path> doc;     // else the default document
    std::optional<uint64_t> seed;                 // else from the clock
    int port = 8400;                              // 0: any free port
    std::optional<std::filesystem::path> plugin;  // else Vexo_Zoom.aip beside focara
};

// Serves the studio on 127.0.0.1 until SIGINT or SIGTERM; prints the address
// on stdout. Throws InputError for a bad document, plug-in or a taken port.
void studioCommand(const StudioCommandOptions& options);

}  // namespace studio::cli
