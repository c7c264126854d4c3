// Art, Path, Path Style, Blend Style and Transform Art suites.
#include <algorithm>
#include <cmath>

#include "sdk/AIArt.h"
#include "studio/document/Geometry.h"
#include "studio/suites/ColorBridge.h"
#include "studio/suites/FiniteGeometry.h"
#include "studio/suites/SuiteGuard.h"

namespace studio {

namespace {

Art* art(AIArtHandle handle) { return reinterpret_cast<Art*>(handle); }
AIArtHandle handle(Art& a) { return reinterpret_cast<AIArtHandle>(&a); }

constexpr int kMaxSegments = 32767;  // segment indices are 16-bit

AIErr newArt(int16_t type, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt)
{
    return guarded("NewArt", [&](Host& host) -> AIErr {
        if (type != kPathArt || !newArt) return kBadParameterErr;
        *newArt = handle(host.document().newPath(paintOrder, art(prep)));
        host.control().noteCreated();
        return kNoErr;
    });
}

AIErr duplicateArt(AIArtHandle source, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt)
{
    return guarded("DuplicateArt", [&](Host& host) -> AIErr {
        if (!source) return kBadParameterErr;
        Art& copy = host.document().duplicate(*art(source), paintOrder, art(prep));
        host.control().noteCreated();
        if (newArt) *newArt = handle(copy);
        return kNoErr;
    });
}

AIErr getArtBounds(AIArtHandle a, AIRealRect* bounds)
{
    return guarded("GetArtBounds", [&](Host&) -> AIErr {
        if (!a || !bounds) return kBadParameterErr;
        *bounds = pathBounds(art(a)->segments, art(a)->closed);
        return kNoErr;
    });
}

AIErr getPathSegmentCount(AIArtHandle path, int16_t* count)
{
    return guarded("GetPathSegmentCount", [&](Host&) -> AIErr {
        if (!path || !count) return kBadParameterErr;
        *count = static_cast<int16_t>(art(path)->segments.size());
        return kNoErr;
    });
}

AIErr setPathSegmentCount(AIArtHandle path, int16_t count)
{
    return guarded("SetPathSegmentCount", [&](Host& host) -> AIErr {
        if (!path || count < 0) return kBadParameterErr;
        Art& a = *art(path);
        host.document().willChange(a);
        AIPathSegment fill = a.segments.empty() ? AIPathSegment{} : a.segments.back();
        a.segments.resize(static_cast<size_t>(count), fill);
        return kNoErr;
    });
}

AIErr getPathSegments(AIArtHandle path, int16_t segNumber, int16_t count, AIPathSegment* segments)
{
    return guarded("GetPathSegments", [&](Host&) -> AIErr {
        if (!path || !segments || segNumber < 0 || count < 0) return kBadParameterErr;
        const auto& s = art(path)->segments;
        if (static_cast<size_t>(segNumber) + static_cast<size_t>(count) > s.size()) return kBadParameterErr;
        std::copy_n(s.begin() + segNumber, count, segments);
        return kNoErr;
    });
}

AIErr setPathSegments(AIArtHandle path, int16_t segNumber, int16_t count, const AIPathSegment* segments)
{
    return guarded("SetPathSegments", [&](Host& host) -> AIErr {
        if (!path || !segments || segNumber < 0 || count < 0) return kBadParameterErr;
        Art& a = *art(path);
        if (static_cast<size_t>(segNumber) > a.segments.size()) return kBadParameterErr;
        if (segNumber + count > kMaxSegments) return kTooManySegmentsErr;
        if (size_t bad = firstNonFiniteSegment(segments, static_cast<size_t>(count)); bad < size_t(count))
            return refuseGeometry(host, "SetPathSegments: segment " + std::to_string(segNumber + bad) +
                                            " has a coordinate that is not a finite number");
        host.document().willChange(a);
        size_t end = static_cast<size_t>(segNumber + count);
        if (end > a.segments.size()) a.segments.resize(end);
        std::copy_n(segments, count, a.segments.begin() + segNumber);
        return kNoErr;
    });
}

AIErr getPathClosed(AIArtHandle path, AIBoolean* closed)
{
    return guarded("GetPathClosed", [&](Host&) -> AIErr {
        if (!path || !closed) return kBadParameterErr;
        *closed = art(path)->closed;
        return kNoErr;
    });
}

AIErr setPathClosed(AIArtHandle path, AIBoolean closed)
{
    return guarded("SetPathClosed", [&](Host& host) -> AIErr {
        if (!path) return kBadParameterErr;
        host.document().willChange(*art(path));
        art(path)->closed = closed != 0;
        return kNoErr;
    });
}

AIErr getPathStyle(AIArtHandle path, AIPathStyle* style)
{
    return guarded("GetPathStyle", [&](Host& host) -> AIErr {
        if (!path || !style) return kBadParameterErr;
        *style = toAIPathStyle(host, art(path)->style);
        return kNoErr;
    });
}

AIErr setPathStyle(AIArtHandle path, const AIPathStyle* style)
{
    return guarded("SetPathStyle", [&](Host& host) -> AIErr {
        if (!path || !style) return kBadParameterErr;
        if (!std::isfinite(style->stroke.width))
            return refuseGeometry(host, "SetPathStyle: the stroke width is not a finite number");
        PathStyle converted = fromAIPathStyle(host, *style);
        host.document().willChange(*art(path));
        art(path)->style = std::move(converted);
        return kNoErr;
    });
}

AIErr getOpacity(AIArtHandle a, AIReal* opacity)
{
    return guarded("GetOpacity", [&](Host&) -> AIErr {
        if (!a || !opacity) return kBadParameterErr;
        *opacity = art(a)->opacity;
        return kNoErr;
    });
}

AIErr setOpacity(AIArtHandle a, AIReal opacity)
{
    return guarded("SetOpacity", [&](Host& host) -> AIErr {
        if (!a || std::isnan(opacity)) return kBadParameterErr;
        host.document().willChange(*art(a));
        art(a)->opacity = std::clamp(opacity, 0.0f, 1.0f);
        return kNoErr;
    });
}

AIErr transformArt(AIArtHandle a, const AIRealMatrix* matrix, AIReal lineScale, int32_t flags)
{
    return guarded("TransformArt", [&](Host& host) -> AIErr {
        if (!a || !matrix) return kBadParameterErr;
        if (!(flags & kTransformObjects)) return kNoErr;
        Art& target = *art(a);
        // Finite numbers can still overflow: the result is checked before it is kept.
        std::vector<AIPathSegment> moved = target.segments;
        transformSegments(moved, *matrix);
        float strokeWidth = target.style.strokeWidth * lineScale;
        if (firstNonFiniteSegment(moved.data(), moved.size()) < moved.size())
            return refuseGeometry(host,
                                  "TransformArt: the transformed path has a coordinate that is not a finite number");
        if (!std::isfinite(strokeWidth))
            return refuseGeometry(host, "TransformArt: the scaled stroke width is not a finite number");
        host.document().willChange(target);
        target.segments = std::move(moved);
        target.style.strokeWidth = strokeWidth;
        return kNoErr;
    });
}

}  // namespace

extern const AIArtSuite kArtSuite = {newArt, duplicateArt, getArtBounds};
extern const AIPathSuite kPathSuite = {getPathSegmentCount, setPathSegmentCount, getPathSegments,
                                       setPathSegments,     getPathClosed,       setPathClosed};
extern const AIPathStyleSuite kPathStyleSuite = {getPathStyle, setPathStyle};
extern const AIBlendStyleSuite kBlendStyleSuite = {getOpacity, setOpacity};
extern const AITransformArtSuite kTransformArtSuite = {transformArt};

}  // namespace studio
