// The message road through PluginMain: start-up, filter runs, errors, suites.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "plugin/entry/ErrorReport.h"
#include "plugin/entry/Globals.h"
#include "plugin/generator/Generator.h"
#include "plugin/suites/SuitePointers.h"
#include "studio/session/PluginRunner.h"
#include "studio/session/ResourceInstall.h"
#include "studio/suites/BasicSuite.h"

extern "C" SPErr PluginMain(const char* caller, const char* selector, void* message);

namespace {

// Acts as the user inside a modal dialog.
struct ScriptedDriver : studio::UiDriver {
    std::function<void(studio::Dialog&)> act;
    void runModal(studio::Dialog& dialog) override
    {
        if (act) act(dialog);
    }
};

// What the dialog's preview does: draw the record's lines as a preview.
void preview(studio::Dialog& dialog)
{
    auto* record = static_cast<FocaraParams*>(dialog.userData);
    record->finalRun = 0;
    record->previewDrawn = 1;
    GenerateFocusLines(record);
}

class MessageRoad : public ::testing::Test {
protected:
    MessageRoad() : host(studio::Document::makeDefault(), 42), runner(host, PluginMain)
    {
        studio::installResources(host.dialogs(), studio::loader::PluginResources::read(FOCARA_PLUGIN_PATH));
        host.dialogs().setDriver(&driver);
    }

    const studio::ShownDialog* lastShown(const std::string& name)
    {
        const auto& shown = host.dialogs().shown();
        for (auto it = shown.rbegin(); it != shown.rend(); ++it)
            if (it->name == name) return &*it;
        return nullptr;
    }

    std::string text(const studio::ShownDialog& d, int32_t id)
    {
        for (const auto& [itemId, t] : d.texts)
            if (itemId == id) return t;
        return "";
    }

    studio::Host host;
    ScriptedDriver driver;
    studio::PluginRunner runner;
};

TEST_F(MessageRoad, StartupRegistersTheFilterAndShutdownFreesTheGlobals)
{
    ASSERT_EQ(runner.startup(), kNoErr);
    ASSERT_EQ(host.filters().size(), 1u);
    EXPECT_EQ(host.filters()[0].name, "Vexo_Zoom");
    EXPECT_EQ(host.filters()[0].category, "Lumo <Create>");
    EXPECT_EQ(host.filters()[0].title, "Focara...");
    EXPECT_TRUE(host.filters()[0].autoEnabled);
    EXPECT_EQ(host.liveBlocks(), std::vector<std::string>{"globals"});
    EXPECT_TRUE(host.heldSuites().empty());

    EXPECT_EQ(runner.shutdown(), kNoErr);
    EXPECT_TRUE(host.liveBlocks().empty());
    EXPECT_EQ(runner.globals(), nullptr);
}

TEST_F(MessageRoad, EmptyCategoryRegistersNoFilter)
{
    auto strings = std::map<int32_t, std::string>{{16051, "-108"}};
    host.dialogs().setResources(strings, host.dialogs().templates());
    EXPECT_EQ(runner.startup(), kNoErr);
    EXPECT_TRUE(host.filters().empty());
}

TEST_F(MessageRoad, AccessMessagesTouchNoSuiteAndKeepTheGlobals)
{
    ASSERT_EQ(runner.startup(), kNoErr);
    void* globals = gGlobals;
    host.faults().failFrom("AcquireSuite", 1, kBadParameterErr);  // any acquisition would now fail
    EXPECT_EQ(runner.unload(), kNoErr);
    EXPECT_EQ(runner.globals(), globals);
    gGlobals = nullptr;  // the library's data is gone while it is swapped out
    gSuiteNesting = 3;
    EXPECT_EQ(runner.reload(), kNoErr);
    EXPECT_EQ(gGlobals, globals);
    EXPECT_EQ(gSuiteNesting, 0);
    host.faults().clear();
}

TEST_F(MessageRoad, FirstRunCreatesDefaultsLaterRunsReuseTheRecord)
{
    ASSERT_EQ(runner.startup(), kNoErr);
    ASSERT_EQ(runner.runFilter(true).outcome, studio::PluginRunner::Outcome::Drawn);
    auto record = runner.record();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->lineCount, 30);
    EXPECT_EQ(record->centerX, 306);
    EXPECT_EQ(record->finalRun, 1);
    EXPECT_EQ(host.document().artCount(), 30u);

