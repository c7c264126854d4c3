// The animation writer's formats, one encoder each, behind one interface;
// the raster ones take frames drawn by FrameRaster.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "studio/io/AnimationWriter.h"
#include "studio/io/CairoWriter.h"

namespace studio {

class FrameSink {
public:
    virtual ~FrameSink() = default;
    virtual void add(const Document& frame, const std::string& settings) = 0;
    virtual std::vector<std::string> finish() = 0;
};

std::unique_ptr<FrameSink> makeWebpSink(const AnimationOptions& options, const Page& page);
std::unique_ptr<FrameSink> makeGifSink(const AnimationOptions& options, const Page& page);
std::unique_ptr<FrameSink> makeSvgSink(const AnimationOptions& options, const Page& page);
std::unique_ptr<FrameSink> makePngSequenceSink(const AnimationOptions& options, const Page& page);

}  // namespace studio
