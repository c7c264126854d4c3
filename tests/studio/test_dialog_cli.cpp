// `focara render` driving the dialog (--preset, --set, --ui, --ui-file) and
// `focara presets`, run as a program.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "tests/support/FocaraCommand.h"
#include "tests/support/TempDir.h"

using focara_test::readText;
using focara_test::TempDir;
using focara_test::writeText;
using nlohmann::json;

namespace {

using Result = focara_test::CommandRun;

class DialogCli : public ::testing::Test {
protected:
    Result focara(const std::vector<std::string>& args) { return focara_test::runFocara(dir.path(), args); }

    json record(const std::string& file) { return json::parse(focara({"params", "show", file}).out); }

    size_t paths(const std::string& file)
    {
        size_t n = 0;
        json document = json::parse(readText(dir / file));
        for (const auto& layer : document["layers"]) n += layer["art"].size();
        return n;
    }

    TempDir dir;
    TempDir logs;
};

TEST_F(DialogCli, PresetThenSetsAreTypedIntoTheDialog)
{
    Result run = focara({"render", "--seed", "3", "--preset", "7", "--set", "zoomSets=2", "--set", "zoomWidth=4.5",
                         "--save-params", "after.rec", "-o", "out.json"});
    ASSERT_EQ(run.status, 0) << run.err;
    json r = record("after.rec");
    EXPECT_EQ(r["presetIndex"], 7);
    EXPECT_EQ(r["lineCount"], 50);
    EXPECT_EQ(r["patternSkip1"], 2);
    EXPECT_EQ(r["zoomSets"], 2);
    EXPECT_EQ(r["zoomWidth"], 4.5);
    EXPECT_EQ(r["currentPage"], 1) << "back on the page the preset showed";
    EXPECT_EQ(paths("out.json"), 60u) << "two sets of 30 created lines";
}

TEST_F(DialogCli, UiScriptsRunAfterTheSetsAndStatePrints)
{
    writeText(dir / "ui.txt", "click 93   # Repeat\nset 26 3\n");
    Result run = focara({"render", "--set", "lineCount=4", "--ui-file", "ui.txt", "--ui", "state; click 90",
                         "--save-params", "after.rec", "-o", "out.json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("dialog \"Vexo_Zoom\" page \"Repeat\"\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("26 spin edit = 3 enabled\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("11 spin edit"), std::string::npos) << "hidden items are not printed";
    EXPECT_EQ(paths("out.json"), 12u);
    EXPECT_EQ(record("after.rec")["currentPage"], 1);
}

TEST_F(DialogCli, CancelWritesNothingAndSaysSo)
{
    Result run = focara({"render", "--ui", "set 11 5\ncancel", "--save-params", "after.rec", "-o", "out.svg"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("cancelled: the document and the record are as they were"), std::string::npos) << run.err;
    EXPECT_TRUE(dir.names().empty());
}

TEST_F(DialogCli, RefusedActionsNameTheirOptionAndWriteNothing)
{
    struct Row {
        std::vector<std::string> args;
        std::string message;
        // clang-format off
    } rows[] = {
        {{"--set", "halfShadow=1"}, "--set halfShadow=1 (\"set 129 1\"): item 129 is disabled"},
        {{"--set", "dropShadow=1", "--set", "halfShadow=1", "--ui", "toggle 999"},
         "--ui line 1, \"toggle 999\": there is no item 999"},
        {{"--ui", "set 11 5\nset 19 abc"}, "--ui line 2, \"set 19 abc\": \"abc\" is not a number"},
        {{"--ui", "set 6 1"}, "--ui line 1, \"set 6 1\": item 6 is hidden"},
        {{"--ui", "ok; set 11 5"}, "--ui line 1, \"set 11 5\": the dialog has already ended"},
        {{"--ui-file", "missing.txt"}, "missing.txt: cannot open"},
        {{"--preset", "25"}, "--preset 25 (\"choose 161 25\"): item 161 has no entry 25"},
        {{"--preset", "two"}, "--preset two: expected the id of a preset entry"},
        {{"--set", "previewDrawn=1"}, "--set previewDrawn=1: no dialog item shows previewDrawn"},
        {{"--set", "lineCount=301"}, "--set lineCount=301: out of range"},
    };
    // clang-format on
    for (const Row& row : rows) {
        std::vector<std::string> args = {"render"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        args.insert(args.end(), {"--save-params", "after.rec", "-o", "out.svg"});
        Result run = focara(args);
        EXPECT_EQ(run.status, 2) << row.message << ": " << run.err;
        EXPECT_EQ(run.err.rfind(row.message, 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(dir.names().empty()) << row.message;
    }
}

TEST_F(DialogCli, NoDialogKeepsSetsOnTheRecordAndRefusesDialogActions)
{
    Result run = focara({"render", "--no-dialog", "--set", "halfShadow=1", "--save-params", "r.rec", "-o", "out.svg"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(record("r.rec")["halfShadow"], 1);
    EXPECT_EQ(focara({"render", "--no-dialog", "--preset", "3", "-o", "out.svg"}).status, 2);
}

TEST_F(DialogCli, PresetsListsEveryEntryWithWhatItSets)
{
    Result run = focara({"presets"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 25);
    EXPECT_EQ(run.out.rfind("0 \" Reset\": the defaults\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\n7 \" 007\": midpointApplyLength=1 lineCount=50 patternSkip1=2 patternCreate1=3 "
                           "zoomWidth=2 zoomLength=300 midpointX=295 midpointY=250\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\n24 \" 024\": jitterFill=1 shapeStyle=20\n"), std::string::npos) << run.out;
}

}  // namespace
