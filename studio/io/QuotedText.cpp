#include "studio/io/QuotedText.h"

#include <cstdint>

namespace studio {

namespace {

// Length of the valid UTF-8 sequence at the start of text (shortest form, no
// surrogates, at most U+10FFFF), or 0.
size_t utf8Length(std::string_view text)
{
    auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    uint8_t lead = byte(0);
    size_t length = lead < 0x80             ? 1
                    : (lead & 0xE0) == 0xC0 ? 2
                    : (lead & 0xF0) == 0xE0 ? 3
                    : (lead & 0xF8) == 0xF0 ? 4
                                            : 0;
    if (length == 0 || length > text.size()) return 0;
    uint32_t code = length == 1 ? lead : length == 2 ? lead & 0x1Fu : length == 3 ? lead & 0x0Fu : lead & 0x07u;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    static constexpr uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    // C1 controls print invisibly too.
    if (code >= 0x80 && code < 0xA0) return 0;
    return length;
}

std::string escape(std::string_view text, size_t maxChars, bool quoting)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    size_t chars = 0;
    while (!text.empty()) {
        if (chars == maxChars) {
            out += "...";
            break;
        }
        ++chars;
        auto c = static_cast<unsigned char>(text.front());
        size_t length = utf8Length(text);
        if (quoting && (c == '\n' || c == '\t' || c == '\r' || c == '"' || c == '\\')) {
            out += '\\';
            out += c == '\n' ? 'n' : c == '\t' ? 't' : c == '\r' ? 'r' : static_cast<char>(c);
        } else if (length == 0 || c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
            length = 1;
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return out;
}

}  // namespace

std::string escapedText(std::string_view text, size_t maxChars) { return escape(text, maxChars, true); }

std::string printableText(std::string_view text, size_t maxChars) { return escape(text, maxChars, false); }

std::string quotedText(std::string_view text, size_t maxChars) { return '"' + escapedText(text, maxChars) + '"'; }

}  // namespace studio
