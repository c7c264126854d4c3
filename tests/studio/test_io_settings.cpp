// The settings every output carries: written by each writer where its format
// keeps text, found again, read back to the same values, and refused when
// they do not validate.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "studio/host/RecordDefaults.h"
#include "studio/io/CairoWriter.h"
#include "studio/io/DocumentJson.h"
#include "studio/io/EmbeddedSettings.h"
#include "studio/io/Files.h"
#include "studio/io/SettingsJson.h"
#include "studio/io/SvgWriter.h"

using namespace studio;

namespace {

FocaraParams defaults() { return defaultRecord(Document::makeDefault()); }

DrawingSettings sample()
{
    DrawingSettings s;
    s.seed = 18446744073709551615ull;
    s.drawsBefore = 272;
    s.host.page = Page{728.5f, 1031.81f};
    s.host.clip = parseClip("100,100.5,400,600");
    s.host.reachEdges = true;
    s.host.background = "none";
    s.host.dpi = 300;
    s.host.fill = "#3060ff";
    s.host.stroke = "cmyk:0,0.5,1,0";
    s.host.strokeWidth = 0.25f;
    s.record = defaults();
    s.record.lineCount = 77;
    s.record.zoomWidth = 0.1f;
    s.record.rotation = -0.0f;
    s.record.finalRun = 1;
    return s;
}

void expectSame(const DrawingSettings& a, const DrawingSettings& b)
{
    EXPECT_EQ(a.seed, b.seed);
    EXPECT_EQ(a.drawsBefore, b.drawsBefore);
    EXPECT_EQ(a.host, b.host);
    EXPECT_EQ(std::memcmp(&a.record, &b.record, sizeof a.record), 0);
}

Document pathDocument()
{
    Document doc;
    Art& art = doc.newPath(kPlaceAboveAll, nullptr);
    art.segments = {
        {{0, 0}, {0, 0}, {0, 0}, true}, {{10, 10}, {10, 10}, {10, 10}, true}, {{0, 10}, {0, 10}, {0, 10}, true}};
    art.closed = true;
    return doc;
}

}  // namespace

TEST(Settings, ReadBackGivesEveryValueAgainOnOneAsciiLine)
{
    const DrawingSettings s = sample();
    const std::string line = settingsToJson(s);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    for (char c : line) EXPECT_TRUE(c >= 0x20 && c < 0x7f) << "PDF strings and PNG text take it as it is";
    expectSame(settingsFromJson(line, defaults()), s);
    EXPECT_EQ(settingsToJson(settingsFromJson(line, defaults())), line) << "written again, the same line";
}

TEST(Settings, EveryWriterCarriesThemWhereItsFormatKeepsText)
{
    const Document doc = pathDocument();
    OutputOptions options;
    options.settings = settingsToJson(sample());
    struct Row {
        const char* format;
        std::string bytes;
    } rows[] = {
        {"svg", documentToSvg(doc, options)},
        {"png", documentToPng(doc, options)},
        {"pdf", documentToPdf(doc, options)},
        {"json",
         [&] {
             std::string text;
             writeDocumentJson(doc, 7, options.settings, [&](std::string_view b) { text += b; });
             return text;
         }()},
    };
    for (const Row& row : rows) {
        std::optional<std::string> found = embeddedSettings(row.bytes);
        ASSERT_TRUE(found.has_value()) << row.format;
        expectSame(settingsFromJson(*found, defaults()), sample());
        EXPECT_FALSE(embeddedSettings(row.format == std::string("svg")   ? documentToSvg(doc)
                                      : row.format == std::string("png") ? documentToPng(doc, 72)
                                      : row.format == std::string("pdf") ? documentToPdf(doc)
                                                                         : documentToJson(doc, 7))
                         .has_value())
            << row.format << " without settings";
    }
    // A JSON output stays a document that --doc reads.
    std::string json;
    writeDocumentJson(doc, 7, options.settings, [&](std::string_view b) { json += b; });
    EXPECT_EQ(documentFromJson(json).artCount(), 1u);
}

TEST(Settings, PdfStringsInEitherFormAreRead)
{
    EXPECT_EQ(settingsInPdf("%PDF-1.5\n<< /Subject (a \\(b\\) \\\\ c\\101) >>"), "a (b) \\ cA");
    // UTF-16BE with its byte-order mark, as cairo writes text beyond ASCII.
    EXPECT_EQ(settingsInPdf("%PDF-1.5\n<< /Subject <FEFF007B00E9007D> >>"), "{\xC3\xA9}");
    EXPECT_FALSE(settingsInPdf("%PDF-1.5\n<< /Title (x) >>").has_value());
}

TEST(Settings, JsonDocumentsAreReadOnlyUpToTheirLayers)
{
    // The art after "layers" is never parsed: a cut-off file still gives its settings.
    EXPECT_EQ(settingsInJson(R"({"seed": 1, "settings": {"a": [1, {"b": null}]}, "layers": [{"name": )"),
              R"({"a":[1,{"b":null}]})");
    EXPECT_FALSE(settingsInJson(R"({"layers": [], "settings": {}})").has_value());
}

TEST(Settings, WhatDoesNotValidateIsRefusedNamingTheMember)
{
    const std::string good = settingsToJson(sample());
    auto refusal = [&](std::string from, const std::string& to) {
        size_t at = good.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        std::string text = good;
        text.replace(at, from.size(), to);
        try {
            settingsFromJson(text, defaults());
        } catch (const InputError& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(refusal("\"lineCount\":77", "\"lineCount\":301"),
              "settings.record: lineCount is out of range; expected an integer from 1 to 300");
    EXPECT_EQ(refusal("\"lineCount\":77", "\"lineCount\":7.5"),
              "settings.record: lineCount is a number with a fraction or exponent, expected an integer from 1 to 300");
    EXPECT_EQ(refusal("\"lineCount\":77", "\"lineCunt\":77"), "settings.record: unknown field \"lineCunt\"");
    EXPECT_EQ(refusal("\"reachEdges\":true", "\"reachEdges\":1"), "settings.host.reachEdges: expected true or false");
    EXPECT_EQ(refusal("\"clip\":\"100,100.5,400,600\"", "\"clip\":\"1,2,3\""),
              "settings.host.clip: expected page or X,Y,W,H (points; width and height above 0)");
    EXPECT_EQ(refusal("\"seed\":", "\"sed\":"), "settings.sed: unknown member");
    EXPECT_EQ(refusal("\"focara-settings\"", "\"other\""), "settings.format: expected \"focara-settings\"");
    EXPECT_THROW(settingsFromJson("not json", defaults()), InputError);
}
