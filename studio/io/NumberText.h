// Numbers as text for the host's files: the shortest text that reads back as
// the same 32-bit float, so outputs are stable, readable and lossless.
#pragma once

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace studio {

// Non-finite values have no text in JSON or SVG; the document should never hold one.
inline void appendNumber(std::string& out, float value)
{
    if (!std::isfinite(value))
        throw std::domain_error("the document holds a non-finite number, which cannot be written");
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// JSON readers take "-0" for the integer 0; "-0.0" keeps the sign.
inline void appendJsonNumber(std::string& out, float value)
{
    if (value == 0 && std::signbit(value)) {
        out += "-0.0";
        return;
    }
    appendNumber(out, value);
}

inline std::string numberText(float value)
{
    std::string out;
    appendNumber(out, value);
    return out;
}

}  // namespace studio
