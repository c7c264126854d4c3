// What the dialog's items do while it is open: previews, Cancel and OK,
// dependent items, pages, the view zoom and the pick buttons.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "tests/support/DialogFixture.h"

namespace {

using focara_test::Outcome;
using focara_test::snapshot;

class DialogBehaviour : public focara_test::DialogTest {};

TEST_F(DialogBehaviour, EveryChangeWithPreviewOnLeavesExactlyOnePreview)
{
    struct Row {
        const char* actions;
        size_t paths;
        // clang-format off
    } rows[] = {
        {"set 11 50", 50},         {"set 19 200", 50}, {"choose 22 17", 50}, {"set 21 5.5", 50},
        {"click 160", 50},         {"click 93", 50},   {"set 26 2", 100},    {"toggle 147", 100},
        {"click 90; set 11 7", 14},
    };
    // clang-format on
    std::vector<focara_test::Step> steps;
    for (const Row& row : rows)
        steps.push_back([&, row](studio::Dialog& d) {
            actNow(d, row.actions);
            EXPECT_EQ(artCount(), row.paths) << row.actions;
            EXPECT_EQ(recordOf(d).previewDrawn, 1) << row.actions;
        });
    EXPECT_EQ(runSteps(steps).outcome, Outcome::Drawn);
    EXPECT_EQ(artCount(), 14u);
}

TEST_F(DialogBehaviour, PreviewOffKeepsTheLastPreviewAndOkDrawsAnew)
{
    auto run = runSteps({act("toggle 3"),
                         [&](studio::Dialog& d) {
                             EXPECT_EQ(artCount(), 30u);
                             EXPECT_EQ(recordOf(d).previewDrawn, 0);
                         },
                         act("set 11 10"),
                         [&](studio::Dialog& d) {
                             EXPECT_EQ(artCount(), 30u) << "the old preview stays";
                             EXPECT_EQ(recordOf(d).lineCount, 10);
                         }});
    EXPECT_EQ(run.outcome, Outcome::Drawn);
    EXPECT_EQ(artCount(), 10u) << "the final run undoes the preview and draws";
}

TEST_F(DialogBehaviour, OkRightAfterAPreviewKeepsExactlyThePreviewedPaths)
{
    focara_test::ArtSnapshot previewed;
    // Random lengths: a second drawing would differ.
    auto run = runSteps({act("set 11 12; click 95; toggle 144"),
                         [&](studio::Dialog&) { previewed = snapshot(host.document()); }, act("ok")});
    EXPECT_EQ(run.outcome, Outcome::Drawn);
    EXPECT_EQ(previewed.art.size(), 12u);
    EXPECT_TRUE(snapshot(host.document()) == previewed);
    EXPECT_EQ(runner.record()->previewDrawn, 0);
}

TEST_F(DialogBehaviour, CancelAfterSeveralPreviewsRestoresDocumentAndRecord)
{
    ASSERT_EQ(runScript("set 11 9; click 91; set 8 15").outcome, Outcome::Drawn);
    FocaraParams before = *runner.record();
    focara_test::ArtSnapshot document = snapshot(host.document());
    ASSERT_EQ(document.art.size(), 9u);

    auto run = runSteps({act("set 8 40; click 95; toggle 144; click 160; toggle 131; click 93; set 26 3"),
                         [&](studio::Dialog&) { EXPECT_GT(artCount(), 9u); }, act("cancel")});
    EXPECT_EQ(run.outcome, Outcome::Cancelled);
    EXPECT_EQ(run.code, kCanceledErr);
    EXPECT_TRUE(snapshot(host.document()) == document);
    FocaraParams after = *runner.record();
    EXPECT_EQ(after.previewDrawn, 0);
    EXPECT_EQ(std::memcmp(&after, &before, sizeof before), 0);
}

TEST_F(DialogBehaviour, DependentItemsFollowTheirFieldsAndKeepTheirValues)
{
    struct Row {
        const char* actions;
        std::vector<int32_t> enabled;
        std::vector<int32_t> disabled;
        // clang-format off
    } rows[] = {
        {"", {}, {14, 13, 16, 125, 126, 18, 133, 127, 128, 129, 130}},
        {"click 91; set 15 1", {14, 13, 16, 125, 126}, {}},
        {"set 14 12.5; set 15 0", {}, {14, 13, 16, 125, 126}},
        {"click 92; set 17 50", {18, 133}, {}},
        {"choose 18 3; set 17 0", {}, {18, 133}},
        {"click 95; toggle 131", {127, 128, 129, 130}, {}},
        {"toggle 129; toggle 128; toggle 131", {}, {127, 128, 129, 130}},
    };
    // clang-format on
    std::vector<focara_test::Step> steps;
    for (const Row& row : rows)
        steps.push_back([&, row](studio::Dialog& d) {
            actNow(d, row.actions);
            for (int32_t id : row.enabled) EXPECT_TRUE(itemOf(d, id).enabled) << row.actions << ": " << id;
            for (int32_t id : row.disabled) EXPECT_FALSE(itemOf(d, id).enabled) << row.actions << ": " << id;
        });
    steps.push_back([&](studio::Dialog& d) {
        const FocaraParams& r = recordOf(d);
        EXPECT_EQ(r.sketchWeight, 12.5f);
        EXPECT_EQ(r.interpolationMode, 3);
        EXPECT_EQ(r.halfShadow, 1);
        EXPECT_EQ(r.randomShadowOpacity, 1);
        EXPECT_EQ(itemOf(d, 129).value, 1);
        EXPECT_EQ(r.dropShadow, 0);
    });
    runSteps(steps);
}

TEST_F(DialogBehaviour, PageButtonIsRememberedForTheNextRun)
{
    ASSERT_EQ(runScript("click 93").outcome, Outcome::Drawn);
    EXPECT_EQ(runner.record()->currentPage, 4);
    runSteps({[&](studio::Dialog& d) {
        EXPECT_EQ(itemOf(d, 99).font, kADMBoldDialogFont);
        EXPECT_EQ(itemOf(d, 96).font, kADMDefaultFont);
        EXPECT_TRUE(itemOf(d, 26).visible);
        EXPECT_FALSE(itemOf(d, 11).visible);
    }});
}

TEST_F(DialogBehaviour, PageButtonsNeitherPreviewNorTakeValues)
{
    runSteps({[&](studio::Dialog& d) {
        int redraws = host.redraws();
        size_t journal = host.document().journalSize();
        actNow(d, "click 91; click 92; click 93; click 94; click 95; click 90");
        EXPECT_EQ(host.redraws(), redraws);
        EXPECT_EQ(host.document().journalSize(), journal);
    }});
}

TEST_F(DialogBehaviour, ViewZoomSetsTheViewAndDrawsNothing)
{
    runSteps({[&](studio::Dialog& d) {
        int redraws = host.redraws();
        actNow(d, "set 57 200");
        EXPECT_EQ(host.document().view.zoom, 2.0f);
        EXPECT_EQ(recordOf(d).viewZoom, 200.0f);
        EXPECT_EQ(host.redraws(), redraws);
        actNow(d, "set 57 900");
        EXPECT_EQ(host.document().view.zoom, 5.0f) << "the item holds at most 500";
    }});
    EXPECT_EQ(runner.record()->viewZoom, 500.0f);
}

TEST_F(DialogBehaviour, PickButtonsTakeTheirValuesFromThePoint)
{
    const float cx = 306, cy = 396;  // the default zoom centre
    struct Row {
        const char* actions;
        const char* field;
        double expected;
        size_t paths;
        // clang-format off
    } rows[] = {
        {"pick 167 255 400", "lineCount", 25, 25},
        {"pick 166 255 400", "zoomWidth", 25.5, 30},
        {"pick 164 255 400", "zoomLength", 255, 30},
        {"pick 165 -40 400", "zoomDistance", 0, 30},  // the item holds no less than 0
        {"set 57 200; pick 167 255 400", "lineCount", 25, 25},
        {"set 57 50; pick 167 1298 0", "lineCount", 129, 129},  // two points a pixel
        {"click 91; pick 163 250 300", "centerX", 250, 30},
        {"click 91; pick 163 250 300", "centerY", 300, 30},
        {"click 91; pick 168 206 496", "rotation",
         std::atan2(double(cy) - 496, double(cx) - 206) * 180 / 3.14159265358979, 30},
        {"click 167", "lineCount", 30, 30},  // a click without the pick gesture does nothing
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.actions);
        runSteps({act(row.actions),
                  [&](studio::Dialog& d) {
                      const FocaraParamField* field = nullptr;
                      for (const FocaraParamField& f : kFocaraParamFields)
                          if (std::strcmp(f.name, row.field) == 0) field = &f;
                      ASSERT_NE(field, nullptr);
                      const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&recordOf(d));
                      double value;
                      if (field->type == kParamReal) {
                          float f;
                          std::memcpy(&f, bytes + field->offset, 4);
                          value = f;
                      } else {
                          int32_t i;
                          std::memcpy(&i, bytes + field->offset, 4);
                          value = i;
                      }
                      EXPECT_NEAR(value, row.expected, 1e-4);
                      EXPECT_EQ(itemOf(d, field->item).value, value) << "the item shows what the record holds";
                      EXPECT_EQ(artCount(), row.paths);
                  },
                  act("cancel")});
    }
}

}  // namespace

namespace {

// A dialog that cannot open is reported, not taken for the user's cancel.
TEST_F(DialogBehaviour, ADialogThatCannotOpenIsReported)
{
    ASSERT_EQ(runScript("set 11 12").outcome, Outcome::Drawn);
    FocaraParams before = *runner.record();
    host.faults().failNth("Modal", 1, 1);
    auto run = runScript("");
    EXPECT_EQ(run.outcome, Outcome::Failed);
    EXPECT_EQ(run.code, kBadParameterErr);
    ASSERT_FALSE(host.dialogs().shown().empty());
    EXPECT_EQ(host.dialogs().shown().back().name, "Error Dialog");
    FocaraParams after = *runner.record();
    EXPECT_EQ(std::memcmp(&after, &before, sizeof before), 0);
    EXPECT_EQ(artCount(), 12u);
}

}  // namespace
