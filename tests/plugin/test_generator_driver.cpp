// The generator's run: sets, lines, the skip/create pattern, centre modes,
// shape choice, preview and final runs, and host errors.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/GeneratorFixture.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// A fixed list of random numbers. With the record's defaults a line draws nine:
// zoom centre x and y, tilt, two scales, three spreads, angle.
struct Draws {
    std::vector<float> list;
    Draws& then(std::initializer_list<float> numbers)
    {
        list.insert(list.end(), numbers);
        return *this;
    }
    Draws& lines(int count)
    {
        list.insert(list.end(), static_cast<size_t>(9 * count), 0.0f);
        return *this;
    }
};

// Where a line points: from its zoom centre to its first anchor, in whole degrees 0..359.
int DirectionOf(const studio::Art* path, AIRealPoint centre)
{
    AIRealPoint inner = path->segments.at(0).p;
    double degrees = std::atan2(inner.v - centre.v, inner.h - centre.h) * 180 / kPi;
    return (static_cast<int>(std::lround(degrees)) + 360) % 360;
}

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

class GeneratorRun : public GeneratorTest {};

TEST_F(GeneratorRun, DefaultsDrawThirtyClosedLinesTwelveDegreesApartFromZero)
{
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    std::vector<studio::Art*> paths = allArt();
    ASSERT_EQ(paths.size(), 30u);
    for (size_t k = 0; k < paths.size(); k++) {
        double angle = static_cast<double>(k) * 12 * kPi / 180;
        AIRealPoint inner = {static_cast<AIReal>(306 + 20 * std::cos(angle)),
                             static_cast<AIReal>(396 + 20 * std::sin(angle))};
        EXPECT_TRUE(paths[k]->closed) << "line " << k;
        ASSERT_EQ(paths[k]->segments.size(), 3u) << "line " << k;
        EXPECT_PRED_FORMAT2(PointsEqual, paths[k]->segments[0].p, inner) << "line " << k;
    }
    EXPECT_PRED_FORMAT2(PointsEqual, paths[0]->segments[1].p, (AIRealPoint{426, 406}));
    EXPECT_PRED_FORMAT2(PointsEqual, paths[0]->segments[2].p, (AIRealPoint{426, 386}));
}

struct PatternRow {
    const char* name;
    int32_t skip1, create1, skip2, create2, skip3, create3;
    const char* created;  // per line of the set: C created, - skipped
};

void PrintTo(const PatternRow& row, std::ostream* out) { *out << row.name; }

class SkipCreatePattern : public GeneratorTest, public ::testing::WithParamInterface<PatternRow> {};

TEST_P(SkipCreatePattern, CreatesTheLinesOfThePattern)
{
    const PatternRow& row = GetParam();
    record.patternSkip1 = row.skip1;
    record.patternCreate1 = row.create1;
    record.patternSkip2 = row.skip2;
    record.patternCreate2 = row.create2;
    record.patternSkip3 = row.skip3;
    record.patternCreate3 = row.create3;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);

    std::string created(30, '-');
    for (const studio::Art* path : allArt()) created[DirectionOf(path, {306, 396}) / 12] = 'C';
    EXPECT_EQ(created, row.created) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SkipCreatePattern,
    ::testing::Values(PatternRow{"defaults", 0, 1, 0, 1, 0, 1, "CCCCCCCCCCCCCCCCCCCCCCCCCCCCCC"},
                      PatternRow{"skip1 1", 1, 1, 0, 1, 0, 1, "-C-C-C-C-C-C-C-C-C-C-C-C-C-C-C"},
                      PatternRow{"skip1 2", 2, 1, 0, 1, 0, 1, "--C--C--C--C--C--C--C--C--C--C"},
                      PatternRow{"skip3 1", 0, 1, 0, 1, 1, 1, "-C-C-C-C-C-C-C-C-C-C-C-C-C-C-C"},
                      PatternRow{"create1 2, skip2 1", 0, 2, 1, 1, 0, 1, "C-CC-CC-CC-CC-CC-CC-CC-CC-CC-C"},
                      PatternRow{"all three phases", 1, 2, 2, 1, 0, 3, "-C--CCC-C--CCC-C--CCC-C--CCC-C"},
                      PatternRow{"create1 0 never ends phase 1", 0, 0, 1, 1, 0, 1, "CCCCCCCCCCCCCCCCCCCCCCCCCCCCCC"}));

