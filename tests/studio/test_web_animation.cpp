// File > Export Animation in the studio, over its HTTP API: the frames of the
// last kept drawing, drawn between other requests, as the command draws them.
#include <cairo.h>
#include <gtest/gtest.h>
#include <httplib.h>

#include <algorithm>
#include <cstring>
#include <nlohmann/json.hpp>
#include <thread>

#include "studio/io/Files.h"
#include "studio/io/Looks.h"
#include "studio/web/AnimationJob.h"
#include "studio/web/StudioServer.h"
#include "tests/support/FocaraCommand.h"
#include "tests/support/TempDir.h"

using nlohmann::json;
using studio::web::StudioOptions;
using studio::web::StudioServer;

namespace {

// The pixels of a PNG, as cairo reads it.
std::vector<unsigned char> pixelsOf(const std::string& png)
{
    struct Reader {
        const std::string& bytes;
        size_t at = 0;
    } reader{png};
    cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(
        [](void* closure, unsigned char* data, unsigned int length) {
            auto* r = static_cast<Reader*>(closure);
            if (r->at + length > r->bytes.size()) return CAIRO_STATUS_READ_ERROR;
            std::memcpy(data, r->bytes.data() + r->at, length);
            r->at += length;
            return CAIRO_STATUS_SUCCESS;
        },
        &reader);
    std::vector<unsigned char> pixels;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        pixels.assign(data, data + cairo_image_surface_get_stride(surface) * cairo_image_surface_get_height(surface));
    }
    cairo_surface_destroy(surface);
    return pixels;
}

// The frames of an animated WebP: its ANMF chunks.
int webpFrames(const std::string& webp)
{
    if (webp.size() < 12 || webp.compare(0, 4, "RIFF") != 0 || webp.compare(8, 4, "WEBP") != 0) return -1;
    int frames = 0;
    for (size_t at = 12; at + 8 <= webp.size();) {
        uint32_t size = 0;
        for (int i = 3; i >= 0; --i) size = size << 8 | static_cast<unsigned char>(webp[at + 4 + i]);
        frames += webp.compare(at, 4, "ANMF") == 0;
        at += 8 + size + (size & 1);
    }
    return frames;
}

class StudioAnimation : public ::testing::Test {
protected:
    void SetUp() override
    {
        StudioOptions o;
        o.seed = 5;
        o.plugin = FOCARA_PLUGIN_PATH;
        server = std::make_unique<StudioServer>(std::move(o));
        port = server->bind(0);
        serving = std::thread([this] { server->run(); });
        client = std::make_unique<httplib::Client>(StudioServer::kAddress, port);
        client->set_read_timeout(std::chrono::seconds(30));
    }
    void TearDown() override
    {
        server->stop();
        serving.join();
    }

    httplib::Result post(const std::string& path) { return client->Post(path.c_str(), "", "text/plain"); }

    // Lines of random lengths (zoomLengthSpread 60, item 23), so that every seed draws differently.
    void drawLines()
    {
        ASSERT_EQ(post("/api/filter")->status, 200);
        ASSERT_EQ(client->Post("/api/dialog", "set 23 60", "text/plain")->status, 200);
        ASSERT_EQ(client->Post("/api/dialog", "ok", "text/plain")->status, 200);
    }

