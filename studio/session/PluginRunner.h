// The host's side of the message road: sends the plug-in its messages through
// PluginMain, keeps its globals while it is unloaded, owns each filter's
// parameter record, and runs filters with or without their dialog.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "sdk/FocaraParams.h"
#include "sdk/SPPlugin.h"
#include "studio/host/Host.h"

namespace studio {

class PluginRunner {
public:
    // The plug-in behind entry answers messages about host's document. The
    // runner neither loads nor unloads the library.
    PluginRunner(Host& host, SPPluginMainProc entry);
    // Sends "Shutdown" if the plug-in was started and not shut down.
    ~PluginRunner();
    PluginRunner(const PluginRunner&) = delete;
    PluginRunner& operator=(const PluginRunner&) = delete;

    SPErr startup();
    SPErr shutdown();
    SPErr about();
    SPErr unload();
    SPErr reload();
    // Any message with the common header only (for callers and selectors the plug-in does not know).
    SPErr send(const char* caller, const char* selector);

    // How a filter run ended.
    enum class Outcome { Drawn, Cancelled, Failed };
    struct RunResult {
        Outcome outcome;
        SPErr code;  // the plug-in's result of the message that ended the run
    };
    // "AI Get Parameters" then, when accepted, "AI Go"; with withDialog false, "AI Go" alone.
    // Each run is one undo context. The filter is the first registered one.
    RunResult runFilter(bool withDialog);

    // The filter's parameter record as the host keeps it, once the plug-in has made one.
    std::optional<FocaraParams> record() const;
    // Gives the filter a record before its first run, as a stored preference would.
    void setRecord(const FocaraParams& record);

    bool started() const { return started_; }
    void* globals() const { return globals_; }

private:
    SPErr deliver(const char* caller, const char* selector, void* message);
    SPMessageData header();

    Host& host_;
    SPPluginMainProc entry_;
    void* globals_ = nullptr;  // the globals slot the host keeps for the plug-in
    AIMdMemoryHandle parameters_ = nullptr;
    bool started_ = false;
};

}  // namespace studio
