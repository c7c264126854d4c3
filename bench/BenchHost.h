// A host with the default document whose suites are bound to the plug-in's
// suite pointers, and a default record: what every benchmark starts from.
#pragma once

#include "host/SuitePointers.h"
#include "params/ParamRecord.h"
#include "studio/host/Host.h"

namespace focara_bench {

struct BenchHost {
    studio::Host host{studio::Document::makeDefault(), 42};
    FocaraParams record{};
    BenchHost()
    {
        AcquireSuites(host.basicSuite());
        WriteParamDefaults(&record);
        host.beginUndoContext();
    }
    ~BenchHost() { ReleaseSuites(host.basicSuite()); }
    BenchHost(const BenchHost&) = delete;
    BenchHost& operator=(const BenchHost&) = delete;
};

}  // namespace focara_bench
