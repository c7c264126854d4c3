// What the host adds to the plug-in's drawing: pushing a large run out to a
// reference area, and drawing and encoding the frames of an animation.
#include <benchmark/benchmark.h>

#include "bench/BenchHost.h"
#include "plugin/generator/Generator.h"
#include "studio/host/ReachEdges.h"
#include "studio/io/AnimationWriter.h"
#include "studio/io/Looks.h"
#include "studio/io/ReferenceAreaText.h"
#include "studio/session/AreaRun.h"

namespace {

using focara_bench::BenchHost;

// 40 sets of 300 lines of shape 37: 12,000 paths. Compare with LargeRun.
void LargeRunWithArea(benchmark::State& state)
{
    BenchHost b;
    focara_bench::configureLargeRun(b.record);
    const studio::ReferenceArea area = studio::referenceAreaFromText("ellipse:306,396,200,60,20");
    studio::aimRecordAtArea(b.record, area);
    for (auto _ : state) {
        state.PauseTiming();
        b.host.document().undo();
        state.ResumeTiming();
        b.record.previewDrawn = 0;
        b.record.finalRun = 1;
        studio::AreaPush push(b.host.document());
        benchmark::DoNotOptimize(GenerateFocusLines(&b.record));
        push.apply(b.host.document(), area, b.record);
    }
    state.counters["paths"] = double(b.host.document().artCount());
}
BENCHMARK(LargeRunWithArea)->Unit(benchmark::kMillisecond);

// The push alone on those 12,000 paths.
void LargeAreaPushOnly(benchmark::State& state)
{
    BenchHost b;
    focara_bench::configureLargeRun(b.record);
    b.record.finalRun = 1;
    const studio::ReferenceArea area = studio::referenceAreaFromText("ellipse:306,396,200,60,20");
    studio::aimRecordAtArea(b.record, area);
    const studio::Document empty;
    studio::AreaPush push(empty);
    GenerateFocusLines(&b.record);
    for (auto _ : state) push.apply(b.host.document(), area, b.record);
}
BENCHMARK(LargeAreaPushOnly)->Unit(benchmark::kMillisecond);

studio::Document a4Document()
{
    studio::Document document;
    document.page = {595.28f, 841.89f};
    document.view.center = {297.64f, 420.945f};
    return document;
}

// 24 frames of the default drawing on an A4 page at 72 dpi, each drawn on a
// fresh host with the next seed, to an animated WebP (as --frames 24 does,
// without loading the library 24 times).
enum class Frames { Default, Flickering, MangaLook };

void AnimatedWebp(benchmark::State& state, Frames frames)
{
    size_t bytes = 0;
    for (auto _ : state) {
        const studio::Document page = a4Document();
        studio::AnimationWriter writer({studio::AnimationFormat::Webp, 12, 72, {}, {}}, page.page);
        for (uint64_t seed = 1; seed <= 24; ++seed) {
            studio::Host host(page.clone(), seed);
            AcquireSuites(studio::basicSuite());
            FocaraParams record{};
            WriteParamDefaults(&record);
            record.finalRun = 1;
            if (frames == Frames::Flickering) {
                record.randomAngle = 12;
                record.zoomLengthSpread = 60;
            } else if (frames == Frames::MangaLook) {
                // As render --look manga draws it: its fields, zoomLength reaching the page's corners.
                record = studio::lookSettings(*studio::findLook("manga"), record).record;
                record.zoomLength = studio::reachEdgesLength(record, {0, 0, page.page.width, page.page.height});
            }
            host.beginUndoContext();
            GenerateFocusLines(&record);
            writer.addFrame(host.document());
            ReleaseSuites(studio::basicSuite());
        }
        bytes = writer.finish().at(0).size();
    }
    state.counters["bytes"] = double(bytes);
}
// The default drawing uses no random numbers: its frames are all the same,
// and the encoder keeps one. Random angles and lengths make every frame new.
void AnimatedWebpOfTheDefaultDrawing(benchmark::State& state) { AnimatedWebp(state, Frames::Default); }
void AnimatedWebpOfFlickeringLines(benchmark::State& state) { AnimatedWebp(state, Frames::Flickering); }
void AnimatedWebpOfTheMangaLook(benchmark::State& state) { AnimatedWebp(state, Frames::MangaLook); }
BENCHMARK(AnimatedWebpOfTheDefaultDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(AnimatedWebpOfFlickeringLines)->Unit(benchmark::kMillisecond);
BENCHMARK(AnimatedWebpOfTheMangaLook)->Unit(benchmark::kMillisecond);

}  // namespace
