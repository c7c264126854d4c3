// The suites as the plug-in sees them: results, error codes and injected faults.
#include <gtest/gtest.h>

#include "plugin/suites/SuitePointers.h"
#include "studio/suites/BasicSuite.h"
#include "tests/support/PluginFixture.h"

using focara_test::PluginFixture;

class Suites : public PluginFixture {};

TEST_F(Suites, UnknownSuiteOrVersionIsNotFoundAndReleasesBalance)
{
    const void* table = nullptr;
    const SPBasicSuite* basic = studio::basicSuite();
    EXPECT_EQ(basic->AcquireSuite("AI Art Suite", 8, &table), kSPSuiteNotFoundError);
    EXPECT_EQ(basic->AcquireSuite("No Such Suite", 1, &table), kSPSuiteNotFoundError);
    EXPECT_EQ(basic->ReleaseSuite("No Such Suite", 1), kSPSuiteNotFoundError);
    EXPECT_TRUE(basic->IsEqual("AI Go", "AI Go"));
    EXPECT_FALSE(basic->IsEqual("AI Go", "AI Update"));
    ReleaseSuites(basic);
    EXPECT_TRUE(host.heldSuites().empty());
    AcquireSuites(basic);  // the fixture releases once more
}

TEST_F(Suites, SegmentsGrowOnlyFromTheEnd)
{
    AIArtHandle path = nullptr;
    ASSERT_EQ(sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &path), kNoErr);
    AIPathSegment s = {{1, 2}, {1, 2}, {1, 2}, false};
    EXPECT_EQ(sAIPath->SetPathSegments(path, 1, 1, &s), kBadParameterErr);
    EXPECT_EQ(sAIPath->SetPathSegments(path, 0, 1, &s), kNoErr);
    EXPECT_EQ(sAIPath->SetPathSegments(path, 1, 1, &s), kNoErr);
    int16_t count = 0;
    EXPECT_EQ(sAIPath->GetPathSegmentCount(path, &count), kNoErr);
    EXPECT_EQ(count, 2);
    AIPathSegment out[3];
    EXPECT_EQ(sAIPath->GetPathSegments(path, 1, 2, out), kBadParameterErr);
    EXPECT_EQ(sAIPath->SetPathSegments(path, 2, 32767, out), kTooManySegmentsErr);
}

TEST_F(Suites, NamedColoursCrossUnchangedAndUnknownKindsAreRefused)
{
    AIArtHandle path = nullptr;
    ASSERT_EQ(sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &path), kNoErr);
    studio::Color spot{studio::ColorKind::Custom, 4, {0.1f, 0.2f, 0.3f, 0.4f}, "Spot 1"};
    allArt().back()->style.fill = spot;
    AIPathStyle style;
    ASSERT_EQ(sAIPathStyle->GetPathStyle(path, &style), kNoErr);
    EXPECT_EQ(style.fill.color.kind, kCustomColor);
    ASSERT_EQ(sAIPathStyle->SetPathStyle(path, &style), kNoErr);
    EXPECT_EQ(allArt().back()->style.fill, spot);

    style.fill.color.kind = 42;
    EXPECT_EQ(sAIPathStyle->SetPathStyle(path, &style), kBadParameterErr);
    EXPECT_EQ(allArt().back()->style.fill, spot);
}

TEST_F(Suites, InjectedFaultHitsExactlyTheNthCall)
{
    host.faults().failNth("NewArt", 2, kLayerLockedErr);
    AIArtHandle a = nullptr;
    EXPECT_EQ(sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &a), kNoErr);
    EXPECT_EQ(sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &a), kLayerLockedErr);
    EXPECT_EQ(sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &a), kNoErr);
    EXPECT_EQ(doc().artCount(), 2u);
}

TEST_F(Suites, MatrixConcatenationAppliesInTheOrderWritten)
{
    AIRealMatrix m;
    sAIRealMath->AIRealMatrixSetTranslate(&m, -10, 0);
    sAIRealMath->AIRealMatrixConcatRotate(&m, sAIRealMath->DegreeToRadian(90));
    sAIRealMath->AIRealMatrixConcatScale(&m, 2, 2);
    sAIRealMath->AIRealMatrixConcatTranslate(&m, 10, 0);
    AIRealPoint p = {20, 0}, out;
    sAIRealMath->AIRealMatrixXformPoint(&m, &p, &out);  // (10,0) -> (0,10) -> (0,20) -> (10,20)
    EXPECT_NEAR(out.h, 10, 1e-5);
    EXPECT_NEAR(out.v, 20, 1e-5);

    AIRealPoint q = {10, 10}, from = {0, 0}, mid;
    sAIRealMath->AIRealPointInterpolate(&q, &from, 0.25f, &mid);
    EXPECT_EQ(mid.h, 2.5f);
    EXPECT_NEAR(sAIRealMath->AIRealPointAngle(&from, &q), 0.7853982f, 1e-6);
}

TEST_F(Suites, UserSuiteConvertsLengthPrefixedNumbers)
{
    const unsigned char good[] = "\x04-108";
    AIReal v = 0;
    EXPECT_EQ(sAIUser->IUStringToReal(good, &v), kNoErr);
    EXPECT_EQ(v, -108);
    const unsigned char bad[] = "\x04SEGM";
    EXPECT_EQ(sAIUser->IUStringToReal(bad, &v), kBadParameterErr);
    unsigned char text[256];
    EXPECT_EQ(sAIUser->IURealToString(65535, 0, text), kNoErr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text + 1), text[0]), "65535");
}

TEST_F(Suites, AStopFailsEveryHostCallWithTheUserCancelUntilTheStoppedWorkEnds)
{
    studio::RunControl& control = host.control();
    EXPECT_FALSE(control.requestStop()) << "no work runs: nothing to stop";
    AIArtHandle a = nullptr;
    const uint64_t before = control.created();
    ASSERT_EQ(sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &a), kNoErr);
    EXPECT_EQ(control.created(), before + 1);

    control.beginWork();
    ASSERT_EQ(sAIArt->DuplicateArt(a, kPlaceAboveAll, nullptr, nullptr), kNoErr);
    EXPECT_EQ(control.progress().drawn, 1u) << "counted from the start of the work";
    EXPECT_TRUE(control.requestStop());
    int16_t count = 0;
    EXPECT_EQ(sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &a), kCanceledErr);
    EXPECT_EQ(sAIPath->GetPathSegmentCount(a, &count), kCanceledErr) << "not only the next call";
    EXPECT_EQ(sAIUndo->UndoChanges(), kCanceledErr);
    control.endWork();

    EXPECT_EQ(sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &a), kNoErr) << "a stop never outlives its work";
    control.beginWork();
    EXPECT_EQ(sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &a), kNoErr) << "nor reaches the next one";
    control.endWork();
    EXPECT_EQ(doc().artCount(), 4u);
}
