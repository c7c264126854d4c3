// The picture writers of a build without cairo (the Windows focara): PNG and
// PDF are refused before anything is drawn or written, and no PNG is read.
#include "studio/io/CairoWriter.h"
#include "studio/io/Files.h"
#include "studio/io/PngEncoder.h"

namespace studio {

namespace {
[[noreturn]] void refuse(const char* format)
{
    throw InputError(std::string(format) + " output is not in this build of focara (it is built without cairo); "
                                           "write .svg or .json");
}
}  // namespace

PixelSize pngPixelSize(const Page&, double) { refuse("PNG"); }
std::string documentToPng(const Document&, const OutputOptions&) { refuse("PNG"); }
std::string documentToPng(const Document&, double) { refuse("PNG"); }
void writePdf(const Document&, const OutputOptions&, const ByteSink&) { refuse("PDF"); }
std::string documentToPdf(const Document&, const OutputOptions&) { refuse("PDF"); }
std::string encodePng(const unsigned char*, int, int, int, bool, const std::vector<PngText>&, PngTuning)
{
    refuse("PNG");
}
std::vector<PngText> pngTexts(std::string_view)
{
    throw InputError("reading PNG files is not in this build of focara (it is built without libspng)");
}

}  // namespace studio
