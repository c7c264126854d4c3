// The dialog action language, played on the plug-in's real dialog: any text
// is parsed or refused, and what parses is played as a user would, ending in
// a drawing, a cancel or a refusal, never a crash.
#include <cstdint>
#include <sstream>
#include <string>

#include "studio/host/Host.h"
#include "studio/host/RecordDefaults.h"
#include "studio/session/PluginRunner.h"
#include "studio/session/ResourceInstall.h"
#include "studio/session/ScriptedDriver.h"

extern "C" SPErr PluginMain(const char* caller, const char* selector, void* message);

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const auto resources = studio::loader::PluginResources::read(FOCARA_PLUGIN_PATH);
    std::vector<studio::ScriptAction> actions;
    try {
        actions = studio::parseScript(std::string(reinterpret_cast<const char*>(data), size), "--ui");
    } catch (const studio::ScriptError&) {
        return 0;
    }
    studio::Host host(studio::Document::makeDefault(), 1);
    studio::installResources(host.dialogs(), resources);
    std::ostringstream printed;
    studio::ScriptedDriver driver(host, std::move(actions), printed);
    host.dialogs().setDriver(&driver);
    {
        studio::PluginRunner runner(host, PluginMain);
        runner.startup();
        runner.setRecord(studio::defaultRecord(host.document()));
        runner.runFilter(true);
        runner.shutdown();
    }
    host.dialogs().setDriver(nullptr);
    return 0;
}
