#include "studio/loader/ByteReader.h"

#include "studio/loader/Errors.h"

namespace studio::loader {

void ByteReader::need(std::size_t count) const
{
    if (count > remaining()) {
        throw FormatError("truncated: " + std::to_string(count) + " bytes needed at offset " + std::to_string(offset_) +
                          ", " + std::to_string(remaining()) + " left");
    }
}

void ByteReader::seek(std::size_t offset)
{
    if (offset > bytes_.size()) {
        throw FormatError("truncated: offset " + std::to_string(offset) + " is past the end (" +
                          std::to_string(bytes_.size()) + " bytes)");
    }
    offset_ = offset;
}

void ByteReader::skip(std::size_t count)
{
    need(count);
    offset_ += count;
}

void ByteReader::alignTo(std::size_t alignment)
{
    const std::size_t misalignment = offset_ % alignment;
    if (misalignment != 0) {
        skip(alignment - misalignment);
    }
}

std::uint8_t ByteReader::u8()
{
    need(1);
    return bytes_[offset_++];
}

std::uint16_t ByteReader::u16()
{
    need(2);
    const auto value = static_cast<std::uint16_t>(bytes_[offset_] | (bytes_[offset_ + 1] << 8));
    offset_ += 2;
    return value;
}

std::int16_t ByteReader::i16() { return static_cast<std::int16_t>(u16()); }

std::uint32_t ByteReader::u32()
{
    const std::uint32_t low = u16();
    const std::uint32_t high = u16();
    return low | (high << 16);
}

std::uint64_t ByteReader::u64()
{
    const std::uint64_t low = u32();
    const std::uint64_t high = u32();
    return low | (high << 32);
}

std::span<const std::uint8_t> ByteReader::take(std::size_t count)
{
    need(count);
    const auto part = bytes_.subspan(offset_, count);
    offset_ += count;
    return part;
}

std::string ByteReader::utf16z()
{
    const std::size_t start = offset_;
    std::u16string units;
    for (;;) {
        if (remaining() < 2) {
            throw FormatError("truncated: the UTF-16 string at offset " + std::to_string(start) +
                              " has no terminating zero");
        }
        const char16_t unit = u16();
        if (unit == 0) {
            break;
        }
        units.push_back(unit);
    }
    return utf16ToUtf8(units);
}

namespace {

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

bool isHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

std::string utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            const char32_t c = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            appendUtf8(out, c);
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

}  // namespace studio::loader
