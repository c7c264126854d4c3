// The objects added to a finished line: its drop shadow and its sketch
// copies, their colours in every sketch colour mode, and host errors.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "tests/support/StylingFixture.h"

namespace {

using studio::Color;
using studio::ColorModel;
using styling_test::ColorsNear;
using styling_test::RectsNear;
using styling_test::StyleLineTest;

void ExpectMovedBy(const studio::Art& moved, const studio::Art& original, float dx, float dy, const char* what)
{
    ASSERT_EQ(moved.segments.size(), original.segments.size()) << what;
    for (size_t i = 0; i < moved.segments.size(); i++) {
        const AIPathSegment& m = moved.segments[i];
        const AIPathSegment& o = original.segments[i];
        EXPECT_PRED_FORMAT2(PointsEqual, m.p, (AIRealPoint{o.p.h + dx, o.p.v + dy})) << what << ", segment " << i;
        EXPECT_PRED_FORMAT2(PointsEqual, m.in, (AIRealPoint{o.in.h + dx, o.in.v + dy})) << what << ", segment " << i;
        EXPECT_PRED_FORMAT2(PointsEqual, m.out, (AIRealPoint{o.out.h + dx, o.out.v + dy})) << what << ", segment " << i;
    }
}

// ---- Drop shadow ----------------------------------------------------------

struct ShadowModelRow {
    const char* name;
    ColorModel model;
    Color black;
};

void PrintTo(const ShadowModelRow& row, std::ostream* out) { *out << row.name; }

class ShadowDefaults : public GeneratorTest, public ::testing::WithParamInterface<ShadowModelRow> {};

// Decided: a grayscale document's shadow is gray 1, black like the RGB and
// CMYK ones, not gray 0 (white).
TEST_P(ShadowDefaults, OneBlackDuplicateJustBelowEachLineMovedByFiveAndMinusFive)
{
    const ShadowModelRow& row = GetParam();
    doc().colorModel = row.model;
    doc().currentStyle.fill = Color::rgb(0.8f, 0.4f, 0.2f);
    doc().currentStyle.strokePaint = true;
    doc().currentStyle.stroke = Color::cmyk(0.1f, 0.2f, 0.3f, 0.4f);
    record.dropShadow = 1;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    std::vector<studio::Art*> art = allArt();
    ASSERT_EQ(art.size(), 60u) << row.name;
    for (size_t k = 0; k < 30; k++) {
        const studio::Art& shadow = *art[2 * k];
        const studio::Art& line = *art[2 * k + 1];
        ExpectMovedBy(shadow, line, 5, -5, row.name);
        EXPECT_PRED_FORMAT2(ColorsNear, shadow.style.fill, row.black) << row.name << ", line " << k;
        EXPECT_PRED_FORMAT2(ColorsNear, shadow.style.stroke, row.black) << row.name << ", line " << k;
        EXPECT_PRED_FORMAT2(ColorsNear, line.style.fill, Color::rgb(0.8f, 0.4f, 0.2f)) << row.name << ", line " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Models, ShadowDefaults,
                         ::testing::Values(ShadowModelRow{"RGB", ColorModel::Rgb, Color::rgb(0, 0, 0)},
                                           ShadowModelRow{"CMYK", ColorModel::Cmyk, Color::cmyk(1, 1, 1, 1)},
                                           ShadowModelRow{"grayscale", ColorModel::Gray, Color::gray(1)}));

struct HalfShadowRow {
    const char* name;
    ColorModel model;
    Color line;
    Color shadow;
};

void PrintTo(const HalfShadowRow& row, std::ostream* out) { *out << row.name; }

class HalfShadow : public StyleLineTest, public ::testing::WithParamInterface<HalfShadowRow> {};

// The line's colour read as four components (missing ones 0), halved, and
// relabelled in the document's colour model.
TEST_P(HalfShadow, HalvesTheLinesColourInTheDocumentsModel)
{
    const HalfShadowRow& row = GetParam();
    doc().colorModel = row.model;
    record.dropShadow = 1;
    record.halfShadow = 1;
    lineArt().style.fill = row.line;
    lineArt().style.stroke = row.line;
    ASSERT_EQ(StyleLine(&line), kNoErr);
    ASSERT_EQ(allArt().size(), 2u);
    const studio::Art& shadow = *allArt()[0];
    EXPECT_PRED_FORMAT2(ColorsNear, shadow.style.fill, row.shadow) << row.name;
    EXPECT_PRED_FORMAT2(ColorsNear, shadow.style.stroke, row.shadow) << row.name;
    EXPECT_PRED_FORMAT2(ColorsNear, lineArt().style.fill, row.line) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HalfShadow,
    ::testing::Values(
        HalfShadowRow{"RGB line in RGB", ColorModel::Rgb, Color::rgb(0.8f, 0.4f, 0.2f), Color::rgb(0.4f, 0.2f, 0.1f)},
        HalfShadowRow{"CMYK line in CMYK", ColorModel::Cmyk, Color::cmyk(0.2f, 0.4f, 0.6f, 0.8f),
                      Color::cmyk(0.1f, 0.2f, 0.3f, 0.4f)},
        HalfShadowRow{"gray line in grayscale", ColorModel::Gray, Color::gray(0.6f), Color::gray(0.3f)},
        HalfShadowRow{"RGB line in CMYK", ColorModel::Cmyk, Color::rgb(0.8f, 0.4f, 0.2f),
                      Color::cmyk(0.4f, 0.2f, 0.1f, 0)},
        HalfShadowRow{"gray line in RGB", ColorModel::Rgb, Color::gray(0.6f), Color::rgb(0.3f, 0, 0)},
        HalfShadowRow{"CMYK line in grayscale", ColorModel::Gray, Color::cmyk(0.2f, 0.4f, 0.6f, 0.8f),
                      Color::gray(0.1f)},
        HalfShadowRow{"pattern line in RGB", ColorModel::Rgb, styling_test::Pattern(), Color::rgb(0, 0, 0)}));

TEST_F(StyleLineTest, RandomShadowAngleOpacityAndSquash)
{
    record.dropShadow = 1;
    record.randomShadowAngle = 1;
    record.randomShadowOpacity = 1;
    record.randomShadowScale = 1;
    // Half signs before magnitudes: -, dx -2; +, dy -3; opacity 0.25; squash to half height.
    useDraws({0.7f, 0.4f, 0.3f, 0.6f, 0.25f, 0.5f});
    ASSERT_EQ(StyleLine(&line), kNoErr);
    ASSERT_EQ(allArt().size(), 2u);
    const AIArtHandle shadow = reinterpret_cast<AIArtHandle>(allArt()[0]);
    // Moved to (98, 97)..(198, 137), then squashed towards its bottom edge.
    EXPECT_PRED_FORMAT2(RectsNear, boundsOf(shadow), (AIRealRect{98, 117, 198, 97}));
    EXPECT_FLOAT_EQ(allArt()[0]->opacity, 0.25f);
    EXPECT_FLOAT_EQ(lineArt().opacity, 1.0f);
    EXPECT_EQ(draws(), 6u);
}

// ---- Sketch copies --------------------------------------------------------

TEST_F(GeneratorTest, SketchRepeatsGiveThreeStrokeOnlyCopiesAboveEachLineAndLeaveTheSetsAlone)
{
    record.zoomSets = 3;
    record.setCenterShiftX = 10;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    std::vector<std::vector<AIPathSegment>> plain;
    for (const studio::Art* art : allArt()) plain.push_back(art->segments);
    ASSERT_EQ(plain.size(), 90u);

    record.sketchRepeats = 3;
    record.sketchWeight = 10;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    std::vector<studio::Art*> art = allArt();
    ASSERT_EQ(art.size(), 360u);
    for (size_t k = 0; k < 90; k++) {
        const studio::Art& line = *art[4 * k];
        ASSERT_EQ(line.segments.size(), plain[k].size()) << "line " << k;
        for (size_t i = 0; i < line.segments.size(); i++)
            EXPECT_PRED_FORMAT2(PointsEqual, line.segments[i].p, plain[k][i].p) << "line " << k;
        EXPECT_TRUE(line.style.fillPaint) << "line " << k;
        for (size_t c = 1; c <= 3; c++) {
            const studio::Art& copy = *art[4 * k + c];
            EXPECT_FALSE(copy.style.fillPaint) << "line " << k << ", copy " << c;
            EXPECT_TRUE(copy.style.strokePaint) << "line " << k << ", copy " << c;
            EXPECT_EQ(copy.segments.size(), line.segments.size()) << "line " << k << ", copy " << c;
        }
    }
}

TEST_F(StyleLineTest, ShiftMovesEveryAnchorAndHandleAndModeSevenColoursByIt)
{
    record.sketchRepeats = 1;
    record.sketchColorMode = 7;
    record.randomSketchShift = 0;
    record.randomSketchWidth = 0;
    line.sketchStrokeWeight = 2;
    lineArt().segments[1].out = {230, 110};
    // Half signs before magnitudes: +, sx 2.5; -, sy -2.
    useDraws({0.2f, 0.5f, 0.8f, 0.4f});
    ASSERT_EQ(StyleLine(&line), kNoErr);
    ASSERT_EQ(allArt().size(), 2u);
    const studio::Art& copy = *allArt()[1];
    ExpectMovedBy(copy, lineArt(), 2.5f, -2, "copy");
    // Out-handle vertical, anchor vertical, in-handle horizontal, over the shift; unclamped.
    EXPECT_PRED_FORMAT2(ColorsNear, copy.style.stroke, Color::rgb(-0.4f, -0.4f, 0.5f));
    EXPECT_FLOAT_EQ(copy.style.strokeWidth, 2);
    EXPECT_EQ(draws(), 4u);
}

TEST_F(StyleLineTest, RandomShiftDrawsASignAndAnAmountPerCoordinate)
{
    record.sketchRepeats = 1;
    record.sketchColorMode = 7;
    record.randomSketchWidth = 0;
    lineArt().segments.resize(1);
    useDraws({0.2f, 0.5f, 0.8f, 0.4f,  // sx 2.5, sy -2
              0.3f, 0.5f,              // anchor h: + 0.5 -> 1.25
              0.7f, 0.5f,              // anchor v: - 0.5 -> 1
              0.1f, 0.2f,              // in h: + 0.2 -> 0.5
              0.2f, 0.25f,             // in v: + 0.25 -> -0.5
              0.9f, 1.0f,              // out h: - 1 -> -2.5
              0.4f, 0.75f});           // out v: + 0.75 -> -1.5
    ASSERT_EQ(StyleLine(&line), kNoErr);
    const AIPathSegment& s = allArt()[1]->segments.at(0);
    EXPECT_PRED_FORMAT2(PointsEqual, s.p, (AIRealPoint{101.25f, 101}));
    EXPECT_PRED_FORMAT2(PointsEqual, s.in, (AIRealPoint{100.5f, 99.5f}));
    EXPECT_PRED_FORMAT2(PointsEqual, s.out, (AIRealPoint{97.5f, 98.5f}));
    EXPECT_PRED_FORMAT2(ColorsNear, allArt()[1]->style.stroke, Color::rgb(-0.3f, 0.2f, 0.1f));
    EXPECT_EQ(draws(), 16u);
}

TEST_F(StyleLineTest, ShiftZeroRewritesNoSegmentAndModeSevenGivesBlack)
{
    record.sketchRepeats = 2;
    record.sketchShift = 0;
    record.sketchColorMode = 7;
    lineArt().style.stroke = Color::rgb(0.2f, 0.4f, 0.6f);
    host.faults().failFrom("GetPathSegmentCount", 1, kFaultCode);
    host.faults().failFrom("GetPathSegments", 1, kFaultCode);
    host.faults().failFrom("SetPathSegments", 1, kFaultCode);
    ASSERT_EQ(StyleLine(&line), kNoErr);
    ASSERT_EQ(allArt().size(), 3u);
    for (size_t c = 1; c <= 2; c++) {
        ExpectMovedBy(*allArt()[c], lineArt(), 0, 0, "copy");
        EXPECT_PRED_FORMAT2(ColorsNear, allArt()[c]->style.stroke, Color::rgb(0, 0, 0)) << "copy " << c;
    }
}

TEST_F(StyleLineTest, SameColourModeGivesTheCopyStrokePaintWithTheLinesStrokeColour)
{
    record.sketchRepeats = 1;
    record.sketchColorMode = 1;
    lineArt().style.strokePaint = false;
    lineArt().style.stroke = Color::cmyk(0.1f, 0.2f, 0.3f, 0.4f);
    ASSERT_EQ(StyleLine(&line), kNoErr);
    const studio::Art& copy = *allArt()[1];
    EXPECT_TRUE(copy.style.strokePaint);
    EXPECT_FALSE(copy.style.fillPaint);
    EXPECT_PRED_FORMAT2(ColorsNear, copy.style.stroke, Color::cmyk(0.1f, 0.2f, 0.3f, 0.4f));
    EXPECT_FALSE(lineArt().style.strokePaint);
}

TEST_F(StyleLineTest, RandomSketchWidthScalesTheWeight)
{
    record.sketchRepeats = 1;
    record.sketchShift = 0;
    line.sketchStrokeWeight = 3;
    useDraws({0, 0, 0, 0, 0.5f});
    ASSERT_EQ(StyleLine(&line), kNoErr);
    EXPECT_FLOAT_EQ(allArt()[1]->style.strokeWidth, 1.5f);
}

struct ModeRow {
    int32_t mode;
    Color stroke;              // the line's
    std::vector<float> draws;  // after the copy's four shift draws
    Color expected;
    float opacity;  // of the copy; the line's is 0.5
};

void PrintTo(const ModeRow& row, std::ostream* out)
{
    *out << "mode " << row.mode << " on " << styling_test::Describe(row.stroke);
}

class SketchColourModes : public StyleLineTest, public ::testing::WithParamInterface<ModeRow> {};

TEST_P(SketchColourModes, GiveTheCopysStrokeItsColourInTheLinesKind)
{
    const ModeRow& row = GetParam();
    record.sketchRepeats = 1;
    record.sketchShift = 0;
    record.sketchColorMode = row.mode;
    record.randomSketchWidth = 0;
    line.sketchStrokeWeight = 2;
    lineArt().style.stroke = row.stroke;
    lineArt().opacity = 0.5f;
    std::vector<float> draws = {0, 0, 0, 0};
    draws.insert(draws.end(), row.draws.begin(), row.draws.end());
    useDraws(draws);
    ASSERT_EQ(StyleLine(&line), kNoErr);
    ASSERT_EQ(allArt().size(), 2u);
    const studio::Art& copy = *allArt()[1];
    EXPECT_PRED_FORMAT2(ColorsNear, copy.style.stroke, row.expected);
    EXPECT_FLOAT_EQ(copy.opacity, row.opacity);
    EXPECT_TRUE(copy.style.strokePaint);
    EXPECT_FALSE(copy.style.fillPaint);
    EXPECT_FLOAT_EQ(copy.style.strokeWidth, 2);
    EXPECT_PRED_FORMAT2(ColorsNear, lineArt().style.stroke, row.stroke);
    EXPECT_EQ(this->draws(), draws.size());
}

const Color kRgb = Color::rgb(0.5f, 1.0f, 0.25f);
const Color kCmyk = Color::cmyk(0.5f, 0.5f, 0.5f, 0.7f);
const Color kGray = Color::gray(0.3f);

INSTANTIATE_TEST_SUITE_P(
    Rows, SketchColourModes,
    ::testing::Values(
        ModeRow{0, kRgb, {}, Color::rgb(0, 0, 0), 0.5f}, ModeRow{0, kCmyk, {}, Color::cmyk(1, 1, 1, 1), 0.5f},
        ModeRow{0, kGray, {}, Color::gray(1), 0.5f},
        ModeRow{0, styling_test::Pattern(), {}, styling_test::Pattern(), 0.5f}, ModeRow{1, kCmyk, {}, kCmyk, 0.5f},
        ModeRow{2, kRgb, {0.1f, 0.2f, 0.3f}, Color::rgb(0.1f, 0.2f, 0.3f), 0.5f},
        ModeRow{2, kCmyk, {0.1f, 0.2f, 0.3f}, Color::cmyk(0.1f, 0.2f, 0.3f, 0.7f), 0.5f},
        ModeRow{2, kGray, {0.1f}, Color::gray(0.1f), 0.5f},
        ModeRow{2, styling_test::Custom(), {}, styling_test::Custom(), 0.5f},
        // floor(0.5 x 12) + 1 = 7: Green, of any kind over any kind.
        ModeRow{3, styling_test::Gradient(), {0.5f}, Color::rgb(0, 0.6f, 0.2f), 0.5f},
        ModeRow{4, kRgb, {}, Color::rgb(0.4f, 0.8f, 0.2f), 0.5f},
        ModeRow{4, kCmyk, {}, Color::cmyk(0.4f, 0.4f, 0.4f, 0.56f), 0.5f},
        ModeRow{4, kGray, {}, Color::gray(0.24f), 0.5f}, ModeRow{5, kRgb, {0.6f}, Color::rgb(0.4f, 0.8f, 0.2f), 0.5f},
        ModeRow{5, kRgb, {0.5f}, kRgb, 0.5f},
        ModeRow{5, styling_test::Pattern(), {0.6f}, styling_test::Pattern(), 0.5f},
        ModeRow{6, kRgb, {0.5f, 0.1f, 0.2f, 0.3f}, Color::rgb(0.1f, 0.2f, 0.3f), 0.5f},
        ModeRow{6, kRgb, {0.6f}, Color::rgb(0, 0, 0), 0.5f}, ModeRow{6, kGray, {0.6f}, Color::gray(1), 0.5f},
        ModeRow{6, Color::none(), {0.4f}, Color::none(), 0.5f}, ModeRow{7, kRgb, {}, Color::rgb(0, 0, 0), 0.5f},
        ModeRow{7, kGray, {}, Color::gray(1), 0.5f}, ModeRow{7, kCmyk, {}, Color::cmyk(1, 1, 1, 1), 0.5f},
        ModeRow{8, kRgb, {0.25f}, Color::rgb(0, 0, 0), 0.25f},
        ModeRow{9, kRgb, {0.25f, 0.1f, 0.2f, 0.3f}, Color::rgb(0.1f, 0.2f, 0.3f), 0.25f},
        ModeRow{10, kRgb, {}, kRgb, 0.4f}, ModeRow{11, kCmyk, {0.25f}, Color::cmyk(0, 0, 0, 0), 0.25f},
        ModeRow{11, kRgb, {0.25f}, Color::rgb(1, 1, 1), 0.25f}, ModeRow{11, kGray, {0.25f}, Color::gray(0), 0.25f},
        ModeRow{12, kRgb, {}, kRgb, 0.5f}));

TEST_F(StyleLineTest, SwatchModeLeavesTheCursorAtItsPick)
{
    record.sketchRepeats = 2;
    record.sketchShift = 0;
    record.sketchColorMode = 3;
    record.randomSketchWidth = 0;
    useDraws({0, 0, 0, 0, 0.3f, 0, 0, 0, 0, 0.9f});
    ASSERT_EQ(StyleLine(&line), kNoErr);
    EXPECT_PRED_FORMAT2(ColorsNear, allArt()[1]->style.stroke, doc().swatches[4].color);
    EXPECT_PRED_FORMAT2(ColorsNear, allArt()[2]->style.stroke, doc().swatches[11].color);
    EXPECT_EQ(cursor, 11);
}

// ---- Host errors ------------------------------------------------------------

struct ErrorRow {
    const char* operation;
    int n;
    size_t art;  // left in the document
};

void PrintTo(const ErrorRow& row, std::ostream* out) { *out << row.operation << " " << row.n; }

// Everything on: turn/scale, named style, shadow with its squash, two shifted copies.
class StylingErrors : public StyleLineTest, public ::testing::WithParamInterface<ErrorRow> {
protected:
    void SetUp() override
    {
        StyleLineTest::SetUp();
        record.randomStyle = 1;
        record.dropShadow = 1;
        record.randomShadowScale = 1;
        record.sketchRepeats = 2;
        record.sketchShift = 5;
        record.randomSketchShift = 0;
        // Every half sign +, every magnitude 0.5: the copies shift by (2.5, 2.5).
        useDraws(std::vector<float>(40, 0.5f));
    }
};

TEST_P(StylingErrors, EndTheRunWithTheirCodeAndKeepWhatWasMade)
{
    const ErrorRow& row = GetParam();
    host.faults().failNth(row.operation, row.n, kFaultCode);
    EXPECT_EQ(StyleLine(&line), kFaultCode);
    EXPECT_EQ(allArt().size(), row.art);
}

INSTANTIATE_TEST_SUITE_P(Rows, StylingErrors,
                         ::testing::Values(ErrorRow{"GetArtBounds", 1, 1}, ErrorRow{"TransformArt", 1, 1},
                                           ErrorRow{"GetNthNamedArtStyle", 1, 1}, ErrorRow{"ApplyArtStyle", 1, 1},
                                           ErrorRow{"DuplicateArt", 1, 1},  // the shadow
                                           ErrorRow{"TransformArt", 2, 2},  // moving the shadow
                                           ErrorRow{"GetArtBounds", 2, 2},  // squashing the shadow
                                           ErrorRow{"TransformArt", 3, 2},
                                           ErrorRow{"DuplicateArt", 2, 2},  // the first copy
                                           ErrorRow{"GetPathSegmentCount", 1, 3}, ErrorRow{"GetPathSegments", 1, 3},
                                           ErrorRow{"SetPathSegments", 4, 3},
                                           ErrorRow{"DuplicateArt", 3, 3},  // the second copy
                                           ErrorRow{"GetPathSegments", 6, 4}));

TEST_F(StylingErrors, IgnoredResultsLetTheLineFinish)
{
    for (const char* operation : {"GetPathStyle", "SetPathStyle", "GetOpacity", "SetOpacity", "GetDocumentColorModel",
                                  "GetNthSwatch", "GetSwatchColor"})
        host.faults().failFrom(operation, 1, kFaultCode);
    record.swatchOrder = 1;
    record.randomOpacity = 1;
    record.randomShadowOpacity = 1;
    record.sketchColorMode = 10;
    EXPECT_EQ(StyleLine(&line), kNoErr);
    EXPECT_EQ(allArt().size(), 4u);
}

TEST_F(GeneratorTest, AShadowErrorEndsTheRunAndKeepsTheLinesDrawn)
{
    record.dropShadow = 1;
    host.faults().failNth("DuplicateArt", 3, kFaultCode);
    EXPECT_EQ(GenerateFocusLines(&record), kFaultCode);
    // Shadow, line, shadow, line, and the third line without its shadow.
    std::vector<studio::Art*> art = allArt();
    ASSERT_EQ(art.size(), 5u);
    EXPECT_PRED_FORMAT2(ColorsNear, art[4]->style.fill, doc().currentStyle.fill);
}

}  // namespace
