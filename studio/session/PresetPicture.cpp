#include "studio/session/PresetPicture.h"

#include <sstream>
#include <stdexcept>

#include "studio/host/RecordDefaults.h"
#include "studio/io/RasterPreview.h"
#include "studio/session/ScriptedDriver.h"

namespace studio {

namespace {

constexpr int32_t kPresetPopup = 161;

// Puts back what a scratch run changes, whatever way it ends.
class Restore {
public:
    Restore(Host& host, PluginRunner& runner)
        : host_(host), runner_(runner), document_(std::move(host.document())), random_(host.random()),
          record_(runner.record()), driver_(host.dialogs().driver()), faults_(host.faults())
    {
        // Faults armed for the session's own runs are not the scratch run's to take.
        host.faults().clear();
    }
    ~Restore()
    {
        host_.faults() = faults_;
        host_.dialogs().setDriver(driver_);
        if (record_) runner_.setRecord(*record_);
        host_.random() = random_;
        host_.setDocument(std::move(document_));
    }
    Restore(const Restore&) = delete;
    Restore& operator=(const Restore&) = delete;

private:
    Host& host_;
    PluginRunner& runner_;
    Document document_;
    RandomSource random_;
    std::optional<FocaraParams> record_;
    UiDriver* driver_;
    FaultInjector faults_;
};

}  // namespace

std::string drawPresetPicture(Host& host, PluginRunner& runner, int32_t entry, int width)
{
    Restore restore(host, runner);
    host.setDocument(Document::makeDefault());
    runner.setRecord(defaultRecord(host.document()));
    std::ostringstream ignored;
    ScriptedDriver driver(host, "choose " + std::to_string(kPresetPopup) + " " + std::to_string(entry) + "; ok",
                          ignored);
    host.dialogs().setDriver(&driver);
    PluginRunner::RunResult run = runner.runFilter(true);
    if (driver.error()) throw std::runtime_error("preset " + std::to_string(entry) + ": " + *driver.error());
    if (run.outcome != PluginRunner::Outcome::Drawn)
        throw std::runtime_error("preset " + std::to_string(entry) + " did not draw");
    const Page& page = host.document().page;
    const double scale = width / static_cast<double>(page.width);
    return regionToPng(host.document(), {0, 0, page.width, page.height, scale});
}

}  // namespace studio
