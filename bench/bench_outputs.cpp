// The writers on the drawings users wait for: the largest drawing (shape 37,
// 40 sets of 300 lines, drop shadow, 60 sketch copies: 744,000 paths) to each
// format, and the PNG encoders compared on 1,000 lines (4 sets of 250) at
// 600 dpi, where encoding is most of the time.
#include <benchmark/benchmark.h>
#include <cairo.h>
#include <png.h>
#include <zlib.h>

#include <memory>
#include <string>

#include "bench/BenchHost.h"
#include "plugin/generator/Generator.h"
#include "studio/io/CairoWriter.h"
#include "studio/io/DocumentJson.h"
#include "studio/io/PngEncoder.h"
#include "studio/io/SvgWriter.h"

namespace {

using focara_bench::BenchHost;

// One drawing for every benchmark of a kind: generating it takes seconds.
BenchHost& largest()
{
    static BenchHost* b = [] {
        auto* host = new BenchHost;
        host->record.zoomSets = 40;
        host->record.lineCount = 300;
        host->record.shapeStyle = 37;
        host->record.dropShadow = 1;
        host->record.sketchRepeats = 60;
        host->record.finalRun = 1;
        GenerateFocusLines(&host->record);
        return host;
    }();
    return *b;
}

// The drawing itself, for the share of the end-to-end time that is not writing.
void LargestGeneration(benchmark::State& state)
{
    BenchHost b;
    b.record.zoomSets = 40;
    b.record.lineCount = 300;
    b.record.shapeStyle = 37;
    b.record.dropShadow = 1;
    b.record.sketchRepeats = 60;
    for (auto _ : state) {
        state.PauseTiming();
        b.host.document().undo();
        b.record.previewDrawn = 0;
        b.record.finalRun = 1;
        state.ResumeTiming();
        benchmark::DoNotOptimize(GenerateFocusLines(&b.record));
    }
    state.counters["draws"] = double(b.host.random().draws()) / double(state.iterations());
}
BENCHMARK(LargestGeneration)->Unit(benchmark::kMillisecond)->Iterations(2);

// Counts the bytes as a file would take them, without keeping them.
struct CountingSink {
    size_t bytes = 0;
    studio::ByteSink sink()
    {
        return [this](std::string_view b) { bytes += b.size(); };
    }
};

void LargestToSvg(benchmark::State& state)
{
    const studio::Document& doc = largest().host.document();
    CountingSink counter;
    for (auto _ : state) {
        counter.bytes = 0;
        studio::writeSvg(doc, {}, counter.sink());
    }
    state.counters["MB"] = double(counter.bytes) / 1e6;
}
BENCHMARK(LargestToSvg)->Unit(benchmark::kMillisecond)->Iterations(2);

void LargestToJson(benchmark::State& state)
{
    const studio::Document& doc = largest().host.document();
    CountingSink counter;
    for (auto _ : state) {
        counter.bytes = 0;
        studio::writeDocumentJson(doc, 1, {}, counter.sink());
    }
    state.counters["MB"] = double(counter.bytes) / 1e6;
}
BENCHMARK(LargestToJson)->Unit(benchmark::kMillisecond)->Iterations(2);

void LargestToPng(benchmark::State& state)
{
    const studio::Document& doc = largest().host.document();
    for (auto _ : state) benchmark::DoNotOptimize(studio::documentToPng(doc, 150));
}
BENCHMARK(LargestToPng)->Unit(benchmark::kMillisecond)->Iterations(2);

void LargestToPdf(benchmark::State& state)
{
    const studio::Document& doc = largest().host.document();
    CountingSink counter;
    for (auto _ : state) {
        counter.bytes = 0;
        studio::writePdf(doc, {}, counter.sink());
    }
    state.counters["MB"] = double(counter.bytes) / 1e6;
}
BENCHMARK(LargestToPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

// ---- PNG encoders on a 600 dpi Letter page of 1,000 lines ------------------

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};

struct Picture {
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface;
    int width, height, stride;
    const unsigned char* data;
};

const Picture& thousandLines()
{
    static Picture picture = [] {
        BenchHost b;
        b.record.zoomSets = 4;
        b.record.lineCount = 250;
        b.record.finalRun = 1;
        GenerateFocusLines(&b.record);
        std::string png = studio::documentToPng(b.host.document(), 600);
        struct Reader {
            const std::string* bytes;
            size_t at = 0;
        } reader{&png};
        cairo_surface_t* s = cairo_image_surface_create_from_png_stream(
            [](void* closure, unsigned char* data, unsigned int length) {
                auto* r = static_cast<Reader*>(closure);
                if (r->at + length > r->bytes->size()) return CAIRO_STATUS_READ_ERROR;
                std::copy_n(r->bytes->data() + r->at, length, data);
                r->at += length;
                return CAIRO_STATUS_SUCCESS;
            },
            &reader);
        cairo_surface_flush(s);
        return Picture{std::unique_ptr<cairo_surface_t, SurfaceDeleter>(s), cairo_image_surface_get_width(s),
                       cairo_image_surface_get_height(s), cairo_image_surface_get_stride(s),
                       cairo_image_surface_get_data(s)};
    }();
    return picture;
}

void PngCairo(benchmark::State& state)
{
    const Picture& p = thousandLines();
    size_t bytes = 0;
    for (auto _ : state) {
        std::string out;
        cairo_surface_write_to_png_stream(
            p.surface.get(),
            [](void* c, const unsigned char* d, unsigned int n) {
                static_cast<std::string*>(c)->append(reinterpret_cast<const char*>(d), n);
                return CAIRO_STATUS_SUCCESS;
            },
            &out);
        bytes = out.size();
    }
    state.counters["KB"] = double(bytes) / 1e3;
}
BENCHMARK(PngCairo)->Unit(benchmark::kMillisecond);

// libspng: level, strategy, filters.
void PngSpng(benchmark::State& state)
{
    const Picture& p = thousandLines();
    studio::PngTuning tuning{int(state.range(0)), int(state.range(1)), int(state.range(2))};
    size_t bytes = 0;
    for (auto _ : state) bytes = studio::encodePng(p.data, p.width, p.height, p.stride, false, {}, tuning).size();
    state.counters["KB"] = double(bytes) / 1e3;
}
BENCHMARK(PngSpng)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"level", "strategy", "filters"})
    ->Args({6, Z_FILTERED, 248})  // libspng's defaults
    ->Args({1, Z_DEFAULT_STRATEGY, 248})
    ->Args({1, Z_RLE, 248})
    ->Args({1, Z_RLE, 16})  // SUB
    ->Args({1, Z_RLE, 32})  // UP
    ->Args({1, Z_RLE, 8})   // NONE
    ->Args({1, Z_DEFAULT_STRATEGY, 8})
    ->Args({2, Z_DEFAULT_STRATEGY, 8})
    ->Args({3, Z_RLE, 16})
    ->Args({6, Z_RLE, 16});

