// The focara command, run as a program in a fresh folder: what it writes,
// what it says, and that bad input leaves one line, status 2 and no file.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "plugin/params/ParamRecord.h"
#include "studio/io/DocumentJson.h"
#include "studio/io/RecordFile.h"
#include "tests/support/FocaraCommand.h"
#include "tests/support/PluginFixture.h"
#include "tests/support/TempDir.h"

using focara_test::readText;
using focara_test::TempDir;
using focara_test::writeText;
using nlohmann::json;

namespace {

using Outcome = focara_test::CommandRun;

class Cli : public focara_test::PluginFixture {
protected:
    Outcome focara(const std::vector<std::string>& args) { return focara_test::runFocara(dir.path(), args); }

    std::string recordBytes(const FocaraParams& record)
    {
        studio::RecordBytes bytes = studio::recordToBytes(record);
        return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
    }

    FocaraParams defaults()
    {
        FocaraParams record{};
        EXPECT_EQ(WriteParamDefaults(&record), kNoErr);
        return record;
    }

    TempDir dir;
    TempDir logs;
};

}  // namespace

TEST_F(Cli, RenderWritesTheDrawingAndSaysWhichSeedItUsed)
{
    Outcome svg = focara({"render", "--seed", "7", "--no-dialog", "-o", "lines.svg"});
    EXPECT_EQ(svg.status, 0) << svg.err;
    EXPECT_EQ(svg.err, "seed: 7\n");
    EXPECT_EQ(svg.out, "");
    EXPECT_EQ(readText(dir / "lines.svg").rfind("<?xml", 0), 0u);

    Outcome clock = focara({"render", "-o", "lines.json"});
    EXPECT_EQ(clock.status, 0) << clock.err;
    ASSERT_EQ(clock.err.rfind("seed: ", 0), 0u) << clock.err;
    ASSERT_EQ(clock.err.back(), '\n') << clock.err;
    std::string seed = clock.err.substr(6, clock.err.size() - 7);
    ASSERT_EQ(seed.find_first_not_of("0123456789"), std::string::npos) << clock.err;
    EXPECT_EQ(json::parse(readText(dir / "lines.json"))["seed"].get<uint64_t>(), std::stoull(seed))
        << "the JSON output stores the seed it was drawn with";
    EXPECT_EQ(dir.names(), (std::set<std::string>{"lines.svg", "lines.json"}));
}

TEST_F(Cli, SameSeedGivesTheSameJsonTwice)
{
    for (const char* out : {"a.json", "b.json"})
        ASSERT_EQ(focara({"render", "--seed", "42", "--set", "lineCount=50", "-o", out}).status, 0);
    std::string a = readText(dir / "a.json");
    EXPECT_EQ(a, readText(dir / "b.json"));
    std::optional<uint64_t> seed;
    studio::documentFromJson(a, &seed);
    EXPECT_EQ(seed, 42u);
}

TEST_F(Cli, RenderDrawsIntoTheGivenDocument)
{
    writeText(dir / "doc.json", R"({"page": {"width": 300, "height": 200},
        "layers": [{"name": "Sky"}, {"name": "Ground", "art": [{"segments": [{"p": [1, 2]}, {"p": [3, 4]}]}]}]})");
    Outcome run = focara({"render", "--doc", "doc.json", "--seed", "1", "-o", "out.json"});
    ASSERT_EQ(run.status, 0) << run.err;
    json out = json::parse(readText(dir / "out.json"));
    EXPECT_EQ(out["page"], json::parse(R"({"width": 300, "height": 200})"));
    EXPECT_EQ(out["layers"][0]["name"], "Sky");
    EXPECT_EQ(out["layers"][1]["art"][0]["segments"][1]["p"], json::parse("[3, 4]"));
}

