#include "studio/io/DocumentJson.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <unordered_set>
#include <utility>
#include <vector>

#include "studio/io/NumberText.h"
#include "studio/io/QuotedText.h"
#include "studio/io/TextCursor.h"

namespace studio {

using nlohmann::json;

DocumentFormatError::DocumentFormatError(std::string member, const std::string& reason)
    : InputError(member.empty() ? reason : member + ": " + reason), member_(std::move(member))
{
}

namespace {

constexpr const char* kFormatName = "focara-document";
constexpr int kFormatVersion = 1;
constexpr size_t kMaxSegments = 32767;  // the suites count a path's segments in 16 bits
// Colour components an input may hold. Documents the plug-in draws must read
// back: should it ever store components outside this range, widen it here.
// The sketch copies' shift colour mode stores amounts in -1..1, unclamped.
constexpr float kComponentMin = -1;
constexpr float kComponentMax = 1;

// Reading
// -------

// Where a value sits, turned into text ("layers[0].art[3]") only for a message.
struct Where {
    const Where* parent = nullptr;
    const char* key = nullptr;  // member name; null for an array element
    size_t index = 0;

    std::string path() const
    {
        if (!parent) return {};
        std::string prefix = parent->path();
        if (!key) return prefix + "[" + std::to_string(index) + "]";
        return prefix.empty() ? std::string(key) : prefix + "." + key;
    }
};

[[noreturn]] void refuse(const Where& where, const std::string& reason)
{
    throw DocumentFormatError(where.path(), reason);
}

std::string describe(const json& value)
{
    switch (value.type()) {
    case json::value_t::object: return "an object";
    case json::value_t::array:
        return "an array of " + std::to_string(value.size()) + (value.size() == 1 ? " value" : " values");
    case json::value_t::string: return "a string";
    case json::value_t::boolean: return value.get<bool>() ? "true" : "false";
    case json::value_t::null: return "null";
    default: return value.dump();  // numbers show themselves
    }
}

void expectObject(const json& value, const Where& where, std::initializer_list<const char*> members)
{
    if (!value.is_object()) refuse(where, "expected an object, found " + describe(value));
    for (auto it = value.begin(); it != value.end(); ++it) {
        bool known = std::any_of(members.begin(), members.end(), [&](const char* m) { return it.key() == m; });
        if (!known) refuse(Where{&where, it.key().c_str()}, "unknown member");
    }
}

void expectArray(const json& value, const Where& where)
{
    if (!value.is_array()) refuse(where, "expected an array, found " + describe(value));
}

const json* member(const json& object, const char* key)
{
    auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

bool readBool(const json& value, const Where& where)
{
    if (!value.is_boolean()) refuse(where, "expected true or false, found " + describe(value));
    return value.get<bool>();
}

const std::string& readString(const json& value, const Where& where)
{
    if (!value.is_string()) refuse(where, "expected a string, found " + describe(value));
    return value.get_ref<const std::string&>();
}

float readFloat(const json& value, const Where& where)
{
    if (!value.is_number()) refuse(where, "expected a number, found " + describe(value));
    double d = value.get<double>();
    if (!(std::fabs(d) <= FLT_MAX))
        refuse(where, "expected a number within the 32-bit float range, found " + describe(value));
    return static_cast<float>(d);
}

float readInRange(const json& value, const Where& where, float low, float high)
{
    float f = readFloat(value, where);
    if (f < low || f > high)
        refuse(where,
               "expected a number from " + numberText(low) + " to " + numberText(high) + ", found " + describe(value));
    return f;
}

float readPositive(const json& value, const Where& where)
{
    float f = readFloat(value, where);
    if (!(f > 0)) refuse(where, "expected a number above 0, found " + describe(value));
    return f;
}

float readNonNegative(const json& value, const Where& where)
{
    float f = readFloat(value, where);
    if (f < 0) refuse(where, "expected a number of at least 0, found " + describe(value));
    return f;
}

AIRealPoint readPoint(const json& value, const Where& where)
{
    if (!value.is_array() || value.size() != 2)
        refuse(where, "expected an array of 2 numbers [x, y], found " + describe(value));
    return {readFloat(value[0], Where{&where, nullptr, 0}), readFloat(value[1], Where{&where, nullptr, 1})};
}

// How many components each colour kind has: gray 1, RGB 3, CMYK 4, a custom
// colour's look 3 or 4, a pattern's or gradient's look none, 3 or 4.
bool countFits(ColorKind kind, size_t n)
{
    switch (kind) {
    case ColorKind::Gray: return n == 1;
    case ColorKind::Rgb: return n == 3;
    case ColorKind::Cmyk: return n == 4;
    case ColorKind::None: return n == 0;
    case ColorKind::Pattern:
    case ColorKind::Gradient: return n == 0 || n == 3 || n == 4;
    case ColorKind::Custom: return n == 3 || n == 4;
    }
    return false;
}

const char* countText(ColorKind kind)
{
    switch (kind) {
    case ColorKind::Gray: return "1 value";
    case ColorKind::Rgb: return "3 values";
    case ColorKind::Cmyk: return "4 values";
    case ColorKind::None: return "no values";
    case ColorKind::Pattern:
    case ColorKind::Gradient: return "0, 3 or 4 values";
    case ColorKind::Custom: return "3 or 4 values";
    }
    return "";
}

// A colour of this kind when no values are given: zeros in its natural count.
Color zeroColor(ColorKind kind)
{
    uint8_t count = 0;
    switch (kind) {
    case ColorKind::Gray: count = 1; break;
    case ColorKind::Rgb: count = 3; break;
    case ColorKind::Cmyk:
    case ColorKind::Custom: count = 4; break;
    case ColorKind::None:
    case ColorKind::Pattern:
    case ColorKind::Gradient: count = 0; break;
    }
    return Color{kind, count, {}, {}};
}

// Missing members come from base; a colour of another kind than base starts from zeros.
Color readColor(const json& value, const Where& where, const Color& base)
{
    expectObject(value, where, {"kind", "values", "name"});
    Color color = base;
    if (const json* kind = member(value, "kind")) {
        Where at{&where, "kind"};
        ColorKind k{};
        if (!kind->is_string() || !colorKindFromName(kind->get<std::string>(), k))
            refuse(at,
                   "expected \"gray\", \"rgb\", \"cmyk\", \"none\", \"pattern\", \"gradient\" or \"custom\", found " +
                       (kind->is_string() ? kind->dump() : describe(*kind)));
        if (k != base.kind) color = zeroColor(k);
    }
    if (const json* values = member(value, "values")) {
        Where at{&where, "values"};
        expectArray(*values, at);
        if (!countFits(color.kind, values->size()))
            refuse(at, std::string("expected ") + countText(color.kind) + " for a colour of kind \"" +
                           colorKindName(color.kind) + "\", found " + std::to_string(values->size()));
        color.count = static_cast<uint8_t>(values->size());
        color.values = {};
        for (size_t i = 0; i < values->size(); ++i)
            color.values[i] = readInRange((*values)[i], Where{&at, nullptr, i}, kComponentMin, kComponentMax);
    }
    if (const json* name = member(value, "name")) {
        Where at{&where, "name"};
        if (!color.named())
            refuse(at, std::string("a colour of kind \"") + colorKindName(color.kind) +
                           "\" has no name; only pattern, gradient and custom colours have one");
        color.name = readString(*name, at);
    }
    return color;
}

PathStyle readStyle(const json& value, const Where& where, const PathStyle& base)
{
    expectObject(value, where, {"fillPaint", "fill", "strokePaint", "stroke", "strokeWidth"});
    PathStyle style = base;
    if (const json* m = member(value, "fillPaint")) style.fillPaint = readBool(*m, Where{&where, "fillPaint"});
    if (const json* m = member(value, "fill")) style.fill = readColor(*m, Where{&where, "fill"}, base.fill);
    if (const json* m = member(value, "strokePaint")) style.strokePaint = readBool(*m, Where{&where, "strokePaint"});
    if (const json* m = member(value, "stroke")) style.stroke = readColor(*m, Where{&where, "stroke"}, base.stroke);
    if (const json* m = member(value, "strokeWidth"))
        style.strokeWidth = readNonNegative(*m, Where{&where, "strokeWidth"});
    return style;
}

AIPathSegment readSegment(const json& value, const Where& where)
{
    expectObject(value, where, {"p", "in", "out", "corner"});
    AIPathSegment segment{};
    // Handles that are not given sit on the anchor: a straight edge.
    if (const json* m = member(value, "p")) segment.p = readPoint(*m, Where{&where, "p"});
    segment.in = segment.p;
    segment.out = segment.p;
    if (const json* m = member(value, "in")) segment.in = readPoint(*m, Where{&where, "in"});
    if (const json* m = member(value, "out")) segment.out = readPoint(*m, Where{&where, "out"});
    if (const json* m = member(value, "corner")) segment.corner = readBool(*m, Where{&where, "corner"});
    return segment;
}

// A path that leaves out its style gets the document's current style, as a new path does.
std::unique_ptr<Art> readPath(const json& value, const Where& where, const PathStyle& currentStyle)
{
    expectObject(value, where, {"type", "closed", "segments", "style", "opacity", "graphicStyle"});
    auto art = std::make_unique<Art>();
    art->style = currentStyle;
    if (const json* m = member(value, "type")) {
        Where at{&where, "type"};
        if (!m->is_string() || *m != "path")
            refuse(at, "expected \"path\", the only kind of art, found " + (m->is_string() ? m->dump() : describe(*m)));
    }
    if (const json* m = member(value, "closed")) art->closed = readBool(*m, Where{&where, "closed"});
    if (const json* m = member(value, "segments")) {
        Where at{&where, "segments"};
        expectArray(*m, at);
        if (m->size() > kMaxSegments)
            refuse(at, "expected at most " + std::to_string(kMaxSegments) + " segments, found " +
                           std::to_string(m->size()));
        art->segments.reserve(m->size());
        for (size_t i = 0; i < m->size(); ++i) art->segments.push_back(readSegment((*m)[i], Where{&at, nullptr, i}));
    }
    if (const json* m = member(value, "style")) art->style = readStyle(*m, Where{&where, "style"}, currentStyle);
    if (const json* m = member(value, "opacity")) art->opacity = readInRange(*m, Where{&where, "opacity"}, 0, 1);
    if (const json* m = member(value, "graphicStyle")) {
        Where at{&where, "graphicStyle"};
        if (!m->is_null()) art->graphicStyle = readString(*m, at);
    }
    return art;
}

void readLayers(const json& value, const Where& where, Document& doc)
{
    expectArray(value, where);
    doc.removeAllLayers();
    for (size_t i = 0; i < value.size(); ++i) {
        Where at{&where, nullptr, i};
        const json& entry = value[i];
        expectObject(entry, at, {"name", "art"});
        std::string name = "Layer " + std::to_string(i + 1);
        if (const json* m = member(entry, "name")) name = readString(*m, Where{&at, "name"});
        Layer& layer = doc.appendLayer(std::move(name));
        if (const json* art = member(entry, "art")) {
            Where artAt{&at, "art"};
            expectArray(*art, artAt);
            layer.art.reserve(art->size());
            for (size_t k = 0; k < art->size(); ++k) {
                auto path = readPath((*art)[k], Where{&artAt, nullptr, k}, doc.currentStyle);
                path->layer = &layer;
                layer.art.push_back(std::move(path));
            }
        }
    }
}

Document readDocument(const json& root, std::optional<uint64_t>* seed)
{
    Where top;
    expectObject(root, top,
                 {"format", "version", "page", "colorModel", "view", "currentStyle", "swatches", "graphicStyles",
                  "seed", "settings", "layers"});
    Document doc = Document::makeDefault();

    if (const json* m = member(root, "format")) {
        if (!m->is_string() || *m != kFormatName)
            refuse(Where{&top, "format"}, std::string("expected \"") + kFormatName + "\", found " + m->dump());
    }
    if (const json* m = member(root, "version")) {
        if (!m->is_number_integer() || *m != kFormatVersion)
            refuse(Where{&top, "version"}, "expected 1, the only version, found " + describe(*m));
    }
    if (const json* m = member(root, "page")) {
        Where at{&top, "page"};
        expectObject(*m, at, {"width", "height"});
        if (const json* w = member(*m, "width")) doc.page.width = readPositive(*w, Where{&at, "width"});
        if (const json* h = member(*m, "height")) doc.page.height = readPositive(*h, Where{&at, "height"});
    }
    if (const json* m = member(root, "colorModel")) {
        Where at{&top, "colorModel"};
        const std::string& model = m->is_string() ? m->get_ref<const std::string&>() : std::string();
        if (model == "gray")
            doc.colorModel = ColorModel::Gray;
        else if (model == "rgb")
            doc.colorModel = ColorModel::Rgb;
        else if (model == "cmyk")
            doc.colorModel = ColorModel::Cmyk;
        else
            refuse(at, "expected \"gray\", \"rgb\" or \"cmyk\", found " + (m->is_string() ? m->dump() : describe(*m)));
    }
    if (const json* m = member(root, "view")) {
        Where at{&top, "view"};
        expectObject(*m, at, {"center", "zoom"});
        if (const json* c = member(*m, "center")) doc.view.center = readPoint(*c, Where{&at, "center"});
        if (const json* z = member(*m, "zoom")) doc.view.zoom = readPositive(*z, Where{&at, "zoom"});
    }
    if (const json* m = member(root, "currentStyle"))
        doc.currentStyle = readStyle(*m, Where{&top, "currentStyle"}, doc.currentStyle);
    if (const json* m = member(root, "swatches")) {
        Where at{&top, "swatches"};
        expectArray(*m, at);
        doc.swatches.clear();
        for (size_t i = 0; i < m->size(); ++i) {
            Where e{&at, nullptr, i};
            expectObject((*m)[i], e, {"name", "color"});
            Swatch swatch{"", Color::rgb(0, 0, 0)};
            if (const json* n = member((*m)[i], "name")) swatch.name = readString(*n, Where{&e, "name"});
            if (const json* c = member((*m)[i], "color"))
                swatch.color = readColor(*c, Where{&e, "color"}, swatch.color);
            doc.swatches.push_back(std::move(swatch));
        }
    }
    if (const json* m = member(root, "graphicStyles")) {
        Where at{&top, "graphicStyles"};
        expectArray(*m, at);
        doc.graphicStyles.clear();
        for (size_t i = 0; i < m->size(); ++i) {
            Where e{&at, nullptr, i};
            expectObject((*m)[i], e, {"name", "style", "opacity"});
            GraphicStyle style{"", PathStyle{}, 1};
            if (const json* n = member((*m)[i], "name")) style.name = readString(*n, Where{&e, "name"});
            if (const json* s = member((*m)[i], "style")) style.style = readStyle(*s, Where{&e, "style"}, style.style);
            if (const json* o = member((*m)[i], "opacity")) style.opacity = readInRange(*o, Where{&e, "opacity"}, 0, 1);
            doc.graphicStyles.push_back(std::move(style));
        }
    }
    // The settings an output carries are for --from; a document read as input ignores them.
    if (const json* m = member(root, "settings")) {
        if (!m->is_object()) refuse(Where{&top, "settings"}, "expected an object, found " + describe(*m));
    }
    if (const json* m = member(root, "seed")) {
        if (!m->is_number_unsigned())
            refuse(Where{&top, "seed"}, "expected a whole number of at least 0, found " + describe(*m));
        if (seed) *seed = m->get<uint64_t>();
    }
    if (const json* m = member(root, "layers")) readLayers(*m, Where{&top, "layers"}, doc);
    if (doc.layers().empty()) doc.appendLayer("Layer 1");
    return doc;
}

// nlohmann keeps the last of two equal member names silently; a document
// that names a member twice is refused instead, so no value is lost unseen.
// A separate SAX pass over text already known to parse: nlohmann's parse
// callbacks take quadratic time on long arrays.
class DuplicateMemberCheck : public nlohmann::json_sax<json> {
public:
    bool null() override { return elementDone(); }
    bool boolean(bool) override { return elementDone(); }
    bool number_integer(number_integer_t) override { return elementDone(); }
    bool number_unsigned(number_unsigned_t) override { return elementDone(); }
    bool number_float(number_float_t, const string_t&) override { return elementDone(); }
    bool string(string_t&) override { return elementDone(); }
    bool binary(binary_t&) override { return elementDone(); }
    bool start_object(std::size_t) override { return start(false); }
    bool start_array(std::size_t) override { return start(true); }
    bool end_object() override { return end(); }
    bool end_array() override { return end(); }
    bool key(string_t& key) override
    {
        Frame& frame = frames_.back();
        if (!frame.keys.insert(key).second) throw DocumentFormatError(pathTo(key), "this member appears twice");
        frame.last = key;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }

private:
    struct Frame {
        bool array;
        size_t index;
        std::unordered_set<std::string> keys;  // hashed: an object may hold many thousands of members
        std::string last;
    };

    bool start(bool array)
    {
        frames_.push_back({array, 0, {}, {}});
        return true;
    }
    bool end()
    {
        frames_.pop_back();
        return elementDone();
    }
    bool elementDone()
    {
        if (!frames_.empty() && frames_.back().array) ++frames_.back().index;
        return true;
    }

    std::string pathTo(const std::string& key) const
    {
        std::string path;
        for (size_t i = 0; i + 1 < frames_.size(); ++i) {
            const Frame& f = frames_[i];
            if (f.array)
                path += "[" + std::to_string(f.index) + "]";
            else
                path += (path.empty() ? "" : ".") + f.last;
        }
        return path + (path.empty() ? "" : ".") + key;
    }

    std::vector<Frame> frames_;
};

json parseStrict(std::string_view text)
{
    json root;
    try {
        root = json::parse(text.begin(), text.end());
    } catch (const json::exception& e) {
        // Drop nlohmann's "[json.exception.parse_error.101] " tag.
        std::string what = e.what();
        size_t tag = what.find("] ");
        // The parser's message quotes the bytes it stopped at, which may be anything.
        throw DocumentFormatError({}, "malformed JSON: " +
                                          printableText(tag == std::string::npos ? what : what.substr(tag + 2)));
    }
    DuplicateMemberCheck check;
    json::sax_parse(text.begin(), text.end(), &check);
    return root;
}

// Writing
// -------

class Writer {
public:
    explicit Writer(const ByteSink& sink) : chunks_(sink), out_(chunks_.text()) {}

    void document(const Document& doc, std::optional<uint64_t> seed, const std::string& settings)
    {
        out_ += "{\n  \"format\": ";
        string(kFormatName);
        out_ += ",\n  \"version\": " + std::to_string(kFormatVersion);
        out_ += ",\n  \"page\": {\"width\": ";
        number(doc.page.width);
        out_ += ", \"height\": ";
        number(doc.page.height);
        out_ += "},\n  \"colorModel\": ";
        string(doc.colorModel == ColorModel::Gray ? "gray" : doc.colorModel == ColorModel::Cmyk ? "cmyk" : "rgb");
        out_ += ",\n  \"view\": {\"center\": ";
        point(doc.view.center);
        out_ += ", \"zoom\": ";
        number(doc.view.zoom);
        out_ += "},\n  \"currentStyle\": ";
        style(doc.currentStyle);
        out_ += ",\n  \"swatches\": ";
        list(doc.swatches, "    ", [&](const Swatch& s) {
            out_ += "{\"name\": ";
            string(s.name);
            out_ += ", \"color\": ";
            color(s.color);
            out_ += '}';
        });
        out_ += ",\n  \"graphicStyles\": ";
        list(doc.graphicStyles, "    ", [&](const GraphicStyle& g) {
            out_ += "{\"name\": ";
            string(g.name);
            out_ += ", \"style\": ";
            style(g.style);
            out_ += ", \"opacity\": ";
            number(g.opacity);
            out_ += '}';
        });
        if (seed) out_ += ",\n  \"seed\": " + std::to_string(*seed);
        if (!settings.empty()) out_ += ",\n  \"settings\": " + settings;
        out_ += ",\n  \"layers\": ";
        list(doc.layers(), "    ", [&](const std::unique_ptr<Layer>& layer) {
            out_ += "{\"name\": ";
            string(layer->name);
            out_ += ", \"art\": ";
            list(layer->art, "      ", [&](const std::unique_ptr<Art>& art) {
                path(*art);
                chunks_.maybeFlush();
            });
            out_ += '}';
        });
        out_ += "\n}\n";
        chunks_.flush();
    }

private:
    template <typename Items, typename WriteItem>
    void list(const Items& items, const char* indent, WriteItem writeItem)
    {
        if (items.empty()) {
            out_ += "[]";
            return;
        }
        out_ += '[';
        bool first = true;
        for (const auto& item : items) {
            out_ += first ? "\n" : ",\n";
            first = false;
            out_ += indent;
            writeItem(item);
        }
        out_ += '\n';
        out_.append(indent + 2);  // the closing bracket sits one level out
        out_ += ']';
    }

    void number(float value) { appendJsonNumber(out_, value); }

    // The bulk of a large document, written through a cursor: the text list() would write.
    void segments(const std::vector<AIPathSegment>& list)
    {
        if (list.empty()) {
            out_ += "[]";
            return;
        }
        constexpr size_t kSegmentRoom = 80 + 6 * TextCursor::kNumberRoom;
        TextCursor c(out_, 16 + list.size() * kSegmentRoom);
        auto point = [&](AIRealPoint p) {
            c.put('[');
            c.jsonNumber(p.h);
            c.put(", ");
            c.jsonNumber(p.v);
            c.put(']');
        };
        c.put('[');
        bool first = true;
        for (const AIPathSegment& s : list) {
            if (first)
                c.put("\n        {\"p\": ");
            else
                c.put(",\n        {\"p\": ");
            first = false;
            point(s.p);
            c.put(", \"in\": ");
            point(s.in);
            c.put(", \"out\": ");
            point(s.out);
            if (s.corner)
                c.put(", \"corner\": true}");
            else
                c.put(", \"corner\": false}");
        }
        c.put("\n      ]");
    }

    void string(std::string_view text) { out_ += json(text).dump(-1, ' ', false, json::error_handler_t::replace); }

    void point(AIRealPoint p)
    {
        out_ += '[';
        number(p.h);
        out_ += ", ";
        number(p.v);
        out_ += ']';
    }

    void color(const Color& c)
    {
        out_ += "{\"kind\": ";
        string(colorKindName(c.kind));
        out_ += ", \"values\": [";
        for (size_t i = 0; i < c.count; ++i) {
            if (i) out_ += ", ";
            number(c.values[i]);
        }
        out_ += ']';
        if (c.named()) {
            out_ += ", \"name\": ";
            string(c.name);
        }
        out_ += '}';
    }

    void style(const PathStyle& s)
    {
        out_ += "{\"fillPaint\": ";
        out_ += s.fillPaint ? "true" : "false";
        out_ += ", \"fill\": ";
        color(s.fill);
        out_ += ", \"strokePaint\": ";
        out_ += s.strokePaint ? "true" : "false";
        out_ += ", \"stroke\": ";
        color(s.stroke);
        out_ += ", \"strokeWidth\": ";
        number(s.strokeWidth);
        out_ += '}';
    }

    void path(const Art& art)
    {
        out_ += "{\"type\": \"path\", \"closed\": ";
        out_ += art.closed ? "true" : "false";
        out_ += ", \"segments\": ";
        segments(art.segments);
        out_ += ", \"style\": ";
        style(art.style);
        out_ += ", \"opacity\": ";
        number(art.opacity);
        out_ += ", \"graphicStyle\": ";
        if (art.graphicStyle)
            string(*art.graphicStyle);
        else
            out_ += "null";
        out_ += '}';
    }

    ChunkedOutput chunks_;
    std::string& out_;
};

}  // namespace

Document documentFromJson(std::string_view text, std::optional<uint64_t>* seed)
{
    return readDocument(parseStrict(text), seed);
}

void writeDocumentJson(const Document& document, std::optional<uint64_t> seed, const std::string& settings,
                       const ByteSink& sink)
{
    Writer writer(sink);
    writer.document(document, seed, settings);
}

std::string documentToJson(const Document& document, std::optional<uint64_t> seed)
{
    std::string text;
    writeDocumentJson(document, seed, {}, [&](std::string_view bytes) { text += bytes; });
    return text;
}

Document readDocumentFile(const std::filesystem::path& file, std::optional<uint64_t>* seed)
{
    std::string text = readFileUpTo(file, kMaxDocumentBytes, "document");
    try {
        return documentFromJson(text, seed);
    } catch (const DocumentFormatError& e) {
        throw InputError(displayName(file) + ": " + e.what());
    }
}

}  // namespace studio
