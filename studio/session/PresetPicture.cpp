#include "studio/session/PresetPicture.h"

#include <algorithm>
#include <mutex>
#include <sstream>
#include <stdexcept>

#include "studio/document/Geometry.h"
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

// The square around everything drawn (a little margin), in page points from
// the top left; the whole page's width when nothing was drawn.
RasterRegion drawingSquare(const Document& document, int width)
{
    double left = 0, right = 0, bottom = 0, top = 0;
    bool any = false;
    for (const auto& layer : document.layers())
        for (const auto& art : layer->art) {
            if (art->segments.empty()) continue;
            AIRealRect b = pathBounds(art->segments, art->closed);
            const double l = std::min(b.left, b.right), r = std::max(b.left, b.right);
            const double lo = std::min(b.top, b.bottom), hi = std::max(b.top, b.bottom);
            if (!any) {
                left = l, right = r, bottom = lo, top = hi;
                any = true;
            }
            left = std::min(left, l), right = std::max(right, r);
            bottom = std::min(bottom, lo), top = std::max(top, hi);
        }
    const Page& page = document.page;
    double side = any ? std::max(right - left, top - bottom) * 1.08 : page.width;
    side = std::max(side, 1.0);
    const double centerX = any ? (left + right) / 2 : page.width / 2;
    const double centerY = any ? (bottom + top) / 2 : page.height / 2;
    // Artwork y counts up from the bottom; the region's down from the top.
    return {centerX - side / 2, page.height - centerY - side / 2, side, side, width / side};
}

}  // namespace

std::string drawPresetPicture(Host& host, PluginRunner& runner, int32_t entry, int width)
{
    // The plug-in's library is loaded once per process: two hosts (tests run
    // several studios) never draw presets through it at the same time.
    static std::mutex drawing;
    std::lock_guard lock(drawing);
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
    return regionToPng(host.document(), drawingSquare(host.document(), width));
}

}  // namespace studio
