#include "studio/web/UndoBudget.h"

#include <numeric>

namespace studio::web {

size_t documentBytes(const Document& document)
{
    size_t bytes = sizeof(Document);
    for (const auto& layer : document.layers()) {
        bytes += sizeof(Layer) + layer->name.capacity();
        for (const auto& art : layer->art)
            bytes += sizeof(Art) + art->segments.capacity() * sizeof(AIPathSegment) +
                     (art->graphicStyle ? art->graphicStyle->capacity() : 0);
    }
    return bytes;
}

void trimUndo(std::vector<Document>& history, size_t maxCount, size_t maxBytes)
{
    size_t bytes = std::accumulate(history.begin(), history.end(), size_t{0},
                                   [](size_t sum, const Document& d) { return sum + documentBytes(d); });
    size_t drop = 0;
    while (history.size() - drop > 1 && (history.size() - drop > maxCount || bytes > maxBytes))
        bytes -= documentBytes(history[drop++]);
    history.erase(history.begin(), history.begin() + static_cast<std::ptrdiff_t>(drop));
}

}  // namespace studio::web
