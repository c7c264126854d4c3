// One transfer of the open dialog with Preview on, as a change of any value
// makes it: read every item into the record, enable or disable the
// dependents, undo the previous preview and draw the lines again.
#include <benchmark/benchmark.h>

#include <functional>

#include "plugin/dialog/DialogProcedures.h"
#include "plugin/params/ParamRecord.h"
#include "plugin/suites/SuitePointers.h"
#include "studio/host/Host.h"
#include "studio/suites/BasicSuite.h"

namespace {

struct OpenDialog : studio::UiDriver {
    std::function<void(studio::Dialog&)> inside;
    void runModal(studio::Dialog& dialog) override { inside(dialog); }
};

// Opens the parameter dialog on the record (its opening refresh draws the
// first preview) and runs the benchmark's loop while it is open.
void TransferLoop(benchmark::State& state, void (*configure)(FocaraParams&))
{
    studio::Host host(studio::Document::makeDefault(), 42);
    studio::DialogTemplate empty;
    empty.title = "Focara Plug-in";
    empty.width = 207;
    empty.height = 161;
    host.dialogs().setResources({}, {{16100, empty}});
    AcquireSuites(studio::basicSuite());
    FocaraParams record{};
    WriteParamDefaults(&record);
    configure(record);
    host.beginUndoContext();

    OpenDialog driver;
    driver.inside = [&](studio::Dialog& dialog) {
        studio::DialogItem& lines = *dialog.item(11);
        for (auto _ : state) host.dialogs().userChanged(lines);
        state.counters["paths"] = double(host.document().artCount());
    };
    host.dialogs().setDriver(&driver);
    host.dialogs().runModal("Vexo_Zoom", 16100, BuildParameterDialog, &record);
    host.dialogs().setDriver(nullptr);
    ReleaseSuites(studio::basicSuite());
}

void TransferPreviewDefaults(benchmark::State& state)
{
    TransferLoop(state, [](FocaraParams&) {});
}
BENCHMARK(TransferPreviewDefaults)->Unit(benchmark::kMicrosecond);

void TransferPreviewLarge(benchmark::State& state)
{
    TransferLoop(state, [](FocaraParams& r) {
        r.zoomSets = 40;
        r.lineCount = 300;
        r.shapeStyle = 37;  // 13 anchors
    });
}
BENCHMARK(TransferPreviewLarge)->Unit(benchmark::kMillisecond);

}  // namespace
