// A filter run whose dialog draws previews while the reference area may
// change: each drawing (a preview, or the final run) is pushed out once, right
// after it is made, to the area as it is then. Previews come and go (the
// plug-in undoes the last one before each drawing), so a path is known by its
// address together with the undo context that made it.
#pragma once

#include <cstdint>
#include <set>
#include <unordered_set>
#include <utility>

#include "sdk/FocaraParams.h"
#include "studio/document/Document.h"
#include "studio/document/ReferenceArea.h"

namespace studio {

class AreaPreviewPush {
public:
    // Remembers the document's paths before the run: they are never pushed.
    explicit AreaPreviewPush(const Document& before);
    // Takes the paths made since the last call: pushed out to area when there
    // is one (grouped as record says), only noted when there is none. How many.
    size_t take(Document& document, const ReferenceArea* area, const FocaraParams& record);

private:
    std::unordered_set<const Art*> before_;
    std::set<std::pair<const Art*, uint64_t>> taken_;
};

}  // namespace studio
