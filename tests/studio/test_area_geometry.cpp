// Reference areas: the burst drawn by the plug-in at the area's smallest
// radius, then every line pushed out to the area's border, unchanged in itself.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "studio/document/ReferenceArea.h"
#include "studio/io/ReferenceAreaText.h"
#include "studio/session/AreaRun.h"
#include "tests/support/GeneratorFixture.h"

namespace {

using studio::Art;
using studio::ReferenceArea;

struct AreaCase {
    const char* text;
};

std::vector<std::vector<AIPathSegment>> segmentsOf(const std::vector<Art*>& art)
{
    std::vector<std::vector<AIPathSegment>> out;
    for (const Art* a : art) out.push_back(a->segments);
    return out;
}

// The one vector every point of after lies from before, or a failure.
::testing::AssertionResult MovedBy(const std::vector<AIPathSegment>& before, const std::vector<AIPathSegment>& after,
                                   double& dx, double& dy)
{
    if (before.size() != after.size() || before.empty())
        return ::testing::AssertionFailure() << "segment counts differ";
    dx = double(after[0].p.h) - before[0].p.h;
    dy = double(after[0].p.v) - before[0].p.v;
    constexpr double kTolerance = 1e-3;  // float coordinates up to a few thousand points
    for (size_t i = 0; i < before.size(); ++i)
        for (auto [b, a] : {std::pair{before[i].p, after[i].p}, std::pair{before[i].in, after[i].in},
                            std::pair{before[i].out, after[i].out}})
            if (std::abs(a.h - b.h - dx) > kTolerance || std::abs(a.v - b.v - dy) > kTolerance)
                return ::testing::AssertionFailure() << "segment " << i << " moved by (" << a.h - b.h << ", "
                                                     << a.v - b.v << "), not (" << dx << ", " << dy << ")";
    return ::testing::AssertionSuccess();
}

class AreaGeometry : public GeneratorTest {
protected:
    // Draws with the record aimed at the area; returns the paths as the plug-in drew them.
    std::vector<std::vector<AIPathSegment>> drawAimedAt(const ReferenceArea& area)
    {
        studio::aimRecordAtArea(record, area);
        studio::AreaPush push(doc());
        EXPECT_EQ(GenerateFocusLines(&record), kNoErr);
        auto drawn = segmentsOf(allArt());
        push.apply(doc(), area, record);
        return drawn;
    }
};

const char* const kAreas[] = {
    "ellipse:300,400,120,60",  "ellipse:300,400,120,60,30", "ellipse:250,380,40,150,-75", "rect:200,300,240,120",
    "rect:200,300,240,120,45", "rect:250,350,60,200,120",   "ellipse:306,396,80,80,10",
};

// Shapes whose nearest point lies a little off the inner distance.
const std::set<int32_t> kShapesOffTheDistance = {10, 21, 50, 51};

TEST_F(AreaGeometry, EveryShapeKeepsItsFormAndItsNearestPointLandsOnTheBorder)
{
    for (const char* text : kAreas) {
        const ReferenceArea area = studio::referenceAreaFromText(text);
        for (int32_t shape = 0; shape < 55; ++shape) {
            SCOPED_TRACE(std::string(text) + ", shape " + std::to_string(shape));
            doc().undo();
            WriteParamDefaults(&record);
            record.finalRun = 1;
            record.shapeStyle = shape;
            record.lineCount = 24;
            record.randomAngle = 7;  // rays between the axes too
            const auto before = drawAimedAt(area);
            const std::vector<Art*> after = allArt();
            ASSERT_EQ(after.size(), before.size());
            for (size_t i = 0; i < after.size(); ++i) {
                double dx = 0, dy = 0;
                ASSERT_TRUE(MovedBy(before[i], after[i]->segments, dx, dy)) << "path " << i;
                Art original;
                original.closed = after[i]->closed;
                original.segments = before[i];
                AIRealPoint nearest{};
                ASSERT_TRUE(studio::nearestPointOnPath(original, area.center, nearest));
                const double ox = nearest.h - area.center.h, oy = nearest.v - area.center.v;
                const double was = std::hypot(ox, oy);
                ASSERT_GT(was, 0);
                EXPECT_NEAR(ox * dy - oy * dx, 0, 1e-2 * was) << "path " << i << " moved off its ray";
                // The line keeps its offset from the inner distance, now from the border.
                const double now = std::hypot(ox + dx, oy + dy);
                EXPECT_NEAR(now - area.radiusToward(ox / was, oy / was), was - area.smallestRadius(), 0.01)
                    << "path " << i;
                // Most shapes start right at the inner distance, so they now start on the border.
                if (!kShapesOffTheDistance.contains(shape)) {
                    EXPECT_NEAR(was, area.smallestRadius(), 0.01) << "path " << i;
                }
            }
        }
    }
}

TEST_F(AreaGeometry, RadiusOnARayMeetsTheBorder)
{
    struct Case {
        const char* text;
        double degrees;  // the ray's direction
        double radius;
    };
    const Case cases[] = {
        {"ellipse:0,0,100,50", 0, 100},
        {"ellipse:0,0,100,50", 90, 50},
        {"ellipse:0,0,100,50,90", 0, 50},
        {"ellipse:0,0,100,50,30", 30, 100},
        {"ellipse:0,0,100,50,30", 120, 50},
        {"rect:-100,-50,200,100", 0, 100},
        {"rect:-100,-50,200,100", 90, 50},
        {"rect:-100,-50,200,100", 45, 50 * std::numbers::sqrt2},
        {"rect:-100,-50,200,100,90", 0, 50},
        {"rect:-50,-50,100,100,45", 45, 50},
        {"rect:-50,-50,100,100,45", 0, 50 * std::numbers::sqrt2},
    };
    for (const Case& c : cases) {
        const ReferenceArea area = studio::referenceAreaFromText(c.text);
        const double a = c.degrees * std::numbers::pi / 180;
        EXPECT_NEAR(area.radiusToward(std::cos(a), std::sin(a)), c.radius, 1e-9) << c.text << " at " << c.degrees;
    }
    EXPECT_EQ(studio::referenceAreaFromText("ellipse:10,20,100,50,30").smallestRadius(), 50);
    EXPECT_EQ(studio::referenceAreaFromText("rect:0,0,60,200").smallestRadius(), 30);
    const AIRealPoint centre = studio::referenceAreaFromText("rect:100,200,60,40").center;
    EXPECT_EQ(centre.h, 130);
    EXPECT_EQ(centre.v, 220);
}

TEST_F(AreaGeometry, ShadowsAndSketchCopiesKeepTheirOffsetToTheirLine)
{
    const ReferenceArea area = studio::referenceAreaFromText("ellipse:306,396,150,60,20");
    struct Case {
        int32_t dropShadow, sketchRepeats, layerPerLine, randomShadowScale;
    };
    for (const Case& c : {Case{1, 0, 0, 0}, Case{0, 3, 0, 0}, Case{1, 2, 0, 1}, Case{1, 2, 1, 0}}) {
        SCOPED_TRACE("shadow " + std::to_string(c.dropShadow) + ", copies " + std::to_string(c.sketchRepeats) +
                     ", layer per line " + std::to_string(c.layerPerLine));
        doc().undo();
        WriteParamDefaults(&record);
        record.finalRun = 1;
        record.dropShadow = c.dropShadow;
        record.sketchRepeats = c.sketchRepeats;
        record.layerPerLine = c.layerPerLine;
        record.randomShadowScale = c.randomShadowScale;
        record.sketchShift = 12;
        const auto before = drawAimedAt(area);
        const std::vector<Art*> after = allArt();
        const size_t group = 1 + size_t(c.dropShadow) + size_t(c.sketchRepeats);
        ASSERT_EQ(after.size(), 30 * group);
        for (size_t first = 0; first < after.size(); first += group) {
            double lineDx = 0, lineDy = 0;
            ASSERT_TRUE(MovedBy(before[first + size_t(c.dropShadow)], after[first + size_t(c.dropShadow)]->segments,
                                lineDx, lineDy));
            for (size_t i = first; i < first + group; ++i) {
                double dx = 0, dy = 0;
                ASSERT_TRUE(MovedBy(before[i], after[i]->segments, dx, dy));
                EXPECT_NEAR(dx, lineDx, 1e-3) << "path " << i << " left its line " << first;
                EXPECT_NEAR(dy, lineDy, 1e-3) << "path " << i << " left its line " << first;
            }
        }
    }
}

TEST_F(AreaGeometry, OnlyTheRunsOwnPathsMove)
{
    Art& mine = doc().newPath(kPlaceAboveAll, nullptr);
    mine.segments = {AIPathSegment{{10, 10}, {10, 10}, {10, 10}, false}};
    host.beginUndoContext();  // the run undoes its own context only
    const ReferenceArea area = studio::referenceAreaFromText("rect:200,300,240,120");
    drawAimedAt(area);
    EXPECT_EQ(mine.segments[0].p.h, 10);
    EXPECT_EQ(mine.segments[0].p.v, 10);
}

TEST(AreaRecord, AimingSetsTheCentreTheDistanceAndMovesTheMidpointAlong)
{
    FocaraParams record{};
    record.centerX = 306;
    record.centerY = 396;
    record.midpointX = 316;
    record.midpointY = 396;
    record.centerMode = 1;
    studio::aimRecordAtArea(record, studio::referenceAreaFromText("ellipse:100,200,30,50"));
    EXPECT_EQ(record.centerX, 100);
    EXPECT_EQ(record.centerY, 200);
    EXPECT_EQ(record.midpointX, 110);
    EXPECT_EQ(record.midpointY, 200);
    EXPECT_EQ(record.centerMode, 0);
    EXPECT_EQ(record.zoomDistance, 30);
}

TEST(AreaText, MalformedOrDegenerateAreasAreRefusedSayingWhy)
{
    struct Case {
        const char* text;
        const char* says;
    };
    const Case cases[] = {
        {"circle:1,2,3,4", "expected ellipse:"},
        {"ellipse", "four or five numbers"},
        {"ellipse:1,2,3", "found 3"},
        {"ellipse:1,2,3,4,5,6", "found 6"},
        {"ellipse:1,2,x,4", "\"x\" is not a number"},
        {"ellipse:1,2,,4", "\"\" is not a number"},
        {"ellipse:1,2,nan,4", "not a number"},
        {"ellipse:1,2,0,4", "radii must be above 0"},
        {"ellipse:1,2,5,-4", "radii must be above 0"},
        {"rect:1,2,10,0", "width and height must be above 0"},
        {"ellipse:6000,2,5,4", "centre's x 6000 is outside -5000 to 5000"},
        {"rect:4990,0,40,40", "centre's x 5010"},
        {"ellipse:0,-5001,5,4", "centre's y"},
        {"ellipse:0,0,2500,2600", "smallest radius 2500 is outside 0 to 2000"},
        {"ellipse:0,0,5,4,400", "turn"},
    };
    for (const Case& c : cases) {
        try {
            studio::referenceAreaFromText(c.text);
            ADD_FAILURE() << c.text << " was taken";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << c.text << ": " << e.what();
        }
    }
    EXPECT_NO_THROW(studio::referenceAreaFromText("rect:-10,-10,4000,4000,-360"));
}

}  // namespace
