#include "studio/session/AreaRun.h"

#include <algorithm>

namespace studio {

namespace {

void setField(FocaraParams& record, const char* name, double value)
{
    const FocaraParamField* field = FocaraParamFieldNamed(name);
    FocaraSetParamValue(&record, field, std::clamp(value, field->minimum, field->maximum));
}

}  // namespace

void aimRecordAtArea(FocaraParams& record, const ReferenceArea& area)
{
    const double shiftX = double(area.center.h) - record.centerX;
    const double shiftY = double(area.center.v) - record.centerY;
    setField(record, "centerX", area.center.h);
    setField(record, "centerY", area.center.v);
    setField(record, "midpointX", record.midpointX + shiftX);
    setField(record, "midpointY", record.midpointY + shiftY);
    setField(record, "centerMode", 0);
    setField(record, "zoomDistance", area.smallestRadius());
}

LineGroups lineGroupsOf(const FocaraParams& record)
{
    const size_t shadow = record.dropShadow ? 1 : 0;
    const size_t copies = static_cast<size_t>(std::max(record.sketchRepeats, 0));
    return {1 + shadow + copies, shadow};
}

AreaPush::AreaPush(const Document& before)
{
    for (const auto& layer : before.layers())
        for (const auto& art : layer->art) before_.insert(art.get());
}

void AreaPush::apply(Document& after, const ReferenceArea& area, const FocaraParams& record) const
{
    std::vector<Art*> drawn;
    for (const auto& layer : after.layers())
        for (const auto& art : layer->art)
            if (!before_.contains(art.get())) drawn.push_back(art.get());
    pushOutToArea(drawn, area, lineGroupsOf(record));
}

}  // namespace studio
