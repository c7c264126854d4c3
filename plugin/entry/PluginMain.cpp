// The plug-in's only export: every host message arrives here.
#include <type_traits>

#include "plugin/entry/ErrorReport.h"
#include "plugin/entry/Handlers.h"
#include "plugin/suites/SuitePointers.h"

namespace {

struct MessageHandler {
    const char* caller;
    const char* selector;
    SPErr (*handler)(SPMessageData* message);
};

// "SP Access" messages run without suites; the others inside an acquisition.
// clang-format off
const MessageHandler kAccessHandlers[] = {
    {kSPAccessCaller, kSPAccessUnloadSelector, Unload},
    {kSPAccessCaller, kSPAccessReloadSelector, Reload},
};
// clang-format on

// clang-format off
const MessageHandler kHandlers[] = {
    {kSPInterfaceCaller, kSPInterfaceStartupSelector, Startup},
    {kSPInterfaceCaller, kSPInterfaceAboutSelector, About},
    {kSPInterfaceCaller, kSPInterfaceShutdownSelector, Shutdown},
    {kCallerAIMenu, kSelectorAIGoMenuItem, GoMenuItem},
    {kCallerAIMenu, kSelectorAIUpdateMenuItem, UpdateMenuItem},
    {kCallerAIFilter, kSelectorAIGetFilterParameters, GetFilterParameters},
    {kCallerAIFilter, kSelectorAIGoFilter, GoFilter},
};
// clang-format on

template <size_t N>
SPErr Dispatch(const MessageHandler (&table)[N], const SPBasicSuite* basic, const char* caller, const char* selector,
               SPMessageData* message)
{
    for (const MessageHandler& h : table)
        if (basic->IsEqual(caller, h.caller) && basic->IsEqual(selector, h.selector)) return h.handler(message);
    return kNoErr;  // messages the plug-in does not answer
}

}  // namespace

extern "C" __attribute__((visibility("default"))) SPErr SPAPI PluginMain(const char* caller, const char* selector,
                                                                         void* message)
{
    SPMessageData* data = static_cast<SPMessageData*>(message);
    const SPBasicSuite* basic = data->basic;

    if (basic->IsEqual(caller, kSPAccessCaller)) return Dispatch(kAccessHandlers, basic, caller, selector, data);

    SPErr result = AcquireSuites(basic);
    if (!result) result = Dispatch(kHandlers, basic, caller, selector, data);
    if (result && result != kSPSuiteNotFoundError) ReportError(data, result);
    SPErr released = ReleaseSuites(basic);
    return result ? result : released;
}

// Hosts call the entry point through SPPluginMainProc; on 32-bit Windows the
// calling convention is part of that type, so a mismatch stops the build.
static_assert(std::is_same_v<decltype(&PluginMain), SPPluginMainProc>);
