// The frames of an animation of focus lines: the first is the drawing of a
// run (the dialog's, or a kept one); every later one draws that run's record
// again with "AI Go" alone, on the document the run began with, the random
// numbers seeded one more each frame (seed + 1, seed + 2, ...). The command
// and the studio draw their frames so.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "sdk/FocaraParams.h"
#include "studio/document/Document.h"
#include "studio/document/ReferenceArea.h"
#include "studio/host/Host.h"
#include "studio/session/PluginRunner.h"

namespace studio {

// The seed of frame `index` (from 0): seed + index, wrapping past 2^64 - 1.
uint64_t frameSeed(uint64_t seed, int index);

// The record every later frame draws: what the first frame's run left, with
// previewDrawn 0, so that "AI Go" draws afresh instead of keeping a preview.
FocaraParams laterFrameRecord(FocaraParams first);

// What a later frame's run left.
struct FrameRun {
    uint64_t seed = 0;
    uint64_t drawsBefore = 0;               // random numbers drawn before the frame's drawing began
    FocaraParams record{};                  // the record after the run
    std::optional<std::string> endedEarly;  // why the run ended early, if it did (what it drew is the frame)
};

// One later frame, drawn by the host's own plug-in in a scratch run: "AI Go"
// alone with `record` on a copy of `start`, the random numbers seeded
// `seed`; with an area, the run's paths pushed out to it. `drawn` sees the
// frame; after it the host is as it was.
FrameRun drawLaterFrame(Host& host, PluginRunner& runner, const Document& start, const FocaraParams& record,
                        uint64_t seed, const std::optional<ReferenceArea>& area,
                        const std::function<void(const Document&, const FrameRun&)>& drawn);

}  // namespace studio
