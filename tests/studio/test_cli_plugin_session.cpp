// The command's plug-in session over the built library: loading, start-up,
// and the plug-in's error dialogs turned into one line each.
#include <gtest/gtest.h>

#include "studio/host/RecordDefaults.h"
#include "studio/session/FilterRun.h"

namespace {

TEST(PluginSession, RunsTheFilterThroughTheLoadedLibrary)
{
    studio::Host host(studio::Document::makeDefault(), 7);
    studio::PluginSession session(host, FOCARA_PLUGIN_PATH);
    EXPECT_EQ(session.startupResult(), kNoErr);
    FocaraParams record = studio::defaultRecord(host.document());
    record.lineCount = 12;
    session.runner().setRecord(record);
    auto run = session.runner().runFilter(true);
    EXPECT_EQ(run.outcome, studio::PluginRunner::Outcome::Drawn);
    EXPECT_EQ(host.document().artCount(), 12u);
    EXPECT_TRUE(session.takeErrorReports().empty());
}

TEST(PluginSession, ErrorDialogsBecomeOneLineEach)
{
    studio::Host host(studio::Document::makeDefault(), 7);
    studio::PluginSession session(host, FOCARA_PLUGIN_PATH);
    EXPECT_EQ(session.runner().send(kCallerAIMenu, kSelectorAIGoMenuItem), kSelectorNotValidErr);
    EXPECT_EQ(session.takeErrorReports(),
              std::vector<std::string>{"Plug-in Error: The selection is not valid for this filter. (!sel)"});
    EXPECT_TRUE(session.takeErrorReports().empty());
}

}  // namespace
