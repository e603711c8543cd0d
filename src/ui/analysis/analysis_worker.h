#pragma once
// Solves the coil's field away from the window thread. Requests replace each other: while one
// solution runs, only the newest request waits, so a held spin arrow never leaves the window
// more than one solution behind, and an idle window costs nothing.

#include "field/coil_field.h"
#include "ui/analysis/equipotentials.h"

#include <array>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace qv {

// The drawn equipotentials, as fractions of the top load's voltage: one near the floor, where the
// field is weak, then every tenth.
inline constexpr std::array<double, 10> kEquipotentialLevels{0.05, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};

struct AnalysisRequest {
    std::uint64_t generation = 0;
    field::CoilModel model;
    // The drawing's half-plane: r from 0 to viewRadiusM, z from the floor to viewHeightM. A window
    // without a drawing leaves columns and rows at 0 and is spared the potential map.
    double viewRadiusM = 0;
    double viewHeightM = 0;
    int columns = 0;
    int rows = 0;
};

struct AnalysisSolution {
    std::uint64_t generation = 0;
    field::CoilModel model;
    field::Analysis analysis;
    field::PotentialMap potential;
    std::vector<field::Ring> primaryRings;
    std::vector<EquipotentialSegment> equipotentials;
    double viewRadiusM = 0;
    double viewHeightM = 0;
};

// One request's work, on whichever thread runs it. A failure inside the engine becomes the
// solution's status rather than an escaping exception.
AnalysisSolution solve(const AnalysisRequest& request);

class AnalysisWorker {
public:
    // Called on the worker's thread with each finished solution.
    using Delivery = std::function<void(AnalysisSolution)>;
    explicit AnalysisWorker(Delivery deliver);
    ~AnalysisWorker(); // finishes the solution in hand, drops the waiting one
    AnalysisWorker(const AnalysisWorker&) = delete;
    AnalysisWorker& operator=(const AnalysisWorker&) = delete;

    void request(const AnalysisRequest& next);

private:
    void run();

    Delivery deliver_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<AnalysisRequest> pending_;
    bool stopping_ = false;
    std::thread thread_; // last: it starts once everything it reads exists
};

} // namespace qv
