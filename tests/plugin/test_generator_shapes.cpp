// The shape table and the shape step that writes one line's outline.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "plugin/generator/LineShapes.h"
#include "tests/support/GeneratorFixture.h"

namespace {

struct ShapeRow {
    int32_t style;
    const char* popupText;
    int32_t anchorCount;
};

// As the shape popup lists them.
// clang-format off
const ShapeRow kShapeRows[] = {
    {0, " Default zoom focus line", 3},
    {1, " Triangle up", 3},
    {2, " Triangle down", 3},
    {3, " Wedge", 4},
    {4, " Nib", 5},
    {5, " Dip", 4},
    {6, " V", 6},
    {7, " Doubled", 7},
    {8, " Diamond", 4},
    {9, " Half diamond", 3},
    {10, " Cut", 6},
    {11, " Arrow ends", 10},
    {12, " Arrow", 7},
    {13, " Slant", 3},
    {14, " Curved 1", 2},
    {15, " Curved 2", 2},
    {16, " Curved 3", 4},
    {17, " Curved 4", 2},
    {18, " Bullet 1", 3},
    {19, " Bullet 2", 3},
    {20, " Bend 1", 4},
    {21, " Bend 2", 4},
    {22, " Double diamond", 8},
    {23, " Jagged", 4},
    {24, " Double down", 5},
    {25, " Double up", 5},
    {26, " Hook", 5},
    {27, " Semi", 2},
    {28, " Bump", 3},
    {29, " Hammer", 8},
    {30, " Saw", 7},
    {31, " Valley", 6},
    {32, " Rise", 9},
    {33, " Crackle", 11},
    {34, " Diamonds", 12},
    {35, " Spike", 8},
    {36, " Crossover", 4},
    {37, " Six", 13},
    {38, " Ledge", 5},
    {39, " Smile", 3},
    {40, " Nibble", 7},
    {41, " Chisel 1", 5},
    {42, " Chisel 2", 7},
    {43, " Two", 8},
    {44, " Join", 8},
    {45, " Reverse", 3},
    {46, " Rectangle", 4},
    {47, " Boom", 6},
    {48, " Plunge", 6},
    {49, " Slant 1", 4},
    {50, " Slant 2", 4},
    {51, " Slant 3", 4},
    {52, " Plateau", 4},
    {53, " Dip", 4},
    {54, " Mid", 5},
};
// clang-format on

TEST(LineShapeTable, EveryStyleHasItsPopupTextAndAnchorCount)
{
    ASSERT_EQ(std::size(kShapeRows), static_cast<size_t>(kLineShapeCount));
    for (const ShapeRow& row : kShapeRows) {
        const char* text = LineShapePopupText(row.style);
        ASSERT_NE(text, nullptr) << "style " << row.style;
        EXPECT_STREQ(text, row.popupText) << "style " << row.style;
        EXPECT_EQ(LineShapeAnchorCount(row.style), row.anchorCount) << "style " << row.style;
    }
}

TEST(LineShapeTable, StylesOutsideTheTableHaveNoTextAndNoAnchors)
{
    for (int32_t style : {-1, 55, 1000}) {
        EXPECT_EQ(LineShapePopupText(style), nullptr) << "style " << style;
        EXPECT_EQ(LineShapeAnchorCount(style), 0) << "style " << style;
    }
}

// The worked frame: zoom centre (300, 400), D 20, L 100, W 10.
class LineShapeWriting : public GeneratorTest {
protected:
    LineShapeInputs Inputs(int32_t style)
    {
        LineShapeInputs line = {};
        EXPECT_EQ(sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &line.path), kNoErr);
        line.style = style;
        line.center = {300, 400};
        line.distance = 20;
        line.length = 100;
        line.width = 10;
        line.pull = line.center;
        return line;
    }

    const std::vector<AIPathSegment>& Written() { return allArt().back()->segments; }
};

struct Anchor {
    AIRealPoint p, in, out;
};

void ExpectSegments(const std::vector<AIPathSegment>& actual, const std::vector<Anchor>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); i++) {
        EXPECT_PRED_FORMAT2(PointsEqual, actual[i].p, expected[i].p) << "anchor " << i;
        EXPECT_PRED_FORMAT2(PointsEqual, actual[i].in, expected[i].in) << "in-handle " << i;
        EXPECT_PRED_FORMAT2(PointsEqual, actual[i].out, expected[i].out) << "out-handle " << i;
        EXPECT_FALSE(actual[i].corner) << "segment " << i;
    }
}

