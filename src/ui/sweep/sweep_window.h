#pragma once
// How It Changes: one input of the design swept over a range, the chosen figures plotted against
// it. The sweep runs on a copy of the design on threads of its own; the window stays responsive
// and Cancel leaves it as it was. A click on a point sets the design to that value, one step the
// window's Undo takes back.

#include "io/sweep.h"
#include "ui/sweep/sweep_job.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace qv {

struct Calculator;
class FileChooser;
class SweepChartView;

inline constexpr const char* kHowItChangesCaption = "How It Changes";

class THowItChangesDlg : public QWidget {
    Q_OBJECT
public:
    // designChanged is called after a click or Undo has set the design, so the main window shows it.
    THowItChangesDlg(Calculator& calc, FileChooser& files, std::function<void()> designChanged,
                     QWidget* parent = nullptr);
    ~THowItChangesDlg() override;

    void showWindow();
    // The sweep the window's choices describe, or why they do not describe one.
    struct Choice {
        std::optional<SweepRequest> request;
        QString problem;
    };
    Choice choice() const;
    // Starts the sweep of the window's choices; a bad choice is said in the status line instead.
    void startSweep();
    void cancelSweep();
    bool sweeping() const { return job_.running(); }
    // Sets the design to the input value of the plotted point, as a click on it does.
    void setDesignToPoint(std::size_t index);
    void undoSetDesign();

    // For tests: choose an input and figures by their names and the range.
    void choose(const std::string& inputName, double from, double to, int points, bool logarithmic,
                const std::vector<std::string>& figureNames);
    SweepChartView* plot() const { return plot_; }
    QString statusText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildInputBox();
    QWidget* buildFigureBox();
    QWidget* buildActions();
    void inputChosen();
    const SweepInput& chosenInput() const;
    void showDesignNow();
    void follow();
    void showInUnit(LengthUnit unit);
    void labelChoices();
    void pollJob();
    void finishSweep(std::optional<SweepTable> table);
    void exportCsv();
    void exportPicture(const char* extension, QString (SweepChartView::*save)(const QString&));
    void say(const QString& text, bool problem = false);
    void updateButtons();

    Calculator& calc_;
    FileChooser& files_;
    std::function<void()> designChanged_;
    QComboBox* input_ = nullptr;
    QLabel* designNow_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QSpinBox* points_ = nullptr;
    QCheckBox* logarithmic_ = nullptr;
    QListWidget* figures_ = nullptr;
    QPushButton* sweep_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* exportCsv_ = nullptr;
    QPushButton* exportPng_ = nullptr;
    QPushButton* exportSvg_ = nullptr;
    QPushButton* undo_ = nullptr;
    QLabel* status_ = nullptr;
    SweepChartView* plot_ = nullptr;
    QTimer poll_;
    QTimer followTimer_; // while shown: the design and the unit the sheets show
    LengthUnit shownUnit_ = LengthUnit::Inches;
    // The one step Undo takes back: the input, the value its variable had, and the value the click
    // set, both in the variable's own unit.
    struct SetStep {
        SweepInput input;
        double storedBefore;
        double storedAfter;
    };
    std::optional<SetStep> lastSet_;
    SweepJob job_; // last: cancelled and joined before the rest goes
};

} // namespace qv
