// A run of the filter that is nobody's business (a preset's picture, a frame
// of an animation): it draws in a document of its own with random numbers of
// its own, and the host's document, random numbers, record, dialog driver and
// armed faults are as they were after, whatever way it ends.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>

#include "studio/host/Host.h"
#include "studio/session/PluginRunner.h"

namespace studio {

class ScratchRun {
public:
    // Takes the host's document and random numbers aside; the host holds
    // `document` and `random` until the scratch run ends.
    ScratchRun(Host& host, PluginRunner& runner, Document document, RandomSource random);
    ~ScratchRun();
    ScratchRun(const ScratchRun&) = delete;
    ScratchRun& operator=(const ScratchRun&) = delete;

private:
    // The plug-in's library is loaded once per process: two hosts (tests run
    // several studios) never draw scratch runs through it at the same time.
    static std::mutex& drawing();

    std::lock_guard<std::mutex> lock_;
    Host& host_;
    PluginRunner& runner_;
    Document document_;
    RandomSource random_;
    std::optional<FocaraParams> record_;
    UiDriver* driver_;
    uint64_t drawsAtLastUndo_;
    FaultInjector faults_;
};

}  // namespace studio
