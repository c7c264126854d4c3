// The JSON document format: lossless round trips, defaults for what is
// missing, and refusals that name the offending member.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <limits>
#include <ostream>

#include "studio/io/DocumentJson.h"

using namespace studio;

namespace {

AIPathSegment segment(float x, float y, float inX, float inY, float outX, float outY, bool corner)
{
    return {{x, y}, {inX, inY}, {outX, outY}, corner};
}

Art& addPath(Layer& layer)
{
    layer.art.push_back(std::make_unique<Art>());
    layer.art.back()->layer = &layer;
    return *layer.art.back();
}

// A document that uses every colour kind, two layers and curved, open,
// closed and empty paths, with floats that have no short decimal form.
Document richDocument()
{
    Document doc;
    doc.page = {841.89f, 595.276f};
    doc.colorModel = ColorModel::Cmyk;
    doc.view = {{-12.5f, 1e-7f}, 2.75f};
    doc.currentStyle = {false, Color{ColorKind::Custom, 4, {0.1f, 0.2f, 0.3f, 0.4f}, "Spot \"Gold\" \u00e9"}, true,
                        Color::gray(0.3f), 0.35f};
    // clang-format off
    doc.swatches = {
        {"[None]", Color::none()},
        {"Gray", Color::gray(0.5f)},
        {"Rgb", Color::rgb(0.1f, 0.2f, 0.3f)},
        {"Cmyk", Color::cmyk(0, 1, 0.33333334f, 1)},
        {"Pattern", Color{ColorKind::Pattern, 0, {}, "Dots"}},
        {"Gradient", Color{ColorKind::Gradient, 3, {1, 0.5f, 0}, "Sunset"}},
        {"Custom rgb look", Color{ColorKind::Custom, 3, {0.9f, 0.8f, 0.7f}, ""}},
    };
    // clang-format on
    doc.graphicStyles = {{"Thin", {true, Color::rgb(1, 1, 1), true, Color::cmyk(0, 0, 0, 1), 0.25f}, 0.5f}};
    doc.removeAllLayers();
    Layer& bottom = doc.appendLayer("Back <&> \"quoted\"");
    Art& curve = addPath(bottom);
    curve.closed = true;
    curve.segments = {segment(0.1f, -0.0f, 0.1f, 0, 10.5f, 3.4e38f, true),
                      segment(123456.79f, 1e-30f, -5, 6, 7, -8, false), segment(-1.17549435e-38f, 2, 2, 2, 2, 2, true)};
    curve.style = {true, Color::gray(1), false, Color::rgb(0, 0, 0), 1};
    curve.opacity = 0.25f;
    curve.graphicStyle = "Thin";
    Art& open = addPath(bottom);
    open.segments = {segment(1, 2, 1, 2, 1, 2, false), segment(3, 4, 3, 4, 3, 4, false)};
    addPath(bottom);  // no segments at all
    Layer& top = doc.appendLayer("Layer 2");
    Art& lone = addPath(top);
    lone.segments = {segment(5, 5, 5, 5, 5, 5, false)};
    doc.appendLayer("Empty");
    return doc;
}

void expectSameArt(const Art& a, const Art& b, const std::string& where)
{
    EXPECT_EQ(a.closed, b.closed) << where;
    ASSERT_EQ(a.segments.size(), b.segments.size()) << where;
    for (size_t i = 0; i < a.segments.size(); ++i) {
        const AIPathSegment& x = a.segments[i];
        const AIPathSegment& y = b.segments[i];
        // Bit for bit, so that -0 and the smallest floats survive too.
        EXPECT_EQ(std::memcmp(&x.p, &y.p, sizeof x.p), 0) << where << " segment " << i;
        EXPECT_EQ(std::memcmp(&x.in, &y.in, sizeof x.in), 0) << where << " segment " << i;
        EXPECT_EQ(std::memcmp(&x.out, &y.out, sizeof x.out), 0) << where << " segment " << i;
        EXPECT_EQ(bool(x.corner), bool(y.corner)) << where << " segment " << i;
    }
    EXPECT_EQ(a.style, b.style) << where;
    EXPECT_EQ(a.opacity, b.opacity) << where;
    EXPECT_EQ(a.graphicStyle, b.graphicStyle) << where;
}

}  // namespace

