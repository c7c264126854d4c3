#include "studio/session/AnimationFrames.h"

#include "studio/session/AreaRun.h"
#include "studio/session/ScratchRun.h"

namespace studio {

uint64_t frameSeed(uint64_t seed, int index) { return seed + static_cast<uint64_t>(index); }

FocaraParams laterFrameRecord(FocaraParams first)
{
    first.previewDrawn = 0;
    return first;
}

FrameRun drawLaterFrame(Host& host, PluginRunner& runner, const Document& start, const FocaraParams& record,
                        uint64_t seed, const std::optional<ReferenceArea>& area,
                        const std::function<void(const Document&, const FrameRun&)>& drawn)
{
    ScratchRun scratch(host, runner, start.clone(), RandomSource(seed));
    // "AI Go" alone opens no dialog; one the plug-in shows anyway (its error) is accepted.
    host.dialogs().setDriver(nullptr);
    runner.setRecord(record);
    std::optional<AreaPush> push;
    if (area) push.emplace(host.document());
    const PluginRunner::RunResult run = runner.runFilter(false);
    FrameRun frame{seed, host.drawsAtLastUndo(), runner.record().value_or(record), host.takeRefusal()};
    if (!frame.endedEarly && run.outcome == PluginRunner::Outcome::Failed)
        frame.endedEarly = "the filter's \"AI Go\" returned " + std::to_string(run.code);
    if (push) push->apply(host.document(), *area, frame.record);
    drawn(host.document(), frame);
    return frame;
}

}  // namespace studio
