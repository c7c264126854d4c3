// How styling colours a line: fill offsets, random and jittered colours,
// stroke widths, opacity, swatches and named graphic styles.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/StylingFixture.h"

namespace {

using studio::Color;
using styling_test::ColorsNear;
using styling_test::OneSetDraws;
using styling_test::StyleLineTest;

// ---- Fill offsets and the midpoint fill factor ------------------------------

struct OffsetRow {
    const char* name;
    Color fill;
    AIReal setOffset;
    AIReal lineOffset;
    AIReal midpointFill;  // applied with ratio 1 when not 0
    Color expected;
};

void PrintTo(const OffsetRow& row, std::ostream* out) { *out << row.name; }

class FillOffsets : public StyleLineTest, public ::testing::WithParamInterface<OffsetRow> {};

TEST_P(FillOffsets, AddToTheFillThenScaleAndClamp)
{
    const OffsetRow& row = GetParam();
    lineArt().style.fill = row.fill;
    line.setFillOffset = row.setOffset;
    line.lineFillOffset = row.lineOffset;
    if (row.midpointFill != 0) {
        record.midpointApplyFill = 1;
        record.midpointFill = row.midpointFill;
    }
    ASSERT_EQ(StyleLine(&line), kNoErr);
    EXPECT_PRED_FORMAT2(ColorsNear, lineArt().style.fill, row.expected) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FillOffsets,
    ::testing::Values(OffsetRow{"worked example: three-colour gets 0.01 more", Color::rgb(0.2f, 0.5f, 1.0f), 0.1f, 0, 0,
                                Color::rgb(0.31f, 0.61f, 1.0f)},
                      OffsetRow{"no offsets and factor 1: untouched", Color::rgb(0.2f, 0.5f, 1.0f), 0, 0, 0,
                                Color::rgb(0.2f, 0.5f, 1.0f)},
                      OffsetRow{"gray: set and line offsets add", Color::gray(0.3f), 0.1f, 0.05f, 0,
                                Color::gray(0.45f)},
                      OffsetRow{"gray clamped at 1", Color::gray(0.95f), 0.1f, 0, 0, Color::gray(1)},
                      OffsetRow{"gray clamped at 0", Color::gray(0.1f), -0.3f, 0, 0, Color::gray(0)},
                      OffsetRow{"four-colour: all four move", Color::cmyk(0.1f, 0.2f, 0.3f, 0.9f), 0.2f, 0, 0,
                                Color::cmyk(0.3f, 0.4f, 0.5f, 1)},
                      OffsetRow{"midpoint fill 50 halves", Color::gray(0.6f), 0, 0, 50, Color::gray(0.3f)},
                      OffsetRow{"midpoint fill after the offset", Color::rgb(0.19f, 0.49f, 0.79f), 0, 0, 50,
                                Color::rgb(0.1f, 0.25f, 0.4f)},
                      OffsetRow{"midpoint fill 200 clamps", Color::gray(0.6f), 0, 0, 200, Color::gray(1)}));

// setFill 10: the fill offset grows by 0.1 per set.
TEST_F(GeneratorTest, SetFillDarkensGrayLinesSetBySetClamped)
{
    const struct {
        float start;
        float sets[3];
    } rows[] = {{0.3f, {0.3f, 0.4f, 0.5f}}, {0.85f, {0.85f, 0.95f, 1.0f}}};
    record.zoomSets = 3;
    record.lineCount = 1;
    record.setFill = 10;
    for (const auto& row : rows) {
        doc().currentStyle.fill = Color::gray(row.start);
        ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
        std::vector<studio::Art*> paths = allArt();
        ASSERT_EQ(paths.size(), 3u);
        for (size_t s = 0; s < 3; s++)
            EXPECT_PRED_FORMAT2(ColorsNear, paths[s]->style.fill, Color::gray(row.sets[s]))
                << "gray " << row.start << ", set " << s;
    }
}

// ---- Random and jittered colours, widths and opacity ------------------------

struct ColorRow {
    const char* name;
    int32_t FocaraParams::*flag;
    Color fill;
    Color stroke;
    std::vector<float> draws;
    Color expectedFill;
    Color expectedStroke;
};

void PrintTo(const ColorRow& row, std::ostream* out) { *out << row.name; }

class RandomColors : public StyleLineTest, public ::testing::WithParamInterface<ColorRow> {};

TEST_P(RandomColors, ChangeTheComponentsOfTheirKindInOrder)
{
    const ColorRow& row = GetParam();
    record.*row.flag = 1;
    lineArt().style.fill = row.fill;
    lineArt().style.stroke = row.stroke;
    useDraws(row.draws);
    ASSERT_EQ(StyleLine(&line), kNoErr) << row.name;
    EXPECT_PRED_FORMAT2(ColorsNear, lineArt().style.fill, row.expectedFill) << row.name;
    EXPECT_PRED_FORMAT2(ColorsNear, lineArt().style.stroke, row.expectedStroke) << row.name;
    EXPECT_EQ(draws(), row.draws.size()) << row.name;
}

const Color kGrayHalf = Color::gray(0.5f);
const Color kRgbHalf = Color::rgb(0.5f, 0.5f, 0.5f);
const Color kCmykHalf = Color::cmyk(0.5f, 0.5f, 0.5f, 0.7f);

INSTANTIATE_TEST_SUITE_P(
    Rows, RandomColors,
    ::testing::Values(
        ColorRow{"random fill, three-colour",
                 &FocaraParams::randomFill,
                 kRgbHalf,
                 kRgbHalf,
                 {0.1f, 0.2f, 0.3f},
                 Color::rgb(0.1f, 0.2f, 0.3f),
                 kRgbHalf},
        ColorRow{"random fill, four-colour keeps black",
                 &FocaraParams::randomFill,
                 kCmykHalf,
                 kRgbHalf,
                 {0.1f, 0.2f, 0.3f},
                 Color::cmyk(0.1f, 0.2f, 0.3f, 0.7f),
                 kRgbHalf},
        ColorRow{
            "random fill, gray", &FocaraParams::randomFill, kGrayHalf, kRgbHalf, {0.1f}, Color::gray(0.1f), kRgbHalf},
        ColorRow{"random stroke, four-colour clears black",
                 &FocaraParams::randomStroke,
                 kRgbHalf,
                 kCmykHalf,
                 {0.1f, 0.2f, 0.3f},
                 kRgbHalf,
                 Color::cmyk(0.1f, 0.2f, 0.3f, 0)},
        ColorRow{"random stroke, gray",
                 &FocaraParams::randomStroke,
                 kRgbHalf,
                 kGrayHalf,
                 {0.9f},
                 kRgbHalf,
                 Color::gray(0.9f)},
        // m drawn first (0.5 -> 0.05), then its sign (0.2 -> +, 0.9 -> -).
        ColorRow{"jitter fill, three-colour",
                 &FocaraParams::jitterFill,
                 kRgbHalf,
                 kRgbHalf,
                 {0.5f, 0.2f, 0.3f, 0.9f, 1.0f, 0.5f},
                 Color::rgb(0.55f, 0.47f, 0.6f),
                 kRgbHalf},
        ColorRow{"jitter fill clamps",
                 &FocaraParams::jitterFill,
                 Color::gray(0.98f),
                 kRgbHalf,
                 {0.5f, 0.1f},
                 Color::gray(1),
                 kRgbHalf},
        ColorRow{"jitter stroke, four-colour leaves black",
                 &FocaraParams::jitterStroke,
                 kRgbHalf,
                 kCmykHalf,
                 {0.5f, 0.2f, 0.3f, 0.9f, 1.0f, 0.5f},
                 kRgbHalf,
                 Color::cmyk(0.55f, 0.47f, 0.6f, 0.7f)},
        ColorRow{"jitter stroke, gray",
                 &FocaraParams::jitterStroke,
                 kRgbHalf,
                 kGrayHalf,
                 {0.5f, 0.6f},
                 kRgbHalf,
                 Color::gray(0.45f)}));

class ColorsOfOtherKinds : public StyleLineTest, public ::testing::WithParamInterface<Color> {};

TEST_P(ColorsOfOtherKinds, AreNeverChangedAndDrawNothing)
{
    const Color color = GetParam();
    for (int32_t FocaraParams::*flag : {&FocaraParams::randomFill, &FocaraParams::randomStroke,
                                        &FocaraParams::jitterFill, &FocaraParams::jitterStroke})
        record.*flag = 1;
    line.setFillOffset = 0.2f;
    line.lineFillOffset = 0.1f;
    lineArt().style.fill = color;
    lineArt().style.stroke = color;
    useDraws({});
    ASSERT_EQ(StyleLine(&line), kNoErr);
    EXPECT_PRED_FORMAT2(ColorsNear, lineArt().style.fill, color);
    EXPECT_PRED_FORMAT2(ColorsNear, lineArt().style.stroke, color);
    EXPECT_EQ(draws(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ColorsOfOtherKinds,
                         ::testing::Values(styling_test::Pattern(), styling_test::Gradient(), styling_test::Custom(),
                                           Color::none()));

TEST_F(StyleLineTest, StrokeWidthsAndOpacityTakeTheirDraws)
{
    const struct {
        const char* name;
        int32_t FocaraParams::*flag;
        std::vector<float> draws;
        float width;
        float opacity;
        // clang-format off
    } rows[] = {
        {"random width", &FocaraParams::randomStrokeWidth, {0.25f}, 1, 1},
        {"jitter width up, magnitude first", &FocaraParams::jitterStrokeWidth, {0.5f, 0.1f}, 5.5f, 1},
        {"jitter width down, at least 0", &FocaraParams::jitterStrokeWidth, {0.5f, 0.6f}, 2.5f, 1},
        {"random opacity", &FocaraParams::randomOpacity, {0.25f}, 4, 0.25f},
    };
    // clang-format on
    for (const auto& row : rows) {
        record = {};
        ASSERT_EQ(WriteParamDefaults(&record), kNoErr);
        record.*row.flag = 1;
        lineArt().style.strokeWidth = 4;
        lineArt().opacity = 1;
        useDraws(row.draws);
        ASSERT_EQ(StyleLine(&line), kNoErr) << row.name;
        EXPECT_FLOAT_EQ(lineArt().style.strokeWidth, row.width) << row.name;
        EXPECT_FLOAT_EQ(lineArt().opacity, row.opacity) << row.name;
        EXPECT_EQ(draws(), row.draws.size()) << row.name;
    }
    record.jitterStrokeWidth = 1;
    lineArt().style.strokeWidth = 1;
    useDraws({0.9f, 0.9f});  // 1 - 2.7
    ASSERT_EQ(StyleLine(&line), kNoErr);
    EXPECT_EQ(lineArt().style.strokeWidth, 0.0f);
}

// ---- Swatches ----------------------------------------------------------------

// Default swatches: 2 White, 3 Black, ... 11 Gray.
TEST_F(GeneratorTest, SwatchOrderWalksFromTwoToTheEndAndAgainRestartingEverySet)
{
    record.zoomSets = 2;
    record.lineCount = 12;
    record.swatchOrder = 1;
    doc().currentStyle.fillPaint = false;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    std::vector<studio::Art*> paths = allArt();
    ASSERT_EQ(paths.size(), 24u);
    const size_t expected[12] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 2, 3};
    for (size_t k = 0; k < paths.size(); k++) {
        const size_t swatch = expected[k % 12];
        EXPECT_PRED_FORMAT2(ColorsNear, paths[k]->style.fill, doc().swatches[swatch].color)
            << "set " << k / 12 << ", line " << k % 12 << ", swatch " << swatch;
        EXPECT_TRUE(paths[k]->style.fillPaint) << "line " << k;
    }
}

struct SwatchRow {
    const char* name;
    int32_t FocaraParams::*flag;
    float draw;
    int32_t swatch;  // the cursor after, and the swatch used
    bool stroke;
};

void PrintTo(const SwatchRow& row, std::ostream* out) { *out << row.name; }

class RandomSwatches : public StyleLineTest, public ::testing::WithParamInterface<SwatchRow> {};

TEST_P(RandomSwatches, PickOneAboveTheDrawNeverTheFirstTwo)
{
    const SwatchRow& row = GetParam();
    record.*row.flag = 1;
    studio::PathStyle& style = lineArt().style;
    style.fill = styling_test::Pattern();  // a swatch replaces a colour of any kind
    style.stroke = styling_test::Pattern();
    style.fillPaint = false;
    style.strokePaint = false;
    cursor = 5;
    useDraws({row.draw});
    ASSERT_EQ(StyleLine(&line), kNoErr) << row.name;
    const Color& swatch = doc().swatches[static_cast<size_t>(row.swatch)].color;
    EXPECT_PRED_FORMAT2(ColorsNear, row.stroke ? style.stroke : style.fill, swatch) << row.name;
    EXPECT_PRED_FORMAT2(ColorsNear, row.stroke ? style.fill : style.stroke, styling_test::Pattern()) << row.name;
    EXPECT_EQ(row.stroke ? style.strokePaint : style.fillPaint, true) << row.name;
    EXPECT_EQ(cursor, row.swatch) << row.name;
    EXPECT_EQ(draws(), 1u) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RandomSwatches,
    ::testing::Values(SwatchRow{"fill, draw 0: 1 becomes 2", &FocaraParams::randomFillSwatch, 0.0f, 2, false},
                      SwatchRow{"fill, draw 0.5: 7", &FocaraParams::randomFillSwatch, 0.5f, 7, false},
                      SwatchRow{"fill, draw 0.99: capped at 11", &FocaraParams::randomFillSwatch, 0.99f, 11, false},
                      SwatchRow{"stroke, draw 0.3: 4", &FocaraParams::randomStrokeSwatch, 0.3f, 4, true},
                      SwatchRow{"stroke, draw 0.08: 1 becomes 2", &FocaraParams::randomStrokeSwatch, 0.08f, 2, true}));

TEST_F(StyleLineTest, SwatchOrderStartsAgainWhenTheCursorLeavesTheList)
{
    record.swatchOrder = 1;
    for (const auto& [start, used] : {std::pair{11, 11}, std::pair{12, 2}, std::pair{-3, 2}, std::pair{1, 2}}) {
        cursor = start;
        ASSERT_EQ(StyleLine(&line), kNoErr);
        EXPECT_PRED_FORMAT2(ColorsNear, lineArt().style.fill, doc().swatches[static_cast<size_t>(used)].color)
            << "cursor " << start;
        EXPECT_EQ(cursor, used + 1) << "cursor " << start;
    }
}

TEST_F(StyleLineTest, AFailedSwatchReadLeavesTheColour)
{
    record.swatchOrder = 1;
    lineArt().style.fill = Color::gray(0.25f);
    lineArt().style.fillPaint = false;
    host.faults().failNth("GetSwatchColor", 1, kFaultCode);
    ASSERT_EQ(StyleLine(&line), kNoErr);
    EXPECT_PRED_FORMAT2(ColorsNear, lineArt().style.fill, Color::gray(0.25f));
    EXPECT_TRUE(lineArt().style.fillPaint);
    EXPECT_EQ(cursor, 3);
}

// ---- Named graphic styles -----------------------------------------------------

TEST_F(StyleLineTest, RandomStyleAppliesANamedStyleButNeverTheFirst)
{
    record.randomStyle = 1;
    const struct {
        float draw;
        const char* name;
    } rows[] = {{0.1f, "Ink Outline"}, {0.3f, "Ink Outline"}, {0.6f, "Red Fill"}, {0.8f, "Ghost"}};
    for (const auto& row : rows) {
        useDraws({row.draw});
        ASSERT_EQ(StyleLine(&line), kNoErr) << row.draw;
        EXPECT_EQ(lineArt().graphicStyle, std::optional<std::string>(row.name)) << row.draw;
        EXPECT_EQ(draws(), 1u);
    }
    EXPECT_FLOAT_EQ(lineArt().opacity, 0.3f);  // Ghost's
}

// Decided: the swatch steps need three swatches (the first two are never
// used), the named-style step two styles; with fewer they are skipped and
// draw no random number, instead of reading outside the lists.
struct TooFewRow {
    const char* name;
    int32_t FocaraParams::*flag;
    int32_t sketchColorMode;
    size_t swatches;
    size_t styles;
};

void PrintTo(const TooFewRow& row, std::ostream* out) { *out << row.name; }

class TooFewSwatchesOrStyles : public GeneratorTest, public ::testing::WithParamInterface<TooFewRow> {};

TEST_P(TooFewSwatchesOrStyles, SkipTheirStepAndDrawNothing)
{
    const TooFewRow& row = GetParam();
    record.*row.flag = 1;
    record.lineCount = 1;
    record.sketchColorMode = row.sketchColorMode;
    record.randomSketchWidth = 0;
    doc().swatches.resize(row.swatches);
    doc().graphicStyles.resize(row.styles);
    doc().currentStyle.stroke = Color::rgb(0.2f, 0.4f, 0.6f);
    doc().currentStyle.fillPaint = false;  // a swatch step would paint it
    // The set's two and the line's nine draws; a sketch copy draws four for its shift.
    const uint64_t expectedDraws = row.flag == &FocaraParams::sketchRepeats ? 15 : 11;
    if (row.flag == &FocaraParams::sketchRepeats) record.sketchShift = 0;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr) << row.name;
    EXPECT_EQ(host.random().draws(), expectedDraws) << row.name;
    ASSERT_FALSE(allArt().empty());
    EXPECT_FALSE(allArt()[0]->style.fillPaint) << row.name;
    EXPECT_FALSE(allArt()[0]->style.strokePaint) << row.name;
    for (const studio::Art* art : allArt()) {
        EXPECT_PRED_FORMAT2(ColorsNear, art->style.stroke, Color::rgb(0.2f, 0.4f, 0.6f)) << row.name;
        EXPECT_PRED_FORMAT2(ColorsNear, art->style.fill, Color::rgb(0, 0, 0)) << row.name;
        EXPECT_FALSE(art->graphicStyle.has_value()) << row.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TooFewSwatchesOrStyles,
    ::testing::Values(TooFewRow{"swatch order, 2 swatches", &FocaraParams::swatchOrder, 0, 2, 4},
                      TooFewRow{"swatch order, no swatches", &FocaraParams::swatchOrder, 0, 0, 4},
                      TooFewRow{"random fill swatch, 2 swatches", &FocaraParams::randomFillSwatch, 0, 2, 4},
                      TooFewRow{"random stroke swatch, 1 swatch", &FocaraParams::randomStrokeSwatch, 0, 1, 4},
                      TooFewRow{"sketch swatch colour, 2 swatches", &FocaraParams::sketchRepeats, 3, 2, 4},
                      TooFewRow{"random style, 1 style", &FocaraParams::randomStyle, 0, 12, 1},
                      TooFewRow{"random style, no styles", &FocaraParams::randomStyle, 0, 12, 0}));

TEST_F(GeneratorTest, ThreeSwatchesAndTwoStylesAreEnough)
{
    record.lineCount = 1;
    record.randomFillSwatch = 1;
    record.randomStyle = 1;
    doc().swatches.resize(3);
    doc().graphicStyles.resize(2);
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    EXPECT_EQ(host.random().draws(), 13u);
    ASSERT_EQ(allArt().size(), 1u);
    // The style applied last replaces the swatch fill.
    EXPECT_EQ(allArt()[0]->graphicStyle, std::optional<std::string>("Ink Outline"));

    record.randomStyle = 0;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    EXPECT_PRED_FORMAT2(ColorsNear, allArt()[0]->style.fill, Color::rgb(1, 1, 1));
}

}  // namespace
