// Where styling puts a line: tilt and scale about its own centre, the random
// turns, moves and scalings, and the alternating options of odd sets.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "tests/support/StylingFixture.h"

namespace {

using styling_test::OneSetDraws;
using styling_test::RectsNear;
using styling_test::StyleLineTest;

bool SameSegments(const std::vector<AIPathSegment>& a, const std::vector<AIPathSegment>& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); i++) {
        if (a[i].p.h != b[i].p.h || a[i].p.v != b[i].p.v || a[i].in.h != b[i].in.h || a[i].in.v != b[i].in.v ||
            a[i].out.h != b[i].out.h || a[i].out.v != b[i].out.v || a[i].corner != b[i].corner)
            return false;
    }
    return true;
}

TEST_F(StyleLineTest, WithEveryOptionOffTheLineDoesNotMoveOrChange)
{
    const studio::ArtState before = lineArt();
    useDraws({});
    ASSERT_EQ(StyleLine(&line), kNoErr);
    EXPECT_TRUE(SameSegments(lineArt().segments, before.segments));
    EXPECT_EQ(lineArt().style, before.style);
    EXPECT_EQ(lineArt().opacity, 1.0f);
    EXPECT_EQ(allArt().size(), 1u);
    EXPECT_EQ(draws(), 0u);
}

TEST_F(StyleLineTest, NegativeHorizontalScaleMirrorsAboutTheLinesOwnCentre)
{
    studio::Art& a = lineArt();
    a.segments[1].out = {230, 110};  // a bulging edge: the bounds' centre is not the anchors' middle
    const std::vector<AIPathSegment> before = a.segments;
    const AIRealRect bounds = boundsOf(path);
    const float centre = bounds.left + (bounds.right - bounds.left) / 2;
    line.scaleHorizontal = -1;
    ASSERT_EQ(StyleLine(&line), kNoErr);
    EXPECT_PRED_FORMAT2(RectsNear, boundsOf(path), bounds);
    for (size_t i = 0; i < before.size(); i++) {
        EXPECT_FLOAT_EQ(a.segments[i].p.v, before[i].p.v) << "segment " << i;
        EXPECT_FLOAT_EQ(a.segments[i].out.v, before[i].out.v) << "segment " << i;
        EXPECT_NEAR(a.segments[i].p.h + before[i].p.h, 2 * centre, 1e-3) << "segment " << i;
        EXPECT_NEAR(a.segments[i].out.h + before[i].out.h, 2 * centre, 1e-3) << "segment " << i;
    }
}

struct PlacementRow {
    const char* name;
    int32_t FocaraParams::*flags[2];
    std::vector<float> draws;
    AIRealRect bounds;  // after styling; the rectangle starts at (l 100, t 140, r 200, b 100)
};

void PrintTo(const PlacementRow& row, std::ostream* out) { *out << row.name; }

class PlacementSteps : public StyleLineTest, public ::testing::WithParamInterface<PlacementRow> {};

TEST_P(PlacementSteps, MoveTurnAndScaleTheLineAboutItsPresentCentre)
{
    const PlacementRow& row = GetParam();
    for (int32_t FocaraParams::*flag : row.flags)
        if (flag) record.*flag = 1;
    useDraws(row.draws);
    ASSERT_EQ(StyleLine(&line), kNoErr) << row.name;
    EXPECT_PRED_FORMAT2(RectsNear, boundsOf(path), row.bounds) << row.name;
    EXPECT_EQ(draws(), row.draws.size()) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlacementSteps,
    ::testing::Values(
        // A quarter turn: 10 x 0.15707963 radians.
        PlacementRow{"random rotation", {&FocaraParams::randomRotation}, {0.15707963f}, {130, 170, 170, 70}},
        // Sign + (0.2 x 10 <= 5), dx 25; sign - (7 > 5), dy -5.
        PlacementRow{"jitter centre", {&FocaraParams::jitterCenter}, {0.2f, 0.5f, 0.7f, 0.1f}, {125, 135, 225, 95}},
        PlacementRow{"jitter centre, sign at exactly 5 is +",
                     {&FocaraParams::jitterCenter},
                     {0.5f, 0.5f, 0.5f, 0.5f},
                     {125, 165, 225, 125}},
        PlacementRow{"random scaling by rand + 0.01", {&FocaraParams::randomScaling}, {0.49f}, {125, 130, 175, 110}},
        // m = 0.05 drawn before its sign.
        PlacementRow{"jitter scaling down", {&FocaraParams::jitterScaling}, {0.5f, 0.9f}, {102.5f, 139, 197.5f, 101}},
        PlacementRow{"jitter scaling up", {&FocaraParams::jitterScaling}, {0.5f, 0.1f}, {97.5f, 141, 202.5f, 99}},
        // The scaling reads the bounds after the move: it shrinks about (175, 115).
        PlacementRow{"jitter centre, then scaling about the moved centre",
                     {&FocaraParams::jitterCenter, &FocaraParams::randomScaling},
                     {0.2f, 0.5f, 0.7f, 0.1f, 0.49f},
                     {150, 125, 200, 105}}));

