#include "studio/session/PluginRunner.h"

#include <cstring>
#include <mutex>
#include <stdexcept>

#include "studio/suites/BasicSuite.h"

namespace studio {

namespace {
// The plug-in reference the host passes back and forth; one plug-in per runner.
SPPluginRef pluginRef(const PluginRunner* runner)
{
    return reinterpret_cast<SPPluginRef>(const_cast<PluginRunner*>(runner));
}
}  // namespace

PluginRunner::PluginRunner(Host& host, SPPluginMainProc entry) : host_(host), entry_(entry)
{
    if (!entry_) throw std::invalid_argument("the plug-in has no entry point");
}

PluginRunner::~PluginRunner()
{
    if (started_) shutdown();
    if (parameters_) host_.disposeHandle(parameters_);
}

SPMessageData PluginRunner::header() { return {0, pluginRef(this), globals_, studio::basicSuite()}; }

SPErr PluginRunner::deliver(const char* caller, const char* selector, void* message)
{
    // A loaded plug-in keeps its suite pointers in process-wide globals, so
    // two hosts of one process (two studios, a test's servers) take turns.
    static std::recursive_mutex pluginMain;
    std::lock_guard lock(pluginMain);
    SPErr result = entry_(caller, selector, message);
    globals_ = static_cast<SPMessageData*>(message)->globals;
    return result;
}

SPErr PluginRunner::send(const char* caller, const char* selector)
{
    SPMessageData message = header();
    return deliver(caller, selector, &message);
}

SPErr PluginRunner::startup()
{
    SPErr err = send(kSPInterfaceCaller, kSPInterfaceStartupSelector);
    started_ = true;  // a failed start-up still gets its shutdown
    return err;
}

SPErr PluginRunner::shutdown()
{
    started_ = false;
    return send(kSPInterfaceCaller, kSPInterfaceShutdownSelector);
}

SPErr PluginRunner::about() { return send(kSPInterfaceCaller, kSPInterfaceAboutSelector); }
SPErr PluginRunner::unload() { return send(kSPAccessCaller, kSPAccessUnloadSelector); }
SPErr PluginRunner::reload() { return send(kSPAccessCaller, kSPAccessReloadSelector); }

PluginRunner::RunResult PluginRunner::runFilter(bool withDialog)
{
    if (host_.filters().empty()) return {Outcome::Failed, kBadParameterErr};
    AIFilterMessage message{header(), reinterpret_cast<AIFilterHandle>(uintptr_t{1}), parameters_};
    host_.beginUndoContext();
    if (withDialog) {
        std::optional<std::vector<unsigned char>> recordBefore;
        if (auto* bytes = parameters_ ? host_.handleBytes(parameters_) : nullptr) recordBefore = *bytes;
        SPErr err = deliver(kCallerAIFilter, kSelectorAIGetFilterParameters, &message);
        parameters_ = message.parameters;
        if (err) {
            // A cancelled or failed dialog leaves the document and the record as
            // they were, even when the plug-in could not take its previews back.
            host_.document().undo();
            auto* bytes = parameters_ ? host_.handleBytes(parameters_) : nullptr;
            if (bytes && recordBefore && bytes->size() == recordBefore->size()) *bytes = *recordBefore;
        }
        if (err == kCanceledErr) return {Outcome::Cancelled, err};
        if (err) return {Outcome::Failed, err};
    }
    message.d = header();
    SPErr err = deliver(kCallerAIFilter, kSelectorAIGoFilter, &message);
    parameters_ = message.parameters;
    return {err ? Outcome::Failed : Outcome::Drawn, err};
}

std::optional<FocaraParams> PluginRunner::record() const
{
    auto* bytes = parameters_ ? host_.handleBytes(parameters_) : nullptr;
    if (!bytes || bytes->size() != sizeof(FocaraParams)) return std::nullopt;
    FocaraParams record;
    std::memcpy(&record, bytes->data(), sizeof record);
    return record;
}

void PluginRunner::setRecord(const FocaraParams& record)
{
    if (!parameters_) parameters_ = host_.newHandle(sizeof(FocaraParams));
    auto* bytes = host_.handleBytes(parameters_);
    std::memcpy(bytes->data(), &record, sizeof record);
}

}  // namespace studio