TEST(DocumentJson, RoundTripKeepsEveryColourKindLayerAndPathExactly)
{
    Document doc = richDocument();
    std::string text = documentToJson(doc, 42);
    std::optional<uint64_t> seed;
    Document back = documentFromJson(text, &seed);

    EXPECT_EQ(seed, 42u);
    EXPECT_EQ(back.page.width, doc.page.width);
    EXPECT_EQ(back.page.height, doc.page.height);
    EXPECT_EQ(back.colorModel, ColorModel::Cmyk);
    EXPECT_EQ(back.view.center.h, doc.view.center.h);
    EXPECT_EQ(back.view.center.v, doc.view.center.v);
    EXPECT_EQ(back.view.zoom, doc.view.zoom);
    EXPECT_EQ(back.currentStyle, doc.currentStyle);
    ASSERT_EQ(back.swatches.size(), doc.swatches.size());
    for (size_t i = 0; i < doc.swatches.size(); ++i) {
        EXPECT_EQ(back.swatches[i].name, doc.swatches[i].name) << "swatch " << i;
        EXPECT_EQ(back.swatches[i].color, doc.swatches[i].color) << "swatch " << i;
    }
    ASSERT_EQ(back.graphicStyles.size(), 1u);
    EXPECT_EQ(back.graphicStyles[0].name, "Thin");
    EXPECT_EQ(back.graphicStyles[0].style, doc.graphicStyles[0].style);
    EXPECT_EQ(back.graphicStyles[0].opacity, 0.5f);
    ASSERT_EQ(back.layers().size(), 3u);
    for (size_t l = 0; l < 3; ++l) {
        const Layer& a = *doc.layers()[l];
        const Layer& b = *back.layers()[l];
        EXPECT_EQ(a.name, b.name);
        ASSERT_EQ(a.art.size(), b.art.size()) << "layer " << l;
        for (size_t k = 0; k < a.art.size(); ++k) {
            expectSameArt(*a.art[k], *b.art[k], "layer " + std::to_string(l) + " art " + std::to_string(k));
            EXPECT_EQ(b.art[k]->layer, &b) << "art knows its layer";
        }
    }
    EXPECT_EQ(&back.currentLayer(), back.layers().back().get()) << "the top layer is current";
    // Writing what was read gives the same text: outputs are stable.
    EXPECT_EQ(documentToJson(back, 42), text);
}

TEST(DocumentJson, NumbersAreTheShortestTextOfTheirFloat)
{
    Document doc;
    doc.page = {0.1f, 612};
    doc.view.center = {1e-7f, 3.4028235e38f};
    std::string text = documentToJson(doc);
    EXPECT_NE(text.find("\"page\": {\"width\": 0.1, \"height\": 612}"), std::string::npos) << text;
    EXPECT_NE(text.find("\"center\": [1e-07, 3.4028235e+38]"), std::string::npos) << text;
    EXPECT_EQ(text.find("\"seed\""), std::string::npos) << "no seed unless one is given";
}

TEST(DocumentJson, MissingMembersComeFromTheDefaultDocument)
{
    const std::string defaults = documentToJson(Document::makeDefault());
    EXPECT_EQ(documentToJson(documentFromJson("{}")), defaults);
    EXPECT_EQ(documentToJson(documentFromJson(defaults)), defaults);

    Document doc = documentFromJson(R"({
        "page": {"width": 100},
        "currentStyle": {"fill": {"values": [1, 0, 0]}, "strokeWidth": 3},
        "layers": [{"art": [{"segments": [{"p": [1, 2]}, {"p": [3, 4], "out": [5, 6]}]}]},
                   {"name": "Top"}]
    })");
    EXPECT_EQ(doc.page.width, 100);
    EXPECT_EQ(doc.page.height, 792);
    EXPECT_EQ(doc.currentStyle.fill, Color::rgb(1, 0, 0));
    EXPECT_TRUE(doc.currentStyle.fillPaint);
    EXPECT_EQ(doc.currentStyle.strokeWidth, 3);
    EXPECT_EQ(doc.swatches.size(), 12u);
    EXPECT_EQ(doc.graphicStyles.size(), 4u);
    ASSERT_EQ(doc.layers().size(), 2u);
    EXPECT_EQ(doc.layers()[0]->name, "Layer 1") << "an unnamed layer is named by its position";
    EXPECT_EQ(&doc.currentLayer(), doc.layers()[1].get());
    const Art& art = *doc.layers()[0]->art[0];
    EXPECT_FALSE(art.closed);
    EXPECT_EQ(art.opacity, 1);
    EXPECT_FALSE(art.graphicStyle);
    EXPECT_EQ(art.style, doc.currentStyle) << "a path without a style gets the current style";
    EXPECT_EQ(art.segments[0].in.h, 1) << "handles default to the anchor";
    EXPECT_EQ(art.segments[1].in.v, 4);
    EXPECT_EQ(art.segments[1].out.h, 5);
}

