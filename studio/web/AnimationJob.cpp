#include "studio/web/AnimationJob.h"

#include <charconv>
#include <cmath>
#include <sstream>

#include "studio/document/HostSettings.h"
#include "studio/io/CairoWriter.h"
#include "studio/io/Files.h"
#include "studio/session/AnimationFrames.h"

namespace studio::web {

namespace {

// A frame of the studio's animations is at most this many pixels a side: the
// host thread holds one frame's pixels, and a page of 32767 pixels would be 4 GiB.
constexpr double kMaxFrameSide = 4096;

int wholeNumber(const std::string& name, const std::string& text, int low, int high)
{
    double n = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || n != std::floor(n) || n < low ||
        n > high)
        throw InputError(name + " " + text + ": expected a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high));
    return static_cast<int>(n);
}

struct FormatName {
    const char* name;
    AnimationFormat format;
    const char* extension;
    const char* contentType;
};
constexpr FormatName kFormats[] = {
    {"webp", AnimationFormat::Webp, ".webp", "image/webp"},
    {"gif", AnimationFormat::Gif, ".gif", "image/gif"},
    {"svg", AnimationFormat::Svg, ".svg", "image/svg+xml"},
    {"png", AnimationFormat::PngSequence, ".png", "image/png"},
};

const FormatName& formatName(AnimationFormat format)
{
    for (const FormatName& f : kFormats)
        if (f.format == format) return f;
    return kFormats[0];
}

}  // namespace

AnimationRequest parseAnimationRequest(const std::string& frames, const std::string& fps, const std::string& format,
                                       const std::string& dpi, const std::string& background)
{
    AnimationRequest request;
    request.frames = wholeNumber("frames", frames, 1, kMaxFrames);
    request.fps = wholeNumber("fps", fps, 1, kMaxFps);
    request.options.fps = request.fps;
    bool known = false;
    for (const FormatName& f : kFormats)
        if (format == f.name) request.options.format = f.format, known = true;
    if (!known) throw InputError("format " + format + ": expected webp, gif, svg or png (a PNG sequence)");
    double resolution = 0;
    auto [end, ec] = std::from_chars(dpi.data(), dpi.data() + dpi.size(), resolution);
    if (dpi.empty() || ec != std::errc() || end != dpi.data() + dpi.size() || !std::isfinite(resolution) ||
        resolution <= 0)
        throw InputError("dpi " + dpi + ": expected a number above 0");
    request.options.dpi = resolution;
    request.background = background;
    try {
        std::optional<Color> color = backgroundColor(background);
        if (color) {
            const std::array<float, 3> rgb = displayRgb(*color);
            request.options.background = {false, rgb[0], rgb[1], rgb[2]};
        } else {
            request.options.background = {true, 0, 0, 0};
        }
    } catch (const std::invalid_argument& e) {
        throw InputError("background " + background + ": " + e.what());
    }
    return request;
}

AnimationJob::AnimationJob(const AnimationRequest& request, const Document& drawing, KeptRun run, uint64_t seed)
    : request_(request), run_(std::move(run)), again_(laterFrameRecord(run_.record)), seed_(seed)
{
    if (request.options.format != AnimationFormat::Svg) {
        const PixelSize size = pngPixelSize(drawing.page, request.options.dpi);
        if (size.width > kMaxFrameSide || size.height > kMaxFrameSide) {
            std::ostringstream message;
            message << "dpi " << request.options.dpi << ": each frame would be " << size.width << " x " << size.height
                    << " pixels; a frame has at most " << kMaxFrameSide << " a side";
            throw InputError(message.str());
        }
    }
    settings_.dpi = request.options.dpi;
    settings_.background = request.background;
    settings_.area = run_.area;
    writer_.emplace(request.options, drawing.page);
    writer_->addFrame(drawing, settingsToJson(DrawingSettings{seed, run_.drawsBefore, settings_, run_.record}));
    drawn_ = 1;
}

bool AnimationJob::step(Host& host, PluginRunner& runner)
{
    if (done_) return false;
    try {
        if (drawn_ < request_.frames) {
            const FrameRun frame = drawLaterFrame(
                host, runner, run_.before, again_, frameSeed(seed_, drawn_), run_.area,
                [this](const Document& drawing, const FrameRun& r) {
                    writer_->addFrame(drawing,
                                      settingsToJson(DrawingSettings{r.seed, r.drawsBefore, settings_, r.record}));
                });
            ++drawn_;
            if (frame.endedEarly && !endedEarly_)
                endedEarly_ = "frame " + std::to_string(drawn_) + ": the run ended early: " + *frame.endedEarly;
            return true;
        }
        files_ = writer_->finish();
    } catch (const std::exception& e) {
        error_ = e.what();
    }
    // The frames' pixels and the start document are not needed any more.
    writer_.reset();
    run_.before = Document();
    done_ = true;
    return true;
}

nlohmann::json AnimationJob::progress() const
{
    nlohmann::json body{
        {"ok", true}, {"frames", request_.frames}, {"fps", request_.fps}, {"drawn", drawn_}, {"done", done_}};
    if (!error_.empty()) body["error"] = error_;
    if (endedEarly_) body["endedEarly"] = *endedEarly_;
    if (done_ && error_.empty()) {
        nlohmann::json files = nlohmann::json::array();
        for (size_t i = 0; i < files_.size(); ++i)
            files.push_back({{"name", fileName(i)}, {"bytes", files_[i].size()}});
        body["files"] = std::move(files);
    }
    return body;
}

const std::string* AnimationJob::file(size_t index) const
{
    return done_ && index < files_.size() ? &files_[index] : nullptr;
}

std::string AnimationJob::fileName(size_t index) const
{
    const FormatName& f = formatName(request_.options.format);
    if (request_.options.format != AnimationFormat::PngSequence) return std::string("focara") + f.extension;
    std::string number = std::to_string(index + 1);
    if (number.size() < 4) number.insert(0, 4 - number.size(), '0');
    return "focara-" + number + f.extension;
}

std::string AnimationJob::contentType() const { return formatName(request_.options.format).contentType; }

}  // namespace studio::web
