// Which pages are still open: each page sends a heartbeat every second and a
// farewell when it closes. A dialog opened from a page that went away is
// cancelled, so that nothing is left half done.
#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <string>

namespace studio::web {

class Presence {
public:
    using Clock = std::chrono::steady_clock;

    void heartbeat(const std::string& client);
    void farewell(const std::string& client);
    // Watches client from now on, when it is a page that sends heartbeats;
    // clients that never did (scripts) are not watched.
    void watch(const std::string& client);
    void unwatch();
    // The watched page said farewell or has been silent longer than timeout.
    bool lost(std::chrono::milliseconds timeout) const;

private:
    mutable std::mutex mutex_;
    std::map<std::string, Clock::time_point> seen_;
    std::string watched_;
    bool farewell_ = false;
};

}  // namespace studio::web