TEST_F(GeneratorRun, ZoomSetsShiftTheirCentresFromMinusOneShiftOn)
{
    record.zoomSets = 3;
    record.setCenterShiftX = 10;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    std::vector<studio::Art*> paths = allArt();
    ASSERT_EQ(paths.size(), 90u);
    for (int s = 0; s < 3; s++) {
        AIRealPoint inner = {static_cast<AIReal>(306 + 10 * (s - 1) + 20), 396};
        EXPECT_PRED_FORMAT2(PointsEqual, paths[30 * s]->segments[0].p, inner) << "set " << s;
    }
}

struct CentreRow {
    const char* name;
    int32_t mode;
    std::vector<float> draws;  // after the two of the jittered centre
    AIRealPoint base;
};

void PrintTo(const CentreRow& row, std::ostream* out) { *out << row.name; }

// The jittered centre is (306 + 0.9 * 100, 396 + 0.9 * 100) = (396, 486).
class CentreModes : public GeneratorTest, public ::testing::WithParamInterface<CentreRow> {};

TEST_P(CentreModes, PutTheZoomCentreThere)
{
    const CentreRow& row = GetParam();
    record.centerMode = row.mode;
    record.centerXSpread = 100;
    record.centerYSpread = 100;
    record.lineCount = 1;
    Draws draws;
    draws.then({0.9f, 0.9f}).list.insert(draws.list.end(), row.draws.begin(), row.draws.end());
    host.random().setSequence(draws.lines(1).list);
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    ASSERT_EQ(allArt().size(), 1u) << row.name;
    AIRealPoint inner = {row.base.h + 20, row.base.v};
    EXPECT_PRED_FORMAT2(PointsEqual, allArt()[0]->segments[0].p, inner) << row.name;
}

INSTANTIATE_TEST_SUITE_P(Rows, CentreModes,
                         ::testing::Values(CentreRow{"user defined, jittered", 0, {}, {396, 486}},
                                           CentreRow{"document centre", 1, {}, {306, 396}},
                                           CentreRow{"random", 2, {0.25f, 0.5f}, {153, 396}},
                                           CentreRow{"bottom left", 3, {}, {0, 0}},
                                           CentreRow{"random horizontally", 4, {0.25f}, {153, 486}},
                                           CentreRow{"random vertically", 5, {0.25f}, {396, 198}},
                                           CentreRow{"corner, q 2", 6, {0.1f}, {0, 0}},
                                           CentreRow{"corner, q 5", 6, {0.25f}, {612, 0}},
                                           CentreRow{"corner, q 14.8", 6, {0.74f}, {0, 792}},
                                           CentreRow{"corner, q 15", 6, {0.75f}, {612, 792}},
                                           CentreRow{"frame, a 10, b 10: top", 7, {0.5f, 0.5f, 0.25f}, {153, 792}},
                                           CentreRow{"frame, a 10, b 15: bottom", 7, {0.5f, 0.75f, 0.25f}, {153, 0}},
                                           CentreRow{"frame, a 15, b 10: right", 7, {0.75f, 0.5f, 0.25f}, {612, 198}},
                                           CentreRow{"frame, a 15, b 15: left", 7, {0.75f, 0.75f, 0.25f}, {0, 198}}));

// Set 1 starts from the style set 0 ended with (its second), then draws a new second.
TEST_F(GeneratorRun, AlternatingShapesRedrawBothStylesAtEverySetStart)
{
    record.zoomSets = 2;
    record.lineCount = 2;
    record.shapeStyle = 46;          // 4 anchors
    record.alternateLineShapes = 1;  // 0.24 * 55 -> 13 (3 anchors), 0.21 * 55 -> 11 (10 anchors)
    host.random().setSequence(Draws().then({0, 0, 0.24f}).lines(2).then({0, 0, 0.21f}).lines(2).list);
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    std::vector<size_t> counts;
    for (const studio::Art* path : allArt()) counts.push_back(path->segments.size());
    EXPECT_EQ(counts, (std::vector<size_t>{4, 3, 3, 10}));
}

TEST_F(GeneratorRun, RandomCreateKeepsALineWhenHalfExceedsTheDraw)
{
    record.lineCount = 2;
    record.randomCreate = 1;
    host.random().setSequence(Draws().then({0, 0}).lines(1).then({0.49f}).lines(1).then({0.5f}).list);
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    ASSERT_EQ(allArt().size(), 1u);
    EXPECT_EQ(DirectionOf(allArt()[0], {306, 396}), 0);
}

// r = |centre to inner end| / |midpoint to inner end|, 0.01 when the midpoint is on the inner end.
TEST_F(GeneratorRun, MidpointRatioScalesTheLength)
{
    const struct {
        AIReal midpointX;
        AIReal outerX;
    } rows[] = {{306, 426}, {286, 376}, {326, 327}};
    record.lineCount = 1;
    record.midpointApplyLength = 1;
    for (const auto& row : rows) {
        record.midpointX = row.midpointX;
        ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
        EXPECT_FLOAT_EQ(allArt().at(0)->segments.at(1).p.h, row.outerX) << "midpoint x " << row.midpointX;
    }
}