TEST_F(StyleLineTest, TiltTurnsBeforeTheScaleAboutTheCentre)
{
    line.tilt = static_cast<AIReal>(3.14159265358979323846 / 2);
    line.scaleHorizontal = 2;
    ASSERT_EQ(StyleLine(&line), kNoErr);
    // Turned upright (40 wide, 100 high), then twice as wide, about (150, 120).
    EXPECT_PRED_FORMAT2(RectsNear, boundsOf(path), (AIRealRect{110, 170, 190, 70}));
}

TEST_F(StyleLineTest, HalfTurnOfAlternateRotationOnlyOnOddSets)
{
    record.repeatAltRotation = 1;
    for (int32_t s : {0, 1, 2, 3}) {
        studio::Art& a = lineArt();
        a.segments[0].p = {100, 100};
        a.segments[2].p = {200, 140};
        line.setIndex = s;
        ASSERT_EQ(StyleLine(&line), kNoErr);
        const AIRealPoint expected = s % 2 ? AIRealPoint{200, 140} : AIRealPoint{100, 100};
        EXPECT_PRED_FORMAT2(PointsEqual, a.segments[0].p, expected) << "set " << s;
    }
}

// Through the driver: four sets of one line each, the line along +x from
// (326, 396) to (426, 396), 10 wide.
TEST_F(GeneratorTest, AlternateScalingHalvesTheLinesOfOddSetsOnly)
{
    record.zoomSets = 4;
    record.lineCount = 1;
    record.repeatAltScaling = 1;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    std::vector<studio::Art*> paths = allArt();
    ASSERT_EQ(paths.size(), 4u);
    for (size_t s = 0; s < paths.size(); s++) {
        AIRealRect bounds = {0, 0, 0, 0};
        ASSERT_EQ(sAIArt->GetArtBounds(reinterpret_cast<AIArtHandle>(paths[s]), &bounds), kNoErr);
        const float half = s % 2 ? 0.5f : 1.0f;
        EXPECT_PRED_FORMAT2(RectsNear, bounds,
                            (AIRealRect{376 - 50 * half, 396 + 10 * half, 376 + 50 * half, 396 - 10 * half}))
            << "set " << s;
    }
}

TEST_F(GeneratorTest, AlternateRotationTurnsTheLinesOfOddSetsOnly)
{
    record.zoomSets = 4;
    record.lineCount = 1;
    record.repeatAltRotation = 1;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    std::vector<studio::Art*> paths = allArt();
    ASSERT_EQ(paths.size(), 4u);
    for (size_t s = 0; s < paths.size(); s++) {
        // The inner end lands on the outer end's place when turned.
        const AIRealPoint inner = s % 2 ? AIRealPoint{426, 396} : AIRealPoint{326, 396};
        EXPECT_PRED_FORMAT2(PointsEqual, paths[s]->segments[0].p, inner) << "set " << s;
    }
}

// The driver's draws come first, then the styling's, in the order of the steps.
TEST_F(GeneratorTest, StylingDrawsFollowTheDriversForEveryLine)
{
    record.lineCount = 2;
    record.jitterCenter = 1;
    host.random().setSequence(OneSetDraws({{0.2f, 0.5f, 0.7f, 0.1f}, {0.7f, 0.1f, 0.2f, 0.5f}}));
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    std::vector<studio::Art*> paths = allArt();
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_PRED_FORMAT2(PointsEqual, paths[0]->segments[0].p, (AIRealPoint{351, 391}));
    // The second line points along -x (two lines are 180 degrees apart); moved by (-5, 25).
    EXPECT_PRED_FORMAT2(PointsEqual, paths[1]->segments[0].p, (AIRealPoint{281, 421}));
}

}  // namespace
