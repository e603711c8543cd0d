#pragma once
// The Tank Circuit window: from the design to the build. It reads the sheets and the field
// solution as they stand and says which turn to tap, how to build the capacitor, what the parts
// carry, how wide to set the gaps and what to expect. Like the Coil Analysis window it follows the
// main window's design live and solves the field again only when the coil changed, away from the
// window thread; the tank's own figures are cheap and follow every pass.

#include "core/tank_inputs.h"
#include "field/coil_field.h"
#include "tank/tank_circuit.h"
#include "ui/analysis/analysis_worker.h"
#include "ui/tank/tank_figure_cells.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

namespace qv {

struct Calculator;

inline constexpr const char* kTankCircuitCaption = "Tank Circuit";

class TTankCircuitDlg : public QWidget {
    Q_OBJECT
public:
    // Warnings about typed inputs go through the calculator's host, as the main window's do.
    explicit TTankCircuitDlg(Calculator& calc, QWidget* parent = nullptr);
    ~TTankCircuitDlg() override;

    // Shows the window, or brings it to the front when it is already shown.
    void showTank();
    // Asks for a field solution when the coil changed and shows the figures of the design as it
    // is now; the follow timer calls it while the window is shown.
    void follow();

    // The solutions asked for and shown so far, and what a figure's cell shows (for tests).
    std::uint64_t requestedGeneration() const { return requested_; }
    std::uint64_t shownGeneration() const { return shown_; }
    QString figureText(std::string_view name) const;

    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildSections();
    void arrangeColumns(bool sideBySide);
    QWidget* buildInputs(tank::TankSection section, QWidget* parent);
    QLineEdit* addInput(const TankInput& input, QWidget* box, int row);
    QWidget* capacitorChoice(QWidget* parent);
    void chooseOwnCapacitor(bool own);
    void enterInput(std::size_t index);
    void enterText(std::size_t index, const std::string& text);
    void chooseRatio(int choice);
    void syncInputs();
    void showSolution(const std::shared_ptr<const tank::FieldAsItStands>& field, std::uint64_t generation);
    void showFigures();

    Calculator& calc_;
    QTimer followTimer_;
    std::array<QLineEdit*, kTankInputs.size()> edits_{};
    std::array<QLabel*, kTankInputs.size()> units_{};
    std::array<QLabel*, kTankInputs.size()> accepted_{};
    QComboBox* ratio_ = nullptr;
    QRadioButton* ownCapacitor_ = nullptr;
    QRadioButton* buildBank_ = nullptr;
    // The capacitor typed last, brought back when the builder returns from the bank to it.
    double ownCapacitorUf_ = 0;
    QWidget* content_ = nullptr;
    // The sections stand in two columns where the window is wide enough for both, else in one.
    std::array<QVBoxLayout*, 2> columns_{};
    std::vector<QWidget*> rightColumn_;
    bool sideBySide_ = true;
    int sideBySideWidth_ = 0; // the window's width that holds both columns whole
    std::vector<FigureCell> cells_;
    QLabel* capacitorSummary_ = nullptr;
    QLabel* tapSummary_ = nullptr;
    QLabel* status_ = nullptr;
    std::optional<TankInputs> shownInputs_;
    LengthUnit shownUnit_ = LengthUnit::Inches;
    std::vector<QString> shownTexts_;
    std::optional<field::CoilModel> requestedModel_;
    std::shared_ptr<const tank::FieldAsItStands> field_;
    tank::FieldAsItStands unsolved_; // stands in until the first solution arrives
    std::optional<tank::TankFigures> figures_;
    std::uint64_t requested_ = 0;
    std::uint64_t shown_ = 0;
    std::unique_ptr<AnalysisWorker> worker_; // last: stopped before the rest goes
};

} // namespace qv
