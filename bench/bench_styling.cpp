// Styled drawings: the largest the dialog allows (40 sets of 300 lines, each
// with a drop shadow and 60 sketch copies: 744,000 paths) and the default
// drawing with every styling option on, as the dialog's preview redraws it.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "bench/BenchHost.h"
#include "plugin/generator/Generator.h"
#include "studio/io/SvgWriter.h"

namespace {

using StyledHost = focara_bench::BenchHost;

// The process's peak resident set, from /proc/self/status, in MiB.
double PeakMemoryMiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

void ConfigureLargest(FocaraParams& r)
{
    r.zoomSets = 40;
    r.lineCount = 300;
    r.dropShadow = 1;
    r.sketchRepeats = 60;
    r.sketchWeight = 5;
    r.finalRun = 1;
}

void StyledLargestGeneration(benchmark::State& state)
{
    StyledHost b;
    ConfigureLargest(b.record);
    for (auto _ : state) {
        state.PauseTiming();
        b.host.document().undo();
        b.record.previewDrawn = 0;
        state.ResumeTiming();
        benchmark::DoNotOptimize(GenerateFocusLines(&b.record));
    }
    state.counters["paths"] = double(b.host.document().artCount());
    state.counters["peak_MiB"] = PeakMemoryMiB();
}
BENCHMARK(StyledLargestGeneration)->Unit(benchmark::kMillisecond)->Iterations(3);

void StyledLargestSvg(benchmark::State& state)
{
    StyledHost b;
    ConfigureLargest(b.record);
    GenerateFocusLines(&b.record);
    size_t bytes = 0;
    for (auto _ : state) {
        std::string svg = studio::documentToSvg(b.host.document());
        bytes = svg.size();
        benchmark::DoNotOptimize(svg);
    }
    state.counters["paths"] = double(b.host.document().artCount());
    state.counters["MiB"] = double(bytes) / (1024 * 1024);
    state.counters["peak_MiB"] = PeakMemoryMiB();
}
BENCHMARK(StyledLargestSvg)->Unit(benchmark::kMillisecond)->Iterations(3);

void TurnOnEveryStylingOption(FocaraParams& r)
{
    for (int32_t FocaraParams::*flag :
         {&FocaraParams::midpointApplyFill, &FocaraParams::repeatAltScaling, &FocaraParams::randomRotation,
          &FocaraParams::repeatAltRotation, &FocaraParams::jitterCenter, &FocaraParams::randomScaling,
          &FocaraParams::jitterScaling, &FocaraParams::randomFill, &FocaraParams::randomStroke,
          &FocaraParams::randomStrokeWidth, &FocaraParams::randomOpacity, &FocaraParams::jitterFill,
          &FocaraParams::jitterStroke, &FocaraParams::jitterStrokeWidth, &FocaraParams::swatchOrder,
          &FocaraParams::randomFillSwatch, &FocaraParams::randomStrokeSwatch, &FocaraParams::randomStyle})
        r.*flag = 1;
}

void DefaultDrawingEveryStylingOption(benchmark::State& state)
{
    StyledHost b;
    TurnOnEveryStylingOption(b.record);
    b.record.finalRun = 0;
    for (auto _ : state) benchmark::DoNotOptimize(GenerateFocusLines(&b.record));
    state.counters["paths"] = double(b.host.document().artCount());
}
BENCHMARK(DefaultDrawingEveryStylingOption)->Unit(benchmark::kMicrosecond);

}  // namespace
