// A host with the default document whose suites are bound to the plug-in's
// suite pointers, and a default record: what every benchmark starts from.
#pragma once

#include "plugin/params/ParamRecord.h"
#include "plugin/suites/SuitePointers.h"
#include "studio/host/Host.h"
#include "studio/suites/BasicSuite.h"

namespace focara_bench {

struct BenchHost {
    studio::Host host{studio::Document::makeDefault(), 42};
    FocaraParams record{};
    BenchHost()
    {
        AcquireSuites(studio::basicSuite());
        WriteParamDefaults(&record);
        host.beginUndoContext();
    }
    ~BenchHost() { ReleaseSuites(studio::basicSuite()); }
    BenchHost(const BenchHost&) = delete;
    BenchHost& operator=(const BenchHost&) = delete;
};

// The largest run the figures are set for: 40 sets of 300 lines of shape 37
// (13 anchors), 12,000 paths; drawn as a preview until finalRun is set.
inline void configureLargeRun(FocaraParams& r)
{
    r.zoomSets = 40;
    r.lineCount = 300;
    r.shapeStyle = 37;
    r.finalRun = 0;
}

}  // namespace focara_bench