TEST_F(GeneratorRun, PullFactorZeroLeavesEveryOutlineAsListedWhateverTheMode)
{
    record.shapeStyle = 36;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    std::vector<std::vector<AIPathSegment>> listed;
    for (const studio::Art* path : allArt()) listed.push_back(path->segments);

    for (int32_t randomPull = 0; randomPull <= 1; randomPull++) {
        for (int32_t mode = 0; mode < 15; mode++) {
            record.interpolationMode = mode;
            record.randomInterpolation = randomPull;
            ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
            std::vector<studio::Art*> paths = allArt();
            ASSERT_EQ(paths.size(), listed.size());
            for (size_t k = 0; k < paths.size(); k++)
                ASSERT_TRUE(SameSegments(paths[k]->segments, listed[k]))
                    << "mode " << mode << ", random pull " << randomPull << ", line " << k;
        }
    }
}

TEST_F(GeneratorRun, FinalRunAfterAPreviewDrawsNothingAndClearsTheFlag)
{
    record.finalRun = 0;
    record.previewDrawn = 1;
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);  // a second preview replaces the first
    EXPECT_EQ(allArt().size(), 30u);
    EXPECT_EQ(host.redraws(), 2);

    record.finalRun = 1;
    host.faults().failFrom("UndoChanges", 1, kFaultCode);  // the final run must not touch the document
    host.faults().failFrom("NewArt", 1, kFaultCode);
    EXPECT_EQ(GenerateFocusLines(&record), kNoErr);
    EXPECT_EQ(record.previewDrawn, 0);
    EXPECT_EQ(allArt().size(), 30u);
    EXPECT_EQ(host.redraws(), 2);
}

TEST_F(GeneratorRun, FinalRunWithoutAPreviewDrawsOnceAndDoesNotRedraw)
{
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    EXPECT_EQ(allArt().size(), 30u);
    EXPECT_EQ(host.redraws(), 0);
}

TEST_F(GeneratorRun, EmptyingAndClosingAPathMayFail)
{
    host.faults().failFrom("SetPathSegmentCount", 1, kFaultCode);
    host.faults().failFrom("SetPathClosed", 1, kFaultCode);
    ASSERT_EQ(GenerateFocusLines(&record), kNoErr);
    EXPECT_EQ(allArt().size(), 30u);
}

struct FaultRow {
    const char* operation;
    int n;
    int32_t FocaraParams::*flag;  // set to 1 for the row, or null
    int32_t finalRun;
    size_t paths;         // left in the document
    size_t lastSegments;  // of the last of them
};

void PrintTo(const FaultRow& row, std::ostream* out) { *out << row.operation; }

class HostErrors : public GeneratorTest, public ::testing::WithParamInterface<FaultRow> {};

TEST_P(HostErrors, EndTheRunWithTheirCodeAndKeepWhatWasDrawn)
{
    const FaultRow& row = GetParam();
    if (row.flag) record.*row.flag = 1;
    record.finalRun = row.finalRun;
    host.faults().failNth(row.operation, row.n, kFaultCode);
    EXPECT_EQ(GenerateFocusLines(&record), kFaultCode) << row.operation;
    std::vector<studio::Art*> paths = allArt();
    ASSERT_EQ(paths.size(), row.paths) << row.operation;
    if (!paths.empty()) {
        EXPECT_EQ(paths.back()->segments.size(), row.lastSegments) << row.operation;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HostErrors,
    ::testing::Values(FaultRow{"UndoChanges", 1, nullptr, 1, 0, 0},
                      FaultRow{"CountNamedArtStyles", 1, nullptr, 1, 0, 0},
                      FaultRow{"GetDocumentSetup", 1, nullptr, 1, 0, 0}, FaultRow{"CountSwatches", 1, nullptr, 1, 0, 0},
                      FaultRow{"InsertLayer", 1, &FocaraParams::layerPerPass, 1, 0, 0},
                      FaultRow{"InsertLayer", 2, &FocaraParams::layerPerLine, 1, 1, 3},
                      FaultRow{"NewArt", 3, nullptr, 1, 2, 3}, FaultRow{"SetPathSegments", 5, nullptr, 1, 2, 1},
                      // The first line's styling makes the second call; the third turns the second line.
                      FaultRow{"TransformArt", 3, nullptr, 1, 2, 3}, FaultRow{"RedrawDocument", 1, nullptr, 0, 30, 3}));

}  // namespace
