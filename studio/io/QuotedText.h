// Input echoed in messages: control bytes and bytes that are not UTF-8 are
// written as escapes, and long text is shortened, so that a message stays one
// readable line of valid text whatever the input held.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace studio {

// text with \n, \t, \r, \" , \\ and \xNN escapes for control bytes and bytes
// that are not valid UTF-8; cut after maxChars characters with "..." appended.
std::string escapedText(std::string_view text, size_t maxChars = 80);

// text as it is, but for control bytes and bytes that are not UTF-8, which
// become \xNN escapes (newlines too: a message is one line); cut likewise.
std::string printableText(std::string_view text, size_t maxChars = 400);

// escapedText in double quotes, as messages quote what the user typed.
std::string quotedText(std::string_view text, size_t maxChars = 80);

}  // namespace studio
