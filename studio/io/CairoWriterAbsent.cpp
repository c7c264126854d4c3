// The picture writers of a build without cairo (the Windows focara): PNG and
// PDF are refused before anything is drawn or written.
#include "studio/io/CairoWriter.h"
#include "studio/io/Files.h"

namespace studio {

namespace {
[[noreturn]] void refuse(const char* format)
{
    throw InputError(std::string(format) + " output is not in this build of focara (it is built without cairo); "
                                           "write .svg or .json");
}
}  // namespace

PixelSize pngPixelSize(const Page&, double) { refuse("PNG"); }
std::string documentToPng(const Document&, double) { refuse("PNG"); }
std::string documentToPdf(const Document&) { refuse("PDF"); }

}  // namespace studio
