// Document, Document View, Undo, Layer, Swatch List, Art Style and MdMemory suites.
#include <cmath>
#include <cstdint>

#include "sdk/AIDocument.h"
#include "sdk/SPBasic.h"
#include "studio/suites/ColorBridge.h"
#include "studio/suites/SuiteGuard.h"

namespace studio {

namespace {

// Indices cross the suites as handles counted from 1, so that no handle is null.
template <class Handle>
Handle indexHandle(size_t index)
{
    return reinterpret_cast<Handle>(static_cast<uintptr_t>(index + 1));
}

template <class Handle>
bool handleIndex(Handle handle, size_t count, size_t& index)
{
    uintptr_t raw = reinterpret_cast<uintptr_t>(handle);
    if (raw == 0 || raw > count) return false;
    index = raw - 1;
    return true;
}

AIErr getDocumentSetup(AIDocumentSetup* setup)
{
    return guarded("GetDocumentSetup", [&](Host& host) -> AIErr {
        if (!setup) return kBadParameterErr;
        setup->width = host.document().page.width;
        setup->height = host.document().page.height;
        return kNoErr;
    });
}

AIErr getDocumentColorModel(int16_t* model)
{
    return guarded("GetDocumentColorModel", [&](Host& host) -> AIErr {
        if (!model) return kBadParameterErr;
        *model = static_cast<int16_t>(host.document().colorModel);
        return kNoErr;
    });
}

AIErr redrawDocument()
{
    return guarded("RedrawDocument", [&](Host& host) -> AIErr {
        host.noteRedraw();
        return kNoErr;
    });
}

AIErr getDocument(AIDocumentHandle* document)
{
    return guarded("GetDocument", [&](Host& host) -> AIErr {
        if (!document) return kBadParameterErr;
        *document = reinterpret_cast<AIDocumentHandle>(&host.document());
        return kNoErr;
    });
}

AIErr getNthDocumentView(int32_t n, AIDocumentViewHandle* view)
{
    return guarded("GetNthDocumentView", [&](Host&) -> AIErr {
        if (n != 0 || !view) return kBadParameterErr;
        *view = indexHandle<AIDocumentViewHandle>(0);
        return kNoErr;
    });
}

AIErr getDocumentViewCenter(AIDocumentViewHandle view, AIRealPoint* center)
{
    return guarded("GetDocumentViewCenter", [&](Host& host) -> AIErr {
        size_t index;
        if (!handleIndex(view, 1, index) || !center) return kBadParameterErr;
        *center = host.document().view.center;
        return kNoErr;
    });
}

AIErr getDocumentViewZoom(AIDocumentViewHandle view, AIReal* zoom)
{
    return guarded("GetDocumentViewZoom", [&](Host& host) -> AIErr {
        size_t index;
        if (!handleIndex(view, 1, index) || !zoom) return kBadParameterErr;
        *zoom = host.document().view.zoom;
        return kNoErr;
    });
}

AIErr setDocumentViewZoom(AIDocumentViewHandle view, AIReal zoom)
{
    return guarded("SetDocumentViewZoom", [&](Host& host) -> AIErr {
        size_t index;
        if (!handleIndex(view, 1, index) || !std::isfinite(zoom) || zoom <= 0) return kBadParameterErr;
        host.document().view.zoom = zoom;
        return kNoErr;
    });
}

AIErr viewPointToArtworkPoint(AIDocumentViewHandle view, const AIPoint* viewPoint, AIRealPoint* artworkPoint)
{
    return guarded("ViewPointToArtworkPoint", [&](Host& host) -> AIErr {
        size_t index;
        if (!handleIndex(view, 1, index) || !viewPoint || !artworkPoint) return kBadParameterErr;
        *artworkPoint = viewToArtwork(host.document().view, *viewPoint);
        return kNoErr;
    });
}

AIErr undoChanges()
{
    return guarded("UndoChanges", [&](Host& host) -> AIErr {
        host.document().undo();
        host.noteUndo();
        host.takeRefusal();  // what was refused is undone with the rest
        return kNoErr;
    });
}

AIErr insertLayer(AILayerHandle base, int16_t paintOrder, AILayerHandle* layer)
{
    return guarded("InsertLayer", [&](Host& host) -> AIErr {
        if (base || paintOrder != kPlaceAboveAll) return kBadParameterErr;
        Layer& inserted = host.document().insertLayerAboveAll();
        if (layer) *layer = reinterpret_cast<AILayerHandle>(&inserted);
        return kNoErr;
    });
}

AIErr countSwatches(AISwatchListRef list, int32_t* count)
{
    return guarded("CountSwatches", [&](Host& host) -> AIErr {
        if (list || !count) return kBadParameterErr;
        *count = static_cast<int32_t>(host.document().swatches.size());
        return kNoErr;
    });
}

AIErr getNthSwatch(AISwatchListRef list, int32_t n, AISwatchRef* swatch)
{
    return guarded("GetNthSwatch", [&](Host& host) -> AIErr {
        if (list || !swatch || n < 0 || static_cast<size_t>(n) >= host.document().swatches.size())
            return kBadParameterErr;
        *swatch = indexHandle<AISwatchRef>(static_cast<size_t>(n));
        return kNoErr;
    });
}

AIErr getSwatchColor(AISwatchRef swatch, AIColor* color)
{
    return guarded("GetSwatchColor", [&](Host& host) -> AIErr {
        size_t index;
        if (!handleIndex(swatch, host.document().swatches.size(), index) || !color) return kBadParameterErr;
        *color = toAIColor(host, host.document().swatches[index].color);
        return kNoErr;
    });
}

AIErr countNamedArtStyles(int32_t* count)
{
    return guarded("CountNamedArtStyles", [&](Host& host) -> AIErr {
        if (!count) return kBadParameterErr;
        *count = static_cast<int32_t>(host.document().graphicStyles.size());
        return kNoErr;
    });
}

AIErr getNthNamedArtStyle(int32_t n, AIArtStyleHandle* style)
{
    return guarded("GetNthNamedArtStyle", [&](Host& host) -> AIErr {
        if (!style || n < 0 || static_cast<size_t>(n) >= host.document().graphicStyles.size()) return kBadParameterErr;
        *style = indexHandle<AIArtStyleHandle>(static_cast<size_t>(n));
        return kNoErr;
    });
}

AIErr applyArtStyle(AIArtHandle art, AIArtStyleHandle style)
{
    return guarded("ApplyArtStyle", [&](Host& host) -> AIErr {
        size_t index;
        if (!art || !handleIndex(style, host.document().graphicStyles.size(), index)) return kBadParameterErr;
        const GraphicStyle& gs = host.document().graphicStyles[index];
        Art& target = *reinterpret_cast<Art*>(art);
        host.document().willChange(target);
        target.style = gs.style;
        target.opacity = gs.opacity;
        target.graphicStyle = gs.name;
        return kNoErr;
    });
}

AIErr mdNewHandle(size_t size, AIMdMemoryHandle* handle)
{
    return guarded("MdMemoryNewHandle", [&](Host& host) -> AIErr {
        if (!handle) return kBadParameterErr;
        *handle = host.newHandle(size);
        return kNoErr;
    });
}

AIErr mdDisposeHandle(AIMdMemoryHandle handle)
{
    return guarded("MdMemoryDisposeHandle", [&](Host& host) -> AIErr {
        if (!host.handleBytes(handle)) return kBadParameterErr;
        host.disposeHandle(handle);
        return kNoErr;
    });
}

AIErr mdGetSize(AIMdMemoryHandle handle, size_t* size)
{
    return guarded("MdMemoryGetSize", [&](Host& host) -> AIErr {
        auto* bytes = host.handleBytes(handle);
        if (!bytes || !size) return kBadParameterErr;
        *size = bytes->size();
        return kNoErr;
    });
}

AIErr mdLockHandle(AIMdMemoryHandle handle, void** block)
{
    return guarded("MdMemoryLockHandle", [&](Host& host) -> AIErr {
        auto* bytes = host.handleBytes(handle);
        if (!bytes || !block) return kBadParameterErr;
        *block = bytes->data();
        return kNoErr;
    });
}

AIErr mdUnlockHandle(AIMdMemoryHandle handle)
{
    return guarded("MdMemoryUnLockHandle",
                   [&](Host& host) -> AIErr { return host.handleBytes(handle) ? kNoErr : kBadParameterErr; });
}

}  // namespace

extern const AIDocumentSuite kDocumentSuite = {getDocumentSetup, getDocumentColorModel, redrawDocument, getDocument};
extern const AIDocumentViewSuite kDocumentViewSuite = {getNthDocumentView, getDocumentViewCenter, getDocumentViewZoom,
                                                       setDocumentViewZoom, viewPointToArtworkPoint};
extern const AIUndoSuite kUndoSuite = {undoChanges};
extern const AILayerSuite kLayerSuite = {insertLayer};
extern const AISwatchListSuite kSwatchListSuite = {countSwatches, getNthSwatch, getSwatchColor};
extern const AIArtStyleSuite kArtStyleSuite = {countNamedArtStyles, getNthNamedArtStyle, applyArtStyle};
extern const AIMdMemorySuite kMdMemorySuite = {mdNewHandle, mdDisposeHandle, mdGetSize, mdLockHandle, mdUnlockHandle};

}  // namespace studio
