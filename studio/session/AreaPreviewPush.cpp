#include "studio/session/AreaPreviewPush.h"

#include <vector>

#include "studio/session/AreaRun.h"

namespace studio {

AreaPreviewPush::AreaPreviewPush(const Document& before)
{
    for (const auto& layer : before.layers())
        for (const auto& art : layer->art) before_.insert(art.get());
}

size_t AreaPreviewPush::take(Document& document, const ReferenceArea* area, const FocaraParams& record)
{
    std::vector<Art*> drawn;
    // Only the run's paths there now are remembered: the undone ones are gone for good.
    std::set<std::pair<const Art*, uint64_t>> present;
    for (const auto& layer : document.layers())
        for (const auto& art : layer->art) {
            if (before_.contains(art.get())) continue;
            std::pair<const Art*, uint64_t> key{art.get(), art->createdIn};
            if (!taken_.contains(key)) drawn.push_back(art.get());
            present.insert(key);
        }
    taken_ = std::move(present);
    if (area && !drawn.empty()) pushOutToArea(drawn, *area, lineGroupsOf(record));
    return drawn.size();
}

}  // namespace studio
