#include "studio/io/AnimationWriter.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "studio/io/CairoWriter.h"
#include "studio/io/Files.h"
#include "studio/io/FrameSink.h"

namespace studio {

namespace {

// Where a sequence's frame number goes in the file name: "%d" or "%0Nd".
struct NumberPattern {
    size_t at = 0;
    size_t length = 0;
    int width = 0;
};

bool findNumberPattern(const std::string& name, NumberPattern& pattern)
{
    const size_t at = name.find('%');
    if (at == std::string::npos) return false;
    size_t i = at + 1;
    int width = 0;
    if (i < name.size() && name[i] == '0') {
        ++i;
        if (i >= name.size() || name[i] < '1' || name[i] > '9') return false;
        width = name[i++] - '0';
    }
    if (i >= name.size() || name[i] != 'd') return false;
    if (name.find('%', i + 1) != std::string::npos) return false;
    pattern = {at, i + 1 - at, width};
    return true;
}

std::string lowerExtension(const std::filesystem::path& file)
{
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

class PngSequenceSink final : public FrameSink {
public:
    PngSequenceSink(const AnimationOptions& options, const Page& page)
    {
        pngPixelSize(page, options.dpi);  // refuses a page too large to draw
        png_.clip = options.clip;
        png_.dpi = options.dpi;
        const FrameBackground& b = options.background;
        png_.background = b.transparent ? std::nullopt : std::optional<Color>(Color::rgb(b.red, b.green, b.blue));
    }
    // Each frame is the PNG a single render of it writes, its settings included.
    void add(const Document& frame, const std::string& settings) override
    {
        png_.settings = settings;
        files_.push_back(documentToPng(frame, png_));
    }
    std::vector<std::string> finish() override { return std::move(files_); }

private:
    OutputOptions png_;
    std::vector<std::string> files_;
};

}  // namespace

std::unique_ptr<FrameSink> makePngSequenceSink(const AnimationOptions& options, const Page& page)
{
    return std::make_unique<PngSequenceSink>(options, page);
}

AnimationFormat animationFormatOf(const std::filesystem::path& output)
{
    const std::string ext = lowerExtension(output);
    NumberPattern pattern;
    if (ext == ".png" && findNumberPattern(output.filename().string(), pattern)) return AnimationFormat::PngSequence;
    if (ext == ".webp") return AnimationFormat::Webp;
    if (ext == ".gif") return AnimationFormat::Gif;
    if (ext == ".svg") return AnimationFormat::Svg;
    throw InputError(displayName(output) +
                     ": cannot tell the animation format; the name must end in .webp, .gif or .svg, or be a .png "
                     "name with a frame number such as frames-%04d.png");
}

std::filesystem::path sequenceFileName(const std::filesystem::path& pattern, int number)
{
    const std::string name = pattern.filename().string();
    NumberPattern at;
    if (!findNumberPattern(name, at)) throw std::invalid_argument("no frame number pattern in " + name);
    std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) < at.width) digits.insert(0, at.width - digits.size(), '0');
    return pattern.parent_path() / (name.substr(0, at.at) + digits + name.substr(at.at + at.length));
}

long frameStart(int index, int fps, int unitsPerSecond)
{
    return std::lround(static_cast<double>(index) * unitsPerSecond / fps);
}

AnimationWriter::AnimationWriter(const AnimationOptions& options, const Page& page)
{
    switch (options.format) {
    case AnimationFormat::Webp: sink_ = makeWebpSink(options, page); break;
    case AnimationFormat::Gif: sink_ = makeGifSink(options, page); break;
    case AnimationFormat::Svg: sink_ = makeSvgSink(options, page); break;
    case AnimationFormat::PngSequence: sink_ = makePngSequenceSink(options, page); break;
    }
}

AnimationWriter::~AnimationWriter() = default;

void AnimationWriter::addFrame(const Document& frame, const std::string& settings) { sink_->add(frame, settings); }

std::vector<std::string> AnimationWriter::finish() { return sink_->finish(); }

}  // namespace studio