    record->lineCount = 7;
    runner.setRecord(*record);
    host.document().view.center = {0, 0};  // a later run does not move the zoom centre
    ASSERT_EQ(runner.runFilter(true).outcome, studio::PluginRunner::Outcome::Drawn);
    EXPECT_EQ(runner.record()->lineCount, 7);
    EXPECT_EQ(runner.record()->centerX, 306);
    EXPECT_EQ(host.document().artCount(), 37u);
}

TEST_F(MessageRoad, ForeignFilterHandleIsIgnored)
{
    ASSERT_EQ(runner.startup(), kNoErr);
    AIFilterMessage message{
        {0, nullptr, runner.globals(), studio::basicSuite()}, reinterpret_cast<AIFilterHandle>(uintptr_t{99}), nullptr};
    EXPECT_EQ(PluginMain(kCallerAIFilter, kSelectorAIGetFilterParameters, &message), kNoErr);
    EXPECT_EQ(message.parameters, nullptr);
    EXPECT_TRUE(host.dialogs().shown().empty());
}

TEST_F(MessageRoad, CancelAfterPreviewsRestoresRecordAndDocument)
{
    ASSERT_EQ(runner.startup(), kNoErr);
    ASSERT_EQ(runner.runFilter(false).outcome, studio::PluginRunner::Outcome::Drawn);  // no record yet: nothing
    ASSERT_EQ(runner.runFilter(true).outcome, studio::PluginRunner::Outcome::Drawn);
    FocaraParams before = *runner.record();
    size_t artBefore = host.document().artCount();

    driver.act = [](studio::Dialog& d) {
        preview(d);
        static_cast<FocaraParams*>(d.userData)->lineCount = 12;
        preview(d);
        d.result = kADMCancelItemID;
    };
    auto run = runner.runFilter(true);
    EXPECT_EQ(run.outcome, studio::PluginRunner::Outcome::Cancelled);
    EXPECT_EQ(run.code, kCanceledErr);
    EXPECT_EQ(host.document().artCount(), artBefore);
    FocaraParams after = *runner.record();
    EXPECT_EQ(after.previewDrawn, 0);
    after.previewDrawn = before.previewDrawn;
    EXPECT_EQ(std::memcmp(&after, &before, sizeof before), 0);
    EXPECT_EQ(lastShown("Error Dialog"), nullptr);  // a cancel is never reported
}

TEST_F(MessageRoad, OkDrawsOnceWithOrWithoutPreview)
{
    ASSERT_EQ(runner.startup(), kNoErr);
    driver.act = [](studio::Dialog& d) {
        preview(d);
        d.result = kADMDefaultItemID;
    };
    ASSERT_EQ(runner.runFilter(true).outcome, studio::PluginRunner::Outcome::Drawn);
    EXPECT_EQ(host.document().artCount(), 30u);
    EXPECT_EQ(runner.record()->previewDrawn, 0);

    driver.act = [](studio::Dialog& d) { d.result = kADMDefaultItemID; };
    ASSERT_EQ(runner.runFilter(true).outcome, studio::PluginRunner::Outcome::Drawn);
    EXPECT_EQ(host.document().artCount(), 60u);
}

TEST_F(MessageRoad, MenuGoReportsTheSelectionError)
{
    ASSERT_EQ(runner.startup(), kNoErr);
    EXPECT_EQ(runner.send(kCallerAIMenu, kSelectorAIGoMenuItem), kSelectorNotValidErr);
    const studio::ShownDialog* error = lastShown("Error Dialog");
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->title, "Plug-in Error");
    EXPECT_EQ(text(*error, 2), "The selection is not valid for this filter.");
    EXPECT_EQ(text(*error, 3), "!sel");
}

