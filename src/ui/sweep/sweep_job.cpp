#include "ui/sweep/sweep_job.h"

#include "core/calculator.h"

#include <chrono>

namespace qv {

SweepJob::~SweepJob()
{
    cancel_ = true;
    if (result_.valid()) result_.wait();
}

void SweepJob::start(const Calculator& design, const SweepRequest& request, int threads)
{
    cancel_ = false;
    done_ = 0;
    total_ = static_cast<std::size_t>(request.range.points);
    result_ = std::async(std::launch::async, [this, copy = design, request, threads] {
        const SweepControl control{&cancel_, [this](std::size_t done, std::size_t) { done_ = done; }, threads};
        return runSweep(copy, request, control);
    });
}

std::optional<std::optional<SweepTable>> SweepJob::takeIfEnded()
{
    if (!result_.valid() || result_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return std::nullopt;
    return result_.get();
}

} // namespace qv
