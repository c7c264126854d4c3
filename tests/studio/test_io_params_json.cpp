// Parameter files as JSON fields by name: what params show prints reads back
// to the same record, left-out fields keep the base, and every bad file is
// refused naming the field.
#include <gtest/gtest.h>

#include <cstring>

#include "studio/document/Document.h"
#include "studio/host/RecordDefaults.h"
#include "studio/io/Files.h"
#include "studio/io/ParamsJson.h"
#include "studio/io/RecordFile.h"
#include "tests/support/FocaraCommand.h"
#include "tests/support/TempDir.h"

namespace {

using studio::InputError;

FocaraParams defaults() { return studio::defaultRecord(studio::Document::makeDefault()); }

TEST(ParamsJson, WhatParamsShowPrintsReadsBackByteForByte)
{
    FocaraParams record = defaults();
    record.lineCount = 77;
    record.zoomWidth = 3.25f;
    record.rotation = -0.0f;  // the sign of zero survives
    record.centerX = 1234.567f;
    record.finalRun = -5;
    FocaraParams back = studio::recordFromJson(studio::recordToJson(record), FocaraParams{});
    EXPECT_EQ(std::memcmp(&back, &record, sizeof record), 0);
}

TEST(ParamsJson, FieldsLeftOutKeepTheBase)
{
    FocaraParams base = defaults();
    base.centerX = 10;
    FocaraParams record = studio::recordFromJson(R"({"lineCount": 50, "zoomWidth": 2.5})", base);
    EXPECT_EQ(record.lineCount, 50);
    EXPECT_EQ(record.zoomWidth, 2.5f);
    EXPECT_EQ(record.centerX, 10);
    EXPECT_EQ(studio::recordFromJson("{}", base).lineCount, base.lineCount);
}

struct Refusal {
    const char* text;
    const char* message;
};

class ParamsJsonRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(ParamsJsonRefusal, NamesWhatIsWrong)
{
    try {
        studio::recordFromJson(GetParam().text, defaults());
        FAIL() << "accepted " << GetParam().text;
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParamsJsonRefusal,
    ::testing::Values(Refusal{R"({"lineCount": 0})", "lineCount is out of range; expected an integer from 1 to 300"},
                      Refusal{R"({"zoomWidth": 2001})", "zoomWidth is out of range; expected a number from 0 to 2000"},
                      Refusal{R"({"lineCount": 2.5})",
                              "lineCount is a number with a fraction or exponent, expected an integer from 1 to 300"},
                      Refusal{R"({"dropShadow": true})", "dropShadow is true or false, expected 0 or 1"},
                      Refusal{R"({"zoomWidth": "4"})", "zoomWidth is a string, expected a number from 0 to 2000"},
                      Refusal{R"({"zoomWidth": null})", "zoomWidth is null, expected a number from 0 to 2000"},
                      Refusal{R"({"zoomWidth": [4]})", "zoomWidth is a list, expected a number from 0 to 2000"},
                      Refusal{R"({"zoomWidth": {"v": 4}})", "zoomWidth is an object, expected a number from 0 to 2000"},
                      Refusal{R"({"lineCounts": 3})", "unknown field \"lineCounts\""},
                      Refusal{R"({"reserved408": 0})", "reserved408: a reserved word, which cannot be set"},
                      Refusal{R"({"lineCount": 3, "lineCount": 4})", "lineCount: given twice"},
                      Refusal{R"([1, 2])", "expected a JSON object of fields by name, found an array"},
                      Refusal{R"(12)", "expected a JSON object of fields by name, found a number"},
                      Refusal{R"({"finalRun": 1e12})",
                              "finalRun is a number with a fraction or exponent, expected 0 or 1"}));

TEST(ParamsJson, MalformedJsonSaysWhere)
{
    try {
        studio::recordFromJson("{\"lineCount\": 3,", defaults());
        FAIL();
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("malformed JSON: ", 0), 0u) << e.what();
    }
}

TEST(ParamsJsonCommand, SavedJsonStartsTheNextRunAndDrawsTheSame)
{
    focara_test::TempDir dir;
    auto run = [&](std::vector<std::string> args) { return focara_test::runFocara(dir.path(), args); };
    ASSERT_EQ(
        run({"render", "--seed", "4", "--set", "lineCount=44", "--save-params", "mine.json", "-o", "a.svg"}).status, 0);
    ASSERT_EQ(run({"render", "--seed", "4", "--params", "mine.json", "--no-dialog", "-o", "b.svg"}).status, 0);
    // The same paths; the settings the outputs carry differ in where the drawing began.
    auto paths = [&](const char* file) {
        std::string svg = focara_test::readText(dir / file);
        return svg.substr(svg.find("</metadata>"));
    };
    EXPECT_EQ(paths("a.svg"), paths("b.svg"));
    EXPECT_EQ(run({"params", "show", "mine.json"}).out, focara_test::readText(dir / "mine.json"));

    focara_test::writeText(dir / "bad.json", R"({"lineCount": 301})");
    focara_test::CommandRun bad = run({"render", "--params", "bad.json", "-o", "c.svg"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "bad.json: lineCount is out of range; expected an integer from 1 to 300\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "c.svg"));
}

}  // namespace
