// The preset popup, Tumble and Shuffle.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "tests/support/DialogFixture.h"

namespace {

using focara_test::Outcome;

const FocaraParamField& fieldNamed(const std::string& name)
{
    for (const FocaraParamField& f : kFocaraParamFields)
        if (name == f.name) return f;
    throw std::logic_error("no field " + name);
}

void setField(FocaraParams& record, const std::string& name, double value)
{
    const FocaraParamField& field = fieldNamed(name);
    unsigned char* bytes = reinterpret_cast<unsigned char*>(&record) + field.offset;
    if (field.type == kParamReal) {
        float f = static_cast<float>(value);
        std::memcpy(bytes, &f, 4);
    } else {
        int32_t i = static_cast<int32_t>(value);
        std::memcpy(bytes, &i, 4);
    }
}

double fieldValue(const FocaraParams& record, const FocaraParamField& field)
{
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&record) + field.offset;
    if (field.type == kParamReal) {
        float f;
        std::memcpy(&f, bytes, 4);
        return f;
    }
    int32_t i;
    std::memcpy(&i, bytes, 4);
    return i;
}

// "name=value name=value ..." over record.
void apply(FocaraParams& record, const std::string& changes)
{
    std::istringstream in(changes);
    for (std::string pair; in >> pair;) {
        size_t eq = pair.find('=');
        setField(record, pair.substr(0, eq), std::stod(pair.substr(eq + 1)));
    }
}

// Every field that differs, for a readable failure.
std::string differences(const FocaraParams& actual, const FocaraParams& expected)
{
    std::string out;
    for (const FocaraParamField& f : kFocaraParamFields)
        if (fieldValue(actual, f) != fieldValue(expected, f))
            out += std::string(f.name) + " is " + std::to_string(fieldValue(actual, f)) + ", expected " +
                   std::to_string(fieldValue(expected, f)) + "; ";
    return out;
}

// The preset rows, written from the list of presets.
// clang-format off
const char* const kPresetRows[25] = {
    "",
    "shapeStyle=17 interpolationMode=5 lineCount=11 zoomLength=180 zoomWidth=30 dropShadow=1",
    "shapeStyle=17 interpolationAmount=70 interpolationMode=5 lineCount=11 zoomLength=180 zoomWidth=30 "
    "dropShadow=1",
    "rotationSpread=10",
    "patternSkip1=2 patternCreate1=3",
    "interpolationAmount=50",
    "patternSkip1=1 patternCreate1=2",
    "patternSkip1=2 patternCreate1=3 zoomLength=300 lineCount=50 zoomWidth=2 midpointX=295 midpointY=250 "
    "midpointApplyLength=1",
    "lineCount=50 zoomWidth=2 midpointX=295 midpointY=250 midpointApplyLength=1",
    "lineCount=44 zoomWidth=2 midpointX=295 midpointY=250 midpointApplyLength=1 patternSkip1=2 patternCreate1=5",
    "interpolationMode=2 interpolationAmount=100",
    "lineCount=19 angleMin=180",
    "lineCount=20 randomLineShape=1",
    "lineCount=40 randomScaling=1",
    "zoomLength=300",
    "zoomDistance=100 zoomLength=300 zoomLengthSpread=200",
    "zoomWidth=1 zoomDistance=100 lineCount=90",
    "zoomDistance=200 zoomDistanceSpread=200 zoomWidth=1 lineCount=120",
    "zoomWidth=1 zoomDistance=100 lineCount=90 zoomSets=2 setDistancePercent=200 setAngle=2",
    "sketchRepeats=5 sketchShift=10 sketchWeight=10 zoomLength=300",
    "randomOpacity=1 zoomWidth=50 zoomLength=300",
    "randomAngle=5 zoomLength=300",
    "randomLineShape=1 randomFill=1",
    "swatchOrder=1",
    "jitterFill=1 shapeStyle=20",
};
// clang-format on

class Presets : public focara_test::DialogTest {};

TEST_F(Presets, EachIsTheDefaultsPlusItsRowAtTheViewCentre)
{
    // A record far from the defaults, and a view moved away from where it was made.
    FocaraParams start = defaults();
    apply(start, "lineCount=3 zoomLength=5 randomStroke=1 centerMode=4 currentPage=5 sketchRepeats=2 "
                 "patternCreate3=9 midpointX=1 midpointY=2 layerPerSet=1");
    runner.setRecord(start);
    host.document().view.center = {120, 80};

    for (int32_t id = 0; id < 25; ++id) {
        SCOPED_TRACE("preset " + std::to_string(id));
        FocaraParams expected = defaults();  // at the new view centre
        apply(expected, kPresetRows[id]);
        expected.presetIndex = id;
        expected.finalRun = 0;
        expected.previewDrawn = 1;
        runSteps({act("click 94; choose 161 " + std::to_string(id)),
                  [&](studio::Dialog& d) {
                      EXPECT_EQ(differences(recordOf(d), expected), "");
                      EXPECT_EQ(std::memcmp(&recordOf(d), &expected, sizeof expected), 0);
                      EXPECT_EQ(itemOf(d, 96).font, kADMBoldDialogFont) << "a preset shows page Zoom";
                      EXPECT_TRUE(itemOf(d, 11).visible);
                      EXPECT_EQ(itemOf(d, 161).active, id);
                  },
                  act("cancel")});
    }
}

