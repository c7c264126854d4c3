// File > Export Animation: the frames of the last drawing the filter kept,
// drawn one at a time on the host thread while it has nothing else to do, so
// that the page's other requests wait for one frame at most; then the file
// (or, for a PNG sequence, one file a frame) for the page to play and save.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "sdk/FocaraParams.h"
#include "studio/document/Document.h"
#include "studio/document/HostSettings.h"
#include "studio/document/ReferenceArea.h"
#include "studio/host/Host.h"
#include "studio/io/AnimationWriter.h"
#include "studio/io/SettingsJson.h"
#include "studio/session/PluginRunner.h"

namespace studio::web {

// What the page asks for, checked.
struct AnimationRequest {
    int frames = 24;
    int fps = 12;
    AnimationOptions options;
    std::string background = "white";  // as given: the frames' settings carry it
};

// The page's values as text (frames, fps, format webp|gif|svg|png, dpi,
// background white|none|COLOR). Throws InputError naming the value and what
// it may be.
AnimationRequest parseAnimationRequest(const std::string& frames, const std::string& fps, const std::string& format,
                                       const std::string& dpi, const std::string& background);

// A filter run the user kept: the document it began with, the record it
// left, where its drawing began in the random sequence, and the area its
// paths were pushed out to, if any.
struct KeptRun {
    Document before;
    FocaraParams record{};
    uint64_t drawsBefore = 0;
    std::optional<ReferenceArea> area;
};

class AnimationJob {
public:
    // Frame 1 is `drawing`, the kept run's result (seed: the one the host's
    // random numbers began with); the later frames are drawn from `run` with
    // seeds seed + 1, seed + 2, ... Throws InputError when the page at the
    // resolution asked for is too large a picture.
    AnimationJob(const AnimationRequest& request, const Document& drawing, KeptRun run, uint64_t seed);

    // Draws the next frame, and after the last one makes the files. False
    // when there was nothing left to do.
    bool step(Host& host, PluginRunner& runner);
    bool done() const { return done_; }

    // {frames, fps, drawn, done, error?, files?: [{name, bytes}]}
    nlohmann::json progress() const;
    // File `index` of the result once done; nullptr when there is none.
    const std::string* file(size_t index) const;
    std::string fileName(size_t index) const;
    std::string contentType() const;

private:
    AnimationRequest request_;
    KeptRun run_;
    FocaraParams again_{};
    uint64_t seed_ = 0;
    HostSettings settings_;
    std::optional<AnimationWriter> writer_;
    int drawn_ = 0;
    bool done_ = false;
    std::string error_;
    std::optional<std::string> endedEarly_;  // the first frame whose run ended early, and why
    std::vector<std::string> files_;
};

}  // namespace studio::web
