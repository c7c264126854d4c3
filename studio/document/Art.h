// Art objects and layers. Layers and their art are kept bottom first.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sdk/AIArt.h"
#include "studio/document/PathStyle.h"

namespace studio {

struct Layer;

// What undo restores of a changed path.
struct ArtState {
    bool closed = false;
    std::vector<AIPathSegment> segments;
    PathStyle style;
    float opacity = 1;
    std::optional<std::string> graphicStyle;
};

struct Art : ArtState {
    Layer* layer = nullptr;
    // Undo bookkeeping: the context that created the art, and the last context
    // that saved its state. Art created in the current context needs no saving.
    uint64_t createdIn = 0;
    uint64_t savedIn = 0;
};

struct Layer {
    std::string name;
    std::vector<std::unique_ptr<Art>> art;
};

}  // namespace studio