// libpng with the same choices: level, strategy, filters (PNG_FILTER_*).
void PngLibpng(benchmark::State& state)
{
    const Picture& p = thousandLines();
    size_t bytes = 0;
    for (auto _ : state) {
        std::string out;
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) {
            png_destroy_write_struct(&png, &info);
            state.SkipWithError("libpng failed");
            return;
        }
        png_set_write_fn(
            png, &out,
            [](png_structp s, png_bytep d, png_size_t n) {
                static_cast<std::string*>(png_get_io_ptr(s))->append(reinterpret_cast<const char*>(d), n);
            },
            nullptr);
        png_set_IHDR(png, info, png_uint_32(p.width), png_uint_32(p.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_compression_level(png, int(state.range(0)));
        png_set_compression_strategy(png, int(state.range(1)));
        png_set_filter(png, PNG_FILTER_TYPE_BASE, int(state.range(2)));
        png_write_info(png, info);
        png_set_filler(png, 0, PNG_FILLER_AFTER);  // cairo's xRGB as RGB
        png_set_bgr(png);
        for (int y = 0; y < p.height; ++y)
            png_write_row(png, const_cast<png_bytep>(p.data + size_t(y) * size_t(p.stride)));
        png_write_end(png, info);
        png_destroy_write_struct(&png, &info);
        bytes = out.size();
    }
    state.counters["KB"] = double(bytes) / 1e3;
}
BENCHMARK(PngLibpng)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"level", "strategy", "filters"})
    ->Args({6, Z_FILTERED, PNG_ALL_FILTERS})
    ->Args({1, Z_RLE, PNG_FILTER_SUB})
    ->Args({1, Z_RLE, PNG_FILTER_NONE});

}  // namespace