TEST_F(Presets, ResetAfterMovingTheViewKeepsPreviewAndViewZoom)
{
    ASSERT_EQ(runScript("set 11 77; set 57 150; toggle 3; click 92; set 4 45").outcome, Outcome::Drawn);
    host.document().view.center = {50, 60};
    runSteps({act("choose 161 0"), [&](studio::Dialog& d) {
                  FocaraParams expected = defaults();
                  expected.preview = 0;
                  expected.viewZoom = 150;
                  expected.finalRun = 0;
                  expected.previewDrawn = 0;
                  EXPECT_EQ(differences(recordOf(d), expected), "");
                  EXPECT_EQ(recordOf(d).centerX, 50);
                  EXPECT_EQ(recordOf(d).midpointY, 60);
              }});
}

TEST_F(Presets, TheSamePresetTwiceGivesTheSameRecord)
{
    FocaraParams first{};
    runSteps({act("choose 161 7"), [&](studio::Dialog& d) { first = recordOf(d); },
              act("set 11 99; click 92; set 27 3; choose 161 7"),
              [&](studio::Dialog& d) {
                  EXPECT_EQ(differences(recordOf(d), first), "");
                  EXPECT_EQ(artCount(), 30u) << "30 of the 50 lines: skip 2, create 3";
              }});
}

TEST_F(Presets, OneLeavesInterpolationDisabledTwoEnables)
{
    runSteps({act("choose 161 1"),
              [&](studio::Dialog& d) {
                  EXPECT_FALSE(itemOf(d, 18).enabled);
                  EXPECT_EQ(itemOf(d, 18).active, 5);
              },
              act("choose 161 2"), [&](studio::Dialog& d) { EXPECT_TRUE(itemOf(d, 18).enabled); }});
}

// The fields Tumble keeps, each given a value that is not its default.
const char* const kKeptByTumble =
    "randomFill=1 randomFillSwatch=1 randomStroke=1 randomStrokeSwatch=1 randomStrokeWidth=1 randomStyle=1 "
    "randomOpacity=1 dropShadow=1 randomShadowAngle=1 randomShadowOpacity=1 halfShadow=1 randomShadowScale=1 "
    "layerPerPass=1 layerPerSet=1 layerPerLine=1 randomSketchShift=0 randomSketchWidth=0 jitterScaling=1 "
    "jitterCenter=1 jitterFill=1 jitterStroke=1 jitterStrokeWidth=1 randomLineShape=1 randomDistance=1 "
    "randomRotation=1 repeatAltRotation=1 midpointApplyFill=1 swatchOrder=1 randomInterpolation=1 "
    "centerX=200 centerY=300 centerXSpread=5 centerYSpread=6 rotation=7 rotationSpread=8 "
    "scaleHorizontalSpread=9 scaleVerticalSpread=10 angleMin=11 angleMax=300 setShiftX=12 setShiftY=13 "
    "setFill=14 lineFill=15 setCenterShiftX=16 setCenterShiftY=17 sketchWeight=18 sketchShift=19 "
    "sketchRepeats=2 centerMode=3 sketchColorMode=4 presetIndex=6 currentPage=4 viewZoom=150";

class Tumble : public focara_test::DialogTest {
protected:
    // Opens on `start`, turns Preview off (so only Tumble draws), gives the
    // random source `numbers` and presses Tumble; the record it leaves.
    FocaraParams tumble(const FocaraParams& start, std::vector<float> numbers, uint64_t* draws = nullptr)
    {
        runner.setRecord(start);
        FocaraParams after{};
        runSteps({act("toggle 3"), [&](studio::Dialog& d) {
                      host.random().setSequence(numbers);
                      uint64_t before = host.random().draws();
                      actNow(d, "click 162");
                      if (draws) *draws = host.random().draws() - before;
                      after = recordOf(d);
                  }});
        return after;
    }
};