TEST(DocumentJson, ColourMembersDefaultFromTheColourTheyReplace)
{
    Document doc = documentFromJson(R"({"currentStyle": {
        "fill": {"kind": "cmyk"},
        "stroke": {"kind": "custom", "name": "Spot"}}})");
    EXPECT_EQ(doc.currentStyle.fill, Color::cmyk(0, 0, 0, 0));
    EXPECT_EQ(doc.currentStyle.stroke, (Color{ColorKind::Custom, 4, {}, "Spot"}));
}

TEST(DocumentJson, DocumentWithoutLayersGetsLayerOne)
{
    Document doc = documentFromJson(R"({"layers": []})");
    ASSERT_EQ(doc.layers().size(), 1u);
    EXPECT_EQ(doc.layers()[0]->name, "Layer 1");
    EXPECT_EQ(&doc.currentLayer(), doc.layers()[0].get());
}

namespace {

struct Refusal {
    const char* json;
    const char* member;  // the path the message must name
    const char* reason;  // a piece of the message
};

std::string manySegments(size_t n)
{
    std::string text = R"({"layers": [{"art": [{"segments": [)";
    for (size_t i = 0; i < n; ++i) text += i ? ",{}" : "{}";
    return text + "]}]}]}";
}

// Plain ASCII, so that test listings stay readable text.
void PrintTo(const Refusal& row, std::ostream* os)
{
    static constexpr char kHex[] = "0123456789abcdef";
    for (const char* c = row.json; *c; ++c) {
        auto byte = static_cast<unsigned char>(*c);
        if (byte >= 0x20 && byte < 0x7f)
            *os << *c;
        else
            *os << "\\x" << kHex[byte >> 4] << kHex[byte & 15];
    }
}

// Stable test names: the row number and the member it is about.
std::string refusalName(const ::testing::TestParamInfo<Refusal>& info)
{
    std::string name = "Row" + std::to_string(info.index);
    if (*info.param.member) name += "_";
    for (const char* c = info.param.member; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

}  // namespace

class DocumentJsonRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(DocumentJsonRefusal, NamesTheMemberAndWhatIsWrong)
{
    const Refusal& row = GetParam();
    try {
        documentFromJson(row.json);
        FAIL() << "accepted: " << row.json;
    } catch (const DocumentFormatError& e) {
        EXPECT_EQ(e.member(), row.member) << e.what();
        EXPECT_NE(std::string(e.what()).find(row.reason), std::string::npos) << e.what();
        if (*row.member) {
            EXPECT_EQ(std::string(e.what()).rfind(std::string(row.member) + ": ", 0), 0u) << e.what();
        }
        EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos) << "one line: " << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentJsonRefusal,
    ::testing::Values(
        Refusal{"", "", "malformed JSON"}, Refusal{R"({"page": {"width": 1,})", "", "malformed JSON"},
        Refusal{"{\"layers\": [{\"name\": \"\xff\"}]}", "", "malformed JSON"},
        Refusal{R"({"page": {"width": 1e999}})", "", "malformed JSON"}, Refusal{"[]", "", "expected an object"},
        Refusal{R"({"pages": {}})", "pages", "unknown member"},
        Refusal{R"({"format": "svg"})", "format", "focara-document"},
        Refusal{R"({"version": 2})", "version", "expected 1"}, Refusal{R"({"version": 1.0})", "version", "expected 1"},
        Refusal{R"({"page": {"width": -1}})", "page.width", "above 0"},
        Refusal{R"({"page": {"height": 0}})", "page.height", "above 0"},
        Refusal{R"({"page": {"height": 1e39}})", "page.height", "32-bit float"},
        Refusal{R"({"page": {"width": "612"}})", "page.width", "expected a number, found a string"},
        Refusal{R"({"page": {"depth": 1}})", "page.depth", "unknown member"},
        Refusal{R"({"colorModel": "lab"})", "colorModel", "\"gray\", \"rgb\" or \"cmyk\""},
        Refusal{R"({"view": {"zoom": 0}})", "view.zoom", "above 0"},
        Refusal{R"({"view": {"center": [1]}})", "view.center", "2 numbers"},
        Refusal{R"({"view": {"center": [1, null]}})", "view.center[1]", "expected a number, found null"},
        Refusal{R"({"currentStyle": {"fill": {"values": [1.5, 0, 0]}}})", "currentStyle.fill.values[0]",
                "from -1 to 1"},
        Refusal{R"({"currentStyle": {"fill": {"values": [0, -1.1, 0]}}})", "currentStyle.fill.values[1]",
                "from -1 to 1"},
        Refusal{R"({"currentStyle": {"fill": {"kind": "cmyk", "values": [0, 0, 0]}}})", "currentStyle.fill.values",
                "4 values"},
        Refusal{R"({"currentStyle": {"fill": {"kind": "gray", "values": [0, 0]}}})", "currentStyle.fill.values",
                "1 value"},
        Refusal{R"({"currentStyle": {"fill": {"kind": "none", "values": [0]}}})", "currentStyle.fill.values",
                "no values"},
        Refusal{R"({"currentStyle": {"fill": {"kind": "custom", "values": []}}})", "currentStyle.fill.values",
                "3 or 4 values"},
        Refusal{R"({"currentStyle": {"stroke": {"kind": "lab"}}})", "currentStyle.stroke.kind", "\"gray\""},
        Refusal{R"({"currentStyle": {"stroke": {"name": "Spot"}}})", "currentStyle.stroke.name", "has no name"},
        Refusal{R"({"currentStyle": {"fill": {"kind": "rgb", "alpha": 1}}})", "currentStyle.fill.alpha",
                "unknown member"},
        Refusal{R"({"currentStyle": {"fillPaint": 1}})", "currentStyle.fillPaint", "true or false"},
        Refusal{R"({"currentStyle": {"strokeWidth": -0.5}})", "currentStyle.strokeWidth", "at least 0"},
        Refusal{R"({"swatches": {}})", "swatches", "expected an array"},
        Refusal{R"({"swatches": [{}, {"name": 3}]})", "swatches[1].name", "expected a string"},
        Refusal{R"({"graphicStyles": [{"opacity": 1.5}]})", "graphicStyles[0].opacity", "from 0 to 1"},
        Refusal{R"({"seed": -1})", "seed", "whole number"}, Refusal{R"({"seed": 1.5})", "seed", "whole number"},
        Refusal{R"({"layers": [{"name": "A", "visible": true}]})", "layers[0].visible", "unknown member"},
        Refusal{R"({"layers": [{"art": [{"type": "text"}]}]})", "layers[0].art[0].type", "\"path\""},
        Refusal{R"({"layers": [{"art": [{"opacity": -0.1}]}]})", "layers[0].art[0].opacity", "from 0 to 1"},
        Refusal{R"({"layers": [{"art": [{"graphicStyle": 5}]}]})", "layers[0].art[0].graphicStyle", "a string"},
        Refusal{R"({"layers": [{"art": [{}, {}, {}, {"segments": [{}, {"p": [1, 2, 3]}]}]}]})",
                "layers[0].art[3].segments[1].p", "2 numbers"},
        Refusal{R"({"layers": [{"art": [{"segments": [{"in": [0, 1e39]}]}]}]})", "layers[0].art[0].segments[0].in[1]",
                "32-bit float"},
        Refusal{R"({"layers": [{"art": [{"segments": [{"corner": "yes"}]}]}]})", "layers[0].art[0].segments[0].corner",
                "true or false"},
        Refusal{R"({"view": {"zoom": 1, "zoom": 2}})", "view.zoom", "twice"},
        Refusal{R"({"layers": [{}, {"name": "A", "art": [], "name": "B"}]})", "layers[1].name", "twice"}),
    refusalName);

TEST(DocumentJson, PathsAreLimitedToWhatTheSuitesCanCount)
{
    EXPECT_NO_THROW(documentFromJson(manySegments(32767)));
    try {
        documentFromJson(manySegments(32768));
        FAIL() << "a path of 32768 segments was accepted";
    } catch (const DocumentFormatError& e) {
        EXPECT_EQ(e.member(), "layers[0].art[0].segments");
    }
}

TEST(DocumentJson, NonFiniteNumbersInTheDocumentAreNotWritten)
{
    Document doc;
    doc.view.zoom = std::numeric_limits<float>::infinity();
    EXPECT_THROW(documentToJson(doc), std::domain_error);
}
