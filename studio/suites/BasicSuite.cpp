#include "studio/suites/BasicSuite.h"

#include <cstring>

#include "studio/host/Host.h"
#include "studio/suites/SuiteRegistry.h"

namespace studio {

namespace {

AIBoolean isEqual(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }

SPErr acquireSuite(const char* name, int32_t version, const void** suite)
{
    Host* host = Host::current();
    if (!host) return kSPSuiteNotFoundError;
    if (!name || !suite) return kBadParameterErr;
    if (int32_t err = host->faults().check("AcquireSuite")) return err;
    if (int32_t err = host->faults().check(name)) return err;  // a named suite's acquisition can be made to fail too
    const void* table = findSuite(name, version);
    if (!table) return kSPSuiteNotFoundError;
    *suite = table;
    host->countAcquisition(name);
    return kNoErr;
}

SPErr releaseSuite(const char* name, int32_t version)
{
    Host* host = Host::current();
    if (!host) return kSPSuiteNotFoundError;
    if (!name) return kBadParameterErr;
    if (int32_t err = host->faults().check("ReleaseSuite")) return err;
    if (!findSuite(name, version) || !host->countRelease(name)) return kSPSuiteNotFoundError;
    return kNoErr;
}

const SPBasicSuite kBasicSuite = {isEqual, acquireSuite, releaseSuite};

}  // namespace

const SPBasicSuite* basicSuite() { return &kBasicSuite; }

}  // namespace studio