TEST_F(LineShapeWriting, WritesTheWorkedExamples)
{
    LineShapeInputs line = Inputs(0);
    ASSERT_EQ(WriteLineShape(&line), kNoErr);
    ExpectSegments(Written(), {{{320, 400}, {320, 400}, {320, 400}},
                               {{420, 410}, {420, 410}, {420, 410}},
                               {{420, 390}, {420, 390}, {420, 390}}});
    line = Inputs(13);
    ASSERT_EQ(WriteLineShape(&line), kNoErr);
    ExpectSegments(Written(), {{{320, 400}, {320, 400}, {320, 400}},
                               {{400, 410}, {400, 410}, {400, 410}},
                               {{420, 400}, {420, 400}, {420, 400}}});
    line = Inputs(46);
    ASSERT_EQ(WriteLineShape(&line), kNoErr);
    ExpectSegments(Written(), {{{320, 395}, {320, 395}, {320, 395}},
                               {{320, 405}, {320, 405}, {320, 405}},
                               {{420, 405}, {420, 405}, {420, 405}},
                               {{420, 395}, {420, 395}, {420, 395}}});
    line = Inputs(36);
    ASSERT_EQ(WriteLineShape(&line), kNoErr);
    ExpectSegments(Written(), {{{320, 395}, {370, 395}, {320, 395}},
                               {{320, 405}, {320, 405}, {370, 405}},
                               {{420, 395}, {370, 395}, {420, 395}},
                               {{420, 405}, {420, 405}, {370, 405}}});
}

// a*L is taken as (num*L)/den: 100/3, not 100 times the float nearest 1/3.
TEST_F(LineShapeWriting, TakesFractionsAsWholeNumbersOverTheirDenominator)
{
    LineShapeInputs line = Inputs(29);  // " Hammer": (0, +1); (1/3, +1); (1/3, +1/3); ...
    line.center = {0, 0};
    line.distance = 0;
    line.pull = line.center;
    ASSERT_EQ(WriteLineShape(&line), kNoErr);
    EXPECT_EQ(Written()[2].p.h, 100.0f / 3.0f);
    EXPECT_EQ(Written()[2].p.v, 10.0f / 3.0f);
}

TEST_F(LineShapeWriting, PullsAnchorsButNotHandles)
{
    LineShapeInputs line = Inputs(0);
    line.pullFactor = 0.5f;
    ASSERT_EQ(WriteLineShape(&line), kNoErr);
    ExpectSegments(Written(), {{{310, 400}, {320, 400}, {320, 400}},
                               {{360, 405}, {420, 410}, {420, 410}},
                               {{360, 395}, {420, 390}, {420, 390}}});
}

TEST_F(LineShapeWriting, RandomPullDrawsOneNumberPerAnchorInListOrder)
{
    host.random().setSequence({0.5f, 0.25f, 0.75f, 0.125f});
    LineShapeInputs line = Inputs(0);
    line.pullFactor = 1;
    line.randomPull = 1;
    ASSERT_EQ(WriteLineShape(&line), kNoErr);
    ExpectSegments(Written(), {{{310, 400}, {320, 400}, {320, 400}},
                               {{390, 407.5f}, {420, 410}, {420, 410}},
                               {{330, 397.5f}, {420, 390}, {420, 390}}});
    EXPECT_EQ(sAIRandom->FloatRnd(), 0.125f) << "three anchors, three draws";
}

TEST_F(LineShapeWriting, StyleAbove54WritesNothingAndDrawsNothing)
{
    host.random().setSequence({0.5f});
    LineShapeInputs line = Inputs(55);
    line.randomPull = 1;
    line.pullFactor = 1;
    ASSERT_EQ(WriteLineShape(&line), kNoErr);
    EXPECT_TRUE(Written().empty());
    EXPECT_EQ(sAIRandom->FloatRnd(), 0.5f);
}

TEST_F(LineShapeWriting, EveryStyleWritesItsAnchorCountOfSegments)
{
    for (const ShapeRow& row : kShapeRows) {
        LineShapeInputs line = Inputs(row.style);
        ASSERT_EQ(WriteLineShape(&line), kNoErr) << "style " << row.style;
        EXPECT_EQ(Written().size(), static_cast<size_t>(row.anchorCount)) << "style " << row.style;
    }
}

TEST_F(LineShapeWriting, FailedSegmentWriteEndsTheStepAndKeepsWhatWasWritten)
{
    host.faults().failNth("SetPathSegments", 3, kFaultCode);
    LineShapeInputs line = Inputs(46);
    EXPECT_EQ(WriteLineShape(&line), kFaultCode);
    EXPECT_EQ(Written().size(), 2u);
}

}  // namespace
