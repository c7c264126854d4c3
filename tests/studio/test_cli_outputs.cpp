// Outputs for an artist's tools: page sizes, transparent and coloured PNG
// backgrounds, clipping at a panel, and drawings brought back with --from.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "tests/support/FocaraCommand.h"
#include "tests/support/TempDir.h"

namespace {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};

// A PNG read back by cairo: premultiplied ARGB, 0xAARRGGBB per pixel.
class Image {
public:
    explicit Image(const std::filesystem::path& file) : surface_(cairo_image_surface_create_from_png(file.c_str()))
    {
        if (cairo_surface_status(surface_.get()) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("not a PNG");
    }
    int width() const { return cairo_image_surface_get_width(surface_.get()); }
    int height() const { return cairo_image_surface_get_height(surface_.get()); }
    uint32_t at(int x, int y) const
    {
        const unsigned char* row = cairo_image_surface_get_data(surface_.get()) +
                                   static_cast<size_t>(y) * cairo_image_surface_get_stride(surface_.get());
        return reinterpret_cast<const uint32_t*>(row)[x];
    }
    bool hasAlpha() const { return cairo_image_surface_get_format(surface_.get()) == CAIRO_FORMAT_ARGB32; }

private:
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface_;
};

class Outputs : public ::testing::Test {
protected:
    focara_test::CommandRun focara(std::vector<std::string> args) { return focara_test::runFocara(dir.path(), args); }
    focara_test::CommandRun render(std::vector<std::string> args)
    {
        args.insert(args.begin(), "render");
        return focara(args);
    }
    std::string file(const std::string& name) { return focara_test::readText(dir / name); }

