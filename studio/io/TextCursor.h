// Writing the bulk of a large text output (path data, segment lists) through
// a pointer into room made at the end of a string: no length checks or small
// copies per number, which cost more than the numbers themselves.
#pragma once

#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace studio {

class TextCursor {
public:
    // Makes room for at most `most` characters; the caller's bound must hold.
    TextCursor(std::string& out, size_t most) : out_(out)
    {
        const size_t start = out.size();
        out.resize(start + most);
        p_ = out.data() + start;
    }
    // The string keeps what was written, nothing more.
    ~TextCursor() { out_.resize(static_cast<size_t>(p_ - out_.data())); }
    TextCursor(const TextCursor&) = delete;
    TextCursor& operator=(const TextCursor&) = delete;

    // The most characters number() writes.
    static constexpr size_t kNumberRoom = 24;

    void put(char c) { *p_++ = c; }
    template <size_t N>
    void put(const char (&text)[N])
    {
        std::memcpy(p_, text, N - 1);
        p_ += N - 1;
    }
    // The shortest text that reads back as the same 32-bit float.
    void number(float value)
    {
        if (!std::isfinite(value))
            throw std::domain_error("the document holds a non-finite number, which cannot be written");
        p_ = std::to_chars(p_, p_ + kNumberRoom, value).ptr;
    }
    // JSON readers take "-0" for the integer 0; "-0.0" keeps the sign.
    void jsonNumber(float value)
    {
        if (value == 0 && std::signbit(value)) {
            put("-0.0");
            return;
        }
        number(value);
    }

private:
    std::string& out_;
    char* p_;
};

}  // namespace studio
