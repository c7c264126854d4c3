// Geometry the plug-in hands over must be finite: a document never holds an
// infinite or NaN coordinate, so every output format can draw what it holds.
#pragma once

#include <cmath>
#include <cstddef>
#include <string>

#include "sdk/AIArt.h"
#include "studio/host/Host.h"

namespace studio {

inline bool isFinitePoint(const AIRealPoint& p) { return std::isfinite(p.h) && std::isfinite(p.v); }

// The index of the first segment with a coordinate that is not finite, or count.
inline size_t firstNonFiniteSegment(const AIPathSegment* segments, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        if (!isFinitePoint(segments[i].p) || !isFinitePoint(segments[i].in) || !isFinitePoint(segments[i].out))
            return i;
    return count;
}

// Refuses the call: the host remembers why, and the plug-in gets kBadParameterErr.
inline AIErr refuseGeometry(Host& host, const std::string& why)
{
    host.noteRefusal(why);
    return kBadParameterErr;
}

}  // namespace studio
