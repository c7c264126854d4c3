#include "studio/io/PngEncoder.h"

#include <spng.h>

#include <cstring>
#include <memory>
#include <stdexcept>

namespace studio {

namespace {

struct ContextDeleter {
    void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};
using Context = std::unique_ptr<spng_ctx, ContextDeleter>;

void check(int status, const char* what)
{
    if (status != 0) throw std::runtime_error(std::string("libspng could not ") + what + ": " + spng_strerror(status));
}

int appendToString(spng_ctx*, void* user, void* data, size_t length)
{
    try {
        static_cast<std::string*>(user)->append(static_cast<const char*>(data), length);
        return 0;
    } catch (...) {
        return SPNG_IO_ERROR;
    }
}

// One cairo row as 8-bit RGB or straight-alpha RGBA.
void convertRow(const uint32_t* pixels, int width, bool alpha, unsigned char* out)
{
    for (int x = 0; x < width; ++x) {
        const uint32_t p = pixels[x];
        unsigned a = p >> 24;
        unsigned r = (p >> 16) & 0xff;
        unsigned g = (p >> 8) & 0xff;
        unsigned b = p & 0xff;
        if (!alpha) {
            *out++ = static_cast<unsigned char>(r);
            *out++ = static_cast<unsigned char>(g);
            *out++ = static_cast<unsigned char>(b);
            continue;
        }
        if (a != 0 && a != 255) {
            // Undo the premultiplication, rounding to nearest.
            r = (r * 255 + a / 2) / a;
            g = (g * 255 + a / 2) / a;
            b = (b * 255 + a / 2) / a;
        }
        *out++ = static_cast<unsigned char>(r);
        *out++ = static_cast<unsigned char>(g);
        *out++ = static_cast<unsigned char>(b);
        *out++ = static_cast<unsigned char>(a);
    }
}

}  // namespace

std::string encodePng(const unsigned char* image, int width, int height, int stride, bool alpha,
                      const std::vector<PngText>& texts, PngTuning tuning)
{
    Context ctx(spng_ctx_new(SPNG_CTX_ENCODER));
    if (!ctx) throw std::runtime_error("libspng could not start an encoder");
    std::string png;
    check(spng_set_png_stream(ctx.get(), appendToString, &png), "set its output");
    spng_ihdr ihdr{};
    ihdr.width = static_cast<uint32_t>(width);
    ihdr.height = static_cast<uint32_t>(height);
    ihdr.bit_depth = 8;
    ihdr.color_type = alpha ? SPNG_COLOR_TYPE_TRUECOLOR_ALPHA : SPNG_COLOR_TYPE_TRUECOLOR;
    check(spng_set_ihdr(ctx.get(), &ihdr), "set the header");
    check(spng_set_option(ctx.get(), SPNG_IMG_COMPRESSION_LEVEL, tuning.level), "set the compression level");
    check(spng_set_option(ctx.get(), SPNG_IMG_COMPRESSION_STRATEGY, tuning.strategy), "set the strategy");
    check(spng_set_option(ctx.get(), SPNG_FILTER_CHOICE, tuning.filters), "set the filters");

    std::vector<spng_text> chunks(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        spng_text& chunk = chunks[i];
        if (texts[i].keyword.empty() || texts[i].keyword.size() > 79)
            throw std::invalid_argument("a PNG text keyword has 1 to 79 characters");
        std::memcpy(chunk.keyword, texts[i].keyword.c_str(), texts[i].keyword.size() + 1);
        chunk.type = SPNG_ITXT;
        chunk.length = texts[i].text.size();
        chunk.text = const_cast<char*>(texts[i].text.c_str());
        chunk.language_tag = const_cast<char*>("");
        chunk.translated_keyword = const_cast<char*>("");
    }
    if (!chunks.empty())
        check(spng_set_text(ctx.get(), chunks.data(), static_cast<uint32_t>(chunks.size())), "set the text");

    check(spng_encode_image(ctx.get(), nullptr, 0, SPNG_FMT_PNG, SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE),
          "start the image");
    std::vector<unsigned char> row(static_cast<size_t>(width) * (alpha ? 4 : 3));
    for (int y = 0; y < height; ++y) {
        convertRow(reinterpret_cast<const uint32_t*>(image + static_cast<size_t>(y) * stride), width, alpha,
                   row.data());
        int status = spng_encode_row(ctx.get(), row.data(), row.size());
        if (status != 0 && !(status == SPNG_EOI && y == height - 1)) check(status, "encode a row");
    }
    return png;
}

std::vector<PngText> pngTexts(std::string_view png)
{
    Context ctx(spng_ctx_new(0));
    if (!ctx) throw std::runtime_error("libspng could not start a decoder");
    check(spng_set_png_buffer(ctx.get(), png.data(), png.size()), "read the PNG");
    uint32_t count = 0;
    int status = spng_get_text(ctx.get(), nullptr, &count);
    if (status == SPNG_ECHUNKAVAIL) return {};
    check(status, "read the text chunks");
    std::vector<spng_text> chunks(count);
    check(spng_get_text(ctx.get(), chunks.data(), &count), "read the text chunks");
    std::vector<PngText> texts;
    for (const spng_text& chunk : chunks) texts.push_back({chunk.keyword, std::string(chunk.text, chunk.length)});
    return texts;
}

}  // namespace studio
