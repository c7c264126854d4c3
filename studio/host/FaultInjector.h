// Test hook: makes the N-th call of a named suite operation fail with a given code.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace studio {

class FaultInjector {
public:
    // From now on, the n-th call (1-based) of operation fails with code.
    // Operations are named as in the suite tables ("SetPathSegments", "NewArt", ...).
    void failNth(std::string operation, int n, int32_t code);
    // Every call from the n-th on fails.
    void failFrom(std::string operation, int n, int32_t code);
    void clear() { faults_.clear(); }
    // Counts every operation's calls from now on, so that a test can list
    // what a run calls (and fail each call in turn).
    void countCalls()
    {
        counting_ = true;
        counts_.clear();
    }
    const std::map<std::string, int, std::less<>>& callCounts() const { return counts_; }

    // Called by every suite operation that returns an error: 0 or the injected code.
    int32_t check(std::string_view operation)
    {
        if (faults_.empty() && !counting_) return 0;
        return checkArmed(operation);
    }

private:
    struct Fault {
        std::string operation;
        int n;
        bool onwards;
        int32_t code;
        int calls = 0;
    };
    int32_t checkArmed(std::string_view operation);
    std::vector<Fault> faults_;
    bool counting_ = false;
    std::map<std::string, int, std::less<>> counts_;
};

}  // namespace studio
