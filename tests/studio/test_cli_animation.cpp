// focara render --frames and --area as a user runs them: every animation
// format read back with its own library (frame count, timing, looping), the
// first frame the single render with the same seed, the frames different.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <webp/decode.h>
#include <webp/demux.h>

#include <cairo.h>

#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "studio/io/DocumentJson.h"
#include "tests/support/FocaraCommand.h"
#include "tests/support/TempDir.h"

namespace {

using focara_test::CommandRun;
using focara_test::readText;
using focara_test::TempDir;

// Straight RGBA pixels of one frame.
using Pixels = std::vector<uint8_t>;

Pixels pngPixels(const std::string& png)
{
    struct Reader {
        const std::string& bytes;
        size_t at = 0;
    } reader{png};
    auto read = [](void* closure, unsigned char* data, unsigned int length) {
        auto* r = static_cast<Reader*>(closure);
        if (r->at + length > r->bytes.size()) return CAIRO_STATUS_READ_ERROR;
        std::memcpy(data, r->bytes.data() + r->at, length);
        r->at += length;
        return CAIRO_STATUS_SUCCESS;
    };
    cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(read, &reader);
    Pixels out;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        const int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                uint32_t p;
                std::memcpy(&p, data + y * stride + 4 * x, 4);
                // Opaque pictures only: premultiplied is straight.
                out.insert(out.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), uint8_t(p >> 24)});
            }
    }
    cairo_surface_destroy(surface);
    return out;
}

struct WebpAnimation {
    int frames = 0;
    int loops = -1;
    std::vector<int> durations;
    std::vector<Pixels> pictures;
};

