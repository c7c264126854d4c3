#include "studio/cli/InkscapeExtension.h"

#include <cstdlib>
#include <iostream>
#include <string>

#include "studio/cli/InkscapeExtensionFiles.h"
#include "studio/io/AtomicFile.h"
#include "studio/io/Files.h"

namespace studio::cli {

namespace {

std::filesystem::path userExtensionFolder()
{
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::filesystem::path(config) / "inkscape" / "extensions";
    const char* home = std::getenv("HOME");
    if (!home || !*home) throw InputError("install-inkscape-extension: HOME is not set; name the folder with --dir");
    return std::filesystem::path(home) / ".config" / "inkscape" / "extensions";
}

// The script finds this focara without PATH: the placeholder line names it.
std::string scriptForThisFocara()
{
    std::string script(kInkscapeScript);
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::string placeholder = "FOCARA = \"focara\"";
    const size_t at = script.find(placeholder);
    if (!ec && at != std::string::npos) {
        std::string quoted;
        for (char c : self.string()) {
            if (c == '\\' || c == '"') quoted += '\\';
            quoted += c;
        }
        script.replace(at, placeholder.size(), "FOCARA = \"" + quoted + "\"");
    }
    return script;
}

}  // namespace

void installInkscapeExtension(const std::optional<std::filesystem::path>& folder)
{
    const std::filesystem::path target = folder ? *folder : userExtensionFolder();
    std::error_code ec;
    std::filesystem::create_directories(target, ec);
    if (ec) throw InputError(displayName(target) + ": cannot make the folder: " + ec.message());
    const std::filesystem::path inx = target / "focara_lines.inx";
    const std::filesystem::path script = target / "focara_lines.py";
    writeFileAtomically(inx, kInkscapeInx);
    writeFileAtomically(script, scriptForThisFocara());
    std::cout << "installed " << inx.string() << "\ninstalled " << script.string()
              << "\nrestart Inkscape: Extensions > Render > Focus lines (Focara)...\n";
}

}  // namespace studio::cli