    focara_test::TempDir dir;
};

TEST_F(Outputs, FromDrawsEveryFormatAgainByteForByteAndSetChangesAFieldOnTop)
{
    // A dialog run: the preset and the set draw previews first, so the kept
    // drawing begins well into the random sequence.
    const std::vector<std::string> common{"--seed", "11", "--preset",     "7",    "--set",         "lineCount=40",
                                          "--page", "a5", "--clip",       "page", "--fill",        "#3060ff",
                                          "--dpi",  "72", "--background", "none", "--save-params", "saved.rec"};
    for (const char* ext : {"svg", "png", "pdf", "json"}) {
        const std::string first = std::string("first.") + ext;
        std::vector<std::string> args = common;
        args.insert(args.end(), {"-o", first});
        ASSERT_EQ(render(args).status, 0) << ext;
        ASSERT_EQ(render({"--from", first, "-o", std::string("again.") + ext}).status, 0) << ext;
        EXPECT_TRUE(file(first) == file(std::string("again.") + ext)) << ext << ": not the same bytes";

        // params show reads the record an output carries, as it reads the .rec.
        focara_test::CommandRun shown = focara({"params", "show", first});
        ASSERT_EQ(shown.status, 0) << shown.err;
        EXPECT_EQ(shown.out, focara({"params", "show", "saved.rec"}).out) << ext;

        ASSERT_EQ(render({"--from", first, "--set", "lineCount=41", "-o", std::string("changed.") + ext}).status, 0);
        nlohmann::json changed = nlohmann::json::parse(focara({"params", "show", std::string("changed.") + ext}).out);
        nlohmann::json before = nlohmann::json::parse(shown.out);
        EXPECT_EQ(changed["lineCount"], 41) << ext;
        changed["lineCount"] = before["lineCount"];
        EXPECT_EQ(changed, before) << ext << ": only the field set changed";
        EXPECT_FALSE(file(first) == file(std::string("changed.") + ext)) << ext;
    }
    // The JSON output is still a document --doc reads.
    EXPECT_EQ(render({"--doc", "first.json", "--seed", "1", "-o", "over.svg"}).status, 0);
}

TEST_F(Outputs, PagesTheirCentreAndLandscape)
{
    ASSERT_EQ(render({"--seed", "1", "--page", "b4", "--landscape", "-o", "b4.json"}).status, 0);
    nlohmann::json doc = nlohmann::json::parse(file("b4.json"));
    EXPECT_EQ(doc["page"], nlohmann::json::parse(R"({"width": 1031.81, "height": 728.5})"));
    EXPECT_EQ(doc["view"]["center"], nlohmann::json::parse("[515.905, 364.25]"));
    EXPECT_EQ(nlohmann::json::parse(focara({"params", "show", "b4.json"}).out)["centerX"].get<float>(), 515.905f)
        << "the zoom centre defaults to the new view centre";

    ASSERT_EQ(render({"--seed", "1", "--page", "210x297mm", "--dpi", "72", "-o", "a4.png"}).status, 0);
    Image a4(dir / "a4.png");
    EXPECT_EQ(a4.width(), 596);  // 595.28 points, rounded up
    EXPECT_EQ(a4.height(), 842);
}

TEST_F(Outputs, BackgroundsAndAPanelClipInThePng)
{
    // Lines that run far past the page, cut at a panel on its left half.
    const std::vector<std::string> lines{"--seed",       "3",     "--set", "zoomLength=900", "--set",
                                         "zoomWidth=40", "--dpi", "72",    "--clip",         "50,100,250,500"};
    auto run = [&](std::vector<std::string> extra, const std::string& out) {
        std::vector<std::string> args = lines;
        args.insert(args.end(), extra.begin(), extra.end());
        args.insert(args.end(), {"-o", out});
        ASSERT_EQ(render(args).status, 0) << out;
    };
    run({"--background", "none"}, "clear.png");
    run({}, "white.png");
    run({"--background", "#ff0000"}, "red.png");

    Image clear(dir / "clear.png");
    ASSERT_TRUE(clear.hasAlpha());
    Image white(dir / "white.png");
    Image red(dir / "red.png");
    size_t inked = 0;
    for (int y = 0; y < clear.height(); ++y) {
        for (int x = 0; x < clear.width(); ++x) {
            // Pixel centres in artwork points: y up from the bottom of the page.
            const double px = x + 0.5, py = 792 - (y + 0.5);
            const bool inside = px > 51 && px < 299 && py > 101 && py < 599;
            const bool outside = px < 49 || px > 301 || py < 99 || py > 601;
            const uint32_t c = clear.at(x, y);
            if (outside) {
                ASSERT_EQ(c, 0u) << "nothing is drawn outside the panel: " << x << "," << y;
                ASSERT_EQ(white.at(x, y), 0xffffffffu);
                ASSERT_EQ(red.at(x, y), 0xffff0000u);
            }
            if (inside && (c >> 24) == 255) {
                ++inked;
                EXPECT_EQ(white.at(x, y), 0xff000000u) << "black lines on any background";
            }
        }
    }
    EXPECT_GT(inked, 1000u) << "the panel holds lines";
}

TEST_F(Outputs, ReachEdgesCarriesTheLongestLineToThePanelsFarCorner)
{
    ASSERT_EQ(render({"--seed", "1", "--no-dialog", "--clip", "0,0,400,300", "--reach-edges", "-o", "r.json"}).status,
              0);
    nlohmann::json record = nlohmann::json::parse(focara({"params", "show", "r.json"}).out);
    // Centre (306, 396): the far corner (0, 0) is 500.4 points away; lines start 20 out.
    EXPECT_NEAR(record["zoomLength"].get<double>(), std::hypot(306.0, 396.0) - 20, 1e-3);
}

TEST_F(Outputs, BadPagesClipsBackgroundsAndFromFilesAreRefusedWithOneLine)
{
    focara_test::writeText(dir / "plain.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>\n");
    ASSERT_EQ(render({"--seed", "1", "-o", "good.svg"}).status, 0);
    std::string bad = file("good.svg");
    bad.replace(bad.find("\"lineCount\":30"), 14, "\"lineCount\":301");
    focara_test::writeText(dir / "bad.svg", bad);
    const std::set<std::string> inputs{"plain.svg", "good.svg", "bad.svg"};

    const struct {
        std::vector<std::string> args;
        const char* message;
    } rows[] = {
        {{"--page", "b3"}, "--page b3: expected letter, a4, a5, b4, b5 or WIDTHxHEIGHT[pt|mm|in]\n"},
        {{"--page", "100x200cm"}, "--page 100x200cm: unknown unit; expected pt, mm or in\n"},
        {{"--page", "0x200"}, "--page 0x200: each side must be above 0 and at most 14400 points\n"},
        {{"--clip", "1,2,3"}, "--clip 1,2,3: expected page or X,Y,W,H (points; width and height above 0)\n"},
        {{"--clip", "0,0,-5,5"}, "--clip 0,0,-5,5: expected page or X,Y,W,H (points; width and height above 0)\n"},
        {{"--background", "blue"},
         "--background blue: expected white, none or a colour: #rrggbb, gray:G or cmyk:C,M,Y,K\n"},
        {{"--from", "plain.svg"},
         "plain.svg: carries no Focara settings; expected an SVG, PNG, PDF or JSON written by focara render\n"},
        {{"--from", "bad.svg"},
         "bad.svg: settings.record: lineCount is out of range; expected an integer from 1 to 300\n"},
        {{"--from", "missing.png"}, "missing.png: cannot open: No such file or directory\n"},
        {{"--from", "good.svg", "--params", "good.svg"},
         "--from: the record comes from the file; leave out --params (use --set to change fields)\n"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = row.args;
        args.insert(args.end(), {"-o", "out.png"});
        focara_test::CommandRun run = render(args);
        EXPECT_EQ(run.status, 2) << row.message;
        EXPECT_EQ(run.err, row.message);
        EXPECT_EQ(dir.names(), inputs) << row.message << ": nothing written";
    }
    EXPECT_EQ(focara({"params", "show", "plain.svg"}).status, 2);
}

TEST_F(Outputs, InstallInkscapeExtensionWritesBothFilesSetToRunThisFocara)
{
    focara_test::CommandRun run = focara({"install-inkscape-extension", "--dir", "ext/inkscape"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string source = FOCARA_EXTENSION_DIR;
    EXPECT_EQ(file("ext/inkscape/focara_lines.inx"), focara_test::readText(source + "/focara_lines.inx"));
    const std::string script = file("ext/inkscape/focara_lines.py");
    const std::string self = std::filesystem::canonical(FOCARA_CLI_PATH).string();
    EXPECT_NE(script.find("FOCARA = \"" + self + "\"\n"), std::string::npos) << "the script runs this focara";
    std::string original = focara_test::readText(source + "/focara_lines.py");
    original.replace(original.find("FOCARA = \"focara\""), 17, "FOCARA = \"" + self + "\"");
    EXPECT_EQ(script, original) << "nothing else changes";

    focara_test::writeText(dir / "taken", "a file, not a folder");
    run = focara({"install-inkscape-extension", "--dir", "taken/inkscape"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("taken/inkscape: cannot make the folder: ", 0), 0u) << run.err;
}

// librsvg draws the SVG as the project's own PNG does.
TEST_F(Outputs, LibrsvgAndThePngAgree)
{
    if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0) GTEST_SKIP() << "rsvg-convert is not installed";
    const std::vector<std::string> drawing{"--seed",          "9",      "--set",           "shapeStyle=13", "--set",
                                           "sketchRepeats=2", "--clip", "100,100,400,500", "--dpi",         "72"};
    for (const char* out : {"lines.svg", "lines.png"}) {
        std::vector<std::string> args = drawing;
        args.insert(args.end(), {"-o", out});
        ASSERT_EQ(render(args).status, 0);
    }
    const std::string command = "cd " + focara_test::shellQuote(dir.path().string()) +
                                " && rsvg-convert -b white -w 612 -h 792 -o rsvg.png lines.svg";
    ASSERT_EQ(std::system(command.c_str()), 0);
    Image ours(dir / "lines.png");
    Image theirs(dir / "rsvg.png");
    ASSERT_EQ(ours.width(), theirs.width());
    ASSERT_EQ(ours.height(), theirs.height());
    size_t differing = 0;
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x) {
            const uint32_t a = ours.at(x, y), b = theirs.at(x, y);
            int most = 0;
            for (int shift : {0, 8, 16})
                most = std::max(most, std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)));
            if (most > 96) ++differing;  // edges differ by antialiasing only
        }
    EXPECT_LT(differing, size_t(ours.width() * ours.height() / 200)) << "more than 0.5% of the pixels differ";
}

}  // namespace
