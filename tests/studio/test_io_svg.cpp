// The SVG writer: well-formed SVG 1.1, y flipped, exact path data, display colours.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "studio/io/SvgWriter.h"

using namespace studio;

namespace {

struct Element {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text;  // direct text content, entities decoded
};

// A small XML reader, enough to show the output is well-formed: tags close in
// order, one root, attributes quoted and unique, markup characters escaped.
// Fills elements in document order; returns what is wrong, or "".
std::string parseXml(const std::string& xml, std::vector<Element>& elements)
{
    size_t i = 0;
    auto decode = [&](const std::string& raw, std::string& out) -> bool {
        static const std::pair<const char*, char> kEntities[] = {
            {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
        for (size_t k = 0; k < raw.size(); ++k) {
            if (raw[k] == '<') return false;
            if (raw[k] != '&') {
                out += raw[k];
                continue;
            }
            bool known = false;
            for (auto [entity, c] : kEntities)
                if (raw.compare(k, std::strlen(entity), entity) == 0) {
                    out += c;
                    k += std::strlen(entity) - 1;
                    known = true;
                    break;
                }
            if (!known) return false;
        }
        return true;
    };
    auto nameAt = [&]() {
        size_t start = i;
        while (i < xml.size() && (std::isalnum(static_cast<unsigned char>(xml[i])) || xml[i] == '-' || xml[i] == ':' ||
                                  xml[i] == '_' || xml[i] == '.'))
            ++i;
        return xml.substr(start, i - start);
    };
    auto skipSpace = [&]() {
        while (i < xml.size() && std::isspace(static_cast<unsigned char>(xml[i]))) ++i;
    };

    if (xml.rfind("<?xml ", 0) != 0) return "no XML declaration";
    i = xml.find("?>") + 2;
    std::vector<size_t> open;
    int roots = 0;
    while (true) {
        size_t lt = xml.find('<', i);
        std::string text = xml.substr(i, lt == std::string::npos ? std::string::npos : lt - i);
        std::string decoded;
        if (!decode(text, decoded)) return "bad text: " + text;
        if (open.empty() && decoded.find_first_not_of(" \n\r\t") != std::string::npos) return "text outside the root";
        if (!open.empty()) elements[open.back()].text += decoded;
        if (lt == std::string::npos) break;
        i = lt + 1;
        if (xml[i] == '/') {
            ++i;
            std::string name = nameAt();
            if (open.empty() || elements[open.back()].name != name) return "unbalanced </" + name + ">";
            open.pop_back();
            if (xml[i++] != '>') return "bad end tag " + name;
            continue;
        }
        if (open.empty() && ++roots > 1) return "more than one root";
        Element element{nameAt(), {}, {}};
        if (element.name.empty()) return "empty tag name";
        while (true) {
            skipSpace();
            if (xml.compare(i, 2, "/>") == 0 || xml[i] == '>') break;
            std::string attribute = nameAt();
            if (attribute.empty() || xml[i] != '=' || xml[i + 1] != '"') return "bad attribute in " + element.name;
            i += 2;
            size_t end = xml.find('"', i);
            std::string value;
            if (!decode(xml.substr(i, end - i), value)) return "bad attribute value in " + element.name;
            if (!element.attributes.emplace(attribute, value).second) return "repeated attribute " + attribute;
            i = end + 1;
        }
        bool selfClosing = xml[i] == '/';
        i += selfClosing ? 2 : 1;
        elements.push_back(std::move(element));
        if (!selfClosing) open.push_back(elements.size() - 1);
    }
    if (!open.empty()) return "unclosed <" + elements[open.back()].name + ">";
    return "";
}

std::vector<Element> parsed(const Document& doc)
{
    std::vector<Element> elements;
    std::string problem = parseXml(documentToSvg(doc), elements);
    EXPECT_EQ(problem, "") << documentToSvg(doc);
    return elements;
}

std::vector<Element> named(const std::vector<Element>& elements, const std::string& name)
{
    std::vector<Element> out;
    for (const Element& e : elements)
        if (e.name == name) out.push_back(e);
    return out;
}

AIPathSegment corner(float x, float y) { return {{x, y}, {x, y}, {x, y}, true}; }

Art& addPath(Document& doc, std::vector<AIPathSegment> segments, bool closed)
{
    Art& art = doc.newPath(kPlaceAboveAll, nullptr);
    art.segments = std::move(segments);
    art.closed = closed;
    return art;
}

}  // namespace

TEST(Svg, IsWellFormedWithAnEditorLayerPerLayerEachFlippingThePage)
{
    Document doc;
    doc.removeAllLayers();
    doc.appendLayer("Lines & <shadows>");
    addPath(doc, {corner(0, 0), corner(10, 0), corner(10, 10)}, true);
    addPath(doc, {}, true);  // draws nothing
    doc.appendLayer("Lines & <shadows>");
    addPath(doc, {corner(1, 1), corner(2, 2)}, false);
    doc.appendLayer("2nd \"copy\"");

    std::vector<Element> elements = parsed(doc);
    ASSERT_FALSE(elements.empty());
    const Element& svg = elements[0];
    EXPECT_EQ(svg.name, "svg");
    EXPECT_EQ(svg.attributes.at("xmlns"), "http://www.w3.org/2000/svg");
    EXPECT_EQ(svg.attributes.at("version"), "1.1");
    EXPECT_EQ(svg.attributes.at("width"), "612pt");
    EXPECT_EQ(svg.attributes.at("height"), "792pt");
    EXPECT_EQ(svg.attributes.at("viewBox"), "0 0 612 792");
    EXPECT_EQ(svg.attributes.at("xmlns:inkscape"), "http://www.inkscape.org/namespaces/inkscape");

    std::vector<Element> groups = named(elements, "g");
    ASSERT_EQ(groups.size(), 3u) << "editors take only the root's children as layers: no wrapping group";
    std::set<std::string> ids;
    for (const Element& g : groups) {
        EXPECT_EQ(g.attributes.at("transform"), "matrix(1 0 0 -1 0 792)") << "y points down from the page top";
        EXPECT_EQ(g.attributes.at("inkscape:groupmode"), "layer");
        ids.insert(g.attributes.at("id"));
    }
    EXPECT_EQ(groups[0].attributes.at("inkscape:label"), "Lines & <shadows>");
    EXPECT_EQ(groups[2].attributes.at("inkscape:label"), "2nd \"copy\"");
    EXPECT_EQ(ids, (std::set<std::string>{"Lines____shadows_", "Lines____shadows__2", "layer_2nd__copy_"}))
        << "ids are XML names, unique in the file";
    std::vector<Element> titles = named(elements, "title");
    ASSERT_EQ(titles.size(), 3u);
    EXPECT_EQ(titles[0].text, "Lines & <shadows>");
    EXPECT_EQ(titles[2].text, "2nd \"copy\"");
    EXPECT_EQ(named(elements, "path").size(), 2u);
}

TEST(Svg, PathDataWritesStraightEdgesAsLinesAndOthersAsCubicsWithTheDocumentsNumbers)
{
    Document doc;
    doc.page = {100.5f, 50};
    addPath(doc, {{{0.1f, 2}, {0.1f, 2}, {3, -4.25f}, false}, {{5, 6}, {7, 8}, {9, 10}, false}, corner(1e-7f, 300)},
            true);
    addPath(doc, {corner(1, 2), corner(3, 4)}, false);
    addPath(doc, {corner(7, 7)}, true);
    std::vector<Element> elements = parsed(doc);
    EXPECT_EQ(elements[0].attributes.at("width"), "100.5pt");
    EXPECT_EQ(named(elements, "g")[0].attributes.at("transform"), "matrix(1 0 0 -1 0 50)");
    std::vector<Element> paths = named(elements, "path");
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_EQ(paths[0].attributes.at("d"), "M0.1 2 C3 -4.25 7 8 5 6 C9 10 1e-07 300 1e-07 300 Z")
        << "a handle off its anchor makes a cubic; the straight closing edge is Z's own";
    EXPECT_EQ(paths[1].attributes.at("d"), "M1 2 L3 4") << "open: no closing edge";
    EXPECT_EQ(paths[2].attributes.at("d"), "M7 7 Z");
    // A closing edge that curves is written before Z.
    Document curved;
    addPath(curved, {corner(0, 0), {{4, 0}, {4, 0}, {5, 1}, false}}, true);
    EXPECT_EQ(named(parsed(curved), "path")[0].attributes.at("d"), "M0 0 L4 0 C5 1 0 0 0 0 Z");
}

TEST(Svg, PaintShowsDisplayColoursAndLeavesOutWhatIsNotPainted)
{
    struct Row {
        PathStyle style;
        float opacity;
        const char* fill;
        const char* stroke;
        const char* strokeWidth;  // null: no attribute
        const char* opacityText;  // null: no attribute
        // clang-format off
    } rows[] = {
        {{true, Color::gray(0.25f), false, Color::rgb(0, 0, 0), 1}, 1, "#bfbfbf", "none", nullptr, nullptr},
        {{true, Color::cmyk(0, 1, 0, 0.5f), false, Color::rgb(0, 0, 0), 1}, 1, "#800080", "none", nullptr, nullptr},
        {{true, Color::rgb(1.5f, -1, 0.5f), false, Color::rgb(0, 0, 0), 1}, 1, "#ff0080", "none", nullptr, nullptr},
        {{false, Color::rgb(1, 0, 0), true, Color::gray(1), 2.5f}, 0.3f, "none", "#000000", "2.5", "0.3"},
        {{true, Color::none(), true, Color::none(), 3}, 1, "none", "none", nullptr, nullptr},
        {{true, Color{ColorKind::Custom, 4, {0, 0, 0, 1}, "Spot"}, true, Color::cmyk(2, 0, 0, 0), 0}, 0, "#000000",
         "#00ffff", "0", "0"},
    };
    // clang-format on
    for (const Row& row : rows) {
        Document doc;
        Art& art = addPath(doc, {corner(0, 0), corner(1, 1)}, true);
        art.style = row.style;
        art.opacity = row.opacity;
        std::vector<Element> paths = named(parsed(doc), "path");
        ASSERT_EQ(paths.size(), 1u);
        const auto& a = paths[0].attributes;
        std::string where = std::string("row with fill ") + row.fill + ", stroke " + row.stroke;
        EXPECT_EQ(a.at("fill"), row.fill) << where;
        EXPECT_EQ(a.at("stroke"), row.stroke) << where;
        EXPECT_EQ(a.count("stroke-width") ? a.at("stroke-width") : "(none)",
                  row.strokeWidth ? row.strokeWidth : "(none)")
            << where;
        EXPECT_EQ(a.count("opacity") ? a.at("opacity") : "(none)", row.opacityText ? row.opacityText : "(none)")
            << where;
    }
}

TEST(Svg, WritingLeavesTheDocumentAsItWas)
{
    Document doc;
    Art& art = addPath(doc, {corner(0, 0), corner(1, 1)}, true);
    art.style.fill = Color::rgb(2, 0, 0);
    documentToSvg(doc);
    EXPECT_EQ(art.style.fill, Color::rgb(2, 0, 0)) << "clamping is for display only";
}
