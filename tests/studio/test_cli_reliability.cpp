// The command against bad inputs, failing plug-ins and awkward outputs: a
// clear line, the right status, and no file lost, left behind or half-written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <csignal>

#include "studio/io/AtomicFile.h"
#include "studio/io/DocumentJson.h"
#include "studio/io/RecordFile.h"
#include "tests/support/DialogFixture.h"
#include "tests/support/FocaraCommand.h"
#include "tests/support/TempDir.h"

using focara_test::readText;
using focara_test::TempDir;
using focara_test::writeText;

namespace {

class Command : public ::testing::Test {
protected:
    focara_test::CommandRun focara(const std::vector<std::string>& args)
    {
        return focara_test::runFocara(dir.path(), args);
    }
    bool has(const focara_test::CommandRun& run, const std::string& text)
    {
        return run.err.find(text) != std::string::npos;
    }
    TempDir dir;
};

TEST_F(Command, APlugInWhoseStartupFailsIsAFailureAndWritesNothing)
{
    for (const char* command : {"render", "presets"}) {
        std::vector<std::string> args = {command, "--plugin", FOCARA_FAILING_STARTUP_PLUGIN_PATH};
        if (std::string(command) == "render") args.insert(args.end(), {"-o", "out.svg"});
        auto run = focara(args);
        EXPECT_EQ(run.status, 1) << command << ": " << run.err;
        EXPECT_TRUE(has(run, "failed to start")) << run.err;
    }
    EXPECT_TRUE(dir.names().empty());
}

// The record the command makes from a document must read back, wherever the document's view lies.
TEST_F(Command, TheDefaultRecordOfAFarAwayViewReadsBack)
{
    writeText(dir / "far.json", R"({"view": {"center": [1e6, -1e6]}})");
    auto made = focara({"params", "make", "--doc", "far.json", "-o", "far.rec"});
    ASSERT_EQ(made.status, 0) << made.err;
    FocaraParams record = studio::readRecordFile(dir / "far.rec");
    EXPECT_EQ(record.centerX, 5000);
    EXPECT_EQ(record.centerY, -5000);
    auto rendered = focara({"render", "--seed", "1", "--doc", "far.json", "--save-params", "run.rec", "-o", "o.svg"});
    ASSERT_EQ(rendered.status, 0) << rendered.err;
    EXPECT_EQ(focara({"params", "show", "run.rec"}).status, 0);
}

// Settings within their ranges whose geometry overflows: the host refuses the
// non-finite points, so every format writes the same finite drawing and says why the run ended.
TEST_F(Command, GeometryThatOverflowsEndsTheRunTheSameWayInEveryFormat)
{
    for (const char* name : {"o.svg", "o.json", "o.png", "o.pdf"}) {
        auto run = focara({"render", "--seed", "1", "--no-dialog", "--set", "zoomSets=40", "--set",
                           "setLengthPercent=1000", "--set", "setDistancePercent=1000", "-o", name});
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_TRUE(has(run, "the run ended early: SetPathSegments:")) << run.err;
        EXPECT_TRUE(has(run, "not a finite number")) << run.err;
        EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
    }
    studio::Document drawn = studio::readDocumentFile(dir / "o.json");
    EXPECT_GT(drawn.artCount(), 0u);
    for (const auto& layer : drawn.layers())
        for (const auto& art : layer->art)
            for (const AIPathSegment& s : art->segments) ASSERT_TRUE(std::isfinite(s.p.h) && std::isfinite(s.p.v));
}

TEST_F(Command, OutputsAreWrittenThroughLinksAndNeverOverDevicesOrEachOther)
{
    writeText(dir / "real.svg", "old");
    std::filesystem::create_symlink("real.svg", dir / "link.svg");
    ASSERT_EQ(::mkfifo((dir / "pipe.svg").c_str(), 0600), 0);
    auto linked = focara({"render", "--seed", "1", "-o", "link.svg"});
    EXPECT_EQ(linked.status, 0) << linked.err;
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.svg"));
    EXPECT_NE(readText(dir / "real.svg"), "old");

    struct Row {
        std::vector<std::string> args;
        const char* message;
    } rows[] = {
        {{"render", "-o", "pipe.svg"}, "pipe.svg: cannot write: not a regular file"},
        {{"render", "--save-params", "same.svg", "-o", "./same.svg"}, "names the same file as -o"},
        {{"render", "--doc", "/dev/zero", "-o", "z.svg"}, "/dev/zero: more than 64 MiB"},
        {{"render", "--ui-file", "/dev/zero", "-o", "z.svg"}, "/dev/zero: more than 16 MiB"},
    };
    for (const Row& row : rows) {
        auto run = focara(row.args);
        EXPECT_EQ(run.status, 2) << row.message;
        EXPECT_TRUE(has(run, row.message)) << run.err;
    }
    EXPECT_EQ(dir.names(), (std::set<std::string>{"real.svg", "link.svg", "pipe.svg"}));
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "pipe.svg"));
}

