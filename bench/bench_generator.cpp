// Generator runs as the dialog's preview makes them: undo the last run, draw anew.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstring>

#include "bench/BenchHost.h"
#include "plugin/generator/Generator.h"

namespace {

using BoundHost = focara_bench::BenchHost;

size_t segmentCount(const studio::Document& doc)
{
    size_t n = 0;
    for (const auto& layer : doc.layers())
        for (const auto& art : layer->art) n += art->segments.size();
    return n;
}

void PreviewDefaults(benchmark::State& state)
{
    BoundHost b;
    b.record.finalRun = 0;
    for (auto _ : state) benchmark::DoNotOptimize(GenerateFocusLines(&b.record));
    state.counters["paths"] = double(b.host.document().artCount());
}
BENCHMARK(PreviewDefaults)->Unit(benchmark::kMicrosecond);

void LargeRun(benchmark::State& state)
{
    BoundHost b;
    focara_bench::configureLargeRun(b.record);
    for (auto _ : state) {
        state.PauseTiming();
        b.host.document().undo();
        state.ResumeTiming();
        b.record.previewDrawn = 0;
        b.record.finalRun = 1;
        benchmark::DoNotOptimize(GenerateFocusLines(&b.record));
    }
    const auto& doc = b.host.document();
    state.counters["paths"] = double(doc.artCount());
    state.counters["segments"] = double(segmentCount(doc));
}
BENCHMARK(LargeRun)->Unit(benchmark::kMillisecond);

void LargeUndo(benchmark::State& state)
{
    BoundHost b;
    focara_bench::configureLargeRun(b.record);
    b.record.finalRun = 1;
    for (auto _ : state) {
        state.PauseTiming();
        GenerateFocusLines(&b.record);
        state.ResumeTiming();
        b.host.document().undo();
    }
}
BENCHMARK(LargeUndo)->Unit(benchmark::kMillisecond);

// Bytes of document per segment: the heap in use grows by this much per segment drawn.
size_t heapInUse() { return mallinfo2().uordblks; }

void LargeMemoryPerSegment(benchmark::State& state)
{
    for (auto _ : state) {
        BoundHost b;
        focara_bench::configureLargeRun(b.record);
        b.record.finalRun = 1;
        size_t before = heapInUse();
        GenerateFocusLines(&b.record);
        size_t after = heapInUse();
        size_t segments = segmentCount(b.host.document());
        state.counters["bytes_per_segment"] = double(after - before) / double(segments);
    }
}
BENCHMARK(LargeMemoryPerSegment)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

#include "studio/io/SvgWriter.h"

namespace {

void LargeSvg(benchmark::State& state)
{
    BoundHost b;
    focara_bench::configureLargeRun(b.record);
    b.record.finalRun = 1;
    GenerateFocusLines(&b.record);
    size_t bytes = 0;
    for (auto _ : state) {
        std::string svg = studio::documentToSvg(b.host.document());
        bytes = svg.size();
        benchmark::DoNotOptimize(svg);
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(LargeSvg)->Unit(benchmark::kMillisecond);

}  // namespace
