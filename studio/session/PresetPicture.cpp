#include "studio/session/PresetPicture.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "studio/document/Geometry.h"
#include "studio/host/RecordDefaults.h"
#include "studio/io/RasterPreview.h"
#include "studio/session/ScratchRun.h"
#include "studio/session/ScriptedDriver.h"

namespace studio {

namespace {

constexpr int32_t kPresetPopup = 161;

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
    ScratchRun scratch(host, runner, Document::makeDefault(), host.random());
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