TEST_F(MessageRoad, ErrorCodesFindTheirMessagesAndCodeTexts)
{
    const std::string memory = "The filter cannot complete because there isn't enough memory (RAM) available.";
    const std::string unknown = "The filter cannot complete because of an unknown error.";
    struct Row {
        ASErr code;
        std::string message;
        std::string codeText;
        // clang-format off
    } rows[] = {
        {-108, memory, "-108"},
        {271, memory, "271"},
        {AI_FOURCC('S', 'E', 'G', 'M'), "The filter cannot complete because a layer is locked or invisible.", "SEGM"},
        {AI_FOURCC('N', 'E', 'S', 'S'), "The filter cannot complete because a path has too many anchor points.", "NESS"},
        {kSelectorNotValidErr, "The selection is not valid for this filter.", "!sel"},
        {kOutOfMemoryErr, unknown, "!MEM"},
        {65535, unknown, "65535"},
        {-65536, unknown, "-65536"},
        {65536, unknown, std::string("\0\1\0\0", 4)},
        {-65537, unknown, std::string("\xFF\xFE\xFF\xFF", 4)},
    };
    // clang-format on
    SPMessageData message{0, nullptr, nullptr, studio::basicSuite()};
    ASSERT_EQ(AcquireSuites(studio::basicSuite()), kNoErr);
    for (const Row& row : rows) {
        size_t shownBefore = host.dialogs().shown().size();
        ReportError(&message, row.code);
        ASSERT_EQ(host.dialogs().shown().size(), shownBefore + 1) << "code " << row.code;
        const auto& shown = host.dialogs().shown().back();
        EXPECT_EQ(text(shown, 2), row.message) << "code " << row.code;
        // Code texts of four raw bytes stop at a zero byte, as the dialog would show them.
        EXPECT_EQ(text(shown, 3), std::string(row.codeText.c_str())) << "code " << row.code;
    }
    size_t shownBefore = host.dialogs().shown().size();
    ReportError(&message, kCanceledErr);
    EXPECT_EQ(host.dialogs().shown().size(), shownBefore);
    ReleaseSuites(studio::basicSuite());
}

TEST_F(MessageRoad, SilentAcquisitionFailureFailsTheCallAndRunsNoHandler)
{
    ASSERT_EQ(runner.startup(), kNoErr);
    host.faults().failNth(kAIArtSuite, 1, kOutOfMemoryErr);
    EXPECT_EQ(runner.about(), kOutOfMemoryErr);
    EXPECT_EQ(lastShown("About Dialog"), nullptr);
    EXPECT_TRUE(host.dialogs().alerts().empty());
    EXPECT_NE(lastShown("Error Dialog"), nullptr);  // the dialog manager was held, so it is reported
    EXPECT_TRUE(host.heldSuites().empty());
}

TEST_F(MessageRoad, LateAcquisitionFailureShowsTheSuiteLoadingAlert)
{
    ASSERT_EQ(runner.startup(), kNoErr);
    host.faults().failNth(kADMItemSuite, 1, kSPSuiteNotFoundError);
    EXPECT_EQ(runner.about(), kSPSuiteNotFoundError);
    ASSERT_EQ(host.dialogs().alerts().size(), 1u);
    EXPECT_EQ(host.dialogs().alerts()[0],
              "Suite Loading Error: " + std::to_string(kSPSuiteNotFoundError) + ", suite: ADM Item Suite, version: 4!");
    EXPECT_EQ(lastShown("Error Dialog"), nullptr);  // the suite-not-found code is never reported
    EXPECT_TRUE(host.heldSuites().empty());
}

TEST_F(MessageRoad, FailedReleaseKeepsTheRestHeld)
{
    ASSERT_EQ(runner.startup(), kNoErr);
    host.faults().failNth("ReleaseSuite", 3, kBadParameterErr);
    EXPECT_EQ(runner.about(), kBadParameterErr);
    EXPECT_EQ(host.heldSuites().size(), static_cast<size_t>(kSuiteCount - 2));
    // Put the plug-in back in order for shutdown.
    gSuiteNesting = 1;
    host.faults().clear();
    EXPECT_EQ(ReleaseSuites(studio::basicSuite()), kNoErr);
    EXPECT_TRUE(host.heldSuites().empty());
}

TEST_F(MessageRoad, OnlyTheOutermostCallAcquiresAndReleases)
{
    ASSERT_EQ(AcquireSuites(studio::basicSuite()), kNoErr);
    auto held = host.heldSuites();
    EXPECT_EQ(AcquireSuites(studio::basicSuite()), kNoErr);
    EXPECT_EQ(host.heldSuites(), held);
    EXPECT_EQ(ReleaseSuites(studio::basicSuite()), kNoErr);
    EXPECT_EQ(host.heldSuites(), held);
    EXPECT_EQ(ReleaseSuites(studio::basicSuite()), kNoErr);
    EXPECT_TRUE(host.heldSuites().empty());
    EXPECT_EQ(gSuiteNesting, 0);
}

TEST_F(MessageRoad, AboutShowsItsTemplate)
{
    ASSERT_EQ(runner.startup(), kNoErr);
    EXPECT_EQ(runner.about(), kNoErr);
    const studio::ShownDialog* about = lastShown("About Dialog");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->title, "Focara Plug-in About");
    EXPECT_EQ(about->result, 1);
}

}  // namespace