TEST_F(Cli, ParamsMakeAndShowRoundTrip)
{
    Outcome make = focara({"params", "make", "--set", "lineCount=50", "--set", "zoomLength=180.5", "-o", "a.rec"});
    ASSERT_EQ(make.status, 0) << make.err;
    EXPECT_EQ(std::filesystem::file_size(dir / "a.rec"), 432u);
    Outcome show = focara({"params", "show", "a.rec"});
    ASSERT_EQ(show.status, 0) << show.err;
    json fields = json::parse(show.out);
    EXPECT_EQ(fields["lineCount"], 50);
    EXPECT_EQ(fields["zoomLength"], 180.5);
    EXPECT_EQ(fields["centerX"], 306) << "the default document's view centre";
    EXPECT_EQ(fields["finalRun"], 0);
    EXPECT_FALSE(fields.contains("reserved180"));

    // The bytes are the plug-in's defaults plus the two changes.
    FocaraParams expected = defaults();
    expected.lineCount = 50;
    expected.zoomLength = 180.5f;
    EXPECT_EQ(readText(dir / "a.rec"), recordBytes(expected));

    writeText(dir / "doc.json", R"({"view": {"center": [100, 200]}})");
    ASSERT_EQ(focara({"params", "make", "--doc", "doc.json", "-o", "b.rec"}).status, 0);
    json centred = json::parse(focara({"params", "show", "b.rec"}).out);
    EXPECT_EQ(centred["centerX"], 100);
    EXPECT_EQ(centred["midpointY"], 200);
}

TEST_F(Cli, SaveParamsStoresTheRecordAsItStandsAfterTheRun)
{
    FocaraParams start = defaults();
    start.lineCount = 12;
    writeText(dir / "start.rec", recordBytes(start));
    Outcome run = focara({"render", "--params", "start.rec", "--set", "sketchRepeats=3", "--save-params", "after.rec",
                          "--seed", "5", "-o", "out.svg"});
    ASSERT_EQ(run.status, 0) << run.err;
    FocaraParams expected = start;
    expected.sketchRepeats = 3;
    expected.finalRun = 1;  // the run was a final run
    EXPECT_EQ(readText(dir / "after.rec"), recordBytes(expected));

    // The record file may be read and replaced by the same run.
    ASSERT_EQ(focara({"render", "--params", "after.rec", "--set", "lineCount=13", "--save-params", "after.rec", "-o",
                      "out.svg"})
                  .status,
              0);
    EXPECT_EQ(json::parse(focara({"params", "show", "after.rec"}).out)["lineCount"], 13);
}

