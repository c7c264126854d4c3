#include "studio/host/ReachEdges.h"

#include <algorithm>
#include <cmath>

namespace studio {

namespace {

// The largest of 1, f, f^2, ..., f^(n-1) for a percentage progression.
double largestFactor(double percent, int32_t steps)
{
    const double f = percent / 100;
    return f > 1 ? std::pow(f, std::max(steps - 1, 0)) : 1;
}

}  // namespace

float reachEdgesLength(const FocaraParams& record, const ClipRect& rect)
{
    const double cx = record.centerX;
    const double cy = record.centerY;
    double farthest = 0;
    for (double x : {double(rect.x), double(rect.x) + rect.width})
        for (double y : {double(rect.y), double(rect.y) + rect.height})
            farthest = std::max(farthest, std::hypot(x - cx, y - cy));

    const double scale = std::max({std::fabs(record.scaleHorizontal), std::fabs(record.scaleVertical), 1e-3f}) / 100;
    const double lengthFactor = largestFactor(record.setLengthPercent, record.zoomSets) *
                                largestFactor(record.lineLengthPercent, record.lineCount) * scale;
    const double distance = double(record.zoomDistance) * scale;
    const FocaraParamField* field = FocaraParamFieldNamed("zoomLength");
    const double length = lengthFactor > 0 ? (farthest - distance) / lengthFactor : field->maximum;
    return static_cast<float>(std::clamp(length, field->minimum, field->maximum));
}

void applyReachEdges(FocaraParams& record, const HostSettings& settings, const Page& page)
{
    if (!settings.reachEdges) return;
    std::optional<ClipRect> rect = clipRectangle(settings.clip, page);
    record.zoomLength = reachEdgesLength(record, rect ? *rect : ClipRect{0, 0, page.width, page.height});
}

}  // namespace studio
