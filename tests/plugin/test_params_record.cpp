// The stored record: layout, defaults, and the host's and plug-in's defaults agreeing.
#include <gtest/gtest.h>

#include <cstring>

#include "plugin/params/ParamRecord.h"
#include "studio/host/RecordDefaults.h"
#include "tests/support/PluginFixture.h"

namespace {

// The default record written by hand, word by word, view centre (306, 396).
FocaraParams handWrittenDefaults()
{
    FocaraParams r{};
    r.preview = 1;
    r.randomSketchShift = 1;
    r.randomSketchWidth = 1;
    r.zoomSets = 1;
    r.currentPage = 1;
    r.lineCount = 30;
    r.patternCreate1 = r.patternCreate2 = r.patternCreate3 = 1;
    r.viewZoom = 100;
    r.angleMax = 360;
    r.zoomWidth = 10;
    r.centerX = r.midpointX = 306;
    r.centerY = r.midpointY = 396;
    r.scaleHorizontal = r.scaleVertical = 100;
    r.zoomLength = 100;
    r.zoomDistance = 20;
    r.sketchShift = 5;
    r.setLengthPercent = r.setDistancePercent = r.setWidthPercent = 100;
    r.lineLengthPercent = r.lineWidthPercent = r.lineDistancePercent = 100;
    r.midpointLength = r.midpointDistance = r.midpointFill = r.midpointWidth = r.midpointCreate = 100;
    return r;
}

class ParamRecord : public focara_test::PluginFixture {};

TEST_F(ParamRecord, PluginDefaultsMatchTheHandWrittenRecordByteForByte)
{
    FocaraParams record{};
    ASSERT_EQ(WriteParamDefaults(&record), kNoErr);
    FocaraParams expected = handWrittenDefaults();
    for (const FocaraParamField& field : kFocaraParamFields)
        EXPECT_EQ(std::memcmp(reinterpret_cast<char*>(&record) + field.offset,
                              reinterpret_cast<char*>(&expected) + field.offset, 4),
                  0)
            << field.name;
}

TEST_F(ParamRecord, HostAndPluginAgreeOnTheDefaults)
{
    doc().view.center = {12.5f, -40};
    FocaraParams plugin{};
    ASSERT_EQ(WriteParamDefaults(&plugin), kNoErr);
    FocaraParams hostMade = studio::defaultRecord(doc());
    EXPECT_EQ(std::memcmp(&plugin, &hostMade, sizeof plugin), 0);
    EXPECT_EQ(hostMade.midpointY, -40);
}

TEST_F(ParamRecord, FailedDocumentQueryWritesNothing)
{
    host.faults().failNth("GetDocument", 1, kNoDocumentErr);
    FocaraParams record;
    std::memset(&record, 0xAB, sizeof record);
    FocaraParams untouched = record;
    EXPECT_EQ(WriteParamDefaults(&record), kNoDocumentErr);
    EXPECT_EQ(std::memcmp(&record, &untouched, sizeof record), 0);
}

TEST(ParamFields, TableCoversEveryWordInStoredOrder)
{
    int32_t expectedOffset = 0;
    for (const FocaraParamField& field : kFocaraParamFields) {
        EXPECT_EQ(field.offset, expectedOffset) << field.name;
        EXPECT_LE(field.minimum, field.maximum) << field.name;
        if (field.defaultKind == kDefaultConstant) {
            EXPECT_GE(field.defaultValue, field.minimum) << field.name;
            EXPECT_LE(field.defaultValue, field.maximum) << field.name;
        }
        expectedOffset += 4;
    }
    EXPECT_EQ(expectedOffset, kFocaraParamsSize);
    EXPECT_EQ(FocaraParamFieldNamed("midpointCreate")->offset, 388);
    EXPECT_EQ(FocaraParamFieldNamed("noSuchField"), nullptr);
}

}  // namespace
