// How the command runs the plug-in: it loads the library Vexo_Zoom.aip and
// talks to it only through PluginMain, as any host would.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "studio/host/Host.h"
#include "studio/loader/PluginLibrary.h"
#include "studio/session/PluginRunner.h"

namespace studio {

// The plug-in beside the running focara executable.
std::filesystem::path defaultPluginPath();

// A loaded and started plug-in answering one host. Shuts it down and unloads it when it goes.
class PluginSession {
public:
    // Throws InputError naming the file when the library is missing or is not a plug-in.
    PluginSession(Host& host, const std::filesystem::path& library);

    PluginRunner& runner() { return *runner_; }
    const studio::loader::PluginLibrary& library() const { return library_; }
    SPErr startupResult() const { return startup_; }

    // The error dialogs the plug-in showed since the last call, as
    // "Plug-in Error: MESSAGE (CODE)" lines.
    std::vector<std::string> takeErrorReports();

private:
    Host& host_;
    studio::loader::PluginLibrary library_;
    std::unique_ptr<PluginRunner> runner_;
    SPErr startup_ = 0;
    size_t reported_ = 0;
    size_t alertsReported_ = 0;
};

}  // namespace studio
