// The document: the single source of truth that suites change and exporters read.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "sdk/AITypes.h"
#include "studio/document/Art.h"

namespace studio {

enum class ColorModel : uint8_t { Gray = 0, Rgb = 1, Cmyk = 2 };

struct Page {
    float width = 612;
    float height = 792;
};

// Document view 0. Its window is kWindowWidth x kWindowHeight pixels, view
// points count from the window's top left with y down, and the centre of the
// window shows `center` at `zoom`.
struct View {
    AIRealPoint center{306, 396};
    float zoom = 1;
    static constexpr int32_t kWindowWidth = 1000;
    static constexpr int32_t kWindowHeight = 800;
};

AIRealPoint viewToArtwork(const View& view, AIPoint point);
// The nearest view point (pixel) to an artwork point.
AIPoint artworkToView(const View& view, AIRealPoint point);

struct Swatch {
    std::string name;
    Color color;
};

struct GraphicStyle {
    std::string name;
    PathStyle style;
    float opacity = 1;
};

class Document {
public:
    // The built-in default document: US Letter, RGB, the default swatches and
    // graphic styles, one layer "Layer 1".
    Document();
    static Document makeDefault() { return Document(); }

    Document(Document&&) noexcept;
    Document& operator=(Document&&) noexcept;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    ~Document();

    // A deep copy of the artwork and settings, without undo history.
    Document clone() const;

    Page page;
    ColorModel colorModel = ColorModel::Rgb;
    std::vector<Swatch> swatches;
    std::vector<GraphicStyle> graphicStyles;
    View view;
    PathStyle currentStyle;  // what new paths get

    const std::vector<std::unique_ptr<Layer>>& layers() const { return layers_; }
    Layer& currentLayer() { return *current_; }
    const Layer& currentLayer() const { return *current_; }
    size_t artCount() const;

    // Building a document (loading): a new top layer, which becomes current. Not undoable.
    Layer& appendLayer(std::string name);
    void removeAllLayers();  // leaves no layers: the caller appends at least one

    // Edits made through the suites; each is journaled for undo. paintOrder is
    // one of the sdk's placements; the reference may be null for kPlaceAboveAll
    // and kPlaceBelowAll (the current layer). Throws std::invalid_argument for
    // a placement that cannot be made.
    Art& newPath(int16_t paintOrder, Art* reference);
    // A copy of art (geometry, style, opacity, graphic style); a null reference places it relative to art.
    Art& duplicate(Art& art, int16_t paintOrder, Art* reference);
    // A new top layer named "Layer N", which becomes current.
    Layer& insertLayerAboveAll();
    // Call before changing art, so that undo can give its state back.
    void willChange(Art& art);

    // Undo: a context collects every artwork change from its start; undo()
    // reverts all of them (in reverse) and the context goes on empty.
    void beginUndoContext();
    void undo();
    size_t journalSize() const { return journal_.size(); }

private:
    struct JournalEntry {
        enum class Kind { CreatedArt, CreatedLayer, ChangedArt } kind;
        Art* art = nullptr;
        Layer* layer = nullptr;
        Layer* previousCurrent = nullptr;
        ArtState before;
    };
    Art& place(std::unique_ptr<Art> art, int16_t paintOrder, Art* reference);
    void remove(Art& art);

    std::vector<std::unique_ptr<Layer>> layers_;
    Layer* current_ = nullptr;
    std::vector<JournalEntry> journal_;
    uint64_t epoch_ = 1;  // grows at every context start and every undo
};

}  // namespace studio
