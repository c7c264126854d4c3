// Bounds-checked little-endian reading of a byte span: every read that would
// pass the end throws FormatError instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace studio::loader {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) noexcept : bytes_(bytes) {}

    std::size_t offset() const noexcept { return offset_; }
    std::size_t size() const noexcept { return bytes_.size(); }
    std::size_t remaining() const noexcept { return bytes_.size() - offset_; }
    bool atEnd() const noexcept { return offset_ == bytes_.size(); }

    void seek(std::size_t offset);
    void skip(std::size_t count);
    // Moves to the next multiple of alignment, counted from the span's start.
    void alignTo(std::size_t alignment);

    std::uint8_t u8();
    std::uint16_t u16();
    std::int16_t i16();
    std::uint32_t u32();
    std::uint64_t u64();
    std::span<const std::uint8_t> take(std::size_t count);
    // A zero-terminated UTF-16 string, returned as UTF-8.
    std::string utf16z();

private:
    void need(std::size_t count) const;

    std::span<const std::uint8_t> bytes_;
    std::size_t offset_ = 0;
};

// UTF-16 code units to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

}  // namespace studio::loader
