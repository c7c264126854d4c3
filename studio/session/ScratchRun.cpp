#include "studio/session/ScratchRun.h"

namespace studio {

std::mutex& ScratchRun::drawing()
{
    static std::mutex mutex;
    return mutex;
}

ScratchRun::ScratchRun(Host& host, PluginRunner& runner, Document document, RandomSource random)
    : lock_(drawing()), host_(host), runner_(runner), document_(std::move(host.document())), random_(host.random()),
      record_(runner.record()), driver_(host.dialogs().driver()), drawsAtLastUndo_(host.drawsAtLastUndo()),
      faults_(host.faults())
{
    // Faults armed for the session's own runs are not the scratch run's to take.
    host.faults().clear();
    host.setDocument(std::move(document));
    host.random() = std::move(random);
    host.setDrawsAtLastUndo(0);
}

ScratchRun::~ScratchRun()
{
    host_.faults() = faults_;
    host_.dialogs().setDriver(driver_);
    if (record_) runner_.setRecord(*record_);
    host_.random() = random_;
    host_.setDrawsAtLastUndo(drawsAtLastUndo_);
    host_.setDocument(std::move(document_));
}

}  // namespace studio