TEST_F(Cli, BadInputSaysOneLineExitsTwoAndWritesNothing)
{
    std::string good = recordBytes(defaults());
    auto withWord = [&](size_t offset, const char(&word)[5]) {
        return good.substr(0, offset) + std::string(word, 4) + good.substr(offset + 4);
    };
    struct Row {
        std::vector<std::string> args;
        std::string file;      // an input file to put in place first
        std::string contents;  // ... with these bytes
        std::string message;   // the start of the one line on stderr
        // clang-format off
    } rows[] = {
        {{"render", "--doc", "doc.json", "-o", "out.svg"}, "doc.json", "{\"page\": ", "doc.json: malformed JSON"},
        {{"render", "--doc", "doc.json", "-o", "out.svg"}, "doc.json", R"({"layer": []})", "doc.json: layer: unknown member"},
        {{"render", "--doc", "doc.json", "-o", "out.json"}, "doc.json",
         R"({"layers": [{"art": [{}, {"style": {"fill": {"values": [0, 2, 0]}}}]}]})",
         "doc.json: layers[0].art[1].style.fill.values[1]: expected a number from -1 to 1"},
        {{"render", "--doc", "nothere.json", "-o", "out.svg"}, "", "", "nothere.json: cannot open"},
        {{"render", "--params", "short.rec", "-o", "out.svg"}, "short.rec", good.substr(0, 10),
         "short.rec: a parameter record is exactly 432 bytes, this file has 10"},
        {{"render", "--params", "long.rec", "-o", "out.svg"}, "long.rec", good + good, "long.rec: a parameter record"},
        {{"render", "--params", "range.rec", "-o", "out.svg"}, "range.rec", withWord(184, "\x2D\x01\x00\x00"),
         "range.rec: lineCount is 301, expected an integer from 1 to 300"},
        {{"render", "--params", "nan.rec", "-o", "out.svg"}, "nan.rec", withWord(244, "\x00\x00\x80\x7F"),
         "nan.rec: zoomWidth is infinite, expected a number from 0 to 2000"},
        {{"render", "--set", "bogus=1", "-o", "out.svg"}, "", "", "--set bogus=1: unknown field \"bogus\""},
        {{"render", "--set", "lineCount=301", "-o", "out.svg"}, "", "", "--set lineCount=301: out of range"},
        {{"render", "--set", "lineCount=2.5", "-o", "out.svg"}, "", "", "--set lineCount=2.5: expected an integer"},
        {{"render", "--set", "zoomWidth=inf", "-o", "out.svg"}, "", "", "--set zoomWidth=inf: not a finite number"},
        {{"render", "--seed", "-3", "-o", "out.svg"}, "", "", "--seed -3: expected a whole number"},
        {{"render", "-o", "out.tiff"}, "", "", "out.tiff: cannot tell the output format"},
        {{"render", "-o", "missing/out.svg"}, "", "", "missing/out.svg: cannot write"},
        {{"render", "--save-params", "missing/after.rec", "-o", "out.svg"}, "", "", "missing/after.rec: cannot write"},
        {{"params", "show", "short.rec"}, "short.rec", good.substr(0, 431), "short.rec: a parameter record"},
        {{"params", "make", "--set", "bogus=1", "-o", "out.rec"}, "", "", "--set bogus=1: unknown field"},
        {{"params", "make", "-o", "missing/out.rec"}, "", "", "missing/out.rec: cannot write"},
        {{"params", "make", "--doc", "doc.json", "-o", "out.rec"}, "doc.json", "[1, 2]",
         "doc.json: expected an object"},
        {{"render", "--plugin", "none.aip", "-o", "out.svg"}, "", "", "none.aip"},
        {{"render", "--plugin", "fake.aip", "-o", "out.svg"}, "fake.aip", "not a library", "fake.aip"},
        {{"render", "--frobnicate", "-o", "out.svg"}, "", "", "focara: "},
        {{"render"}, "", "", "focara: "},
    };
    // clang-format on
    for (const Row& row : rows) {
        std::string where;
        for (const std::string& a : row.args) where += " " + a;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) std::filesystem::remove_all(entry);
        std::set<std::string> before;
        if (!row.file.empty()) {
            writeText(dir / row.file, row.contents);
            before.insert(row.file);
        }
        writeText(dir / "out.svg", "old");  // an earlier drawing stays as it was
        before.insert("out.svg");

        Outcome run = focara(row.args);
        EXPECT_EQ(run.status, 2) << where << ": " << run.err;
        EXPECT_EQ(run.err.rfind(row.message, 0), 0u) << where << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << where << ": one line: " << run.err;
        EXPECT_EQ(dir.names(), before) << where << ": no output, no temporary file";
        EXPECT_EQ(readText(dir / "out.svg"), "old") << where;
    }
}

TEST_F(Cli, AboutAndInfoSpeakForTheLoadedPlugin)
{
    Outcome about = focara({"about"});
    ASSERT_EQ(about.status, 0) << about.err;
    EXPECT_EQ(about.out.rfind("Focara Plug-in About\n", 0), 0u) << about.out;
    EXPECT_NE(about.out.find("Version 1.0.0"), std::string::npos) << about.out;

    Outcome info = focara({"info"});
    ASSERT_EQ(info.status, 0) << info.err;
    for (const char* line : {"kind: SPEA\n", "interface version: 2\n", "entry point: PluginMain\n",
                             "filter: Lumo <Create> > Focara... (Vexo_Zoom)\n", "  ADM Tracker Suite\n"})
        EXPECT_NE(info.out.find(line), std::string::npos) << line << " in\n" << info.out;
}
