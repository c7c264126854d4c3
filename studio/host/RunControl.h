// What other threads may know of, and ask of, a plug-in run while the host
// thread is inside it: how many paths it has made so far, and a request to
// stop. Everything here is atomic; nothing else of the host is touched.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

namespace studio {

class RunControl {
public:
    using Clock = std::chrono::steady_clock;

    // Host thread: the art suite made one more path.
    void noteCreated() { created_.fetch_add(1, std::memory_order_relaxed); }
    // Paths made since the host started.
    uint64_t created() const { return created_.load(std::memory_order_relaxed); }

    // Host thread: a stoppable piece of work (one dialog action) starts or
    // ends. A stop asked for outside one is refused, and one left over is
    // cleared, so that it never hits a later piece of work.
    void beginWork()
    {
        stop_.store(false);
        baseline_.store(created());
        startedAt_.store(Clock::now().time_since_epoch().count());
        working_.store(true);
    }
    void endWork()
    {
        working_.store(false);
        stop_.store(false);
    }

    struct Progress {
        bool working = false;
        uint64_t drawn = 0;  // paths made since the work started
        std::chrono::milliseconds elapsed{0};
    };
    // Any thread.
    Progress progress() const
    {
        Progress p;
        p.working = working_.load();
        if (!p.working) return p;
        p.drawn = created() - baseline_.load();
        p.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            Clock::now() - Clock::time_point(Clock::duration(startedAt_.load())));
        return p;
    }

    // Any thread: ask the running work to stop; false when none runs.
    bool requestStop()
    {
        if (!working_.load()) return false;
        stop_.store(true);
        return true;
    }
    // Host thread, in every suite call: the work was asked to stop.
    bool stopRequested() const { return stop_.load(std::memory_order_relaxed); }

private:
    std::atomic<uint64_t> created_{0};
    std::atomic<uint64_t> baseline_{0};
    std::atomic<Clock::rep> startedAt_{0};
    std::atomic<bool> working_{false};
    std::atomic<bool> stop_{false};
};

}  // namespace studio
