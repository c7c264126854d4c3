// Animations of focus lines: one drawing per frame, written as an animated
// WebP, a GIF, an animated SVG (SMIL, looping) or a numbered PNG sequence.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "studio/document/Document.h"
#include "studio/document/HostSettings.h"

namespace studio {

enum class AnimationFormat { Webp, Gif, Svg, PngSequence };

// What lies under each frame's paths. Display RGB, components 0 to 1.
struct FrameBackground {
    bool transparent = false;
    float red = 1;
    float green = 1;
    float blue = 1;
};

struct AnimationOptions {
    AnimationFormat format = AnimationFormat::Webp;
    int fps = 12;
    double dpi = 150;  // pixels per inch of the raster formats
    FrameBackground background;
    std::optional<ClipRect> clip;  // artwork points; nullopt: nothing is cut
};

constexpr int kMaxFrames = 600;
constexpr int kMaxFps = 60;

// The format an output name asks for: .webp, .gif, .svg, or a .png name with
// one frame number pattern (%d or %0Nd, N from 1 to 9) for a sequence. Throws
// InputError naming the file for any other name.
AnimationFormat animationFormatOf(const std::filesystem::path& output);

// The file of frame `number` (counted from 1) of a sequence's pattern.
std::filesystem::path sequenceFileName(const std::filesystem::path& pattern, int number);

// When frame `index` (from 0) starts, in units of 1/unitsPerSecond, rounded so
// that rounding errors never add up over the frames.
long frameStart(int index, int fps, int unitsPerSecond);

class FrameSink;

// Takes the frames in order; all of one page size.
class AnimationWriter {
public:
    // Throws InputError when the page at the dpi is too large an image.
    AnimationWriter(const AnimationOptions& options, const Page& page);
    ~AnimationWriter();
    AnimationWriter(const AnimationWriter&) = delete;
    AnimationWriter& operator=(const AnimationWriter&) = delete;

    // settings: the frame's own settings line, carried by the formats whose
    // frames are files of their own (a PNG sequence); empty for none.
    void addFrame(const Document& frame, const std::string& settings = {});
    // The file's bytes; for a PNG sequence, one PNG per frame. Throws
    // std::runtime_error if an encoder fails.
    std::vector<std::string> finish();

private:
    std::unique_ptr<FrameSink> sink_;
};

}  // namespace studio
