// The render command's picture outputs and its current-style options: colours
// as typed, PNG and PDF files written whole, bad options refused with one line.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "studio/document/ColorText.h"
#include "tests/support/FocaraCommand.h"
#include "tests/support/TempDir.h"

namespace {

using studio::Color;

struct ColorTextRow {
    const char* text;
    Color color;
};

void PrintTo(const ColorTextRow& row, std::ostream* out) { *out << '"' << row.text << '"'; }

class ColorText : public ::testing::TestWithParam<ColorTextRow> {};

TEST_P(ColorText, ReadsEveryFormOfColour)
{
    const ColorTextRow& row = GetParam();
    EXPECT_EQ(studio::colorFromText(row.text), row.color) << row.text;
}

INSTANTIATE_TEST_SUITE_P(Rows, ColorText,
                         ::testing::Values(ColorTextRow{"#ff8000", Color::rgb(1, 128.0f / 255, 0)},
                                           ColorTextRow{"#FFFFFF", Color::rgb(1, 1, 1)},
                                           ColorTextRow{"#000000", Color::rgb(0, 0, 0)},
                                           ColorTextRow{"gray:0.25", Color::gray(0.25f)},
                                           ColorTextRow{"gray:1", Color::gray(1)},
                                           ColorTextRow{"gray:-0", Color::gray(0)},
                                           ColorTextRow{"cmyk:0,0.5,1,0.1", Color::cmyk(0, 0.5f, 1, 0.1f)},
                                           ColorTextRow{"cmyk:1e-1,0,0,0", Color::cmyk(0.1f, 0, 0, 0)},
                                           ColorTextRow{"none", Color::none()}));

class ColorTextRefusal : public ::testing::TestWithParam<const char*> {};

TEST_P(ColorTextRefusal, SaysWhatIsExpected)
{
    try {
        studio::colorFromText(GetParam());
        ADD_FAILURE() << '"' << GetParam() << "\" was accepted";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "expected #rrggbb, gray:G, cmyk:C,M,Y,K (components from 0 to 1) or none");
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ColorTextRefusal,
                         ::testing::Values("", "red", "#fff", "#ff80001", "#ff80zz", "ff8000", "gray:", "gray:1.5",
                                           "gray:-0.1", "gray:0.5,0", "gray: 0.5", "gray:+0.5", "gray:nan", "gray:inf",
                                           "Gray:0.5", "cmyk:0,0,0", "cmyk:0,0,0,0,0", "cmyk:0,,0,0", "cmyk:0,0,0,0,",
                                           "rgb:1,0,0", "None", "none "));

// ---- The command -------------------------------------------------------------

struct Outcome {
    int status = -1;
    std::string err;
};

class RenderCommand : public ::testing::Test {
protected:
    Outcome render(const std::vector<std::string>& args)
    {
        std::vector<std::string> full{"render", "--seed", "5"};
        full.insert(full.end(), args.begin(), args.end());
        focara_test::CommandRun run = focara_test::runFocara(dir.path(), full);
        return {run.status, run.err};
    }

    focara_test::TempDir dir;
};

TEST_F(RenderCommand, WritesPngAndPdfWholeAndNothingElse)
{
    ASSERT_EQ(render({"-o", "lines.png"}).status, 0);
    ASSERT_EQ(render({"--dpi", "72", "-o", "small.PNG"}).status, 0);
    ASSERT_EQ(render({"-o", "lines.pdf"}).status, 0);
    EXPECT_EQ(dir.names(), (std::set<std::string>{"lines.png", "small.PNG", "lines.pdf"}));

    const std::string png = focara_test::readText(dir / "lines.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    // The header's width and height, big-endian: Letter at 150 and 72 dpi.
    auto size = [](const std::string& bytes) {
        auto word = [&](size_t at) {
            return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
                   (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
        };
        return std::pair{word(16), word(20)};
    };
    EXPECT_EQ(size(png), (std::pair{1275, 1650}));
    EXPECT_EQ(size(focara_test::readText(dir / "small.PNG")), (std::pair{612, 792}));

    const std::string pdf = focara_test::readText(dir / "lines.pdf");
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 8), std::string::npos);
}

TEST_F(RenderCommand, FillAndStrokeOptionsSetTheStyleOfTheNewLines)
{
    ASSERT_EQ(
        render({"--fill", "gray:0.5", "--stroke", "cmyk:0,0,0,1", "--stroke-width", "2.5", "-o", "a.json"}).status, 0);
    nlohmann::json doc = nlohmann::json::parse(focara_test::readText(dir / "a.json"));
    const nlohmann::json expected =
        nlohmann::json::parse(R"({"fillPaint": true, "fill": {"kind": "gray", "values": [0.5]},
        "strokePaint": true, "stroke": {"kind": "cmyk", "values": [0, 0, 0, 1]}, "strokeWidth": 2.5})");
    EXPECT_EQ(doc["currentStyle"], expected);
    ASSERT_EQ(doc["layers"][0]["art"].size(), 30u);
    for (const nlohmann::json& art : doc["layers"][0]["art"]) EXPECT_EQ(art["style"], expected);

