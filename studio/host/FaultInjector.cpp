#include "studio/host/FaultInjector.h"

namespace studio {

void FaultInjector::failNth(std::string operation, int n, int32_t code)
{
    faults_.push_back({std::move(operation), n, false, code});
}

void FaultInjector::failFrom(std::string operation, int n, int32_t code)
{
    faults_.push_back({std::move(operation), n, true, code});
}

int32_t FaultInjector::checkArmed(std::string_view operation)
{
    if (counting_) {
        auto it = counts_.find(operation);
        if (it == counts_.end()) it = counts_.emplace(std::string(operation), 0).first;
        ++it->second;
    }
    int32_t result = 0;
    for (Fault& f : faults_) {
        if (f.operation != operation) continue;
        ++f.calls;
        if (f.calls == f.n || (f.onwards && f.calls > f.n)) result = f.code;
    }
    return result;
}

}  // namespace studio
