// The looks shipped with focara: each reads, renders and carries what it
// sets into the output; look files that do not validate are refused naming
// the member; render --look refuses unknown names and mixes with --set.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "studio/io/Files.h"
#include "studio/io/Looks.h"
#include "tests/support/FocaraCommand.h"
#include "tests/support/TempDir.h"

namespace {

using focara_test::CommandRun;
using focara_test::readText;
using focara_test::TempDir;

TEST(Looks, EveryLookReadsRendersAndCarriesItsSettings)
{
    const std::vector<studio::Look>& looks = studio::allLooks();
    ASSERT_GE(looks.size(), 8u);
    TempDir dir;
    const CommandRun listed = focara_test::runFocara(dir.path(), {"looks"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    for (const studio::Look& look : looks) {
        SCOPED_TRACE(look.name);
        EXPECT_FALSE(look.title.empty());
        EXPECT_FALSE(look.description.empty());
        EXPECT_NE(listed.out.find(look.name + ": " + look.title + "\n"), std::string::npos) << listed.out;
        EXPECT_EQ(studio::findLook(look.name), &look);

        const std::string svg = look.name + ".svg";
        const CommandRun run =
            focara_test::runFocara(dir.path(), {"render", "--look", look.name, "--seed", "3", "-o", svg});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string drawn = readText(dir / svg);
        size_t paths = 0;
        for (size_t at = drawn.find("<path"); at != std::string::npos; at = drawn.find("<path", at + 1)) ++paths;
        EXPECT_GE(paths, 12u) << "the look draws lines";
        // What the look sets comes back out of the output's settings.
        const CommandRun shown = focara_test::runFocara(dir.path(), {"params", "show", svg});
        ASSERT_EQ(shown.status, 0) << shown.err;
        const nlohmann::json settings = nlohmann::json::parse(look.settingsJson);
        EXPECT_NE(shown.out.find("\"lineCount\": " + settings["record"]["lineCount"].dump() + ","), std::string::npos);
    }
    EXPECT_EQ(studio::findLook("no-such-look"), nullptr);
}

TEST(Looks, RenderLookTakesSetsAndOptionsOnTopAndRefusesWhatDoesNotFit)
{
    TempDir dir;
    auto focara = [&](std::vector<std::string> args) { return focara_test::runFocara(dir.path(), args); };
    ASSERT_EQ(focara({"render", "--look", "flash", "--seed", "1", "--set", "lineCount=12", "--background", "white",
                      "--no-dialog", "-o", "a.svg"})
                  .status,
              0);
    const std::string svg = readText(dir / "a.svg");
    EXPECT_NE(svg.find("\"lineCount\":12"), std::string::npos);
    EXPECT_NE(svg.find("\"background\":\"white\""), std::string::npos) << "the option given wins over the look";
    EXPECT_NE(svg.find("\"fill\":\"#ffffff\""), std::string::npos) << "what the look sets stays";

    struct Case {
        std::vector<std::string> args;
        const char* says;
    };
    const Case cases[] = {
        {{"render", "--look", "nope", "-o", "b.svg"}, "--look nope: no such look; the looks are manga, "},
        {{"render", "--look", "manga", "--params", "a.svg", "-o", "b.svg"}, "--look: the record comes from the look"},
        {{"render", "--look", "manga", "--from", "a.svg", "-o", "b.svg"}, "excludes"},
    };
    for (const Case& c : cases) {
        const CommandRun run = focara(c.args);
        EXPECT_EQ(run.status, 2) << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_FALSE(dir.names().contains("b.svg"));
    }
}

TEST(Looks, LookFilesThatDoNotValidateAreRefusedNamingTheMember)
{
    struct Case {
        const char* text;
        const char* says;
    };
    const Case cases[] = {
        {"[1]", "not a JSON object"},
        {R"({"description": "x"})", "title: missing"},
        {R"({"title": 3})", "title: expected a string"},
        {R"({"title": "t", "seed": 4})", "seed: unknown member"},
        {R"({"title": "t", "record": {"lineCount": 9999}})", "lineCount"},
        {R"({"title": "t", "record": {"noSuchField": 1}})", "noSuchField"},
        {R"({"title": "t", "host": {"background": "purple"}})", "host.background"},
        {R"({"title": "t", "host": {"area": "ellipse:0,0,-1,2"}})", "host.area"},
    };
    for (const Case& c : cases) {
        try {
            studio::lookFromJson("x", c.text);
            ADD_FAILURE() << c.text << " was read";
        } catch (const studio::InputError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << c.text << ": " << e.what();
        }
    }
}

}  // namespace
