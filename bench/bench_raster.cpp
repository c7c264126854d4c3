// The studio's preview of a drawing too large for SVG: the host draws the
// part of the page in sight as a PNG. Here the largest drawing the dialog
// allows (744,000 paths), the whole page at 100% and a quarter of it at 400%.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/BenchHost.h"
#include "plugin/generator/Generator.h"
#include "studio/io/RasterPreview.h"

namespace {

void LargestRaster(benchmark::State& state)
{
    focara_bench::BenchHost b;
    b.record.zoomSets = 40;
    b.record.lineCount = 300;
    b.record.dropShadow = 1;
    b.record.sketchRepeats = 60;
    b.record.finalRun = 1;
    GenerateFocusLines(&b.record);
    const studio::Page& page = b.host.document().page;
    const double scale = static_cast<double>(state.range(0)) / 100;
    const double side = state.range(0) > 100 ? 0.5 : 1;
    const studio::RasterRegion region{page.width * (1 - side) / 2, page.height * (1 - side) / 2, page.width * side,
                                      page.height * side, scale};
    size_t bytes = 0;
    for (auto _ : state) {
        std::string png = studio::regionToPng(b.host.document(), region);
        bytes = png.size();
        benchmark::DoNotOptimize(png);
    }
    state.counters["paths"] = double(b.host.document().artCount());
    state.counters["png_KiB"] = double(bytes) / 1024;
}
BENCHMARK(LargestRaster)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
