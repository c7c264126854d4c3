// Which pages are still open: each page sends a heartbeat every second (from
// a worker, so a busy page still beats) and a farewell when it closes. A
// dialog opened from a page that went away is cancelled, so that nothing is
// left half done; a page waiting for an answer has not gone away.
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
    // The watched page said farewell, or has been silent longer than timeout
    // while none of its requests was waiting for an answer.
    bool lost(std::chrono::milliseconds timeout) const;
    // The page watched now, or empty.
    std::string watched() const;

    // Held by an HTTP handler while the client's request waits for its answer;
    // the answer counts as the client heard from.
    class Waiting {
    public:
        Waiting(Presence& presence, std::string client);
        ~Waiting();
        Waiting(const Waiting&) = delete;
        Waiting& operator=(const Waiting&) = delete;

    private:
        Presence& presence_;
        std::string client_;
    };

private:
    mutable std::mutex mutex_;
    std::map<std::string, Clock::time_point> seen_;
    std::map<std::string, int> waiting_;  // requests waiting, by client
    std::string watched_;
    bool farewell_ = false;
};

}  // namespace studio::web
