// Every host operation the plug-in calls, failed at every call index of
// representative runs: nothing crashes, leaks or hangs (the sanitizer build
// runs this too), a failing call's code reaches the host unchanged where the
// plug-in passes it on, and a cancelled or failed dialog leaves the document
// and the record as they were.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <sstream>

#include "plugin/entry/Globals.h"
#include "plugin/suites/SuitePointers.h"
#include "sdk/FocaraParams.h"
#include "studio/host/RecordDefaults.h"
#include "studio/session/PluginRunner.h"
#include "studio/session/ResourceInstall.h"
#include "studio/session/ScriptedDriver.h"
#include "tests/support/DialogFixture.h"

extern "C" SPErr PluginMain(const char* caller, const char* selector, void* message);

namespace {

using Outcome = studio::PluginRunner::Outcome;

// An injected code no host operation returns by itself.
constexpr int32_t kFaultCode = 0x46414C54;  // 'FALT'

const studio::loader::PluginResources& resources()
{
    static const auto loaded = studio::loader::PluginResources::read(FOCARA_PLUGIN_PATH);
    return loaded;
}

// Whether "AI Go" reached the plug-in in the current run.
bool gGoSent = false;

extern "C" SPErr RecordingPluginMain(const char* caller, const char* selector, void* message)
{
    if (std::strcmp(selector, kSelectorAIGoFilter) == 0) gGoSent = true;
    return PluginMain(caller, selector, message);
}

// What one run left behind.
struct RunResult {
    std::vector<SPErr> codes;  // every message's result, in order
    SPErr shutdown = kNoErr;
    bool dialogEnded = false;   // the dialog was cancelled or failed
    bool documentKept = false;  // ... and the document and record were as before
    std::vector<std::string> liveBlocks;
    std::map<std::string, int> heldSuites;
    std::map<std::string, int, std::less<>> calls;  // when counted
};

struct Scenario {
    const char* name;
    std::function<void(FocaraParams&)> record;  // changes to the defaults
    const char* dialog;                         // actions, or null for "AI Go" alone
};

// One run from a fresh host: Startup, the filter, Shutdown; arm runs before Startup.
RunResult runScenario(const Scenario& scenario, const std::function<void(studio::Host&)>& arm)
{
    studio::Host host(studio::Document::makeDefault(), 7);
    studio::installResources(host.dialogs(), resources());
    std::ostringstream printed;
    std::unique_ptr<studio::ScriptedDriver> driver;
    if (scenario.dialog) {
        driver = std::make_unique<studio::ScriptedDriver>(host, scenario.dialog, printed);
        host.dialogs().setDriver(driver.get());
    }
    arm(host);
    RunResult result;
    {
        gGoSent = false;
        studio::PluginRunner runner(host, RecordingPluginMain);
        result.codes.push_back(runner.startup());
        bool registered = !host.filters().empty();
        FocaraParams record = studio::defaultRecord(host.document());
        if (scenario.record) scenario.record(record);
        runner.setRecord(record);
        focara_test::ArtSnapshot before = focara_test::snapshot(host.document());
        // Without a filter nothing is sent: the runner's own refusal is no plug-in's answer.
        auto run = runner.runFilter(scenario.dialog != nullptr);
        if (registered) result.codes.push_back(run.code);
        if (scenario.dialog && registered && !gGoSent) {
            // The dialog ended without "AI Go": nothing of it may stay.
            result.dialogEnded = true;
            auto after = runner.record();
            result.documentKept = focara_test::snapshot(host.document()) == before && after &&
                                  std::memcmp(&*after, &record, sizeof record) == 0;
        }
        result.shutdown = runner.shutdown();
        result.codes.push_back(result.shutdown);
    }
    result.liveBlocks = host.liveBlocks();
    result.heldSuites = host.heldSuites();
    result.calls = host.faults().callCounts();
    host.dialogs().setDriver(nullptr);
    return result;
}

// The call indices tried for an operation called `calls` times: all of them
// up to 120; beyond, the first and last 40 and 40 spread evenly between.
std::vector<int> sampledIndices(int calls)
{
    std::set<int> picked;
    constexpr int kAll = 120, kEnds = 40, kSpread = 40;
    for (int i = 1; i <= calls; ++i)
        if (calls <= kAll || i <= kEnds || i > calls - kEnds) picked.insert(i);
    if (calls > kAll)
        for (int k = 1; k <= kSpread; ++k) picked.insert(kEnds + k * (calls - 2 * kEnds) / (kSpread + 1));
    return {picked.begin(), picked.end()};
}

const Scenario kScenarios[] = {
    {"defaults", nullptr, nullptr},
    {"styled: shadows and sketch copies",
     [](FocaraParams& r) {
         r.lineCount = 12;
         r.dropShadow = 1;
         r.halfShadow = 1;
         r.randomShadowOpacity = 1;
         r.sketchRepeats = 2;
         r.sketchColorMode = 3;
         r.sketchWeight = 1;
     },
     nullptr},
    {"dialog: previews, a preset, Tumble, OK", nullptr,
     "set 11 12; choose 161 7; set 11 9; click 95; toggle 131; click 162; set 11 8; ok"},
    {"dialog: previews, then Cancel", nullptr, "set 11 12; choose 161 3; click 162; cancel"},
};

TEST(FaultSweep, EveryOperationFailsAtEveryCallWithoutCrashLeakOrLostState)
{
    size_t runs = 0, operations = 0;
    for (const Scenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.name);
        RunResult clean = runScenario(scenario, [&](studio::Host& host) { host.faults().countCalls(); });
        for (SPErr code : clean.codes) {
            if (code != kCanceledErr) {
                ASSERT_EQ(code, kNoErr) << "the run without faults must succeed";
            }
        }
        const auto& counts = clean.calls;
        ASSERT_FALSE(counts.empty());
        operations += counts.size();
        size_t calls = 0, runsBefore = runs;
        for (const auto& [operation, callCount] : counts) {
            calls += static_cast<size_t>(callCount);
            for (int n : sampledIndices(callCount)) {
                ++runs;
                RunResult r = runScenario(
                    scenario, [&, op = operation](studio::Host& host) { host.faults().failNth(op, n, kFaultCode); });
                std::string where = operation + " call " + std::to_string(n);
                // A Shutdown that fails (or whose free fails) leaves the globals to
                // the host, which owns their memory and frees it when it goes.
                if (r.shutdown == kNoErr && operation != "FreeBlock") {
                    EXPECT_TRUE(r.liveBlocks.empty()) << where << ": blocks left allocated";
                }
                if (operation != "ReleaseSuite") {
                    EXPECT_TRUE(r.heldSuites.empty()) << where << ": suites left held";
                }
                // The plug-in's own answers: a dialog that fails to open is a bad
                // parameter, a record it cannot lock is out of memory.
                for (SPErr code : r.codes) {
                    EXPECT_TRUE(code == kNoErr || code == kFaultCode || code == kCanceledErr ||
                                (operation == "Modal" && code == kBadParameterErr) ||
                                (operation == "MdMemoryLockHandle" && code == kOutOfMemoryErr))
                        << where << ": the plug-in answered " << code << " instead of the injected code";
                }
                if (r.dialogEnded) {
                    EXPECT_TRUE(r.documentKept) << where << ": the ended dialog left changes";
                }
            }
        }
        std::cout << scenario.name << ": " << counts.size() << " operations, " << calls << " calls, "
                  << runs - runsBefore << " faulted runs\n";
    }
    std::cout << "fault sweep: " << operations << " operations over " << std::size(kScenarios) << " runs, " << runs
              << " faulted runs\n";
}

}  // namespace
