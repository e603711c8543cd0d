#pragma once
// The Coil Analysis window: the coil as it stands, from a field solution of its geometry in its
// surroundings, beside the sheets' classic figures. It follows the main window's design live and
// solves again only when something the solution reads has changed, away from the window thread.

#include "core/surroundings_inputs.h"
#include "field/coil_field.h"
#include "io/analysis_model.h"
#include "ui/analysis/analysis_worker.h"
#include "ui/analysis/coil_figures.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QVBoxLayout;

namespace qv {

struct Calculator;
class CrossSectionView;

inline constexpr const char* kCoilAnalysisCaption = "Coil Analysis";

// The solution the window asks for: the figures and the potential over the drawing's view, which
// fills a drawing area of areaAspect = height / width (0: the coil's own proportions).
AnalysisRequest analysisRequest(const field::CoilModel& model, std::uint64_t generation, double areaAspect = 0);

class TCoilAnalysisDlg : public QWidget {
    Q_OBJECT
public:
    // Warnings about typed geometry go through the calculator's host, as the main window's do.
    explicit TCoilAnalysisDlg(Calculator& calc, QWidget* parent = nullptr);
    ~TCoilAnalysisDlg() override;

    // Shows the window, or brings it to the front when it is already shown.
    void showAnalysis();
    // Compares the design with the last solved one and asks for a solution when it changed;
    // the follow timer calls it while the window is shown.
    void follow();

    // The solutions asked for and shown so far (for tests and the status line).
    std::uint64_t requestedGeneration() const { return requested_; }
    std::uint64_t shownGeneration() const { return shown_; }
    QString figuresText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildInputs();
    void enterInput(std::size_t index);
    void syncInputs();
    void showSolution(const std::shared_ptr<const AnalysisSolution>& solution);
    void showFigures();
    void fitFiguresToTable();
    int figuresHeightRoom() const;

    Calculator& calc_;
    QTimer followTimer_;
    std::array<QLineEdit*, kSurroundingsInputs.size()> edits_{};
    std::array<QLabel*, kSurroundingsInputs.size()> units_{};
    QVBoxLayout* column_ = nullptr; // the inputs, the figures and the status line
    QTextBrowser* figures_ = nullptr;
    QLabel* status_ = nullptr;
    CrossSectionView* drawing_ = nullptr;
    QString shownFiguresHtml_;
    std::optional<ClassicFigures> shownClassic_;
    std::uint64_t tableGeneration_ = 0;
    std::optional<Surroundings> shownSurroundings_;
    LengthUnit shownUnit_ = LengthUnit::Inches;
    std::optional<field::CoilModel> requestedModel_;
    double requestedAspect_ = 0;
    std::shared_ptr<const AnalysisSolution> solution_;
    std::uint64_t requested_ = 0;
    std::uint64_t shown_ = 0;
    std::unique_ptr<AnalysisWorker> worker_; // last: stopped before the rest goes
};

} // namespace qv
