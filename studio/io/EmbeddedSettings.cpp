#include "studio/io/EmbeddedSettings.h"

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <vector>

#include "studio/io/CairoWriter.h"
#include "studio/io/Files.h"
#include "studio/io/PngEncoder.h"
#include "studio/io/SvgWriter.h"

namespace studio {

namespace {

using nlohmann::json;

std::string xmlUnescaped(std::string_view text)
{
    static constexpr std::pair<std::string_view, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [entity, c] : kEntities) {
                if (text.substr(i, entity.size()) == entity) {
                    out += c;
                    i += entity.size() - 1;
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += text[i];
    }
    return out;
}

void appendUtf8(std::string& out, uint32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A PDF literal string "(...)" from its opening parenthesis.
std::optional<std::string> pdfLiteral(std::string_view text)
{
    std::string out;
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            char e = text[++i];
            switch (e) {
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            default:
                if (e >= '0' && e <= '7') {
                    int value = e - '0';
                    for (int k = 0; k < 2 && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '7'; ++k)
                        value = value * 8 + (text[++i] - '0');
                    out += char(value);
                } else {
                    out += e;
                }
            }
            continue;
        }
        if (c == '(' && depth++ == 0) continue;
        if (c == ')' && --depth == 0) return out;
        out += c;
    }
    return std::nullopt;
}

// A PDF hex string "<FEFF...>" (UTF-16BE with its mark) or plain bytes.
std::optional<std::string> pdfHex(std::string_view text)
{
    std::vector<unsigned char> bytes;
    int high = -1;
    for (size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '>') {
            if (high >= 0) bytes.push_back(static_cast<unsigned char>(high << 4));
            std::string out;
            if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
                for (size_t k = 2; k + 1 < bytes.size(); k += 2) {
                    uint32_t unit = (uint32_t(bytes[k]) << 8) | bytes[k + 1];
                    if (unit >= 0xD800 && unit < 0xDC00 && k + 3 < bytes.size()) {
                        uint32_t low = (uint32_t(bytes[k + 2]) << 8) | bytes[k + 3];
                        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                        k += 2;
                    }
                    appendUtf8(out, unit);
                }
            } else {
                out.assign(bytes.begin(), bytes.end());
            }
            return out;
        }
        int d = hexDigit(text[i]);
        if (d < 0) continue;  // white space
        if (high < 0) {
            high = d;
        } else {
            bytes.push_back(static_cast<unsigned char>((high << 4) | d));
            high = -1;
        }
    }
    return std::nullopt;
}

// Builds the top-level "settings" member as the parser meets it, and stops
// at "layers": the settings come first, the art need not be read.
class SettingsMember : public nlohmann::json_sax<json> {
public:
    std::optional<json> found;

    bool null() override { return value(nullptr); }
    bool boolean(bool b) override { return value(b); }
    bool number_integer(number_integer_t n) override { return value(n); }
    bool number_unsigned(number_unsigned_t n) override { return value(n); }
    bool number_float(number_float_t n, const string_t&) override { return value(n); }
    bool string(string_t& s) override { return value(s); }
    bool binary(binary_t&) override { return value(nullptr); }
    bool start_object(std::size_t) override { return open(json::object()); }
    bool start_array(std::size_t) override { return open(json::array()); }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }
    bool key(string_t& key) override
    {
        if (depth_ == 1) {
            if (key == "layers") return false;
            capturing_ = key == "settings";
        }
        key_ = key;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }

private:
    bool value(json v)
    {
        if (capturing_ && depth_ == 1) {  // a settings member that is not an object
            found = std::move(v);
            capturing_ = false;
        } else if (!stack_.empty()) {
            place(std::move(v));
        }
        return true;
    }
    json* place(json v)
    {
        json& parent = *stack_.back();
        if (parent.is_array()) {
            parent.push_back(std::move(v));
            return &parent.back();
        }
        return &(parent[key_] = std::move(v));
    }
    bool open(json v)
    {
        ++depth_;
        if (capturing_ && depth_ == 2 && stack_.empty()) {
            root_ = std::move(v);
            stack_.push_back(&root_);
        } else if (!stack_.empty()) {
            stack_.push_back(place(std::move(v)));
        }
        return true;
    }
    bool close()
    {
        --depth_;
        if (stack_.empty()) return true;
        stack_.pop_back();
        if (stack_.empty()) {
            found = std::move(root_);
            capturing_ = false;
        }
        return true;
    }

    int depth_ = 0;
    bool capturing_ = false;
    std::string key_;
    json root_;
    std::vector<json*> stack_;
};

}  // namespace

std::optional<std::string> settingsInSvg(std::string_view svg)
{
    const std::string id = std::string("id=\"") + kSvgSettingsId + "\"";
    size_t at = svg.find(id);
    if (at == std::string_view::npos) return std::nullopt;
    size_t start = svg.find('>', at);
    if (start == std::string_view::npos) return std::nullopt;
    size_t end = svg.find("</", start);
    if (end == std::string_view::npos) return std::nullopt;
    return xmlUnescaped(svg.substr(start + 1, end - start - 1));
}

std::optional<std::string> settingsInPng(std::string_view png)
{
    try {
        for (const PngText& text : pngTexts(png))
            if (text.keyword == kPngSettingsKeyword) return text.text;
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::string> settingsInPdf(std::string_view pdf)
{
    // The information dictionary is written last; take its last Subject.
    size_t at = pdf.rfind("/Subject");
    if (at == std::string_view::npos) return std::nullopt;
    size_t start = pdf.find_first_not_of(" \t\r\n", at + 8);
    if (start == std::string_view::npos) return std::nullopt;
    if (pdf[start] == '(') return pdfLiteral(pdf.substr(start));
    if (pdf[start] == '<') return pdfHex(pdf.substr(start));
    return std::nullopt;
}

std::optional<std::string> settingsInJson(std::string_view text)
{
    SettingsMember handler;
    json::sax_parse(text.begin(), text.end(), &handler);
    if (!handler.found) return std::nullopt;
    return handler.found->dump();
}

std::optional<std::string> embeddedSettings(std::string_view bytes)
{
    if (bytes.starts_with("\x89PNG")) return settingsInPng(bytes);
    if (bytes.starts_with("%PDF-")) return settingsInPdf(bytes);
    size_t first = bytes.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (first == std::string_view::npos) return std::nullopt;
    if (bytes[first] == '{') return settingsInJson(bytes);
    if (bytes[first] == '<') return settingsInSvg(bytes);
    return std::nullopt;
}

std::string readEmbeddedSettings(const std::filesystem::path& file)
{
    // SVG and JSON carry the settings near the top: a large drawing's art need not be read.
    constexpr size_t kPrefix = size_t(4) << 20;
    std::string bytes = readFile(file, kPrefix + 1);
    std::optional<std::string> settings = embeddedSettings(bytes);
    if (!settings && bytes.size() > kPrefix) settings = embeddedSettings(readFile(file));
    if (!settings)
        throw InputError(displayName(file) +
                         ": carries no Focara settings; expected an SVG, PNG, PDF or JSON written by focara render");
    return *settings;
}

}  // namespace studio
