#include "ui/analysis/analysis_worker.h"

#include <exception>
#include <utility>

namespace qv {

AnalysisSolution solve(const AnalysisRequest& request)
{
    AnalysisSolution solution;
    solution.generation = request.generation;
    solution.model = request.model;
    solution.viewRadiusM = request.viewRadiusM;
    solution.viewHeightM = request.viewHeightM;
    try {
        solution.analysis = field::analyse(request.model);
        solution.primaryRings = field::primaryRings(request.model);
        if (request.columns == 0 || request.rows == 0) return solution;
        solution.potential = field::loadedPotential(request.model, request.viewRadiusM, request.viewHeightM,
                                                    request.columns, request.rows);
        if (solution.potential.status == "ok")
            solution.equipotentials = equipotentialSegments(solution.potential, kEquipotentialLevels);
    } catch (const std::exception& e) {
        solution.analysis = {};
        solution.analysis.status = std::string("the field solution failed: ") + e.what();
        solution.potential = {};
        solution.potential.status = solution.analysis.status;
    }
    return solution;
}

AnalysisWorker::AnalysisWorker(Delivery deliver) : deliver_(std::move(deliver)), thread_([this] { run(); }) {}

AnalysisWorker::~AnalysisWorker()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        pending_.reset();
    }
    wake_.notify_one();
    thread_.join();
}

void AnalysisWorker::request(const AnalysisRequest& next)
{
    {
        const std::lock_guard lock(mutex_);
        pending_ = next;
    }
    wake_.notify_one();
}

void AnalysisWorker::run()
{
    for (;;) {
        AnalysisRequest job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
            if (stopping_) return;
            job = *pending_;
            pending_.reset();
        }
        deliver_(solve(job));
    }
}

} // namespace qv