    // Starts an animation and waits until it is drawn: its last progress.
    json animate(const std::string& query)
    {
        auto started = post("/api/animation?" + query);
        EXPECT_TRUE(started && started->status == 200) << (started ? started->body : "no answer");
        json progress = json::parse(started->body);
        for (int i = 0; i < 600 && !progress["done"].get<bool>(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            progress = json::parse(client->Get("/api/animation")->body);
        }
        return progress;
    }

    std::string file(size_t index)
    {
        auto res = client->Get(("/api/animation/file/" + std::to_string(index)).c_str());
        EXPECT_TRUE(res && res->status == 200);
        return res ? res->body : "";
    }

    std::unique_ptr<StudioServer> server;
    int port = 0;
    std::thread serving;
    std::unique_ptr<httplib::Client> client;
};

TEST(AnimationRequest, OutOfRangeValuesAreRefusedNamingThem)
{
    using studio::web::parseAnimationRequest;
    const studio::web::AnimationRequest ok = parseAnimationRequest("600", "60", "gif", "12.5", "#102030");
    EXPECT_EQ(ok.frames, 600);
    EXPECT_EQ(ok.options.fps, 60);
    EXPECT_EQ(ok.options.format, studio::AnimationFormat::Gif);
    EXPECT_FALSE(ok.options.background.transparent);
    EXPECT_NEAR(ok.options.background.green, 0x20 / 255.0, 1e-6);
    EXPECT_TRUE(parseAnimationRequest("1", "1", "png", "72", "none").options.background.transparent);

    struct Case {
        const char *frames, *fps, *format, *dpi, *background, *message;
    } cases[] = {
        {"0", "12", "webp", "72", "white", "frames 0: expected a whole number from 1 to 600"},
        {"601", "12", "webp", "72", "white", "frames 601: expected a whole number from 1 to 600"},
        {"2.5", "12", "webp", "72", "white", "frames 2.5: expected a whole number from 1 to 600"},
        {"", "12", "webp", "72", "white", "frames : expected a whole number from 1 to 600"},
        {"24", "0", "webp", "72", "white", "fps 0: expected a whole number from 1 to 60"},
        {"24", "61", "webp", "72", "white", "fps 61: expected a whole number from 1 to 60"},
        {"24", "12", "mp4", "72", "white", "format mp4: expected webp, gif, svg or png (a PNG sequence)"},
        {"24", "12", "webp", "0", "white", "dpi 0: expected a number above 0"},
        {"24", "12", "webp", "inf", "white", "dpi inf: expected a number above 0"},
        {"24", "12", "webp", "72", "blue", "background blue: expected white, none or a colour"},
    };
    for (const Case& c : cases) {
        try {
            parseAnimationRequest(c.frames, c.fps, c.format, c.dpi, c.background);
            ADD_FAILURE() << c.message << ": accepted";
        } catch (const studio::InputError& e) {
            EXPECT_TRUE(std::string(e.what()).starts_with(c.message)) << e.what();
        }
    }
}

TEST_F(StudioAnimation, NeedsAKeptDrawingAndRefusesBadInputWithOneLine)
{
    auto none = post("/api/animation?frames=3");
    EXPECT_EQ(none->status, 409);
    EXPECT_NE(none->body.find("run the filter and click OK first"), std::string::npos) << none->body;
    drawLines();
    auto bad = post("/api/animation?frames=601");
    EXPECT_EQ(bad->status, 400);
    EXPECT_NE(bad->body.find("frames 601: expected a whole number from 1 to 600"), std::string::npos);
    auto huge = post("/api/animation?dpi=2000");
    EXPECT_EQ(huge->status, 400);
    EXPECT_NE(huge->body.find("a frame has at most 4096 a side"), std::string::npos) << huge->body;
    EXPECT_EQ(client->Get("/api/animation/file/0")->status, 404);
    // Undo takes the drawing away; its animation goes with it.
    ASSERT_EQ(post("/api/undo")->status, 200);
    EXPECT_EQ(post("/api/animation?frames=3")->status, 409);
}

TEST_F(StudioAnimation, EachFormatHoldsTheFramesAskedFor)
{
    drawLines();
    json webp = animate("frames=4&fps=8&format=webp&dpi=18");
    ASSERT_TRUE(webp["done"]) << webp.dump();
    ASSERT_EQ(webp["files"].size(), 1u);
    EXPECT_EQ(webp["files"][0]["name"], "focara.webp");
    EXPECT_EQ(webpFrames(file(0)), 4);

    json svg = animate("frames=3&format=svg");
    ASSERT_TRUE(svg["done"]) << svg.dump();
    const std::string text = file(0);
    EXPECT_NE(text.find("<g id=\"frame-3\""), std::string::npos);
    EXPECT_EQ(text.find("<g id=\"frame-4\""), std::string::npos);

    json gif = animate("frames=2&format=gif&dpi=18");
    EXPECT_EQ(file(0).substr(0, 6), "GIF89a");
    // A file of a drawing that is gone is not served.
    EXPECT_EQ(post("/api/animation/cancel")->status, 200);
    EXPECT_EQ(client->Get("/api/animation/file/0")->status, 404);
}

TEST_F(StudioAnimation, FramesAreTheKeptDrawingThenTheCommandsNextSeeds)
{
    drawLines();
    json sequence = animate("frames=3&format=png&dpi=20&background=none");
    ASSERT_TRUE(sequence["done"]) << sequence.dump();
    ASSERT_EQ(sequence["files"].size(), 3u);
    EXPECT_EQ(sequence["files"][2]["name"], "focara-0003.png");
    std::vector<std::vector<unsigned char>> frames;
    for (size_t i = 0; i < 3; ++i) frames.push_back(pixelsOf(file(i)));
    EXPECT_NE(frames[0], frames[1]);
    EXPECT_NE(frames[1], frames[2]);

    // Frame 1 is the drawing on the page.
    auto exported = client->Get("/api/export/png?dpi=20&background=none");
    ASSERT_TRUE(exported);
    EXPECT_EQ(pixelsOf(exported->body), frames[0]);

    // The command's animation with the studio's seed draws the same frames.
    focara_test::TempDir dir;
    focara_test::CommandRun run =
        focara_test::runFocara(dir.path(), {"render", "--seed", "5", "--set", "zoomLengthSpread=60", "--frames", "3",
                                            "--dpi", "20", "--background", "none", "-o", "f-%d.png"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(pixelsOf(studio::readFile(dir.path() / ("f-" + std::to_string(i + 1) + ".png"))), frames[i])
            << "frame " << i + 1;
}

TEST_F(StudioAnimation, AnAreaRunsFramesArePushedOutAsTheCommandPushesThem)
{
    const std::string area = R"({"shape":"ellipse","cx":306,"cy":396,"rx":150,"ry":60,"degrees":20})";
    ASSERT_EQ(client->Post("/api/area", area, "application/json")->status, 200);
    drawLines();
    json sequence = animate("frames=2&format=png&dpi=20&background=none");
    ASSERT_TRUE(sequence["done"]) << sequence.dump();

    focara_test::TempDir dir;
    focara_test::CommandRun run = focara_test::runFocara(
        dir.path(), {"render", "--seed", "5", "--set", "zoomLengthSpread=60", "--area", "ellipse:306,396,150,60,20",
                     "--frames", "2", "--dpi", "20", "--background", "none", "-o", "f-%d.png"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(pixelsOf(studio::readFile(dir.path() / ("f-" + std::to_string(i + 1) + ".png"))), pixelsOf(file(i)))
            << "frame " << i + 1;
}

TEST_F(StudioAnimation, OtherRequestsAreAnsweredWhileTheFramesAreDrawn)
{
    drawLines();
    auto started = post("/api/animation?frames=200&format=svg");
    ASSERT_EQ(started->status, 200);
    // The state is answered between two frames, long before the last.
    auto state = client->Get("/api/state");
    ASSERT_EQ(state->status, 200);
    json progress = json::parse(client->Get("/api/animation")->body);
    EXPECT_LT(progress["drawn"].get<int>(), 200);
    EXPECT_FALSE(progress["done"]);
    EXPECT_EQ(post("/api/animation/cancel")->status, 200);
    EXPECT_EQ(client->Get("/api/animation")->status, 404);
}

}  // namespace

namespace {

// Looks in the studio: pictures made while idle, the dialog started from a
// look's settings, and Cancel putting back what the look replaced.
TEST_F(StudioAnimation, LooksHavePicturesAndStartTheDialogFromTheirSettings)
{
    json looks;
    for (int i = 0; i < 300; ++i) {
        looks = json::parse(client->Get("/api/looks")->body);
        if (std::all_of(looks.begin(), looks.end(), [](const json& l) { return l["picture"].get<bool>(); })) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_EQ(looks.size(), studio::allLooks().size());
    EXPECT_EQ(looks[0]["name"], "manga");
    auto picture = client->Get("/api/look/flash.png");
    ASSERT_EQ(picture->status, 200);
    EXPECT_EQ(picture->body.substr(1, 3), "PNG");
    EXPECT_EQ(client->Get("/api/look/nothing.png")->status, 404);

    auto unknown = client->Post("/api/look", "nothing", "text/plain");
    EXPECT_EQ(unknown->status, 404);
    EXPECT_NE(unknown->body.find("no look named \\\"nothing\\\"; the looks are manga, "), std::string::npos)
        << unknown->body;

    // The flash look: 140 lines, reaching the page's edges, white on a dark page.
    auto opened = client->Post("/api/look", "flash", "text/plain");
    ASSERT_EQ(opened->status, 200) << opened->body;
    json state = json::parse(opened->body);
    ASSERT_EQ(state["dialogs"].size(), 1u);
    EXPECT_EQ(state["pageColor"], "#14161f");
    for (const json& item : state["dialogs"][0]["items"]) {
        if (item["id"] == 11) {
            EXPECT_EQ(item["value"], 140);
        }
    }
    json cancelled = json::parse(client->Post("/api/dialog", "cancel", "text/plain")->body);
    EXPECT_EQ(cancelled["background"], "white");
    EXPECT_EQ(cancelled["document"]["paths"], 0);

    ASSERT_EQ(client->Post("/api/look", "flash", "text/plain")->status, 200);
    json kept = json::parse(client->Post("/api/dialog", "ok", "text/plain")->body);
    EXPECT_EQ(kept["document"]["paths"], 140);
    EXPECT_EQ(kept["pageColor"], "#14161f");
    // An animation of a look starts on its page's colour and draws again as the look does.
    json frames = animate("frames=2&format=svg");
    EXPECT_TRUE(frames["done"]) << frames.dump();
}

}  // namespace