TEST_F(Command, BadInputIsQuotedEscapedAndShort)
{
    writeText(dir / "ui.txt", "click 95\nset 11 \x1b[2J\x07" + std::string(100000, '9') + "x\n");
    auto ui = focara({"render", "--ui-file", "ui.txt", "-o", "o.svg"});
    EXPECT_EQ(ui.status, 2);
    EXPECT_TRUE(has(ui, "ui.txt line 2, \"set 11 \\x1b[2J\\x07999")) << ui.err;
    EXPECT_LT(ui.err.size(), 400u);
    auto field = focara({"render", "--no-dialog", "--set",
                         "line\x01"
                         "Count=5",
                         "-o", "o.svg"});
    EXPECT_EQ(field.status, 2);
    EXPECT_TRUE(has(field, "unknown field \"line\\x01Count\"")) << field.err;
    for (const auto& run : {ui, field})
        for (char c : run.err) EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << run.err;
    EXPECT_TRUE(dir.names() == std::set<std::string>{"ui.txt"});
}

TEST(AtomicFileSignals, NoTemporaryFileBeforeTheWriteAndNoneLeftByATerm)
{
    TempDir dir;
    {
        studio::AtomicFile file(dir / "out.svg");
        EXPECT_TRUE(dir.names().empty()) << "a temporary file before anything was written";
    }
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        studio::AtomicFile file(dir / "out.svg");
        file.write("half");
        ::raise(SIGTERM);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_TRUE(dir.names().empty()) << *dir.names().begin();
}

// Reading stays linear in the number of members: this took minutes when each
// member was looked up in a list of the ones before it.
TEST(DocumentReading, AnObjectWithHundredsOfThousandsOfMembersIsReadInLinearTime)
{
    std::string text = "{\"unknown\": {";
    for (int i = 0; i < 300000; ++i) text += (i ? ",\"" : "\"") + std::to_string(i) + "\":0";
    text += "}}";
    try {
        studio::documentFromJson(text);
        ADD_FAILURE() << "read";
    } catch (const studio::InputError& e) {
        EXPECT_NE(std::string(e.what()).find("unknown"), std::string::npos) << e.what();
    }
}

class DialogBounds : public focara_test::DialogTest {};

// Saved bounds come from the record and may lie at the edge of the coordinate range.
TEST_F(DialogBounds, SavedBoundsAtTheEdgeOfTheRangeDoNotOverflow)
{
    FocaraParams record = defaults();
    record.dialogBoundsSaved = 1;
    record.dialogLeft = INT32_MAX;
    record.dialogTop = INT32_MAX;
    runner.setRecord(record);
    ADMRect bounds{};
    runSteps({[&](studio::Dialog& dialog) { bounds = dialog.bounds; }});
    EXPECT_EQ(bounds.right, INT32_MAX);
    EXPECT_EQ(bounds.bottom, INT32_MAX);
}

}  // namespace
