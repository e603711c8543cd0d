#pragma once
// One sweep away from the window thread: started with a copy of the design taken on the window
// thread, polled by the window for its progress and its table, cancelled between two points.

#include "io/sweep.h"

#include <atomic>
#include <cstddef>
#include <future>
#include <optional>

namespace qv {

struct Calculator;

class SweepJob {
public:
    SweepJob() = default;
    ~SweepJob(); // cancels and waits: the thread never outlives the window
    SweepJob(const SweepJob&) = delete;
    SweepJob& operator=(const SweepJob&) = delete;

    // Copies the design here, on the caller's thread, and sweeps the copy on threads of its own.
    void start(const Calculator& design, const SweepRequest& request, int threads);
    void cancel() { cancel_ = true; }
    bool running() const { return result_.valid(); }
    // Points done and the total, for a progress bar.
    std::size_t done() const { return done_; }
    std::size_t total() const { return total_; }
    // Once the sweep has ended: its table, or nothing when it was cancelled. Empty (and the job
    // still running) before that.
    std::optional<std::optional<SweepTable>> takeIfEnded();

private:
    std::atomic<bool> cancel_{false};
    std::atomic<std::size_t> done_{0};
    std::size_t total_ = 0;
    std::future<std::optional<SweepTable>> result_;
};

} // namespace qv
