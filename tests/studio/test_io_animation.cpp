// The animation writer's own options: the background under the frames (the
// command passes white; transparent is for PNG sequences and WebP), frame
// timing and the names of a sequence's files.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <webp/demux.h>

#include <cairo.h>

#include <cstring>
#include <string>

#include "studio/io/AnimationWriter.h"
#include "studio/io/Files.h"

namespace {

using studio::AnimationFormat;
using studio::AnimationWriter;
using studio::FrameBackground;

// A page of 72 x 72 points with one black square in its middle: at 72 dpi,
// pixel (1, 1) is background and (36, 36) is the square.
studio::Document squarePage()
{
    studio::Document document;
    document.page = {72, 72};
    studio::Art& square = document.newPath(kPlaceAboveAll, nullptr);
    square.closed = true;
    for (auto [x, y] : {std::pair{24.0f, 24.0f}, {48.0f, 24.0f}, {48.0f, 48.0f}, {24.0f, 48.0f}})
        square.segments.push_back({{x, y}, {x, y}, {x, y}, false});
    return document;
}

std::vector<std::string> write(AnimationFormat format, FrameBackground background)
{
    const studio::Document page = squarePage();
    AnimationWriter writer({format, 10, 72, background, {}}, page.page);
    writer.addFrame(page);
    writer.addFrame(page);
    return writer.finish();
}

// Alpha at (x, y) of the first frame.
int webpAlpha(const std::string& bytes, int x, int y)
{
    WebPData data{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_RGBA;
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    if (!decoder) return -1;
    uint8_t* canvas = nullptr;
    int timestamp = 0;
    int alpha = -1;
    if (WebPAnimDecoderGetNext(decoder, &canvas, &timestamp)) alpha = canvas[(y * 72 + x) * 4 + 3];
    WebPAnimDecoderDelete(decoder);
    return alpha;
}

int pngAlpha(const std::string& png, int x, int y)
{
    struct Reader {
        const std::string& bytes;
        size_t at = 0;
    } reader{png};
    cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(
        [](void* closure, unsigned char* to, unsigned int length) {
            auto* r = static_cast<Reader*>(closure);
            if (r->at + length > r->bytes.size()) return CAIRO_STATUS_READ_ERROR;
            std::memcpy(to, r->bytes.data() + r->at, length);
            r->at += length;
            return CAIRO_STATUS_SUCCESS;
        },
        &reader);
    uint32_t pixel = 0;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS)
        std::memcpy(&pixel, cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface) + 4 * x,
                    4);
    cairo_surface_destroy(surface);
    return int(pixel >> 24);
}

TEST(AnimationBackground, TransparentLeavesTheBackgroundClearInEveryRasterFormat)
{
    const FrameBackground clear{true};
    const std::vector<std::string> frames = write(AnimationFormat::PngSequence, clear);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(pngAlpha(frames[0], 1, 1), 0);
    EXPECT_EQ(pngAlpha(frames[0], 36, 36), 255);
    EXPECT_EQ(pngAlpha(write(AnimationFormat::PngSequence, {})[0], 1, 1), 255) << "white by default";

    const std::string webp = write(AnimationFormat::Webp, clear).at(0);
    EXPECT_EQ(webpAlpha(webp, 1, 1), 0);
    EXPECT_EQ(webpAlpha(webp, 36, 36), 255);

    const std::string gifBytes = write(AnimationFormat::Gif, clear).at(0);
    std::pair<const std::string*, size_t> source{&gifBytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(
        &source,
        [](GifFileType* g, GifByteType* to, int length) {
            auto* s = static_cast<std::pair<const std::string*, size_t>*>(g->UserData);
            const int n = static_cast<int>(std::min<size_t>(length, s->first->size() - s->second));
            std::memcpy(to, s->first->data() + s->second, n);
            s->second += n;
            return n;
        },
        &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    GraphicsControlBlock control;
    ASSERT_EQ(DGifSavedExtensionToGCB(gif, 0, &control), GIF_OK);
    EXPECT_NE(control.TransparentColor, NO_TRANSPARENT_COLOR);
    EXPECT_EQ(control.DisposalMode, DISPOSE_BACKGROUND);
    const GifByteType* raster = gif->SavedImages[0].RasterBits;
    EXPECT_EQ(raster[1 * 72 + 1], control.TransparentColor);
    EXPECT_NE(raster[36 * 72 + 36], control.TransparentColor);
    DGifCloseFile(gif, &error);
}

TEST(AnimationBackground, SvgPaintsTheBackgroundUnlessItIsTransparent)
{
    const std::string red = write(AnimationFormat::Svg, {false, 1, 0, 0}).at(0);
    EXPECT_NE(red.find("<rect width=\"72\" height=\"72\" fill=\"#ff0000\"/>"), std::string::npos);
    EXPECT_EQ(write(AnimationFormat::Svg, {true}).at(0).find("<rect"), std::string::npos);
}

TEST(AnimationTiming, FrameStartsRoundWithoutAddingUp)
{
    // 12 fps in hundredths: 8, 9, 8, 8, 9, 8, ... so 12 frames last exactly 1 s.
    std::vector<long> starts;
    for (int i = 0; i <= 12; ++i) starts.push_back(studio::frameStart(i, 12, 100));
    EXPECT_EQ(starts, (std::vector<long>{0, 8, 17, 25, 33, 42, 50, 58, 67, 75, 83, 92, 100}));
    EXPECT_EQ(studio::frameStart(600, 60, 1000), 10000);
}

TEST(AnimationNames, FormatsAndSequenceFiles)
{
    EXPECT_EQ(studio::animationFormatOf("a.WEBP"), AnimationFormat::Webp);
    EXPECT_EQ(studio::animationFormatOf("a.gif"), AnimationFormat::Gif);
    EXPECT_EQ(studio::animationFormatOf("out/a.svg"), AnimationFormat::Svg);
    EXPECT_EQ(studio::animationFormatOf("out/f-%04d.png"), AnimationFormat::PngSequence);
    for (const char* refused : {"a.png", "a-%s.png", "a-%d-%d.png", "a-%00d.png", "a-%4d.png", "%d/a.png", "a.jpg"})
        EXPECT_THROW(studio::animationFormatOf(refused), studio::InputError) << refused;
    EXPECT_EQ(studio::sequenceFileName("out/f-%04d.png", 7), "out/f-0007.png");
    EXPECT_EQ(studio::sequenceFileName("f%d.png", 12), "f12.png");
    EXPECT_EQ(studio::sequenceFileName("f%02d.png", 123), "f123.png");
}

}  // namespace
