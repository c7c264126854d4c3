// The focara command's subcommands. Bad input throws studio::InputError with
// one line naming the file or option; nothing is written then.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace studio::cli {

struct RenderOptions {
    std::optional<std::filesystem::path> doc;         // else the default document
    std::optional<std::filesystem::path> params;      // else the plug-in's defaults
    std::optional<std::filesystem::path> saveParams;  // the record after the run
    std::optional<uint64_t> seed;                     // else from the clock
    std::vector<std::string> sets;                    // FIELD=VALUE, applied in order
    bool noDialog = false;
    std::optional<std::filesystem::path> plugin;      // else Vexo_Zoom.aip beside focara
    std::filesystem::path output;  // .svg or .json
};

// The plug-in showed its error dialog: what() holds its "Plug-in Error: ..." lines.
class PluginReportedError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs the filter on the document and writes it. Prints "seed: N" on stderr.
void render(const RenderOptions& options);

// Prints the record's fields by name as JSON on stdout.
void showParams(const std::filesystem::path& file);

struct MakeParamsOptions {
    std::optional<std::filesystem::path> doc;  // its view centre is the default zoom centre
    std::vector<std::string> sets;
    std::filesystem::path output;
};

// Writes the default record plus changes.
void makeParams(const MakeParamsOptions& options);

// Prints the texts of the plug-in's About box.
void about(const std::optional<std::filesystem::path>& plugin);

// Prints the plug-in's property list, the filter it registered and the suites it acquired.
void info(const std::optional<std::filesystem::path>& plugin);

// "--seed" text as a seed: a decimal whole number that fits 64 bits.
uint64_t parseSeed(const std::string& text);

}  // namespace studio::cli