    // None unpaints and keeps the colour, so a sketch copy made black later still shows.
    ASSERT_EQ(render({"--fill", "none", "--stroke", "#0000ff", "-o", "b.json"}).status, 0);
    doc = nlohmann::json::parse(focara_test::readText(dir / "b.json"));
    const nlohmann::json& style = doc["layers"][0]["art"][0]["style"];
    EXPECT_EQ(style["fillPaint"], false);
    EXPECT_EQ(style["fill"], nlohmann::json::parse(R"({"kind": "rgb", "values": [0, 0, 0]})"));
    EXPECT_EQ(style["strokePaint"], true);
    EXPECT_EQ(style["stroke"]["values"], nlohmann::json::parse("[0, 0, 1]"));
    EXPECT_EQ(style["strokeWidth"], 1) << "the document's width stays";

    ASSERT_EQ(render({"--fill", "none", "--stroke", "none", "--set", "sketchRepeats=1", "--set", "sketchWeight=10",
                      "--set", "randomSketchWidth=0", "-o", "c.json"})
                  .status,
              0);
    doc = nlohmann::json::parse(focara_test::readText(dir / "c.json"));
    const nlohmann::json& copy = doc["layers"][0]["art"][1]["style"];
    EXPECT_EQ(copy["strokePaint"], true);
    EXPECT_EQ(copy["stroke"], nlohmann::json::parse(R"({"kind": "rgb", "values": [0, 0, 0]})"));
}

TEST_F(RenderCommand, BadOptionsAreRefusedWithOneLineAndStatusTwo)
{
    const struct {
        std::vector<std::string> args;
        const char* message;
        // clang-format off
    } rows[] = {
        {{"--fill", "#12", "-o", "x.png"},
         "--fill #12: expected #rrggbb, gray:G, cmyk:C,M,Y,K (components from 0 to 1) or none\n"},
        {{"--stroke", "cmyk:1,1,1", "-o", "x.svg"},
         "--stroke cmyk:1,1,1: expected #rrggbb, gray:G, cmyk:C,M,Y,K (components from 0 to 1) or none\n"},
        {{"--stroke-width", "-1", "-o", "x.svg"}, "--stroke-width -1: expected a number of points from 0 to 1000000\n"},
        {{"--stroke-width", "wide", "-o", "x.svg"},
         "--stroke-width wide: expected a number of points from 0 to 1000000\n"},
        {{"--dpi", "0", "-o", "x.png"}, "--dpi 0: expected a number above 0\n"},
        {{"--dpi", "5000", "-o", "x.png"},
         "--dpi 5000: the page would be 42500 x 55000 pixels; an image has at most 32767 a side\n"},
        {{"-o", "x.tiff"}, "x.tiff: cannot tell the output format; the name must end in .svg, .json, .png or .pdf\n"},
    };
    // clang-format on
    for (const auto& row : rows) {
        Outcome run = render(row.args);
        EXPECT_EQ(run.status, 2) << row.message;
        EXPECT_EQ(run.err, row.message);
        EXPECT_TRUE(dir.names().empty()) << row.message;
    }
}

}  // namespace
