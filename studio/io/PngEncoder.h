// PNG files from cairo's images, with text chunks, by libspng. Tuned for line
// art (large flat areas, few colours): no row filter and zlib's run-length
// strategy at level 1 measured five times faster than cairo's own writer and
// the files smaller (bench/bench_outputs.cpp, PngSpng and PngCairo).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace studio {

struct PngText {
    std::string keyword;  // 1 to 79 Latin-1 characters
    std::string text;     // UTF-8, stored uncompressed in an iTXt chunk
};

struct PngTuning {
    int level = 1;     // zlib compression level
    int strategy = 3;  // zlib strategy: Z_RLE
    int filters = 8;   // libspng filter choice: NONE only
};

// image: cairo ARGB32 rows (premultiplied, native-endian 32-bit pixels).
// alpha: write RGBA (straight alpha); otherwise RGB, the image being opaque.
// Throws std::runtime_error when libspng fails.
std::string encodePng(const unsigned char* image, int width, int height, int stride, bool alpha,
                      const std::vector<PngText>& texts, PngTuning tuning = {});

// The text chunks of a PNG (tEXt, zTXt, iTXt); throws std::runtime_error for
// bytes that are not a PNG.
std::vector<PngText> pngTexts(std::string_view png);

}  // namespace studio
