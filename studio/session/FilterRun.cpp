#include "studio/session/FilterRun.h"

#include "studio/io/Files.h"
#include "studio/loader/Errors.h"
#include "studio/loader/ProgramFile.h"
#include "studio/session/ResourceInstall.h"

namespace studio {

namespace {
constexpr char kPluginFileName[] = "Vexo_Zoom.aip";

studio::loader::PluginLibrary openLibrary(const std::filesystem::path& path)
{
    try {
        return studio::loader::PluginLibrary(path);
    } catch (const studio::loader::LoadError& e) {
        throw InputError(e.what());
    }
}
}  // namespace

std::filesystem::path defaultPluginPath()
{
    const std::filesystem::path self = studio::loader::runningProgram();
    if (self.empty()) return kPluginFileName;
    return self.parent_path() / kPluginFileName;
}

PluginSession::PluginSession(Host& host, const std::filesystem::path& library)
    : host_(host), library_(openLibrary(library))
{
    installResources(host_.dialogs(), library_.resources());
    runner_ = std::make_unique<PluginRunner>(host_, library_.entryPoint());
    startup_ = runner_->startup();
}

std::vector<std::string> PluginSession::takeErrorReports()
{
    std::vector<std::string> lines;
    const auto& shown = host_.dialogs().shown();
    for (; reported_ < shown.size(); ++reported_) {
        const ShownDialog& d = shown[reported_];
        if (d.name != "Error Dialog") continue;
        std::string message, code;
        for (const auto& [id, text] : d.texts) {
            if (id == 2) message = text;
            if (id == 3) code = text;
        }
        lines.push_back("Plug-in Error: " + message + " (" + code + ")");
    }
    const auto& alerts = host_.dialogs().alerts();
    for (; alertsReported_ < alerts.size(); ++alertsReported_)
        lines.push_back("Plug-in Alert: " + alerts[alertsReported_]);
    return lines;
}

}  // namespace studio
