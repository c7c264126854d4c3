// The raster animations of a build without cairo (the Windows focara): refused
// before anything is drawn; animated SVG is still written.
#include "studio/io/Files.h"
#include "studio/io/FrameSink.h"

namespace studio {

namespace {
[[noreturn]] void refuse(const char* format)
{
    throw InputError(std::string(format) + " animations are not in this build of focara (it is built without cairo); "
                                           "write an animated .svg");
}
}  // namespace

std::unique_ptr<FrameSink> makeWebpSink(const AnimationOptions&, const Page&) { refuse("WebP"); }
std::unique_ptr<FrameSink> makeGifSink(const AnimationOptions&, const Page&) { refuse("GIF"); }

}  // namespace studio