WebpAnimation readWebp(const std::string& bytes)
{
    WebpAnimation out;
    WebPData data{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
    WebPDemuxer* demux = WebPDemux(&data);
    if (!demux) return out;
    out.frames = static_cast<int>(WebPDemuxGetI(demux, WEBP_FF_FRAME_COUNT));
    out.loops = static_cast<int>(WebPDemuxGetI(demux, WEBP_FF_LOOP_COUNT));
    WebPIterator it;
    if (WebPDemuxGetFrame(demux, 1, &it)) {
        do out.durations.push_back(it.duration);
        while (WebPDemuxNextFrame(&it));
        WebPDemuxReleaseIterator(&it);
    }
    WebPDemuxDelete(demux);

    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_RGBA;
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    WebPAnimInfo info;
    WebPAnimDecoderGetInfo(decoder, &info);
    while (WebPAnimDecoderHasMoreFrames(decoder)) {
        uint8_t* canvas = nullptr;
        int timestamp = 0;
        if (!WebPAnimDecoderGetNext(decoder, &canvas, &timestamp)) break;
        out.pictures.emplace_back(canvas, canvas + size_t(info.canvas_width) * info.canvas_height * 4);
    }
    WebPAnimDecoderDelete(decoder);
    return out;
}

int readGifBytes(GifFileType* gif, GifByteType* to, int length)
{
    auto* source = static_cast<std::pair<const std::string*, size_t>*>(gif->UserData);
    const int n = static_cast<int>(std::min<size_t>(length, source->first->size() - source->second));
    std::memcpy(to, source->first->data() + source->second, n);
    source->second += n;
    return n;
}

class Animation : public ::testing::Test {
protected:
    CommandRun focara(std::vector<std::string> args) { return focara_test::runFocara(dir.path(), args); }
    // The same drawing settings for every run here: small pictures, a fixed
    // seed, and random angles and lengths, so that each seed draws differently.
    std::vector<std::string> render(const std::string& output, std::vector<std::string> more = {})
    {
        std::vector<std::string> args = {
            "render", "--seed", "5", "--dpi", "24", "--set", "randomAngle=12", "--set", "zoomLengthSpread=60",
            "-o",     output};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }

    TempDir dir;
};

TEST_F(Animation, WebpHoldsEveryFrameAtItsTimeLoopingAndTheFirstIsTheSingleRender)
{
    ASSERT_EQ(focara(render("single.png")).status, 0);
    const CommandRun run = focara(render("lines.webp", {"--frames", "4", "--fps", "8"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "seed: 5\n");
    const WebpAnimation webp = readWebp(readText(dir / "lines.webp"));
    EXPECT_EQ(webp.frames, 4);
    EXPECT_EQ(webp.loops, 0) << "loops for ever";
    EXPECT_EQ(webp.durations, (std::vector<int>{125, 125, 125, 125}));
    ASSERT_EQ(webp.pictures.size(), 4u);
    EXPECT_TRUE(webp.pictures[0] == pngPixels(readText(dir / "single.png"))) << "frame 1 is not the single render";
    for (size_t i = 1; i < 4; ++i) EXPECT_NE(webp.pictures[i], webp.pictures[i - 1]) << "frame " << i + 1;
}

TEST_F(Animation, GifHoldsEveryFrameWithItsDelayAndLoops)
{
    const CommandRun run = focara(render("lines.gif", {"--frames", "3", "--fps", "12"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = readText(dir / "lines.gif");
    EXPECT_NE(bytes.find("NETSCAPE2.0"), std::string::npos) << "the looping block";
    std::pair<const std::string*, size_t> source{&bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&source, readGifBytes, &error);
    ASSERT_NE(gif, nullptr) << GifErrorString(error);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK) << GifErrorString(gif->Error);
    ASSERT_EQ(gif->ImageCount, 3);
    std::vector<int> delays;
    for (int i = 0; i < gif->ImageCount; ++i) {
        GraphicsControlBlock control;
        ASSERT_EQ(DGifSavedExtensionToGCB(gif, i, &control), GIF_OK);
        delays.push_back(control.DelayTime);
    }
    // 1/12 s in hundredths, rounded so that three frames last a quarter second.
    EXPECT_EQ(delays, (std::vector<int>{8, 9, 8}));
    const auto raster = [&](int i) {
        const SavedImage& image = gif->SavedImages[i];
        return std::vector<GifByteType>(image.RasterBits,
                                        image.RasterBits + image.ImageDesc.Width * image.ImageDesc.Height);
    };
    EXPECT_NE(raster(0), raster(1));
    EXPECT_NE(raster(1), raster(2));
    DGifCloseFile(gif, &error);
}

TEST_F(Animation, SvgShowsEachFrameInTurnAndTheFirstIsTheSingleRender)
{
    ASSERT_EQ(focara(render("single.svg")).status, 0);
    const CommandRun run = focara(render("lines.svg", {"--frames", "3", "--fps", "6"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string svg = readText(dir / "lines.svg");
    const std::regex frame("<g id=\"frame-(\\d+)\"");
    EXPECT_EQ(std::distance(std::sregex_iterator(svg.begin(), svg.end(), frame), std::sregex_iterator()), 3);
    const std::regex animate("<animate attributeName=\"display\" calcMode=\"discrete\" values=\"([a-z;]+)\" "
                             "keyTimes=\"([0-9.;]+)\" dur=\"0.5s\" repeatCount=\"indefinite\"/>");
    std::vector<std::string> shown;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), animate); it != std::sregex_iterator(); ++it)
        shown.push_back((*it)[1].str() + " at " + (*it)[2].str());
    EXPECT_EQ(shown, (std::vector<std::string>{"inline;none at 0;0.3333333333333333",
                                               "none;inline;none at 0;0.3333333333333333;0.6666666666666666",
                                               "none;inline at 0;0.6666666666666666"}));

    // Frame 1's paths are the single render's, and later frames draw others.
    const std::string single = readText(dir / "single.svg");
    auto paths = [](const std::string& text, size_t from, size_t to) {
        std::string out;
        for (size_t at = text.find("<path", from); at < to; at = text.find("<path", at + 1))
            out += text.substr(at, text.find('\n', at) - at) + "\n";
        return out;
    };
    const size_t second = svg.find("<g id=\"frame-2\""), third = svg.find("<g id=\"frame-3\"");
    EXPECT_EQ(paths(svg, 0, second), paths(single, 0, single.size()));
    EXPECT_NE(paths(svg, second, third), paths(svg, 0, second));
}

TEST_F(Animation, PngSequenceWritesOneNumberedFilePerFrame)
{
    ASSERT_EQ(focara(render("single.png")).status, 0);
    const CommandRun run = focara(render("frames-%03d.png", {"--frames", "3"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(dir.names(), (std::set<std::string>{"single.png", "frames-001.png", "frames-002.png", "frames-003.png"}));
    EXPECT_EQ(readText(dir / "frames-001.png"), readText(dir / "single.png"));
    EXPECT_NE(pngPixels(readText(dir / "frames-002.png")), pngPixels(readText(dir / "frames-001.png")));
    EXPECT_NE(pngPixels(readText(dir / "frames-003.png")), pngPixels(readText(dir / "frames-002.png")));

    ASSERT_EQ(focara({"render", "--no-dialog", "--frames", "2", "--dpi", "10", "-o", "f%d.png"}).status, 0);
    EXPECT_TRUE(dir.names().contains("f1.png") && dir.names().contains("f2.png"));
}

TEST_F(Animation, AreaAnimatesWithTheLinesPushedOutInEveryFrame)
{
    const CommandRun run = focara(render("area-%d.png", {"--frames", "2", "--area", "rect:150,300,300,150,15"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(dir.names().size(), 2u);
}

TEST_F(Animation, AreaMovesTheDialogsDrawingAndTheRecordShowsIt)
{
    const CommandRun plain = focara(render("plain.json", {"--set", "zoomDistance=40"}));
    ASSERT_EQ(plain.status, 0) << plain.err;
    const CommandRun area =
        focara(render("area.json", {"--area", "ellipse:306,396,160,40,30", "--save-params", "area.json.rec"}));
    ASSERT_EQ(area.status, 0) << area.err;
    const CommandRun shown = focara({"params", "show", "area.json.rec"});
    for (const char* field : {"\"centerX\": 306", "\"centerY\": 396", "\"zoomDistance\": 40", "\"centerMode\": 0"})
        EXPECT_NE(shown.out.find(field), std::string::npos) << field << " in " << shown.out;
    const studio::Document before = studio::readDocumentFile(dir / "plain.json");
    const studio::Document after = studio::readDocumentFile(dir / "area.json");
    ASSERT_EQ(before.artCount(), after.artCount());
    size_t moved = 0;
    const auto& a = before.layers()[0]->art;
    const auto& b = after.layers()[0]->art;
    for (size_t i = 0; i < a.size(); ++i) moved += a[i]->segments[0].p.h != b[i]->segments[0].p.h;
    EXPECT_GT(moved, a.size() / 2) << "the lines off the ellipse's short axis move out";
}

TEST_F(Animation, OutputsCarryTheAreaAndEveryFrameOfASequenceIsDrawnAgainFromItsOwnSettings)
{
    const std::vector<std::string> area = {"--area", "rect:150,300,300,150,15", "--background", "none"};
    ASSERT_EQ(focara(render("area.svg", area)).status, 0);
    ASSERT_EQ(focara({"render", "--from", "area.svg", "-o", "again.svg"}).status, 0);
    EXPECT_EQ(readText(dir / "again.svg"), readText(dir / "area.svg"));
    EXPECT_NE(readText(dir / "area.svg").find("rect:150,300,300,150,15"), std::string::npos);

    std::vector<std::string> frames = area;
    frames.insert(frames.end(), {"--frames", "3", "--clip", "100,100,400,500"});
    ASSERT_EQ(focara(render("f-%d.png", frames)).status, 0);
    const CommandRun again = focara({"render", "--from", "f-3.png", "-o", "third.png"});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(readText(dir / "third.png"), readText(dir / "f-3.png"));
}

TEST_F(Animation, BadFramesAndAreasSayOneLineNamingTheOptionAndWriteNothing)
{
    struct Case {
        std::vector<std::string> args;
        const char* says;
    };
    const Case cases[] = {
        {render("a.webp", {"--frames", "0"}), "--frames 0: expected a whole number from 1 to 600"},
        {render("a.webp", {"--frames", "601"}), "--frames 601"},
        {render("a.webp", {"--frames", "2.5"}), "--frames 2.5"},
        {render("a.webp", {"--frames", "3", "--fps", "0"}), "--fps 0: expected a whole number from 1 to 60"},
        {render("a.webp", {"--frames", "3", "--fps", "61"}), "--fps 61"},
        {render("a.pdf", {"--frames", "3"}), "--frames: a.pdf: cannot tell the animation format"},
        {render("a.png", {"--frames", "3"}), "--frames: a.png: cannot tell the animation format"},
        {render("a-%s.png", {"--frames", "3"}), "--frames: a-%s.png"},
        {render("a.png", {"--area", "ellipse:1,2,0,4"}), "--area ellipse:1,2,0,4: the radii must be above 0"},
        {render("a.png", {"--area", "rect:0,0,10,1e300"}),
         "--area rect:0,0,10,1e300: the width and height must be at most"},
        {render("a.png", {"--area", "rect:9000,0,10,10"}), "--area rect:9000,0,10,10: the centre's x"},
        {render("a.png", {"--area", "square:1,2,3,4"}), "--area square:1,2,3,4: expected ellipse:"},
        {render("a.png", {"--area", "ellipse:0,0,3000,2500"}),
         "--area ellipse:0,0,3000,2500: the smallest radius 2500 is outside 0 to 2000"},
    };
    for (const Case& c : cases) {
        const CommandRun run = focara(c.args);
        EXPECT_EQ(run.status, 2) << c.says;
        EXPECT_EQ(run.err.find(c.says), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(dir.names().empty()) << c.says;
    }
    const CommandRun fps = focara(render("a.png", {"--fps", "10"}));
    EXPECT_EQ(fps.status, 2);
    EXPECT_NE(fps.err.find("--fps"), std::string::npos) << fps.err;
    EXPECT_TRUE(dir.names().empty());
}

}  // namespace
