#include "studio/document/Document.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace studio {

namespace {

std::vector<Swatch> defaultSwatches()
{
    Color registration = Color::cmyk(1, 1, 1, 1);
    return {
        {"[None]", Color::none()},
        {"[Registration]", registration},
        {"White", Color::rgb(1, 1, 1)},
        {"Black", Color::rgb(0, 0, 0)},
        {"Red", Color::rgb(1, 0, 0)},
        {"Orange", Color::rgb(1, 0.5f, 0)},
        {"Yellow", Color::rgb(1, 1, 0)},
        {"Green", Color::rgb(0, 0.6f, 0.2f)},
        {"Cyan", Color::rgb(0, 0.7f, 0.9f)},
        {"Blue", Color::rgb(0.1f, 0.2f, 0.8f)},
        {"Violet", Color::rgb(0.5f, 0.2f, 0.7f)},
        {"Gray", Color::gray(0.5f)},
    };
}

std::vector<GraphicStyle> defaultGraphicStyles()
{
    const Color black = Color::rgb(0, 0, 0);
    return {
        {"[Default]", {true, Color::rgb(1, 1, 1), true, black, 1}, 1},
        {"Ink Outline", {false, black, true, black, 2}, 1},
        {"Red Fill", {true, Color::rgb(0.85f, 0.1f, 0.1f), false, black, 1}, 1},
        {"Ghost", {true, black, false, black, 1}, 0.3f},
    };
}

std::vector<std::unique_ptr<Art>>::iterator findArt(Layer& layer, const Art& art)
{
    // New art sits near the top, so search from there.
    auto it = std::find_if(layer.art.rbegin(), layer.art.rend(),
                           [&](const std::unique_ptr<Art>& a) { return a.get() == &art; });
    if (it == layer.art.rend()) throw std::logic_error("art is not in its layer");
    return std::next(it).base();
}

}  // namespace

AIRealPoint viewToArtwork(const View& view, AIPoint point)
{
    return {view.center.h + static_cast<float>(point.h - View::kWindowWidth / 2) / view.zoom,
            view.center.v - static_cast<float>(point.v - View::kWindowHeight / 2) / view.zoom};
}

AIPoint artworkToView(const View& view, AIRealPoint point)
{
    return {static_cast<int32_t>(std::lround((point.h - view.center.h) * view.zoom)) + View::kWindowWidth / 2,
            static_cast<int32_t>(std::lround((view.center.v - point.v) * view.zoom)) + View::kWindowHeight / 2};
}

Document::Document() : swatches(defaultSwatches()), graphicStyles(defaultGraphicStyles()) { appendLayer("Layer 1"); }

Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;
Document::~Document() = default;

Document Document::clone() const
{
    Document copy;
    copy.page = page;
    copy.colorModel = colorModel;
    copy.swatches = swatches;
    copy.graphicStyles = graphicStyles;
    copy.view = view;
    copy.currentStyle = currentStyle;
    copy.layers_.clear();
    for (const auto& layer : layers_) {
        Layer& l = copy.appendLayer(layer->name);
        for (const auto& art : layer->art) {
            auto a = std::make_unique<Art>();
            static_cast<ArtState&>(*a) = *art;
            a->layer = &l;
            l.art.push_back(std::move(a));
        }
        if (layer.get() == current_) copy.current_ = &l;
    }
    return copy;
}

size_t Document::artCount() const
{
    size_t n = 0;
    for (const auto& layer : layers_) n += layer->art.size();
    return n;
}

Layer& Document::appendLayer(std::string name)
{
    layers_.push_back(std::make_unique<Layer>());
    layers_.back()->name = std::move(name);
    current_ = layers_.back().get();
    return *current_;
}

void Document::removeAllLayers()
{
    journal_.clear();
    layers_.clear();
    current_ = nullptr;
}

Art& Document::place(std::unique_ptr<Art> art, int16_t paintOrder, Art* reference)
{
    Layer& layer = reference ? *reference->layer : *current_;
    auto& list = layer.art;
    Art* placed = art.get();
    placed->layer = &layer;
    placed->createdIn = epoch_;
    switch (paintOrder) {
    case kPlaceAboveAll: list.push_back(std::move(art)); break;
    case kPlaceBelowAll: list.insert(list.begin(), std::move(art)); break;
    case kPlaceAbove:
    case kPlaceBelow: {
        if (!reference) throw std::invalid_argument("placing above or below needs a reference object");
        auto at = findArt(layer, *reference);
        if (paintOrder == kPlaceAbove) ++at;
        list.insert(at, std::move(art));
        break;
    }
    default: throw std::invalid_argument("unsupported paint order");
    }
    journal_.push_back({JournalEntry::Kind::CreatedArt, placed, nullptr, nullptr, {}});
    return *placed;
}

Art& Document::newPath(int16_t paintOrder, Art* reference)
{
    auto art = std::make_unique<Art>();
    art->style = currentStyle;
    return place(std::move(art), paintOrder, reference);
}

Art& Document::duplicate(Art& art, int16_t paintOrder, Art* reference)
{
    auto copy = std::make_unique<Art>();
    static_cast<ArtState&>(*copy) = art;
    return place(std::move(copy), paintOrder, reference ? reference : &art);
}

Layer& Document::insertLayerAboveAll()
{
    Layer* previous = current_;
    Layer& layer = appendLayer("Layer " + std::to_string(layers_.size() + 1));
    journal_.push_back({JournalEntry::Kind::CreatedLayer, nullptr, &layer, previous, {}});
    return layer;
}

void Document::willChange(Art& art)
{
    if (art.createdIn == epoch_ || art.savedIn == epoch_) return;
    art.savedIn = epoch_;
    journal_.push_back({JournalEntry::Kind::ChangedArt, &art, nullptr, nullptr, art});
}

void Document::remove(Art& art)
{
    auto& list = art.layer->art;
    list.erase(findArt(*art.layer, art));
}

void Document::beginUndoContext()
{
    journal_.clear();
    ++epoch_;
}

void Document::undo()
{
    for (auto it = journal_.rbegin(); it != journal_.rend(); ++it) {
        switch (it->kind) {
        case JournalEntry::Kind::CreatedArt: remove(*it->art); break;
        case JournalEntry::Kind::CreatedLayer: {
            auto pos = std::find_if(layers_.begin(), layers_.end(),
                                    [&](const std::unique_ptr<Layer>& l) { return l.get() == it->layer; });
            if (pos != layers_.end()) layers_.erase(pos);
            current_ = it->previousCurrent;
            break;
        }
        case JournalEntry::Kind::ChangedArt: static_cast<ArtState&>(*it->art) = std::move(it->before); break;
        }
    }
    journal_.clear();
    ++epoch_;
}

}  // namespace studio
