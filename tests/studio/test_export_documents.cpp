// Styled drawings through the document files: what the styling writes reads
// back from JSON, and the SVG shows it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "studio/io/DocumentJson.h"
#include "studio/io/SvgWriter.h"
#include "tests/support/GeneratorFixture.h"

namespace {

using nlohmann::json;

class StyledExports : public GeneratorTest {};

size_t Count(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// The shift colour mode stores amounts in -1..1 unclamped; the file must keep them.
TEST_F(StyledExports, ShiftColouredSketchCopiesReadBackFromJson)
{
    record.sketchRepeats = 2;
    record.sketchColorMode = 7;
    record.sketchWeight = 10;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    bool negative = false;
    for (const studio::Art* art : allArt())
        for (size_t i = 0; i < art->style.stroke.count; ++i) negative = negative || art->style.stroke.values[i] < 0;
    ASSERT_TRUE(negative) << "seed 42 should give some copy a negative amount";

    const std::string text = studio::documentToJson(doc());
    studio::Document back = studio::documentFromJson(text);
    EXPECT_EQ(studio::documentToJson(back), text);
}

// Decided: a grayscale document's shadow is gray 1, which shows black.
TEST_F(StyledExports, GrayscaleShadowsShowBlackInTheSvg)
{
    doc().colorModel = studio::ColorModel::Gray;
    doc().currentStyle.fill = studio::Color::gray(0.25f);
    record.dropShadow = 1;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    const std::string svg = studio::documentToSvg(doc());
    EXPECT_EQ(Count(svg, "fill=\"#000000\""), 30u) << "the shadows";
    EXPECT_EQ(Count(svg, "fill=\"#bfbfbf\""), 30u) << "the lines, gray 0.25 ink";
}

TEST_F(StyledExports, SvgShowsOpacityStrokesAndStrokeWidths)
{
    record.lineCount = 3;
    record.randomOpacity = 1;
    record.sketchRepeats = 1;
    record.sketchWeight = 25;
    record.randomSketchWidth = 0;
    record.sketchColorMode = 4;  // reduced black stays black
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    const std::string svg = studio::documentToSvg(doc());
    EXPECT_EQ(Count(svg, " opacity=\""), 6u) << "each line and its copy";
    EXPECT_EQ(Count(svg, "fill=\"none\" stroke=\"#000000\" stroke-width=\"2.5\""), 3u) << "the copies";
}

TEST_F(StyledExports, NamedStylesStayOnTheLineAndItsDuplicatesInJson)
{
    record.lineCount = 1;
    record.randomStyle = 1;
    record.dropShadow = 1;
    record.sketchRepeats = 1;
    host.random().setSequence({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.6f});  // set, line, then style 2
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    const json art = json::parse(studio::documentToJson(doc()))["layers"][0]["art"];
    ASSERT_EQ(art.size(), 3u);
    for (const json& a : art) EXPECT_EQ(a["graphicStyle"], "Red Fill");
    EXPECT_EQ(art[1]["style"]["fill"]["values"], json::parse("[0.85, 0.1, 0.1]"));
}

}  // namespace