TEST_F(Tumble, DrawsEveryValueInOrderAndKeepsTheRest)
{
    FocaraParams start = defaults();
    apply(start, kKeptByTumble);
    // Every branch taken; values chosen so each result is exact.
    // clang-format off
    std::vector<float> r = {
        0.5f,  0.25f, 0.5f, 0.5f, 0.999f, 0.25f, 0.25f, 0.5f, 0.5f,  // 1-9
        0.75f, 0.25f, 0.25f, 0.75f,                                  // scalings
        0.875f, 0.5f, 0.875f,                                        // 50r = 43.75 > 40; skip 2, create 5
        0.875f, 0.25f, 0.0f,                                         // skip 1, create 1
        0.75f, 0.625f, 0.5f, 0.25f, 0.75f, 0.125f,                   // 37.5 > 30; sets
        0.5f,  0.25f, 0.25f, 0.5f,                                   // midpoint
        0.875f, 0.875f, 0.875f, 0.9375f,                             // the midpoint flags, create
        0.875f, 0.5f, 0.25f, 0.25f, 0.5f, 0.75f, 0.0f,               // 43.75 > 43; per-line percents
        0.875f, 0.875f, 0.9375f, 0.875f, 0.875f, 0.875f,             // flags
        0.875f, 0.5f, 0.999f,                                        // interpolation
    };
    // clang-format on
    uint64_t draws = 0;
    FocaraParams after = tumble(start, r, &draws);
    EXPECT_EQ(draws, r.size());

    FocaraParams expected = start;
    apply(expected, "zoomDistance=134 zoomLength=100 lineCount=30 zoomWidth=19 shapeStyle=53 zoomDistanceSpread=12.5 "
                    "zoomWidthSpread=2.5 zoomLengthSpread=25 randomAngle=2 scaleHorizontal=104 scaleVertical=96 "
                    "patternSkip1=2 patternCreate1=5 patternSkip2=1 patternCreate2=1 patternSkip3=0 patternCreate3=1 "
                    "zoomSets=2 setLengthPercent=100 setDistancePercent=50 setWidthPercent=150 setAngle=0.5 "
                    "midpointX=225 midpointY=275 midpointApplyLength=1 midpointApplyDistance=1 midpointApplyWidth=1 "
                    "midpointApplyCreate=1 randomCreate=1 lineLengthPercent=100.25 lineDistancePercent=99.75 "
                    "lineWidthPercent=100.75 randomLineShapePerSet=1 alternateLineShapes=1 repeatAltScaling=1 "
                    "randomScaling=1 randomWidth=1 randomLength=1 interpolationAmount=25 interpolationMode=13 "
                    "midpointLength=100 midpointWidth=100 midpointFill=100 midpointDistance=100 midpointCreate=100");
    expected.preview = 0;
    expected.finalRun = 0;
    expected.previewDrawn = 0;
    EXPECT_EQ(differences(after, expected), "");
}

TEST_F(Tumble, NoBranchTakenResetsAndDrawsOnlyTheFixedSteps)
{
    FocaraParams start = defaults();
    apply(start, kKeptByTumble);
    apply(start, "randomCreate=1 zoomSets=7 patternSkip1=3 midpointApplyLength=1 randomWidth=1 "
                 "interpolationAmount=40 lineLengthPercent=50 midpointCreate=20");
    uint64_t draws = 0;
    FocaraParams after = tumble(start, std::vector<float>(40, 0.0f), &draws);
    EXPECT_EQ(draws, 32u) << "each comparison draws once, no branch draws";

    FocaraParams expected = start;
    apply(expected, "zoomDistance=34 zoomLength=0 lineCount=1 zoomWidth=4 shapeStyle=0 zoomDistanceSpread=0 "
                    "zoomWidthSpread=0 zoomLengthSpread=0 randomAngle=0 scaleHorizontal=100 scaleVertical=100 "
                    "patternSkip1=0 zoomSets=1 midpointApplyLength=0 randomWidth=0 interpolationAmount=0 "
                    "lineLengthPercent=100 midpointCreate=100 midpointX=200 midpointY=300");
    expected.preview = 0;
    expected.finalRun = 0;
    expected.previewDrawn = 0;
    EXPECT_EQ(differences(after, expected), "") << "lineCount 0 comes back as 1; randomCreate stays set";
}

TEST_F(Tumble, ZoomSetsDrawnAsZeroComeBackAsOne)
{
    std::vector<float> r(13, 0.0f);
    r.insert(r.end(), {0.0f, 0.0f, 0.75f, 0.1f, 0.5f, 0.5f, 0.5f, 0.5f});
    r.resize(60, 0.0f);
    FocaraParams after = tumble(defaults(), r);
    EXPECT_EQ(after.zoomSets, 1);
    EXPECT_EQ(after.setLengthPercent, 100.0f);
}

TEST_F(Tumble, KeepsThePageAndPreviewsWhenPreviewIsOn)
{
    runSteps({act("click 93"), [&](studio::Dialog& d) {
                  host.random().setSequence(std::vector<float>(32, 0.5f));  // 30 lines, no branch taken
                  actNow(d, "click 162");
                  EXPECT_EQ(recordOf(d).currentPage, 4);
                  EXPECT_EQ(itemOf(d, 99).font, kADMBoldDialogFont);
                  EXPECT_EQ(recordOf(d).previewDrawn, 1);
                  EXPECT_EQ(recordOf(d).presetIndex, 0);
                  EXPECT_EQ(recordOf(d).lineCount, 30);
                  EXPECT_EQ(artCount(), 30u);
              }});
}

TEST_F(Tumble, ShuffleRedrawsWithNewNumbersAndTheSameSettings)
{
    runSteps({act("click 95; toggle 144; toggle 146"), [&](studio::Dialog& d) {
                  FocaraParams before = recordOf(d);
                  focara_test::ArtSnapshot drawn = focara_test::snapshot(host.document());
                  actNow(d, "click 160");
                  EXPECT_EQ(differences(recordOf(d), before), "");
                  EXPECT_EQ(artCount(), 30u);
                  EXPECT_FALSE(focara_test::snapshot(host.document()) == drawn);
              }});
}

}  // namespace
