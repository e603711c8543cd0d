#include "ui/sweep/sweep_window.h"

#include "core/calculator.h"
#include "core/file_chooser.h"
#include "core/number_parser.h"
#include "io/file_bytes.h"
#include "ui/sweep/sweep_chart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>

namespace qv {
namespace {

constexpr int kPollIntervalMs = 50;
constexpr int kFollowIntervalMs = 200;
constexpr int kDefaultPoints = 50;
constexpr int kShownDigits = 6;
constexpr int kPanelWidthChars = 46;
// The window opens at this size, or the screen's when that is smaller.
constexpr int kStartWidth = 1180;
constexpr int kStartHeight = 700;
constexpr int kRangeWidthChars = 12;
// A new input's range starts at the design's value and reaches twice as far (or 10 from 0).
constexpr double kDefaultReach = 2;
constexpr double kReachFromZero = 10;
// The figure chosen when the window first opens: the tank capacitance that tunes the primary.
constexpr const char* kFirstFigure = "PREdit13";

QString qs(const std::string& text) { return QString::fromStdString(text); }
QString number(double value) { return QString::number(value, 'g', kShownDigits); }
QString withUnit(double value, const std::string& unit) { return unit.empty() ? number(value) : number(value) + " " + qs(unit); }
QString shown(const Calculator& calc, const SweepInput& input, double storedValue)
{
    return withUnit(shownValue(storedValue, input.quantity, calc.lengthUnit), unitIn(input, calc.lengthUnit).unit);
}

int sweepThreads() { return static_cast<int>(std::max(1U, std::thread::hardware_concurrency())); }

// The range's end as typed, or why it is not a number.
std::optional<double> parsedEnd(const QLineEdit* edit)
{
    const ParseResult parsed = parseNumber(edit->text().trimmed().toStdString());
    return parsed.ok ? std::optional(parsed.value) : std::nullopt;
}

} // namespace

THowItChangesDlg::THowItChangesDlg(Calculator& calc, FileChooser& files, std::function<void()> designChanged,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), calc_(calc), files_(files), designChanged_(std::move(designChanged))
{
    setObjectName("HowItChangesDlg");
    setWindowTitle(kHowItChangesCaption);
    plot_ = new SweepChartView(this);
    status_ = new QLabel(this);
    status_->setObjectName("Status");
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* panel = new QWidget(this);
    auto* left = new QVBoxLayout(panel);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(buildInputBox());
    left->addWidget(buildFigureBox(), 1);
    left->addWidget(buildActions());
    // On a screen too low for the choices they scroll, rather than the window outgrowing it.
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(panel);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int panelWidth = fontMetrics().averageCharWidth() * kPanelWidthChars;
    panel->setFixedWidth(panelWidth);
    scroller->setFixedWidth(panelWidth + scroller->verticalScrollBar()->sizeHint().width());
    plot_->setMinimumSize(panelWidth, panelWidth / 2);

    auto* right = new QVBoxLayout;
    right->addWidget(plot_, 1);
    right->addWidget(status_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(scroller);
    layout->addLayout(right, 1);

    poll_.setInterval(kPollIntervalMs);
    connect(&poll_, &QTimer::timeout, this, &THowItChangesDlg::pollJob);
    followTimer_.setInterval(kFollowIntervalMs);
    connect(&followTimer_, &QTimer::timeout, this, &THowItChangesDlg::follow);
    connect(plot_, &SweepChartView::pointChosen, this, &THowItChangesDlg::setDesignToPoint);
    const QSize screen = this->screen()->availableGeometry().size();
    resize(std::min(kStartWidth, screen.width()), std::min(kStartHeight, screen.height()));
    say(tr("Choose an input, its range and the figures, then Sweep. The design itself is not touched."));
    updateButtons();
}

THowItChangesDlg::~THowItChangesDlg() = default;

QWidget* THowItChangesDlg::buildInputBox()
{
    auto* box = new QGroupBox(tr("Input"), this);
    auto* form = new QFormLayout(box);
    input_ = new QComboBox(box);
    input_->setObjectName("InputChooser");
    input_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    input_->setMinimumContentsLength(kRangeWidthChars);
    for (const SweepInput& in : sweepInputs()) {
        input_->addItem(qs(in.caption), qs(in.name));
        input_->setItemData(input_->count() - 1, qs(in.name), Qt::ToolTipRole);
    }
    designNow_ = new QLabel(box);
    designNow_->setObjectName("DesignNow");
    from_ = new QLineEdit(box);
    from_->setObjectName("From");
    to_ = new QLineEdit(box);
    to_->setObjectName("To");
    points_ = new QSpinBox(box);
    points_->setObjectName("Points");
    points_->setRange(kFewestSweepPoints, kMostSweepPoints);
    points_->setValue(kDefaultPoints);
    logarithmic_ = new QCheckBox(tr("Logarithmic steps"), box);
    logarithmic_->setObjectName("Logarithmic");
    form->addRow(input_);
    form->addRow(tr("Design now:"), designNow_);
    form->addRow(tr("From:"), from_);
    form->addRow(tr("To:"), to_);
    form->addRow(tr("Points:"), points_);
    form->addRow(logarithmic_);
    connect(input_, &QComboBox::currentIndexChanged, this, &THowItChangesDlg::inputChosen);
    return box;
}

QWidget* THowItChangesDlg::buildFigureBox()
{
    auto* box = new QGroupBox(tr("Figures"), this);
    auto* layout = new QVBoxLayout(box);
    figures_ = new QListWidget(box);
    figures_->setObjectName("FigureChooser");
    for (const SweepFigure& f : sweepFigures()) {
        auto* item = new QListWidgetItem(qs(f.caption), figures_);
        item->setData(Qt::UserRole, qs(f.name));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(f.name == kFirstFigure ? Qt::Checked : Qt::Unchecked);
    }
    layout->addWidget(figures_);
    return box;
}

QWidget* THowItChangesDlg::buildActions()
{
    auto* actions = new QWidget(this);
    auto* grid = new QVBoxLayout(actions);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto button = [actions](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, actions);
        b->setObjectName(name);
        return b;
    };
    sweep_ = button(tr("Sweep"), "Sweep");
    cancel_ = button(tr("Cancel"), "Cancel");
    progress_ = new QProgressBar(actions);
    progress_->setObjectName("Progress");
    exportCsv_ = button(tr("CSV..."), "ExportCsv");
    exportPng_ = button(tr("PNG..."), "ExportPng");
    exportSvg_ = button(tr("SVG..."), "ExportSvg");
    exportCsv_->setToolTip(tr("Export the table, with the figures' names and units"));
    exportPng_->setToolTip(tr("Export the plot as a picture"));
    exportSvg_->setToolTip(tr("Export the plot as a drawing"));
    undo_ = button(tr("Undo Set Design"), "UndoSetDesign");
    auto* run = new QHBoxLayout;
    run->addWidget(sweep_);
    run->addWidget(cancel_);
    auto* files = new QHBoxLayout;
    files->addWidget(new QLabel(tr("Export:"), actions));
    files->addWidget(exportCsv_);
    files->addWidget(exportPng_);
    files->addWidget(exportSvg_);
    grid->addLayout(run);
    grid->addWidget(progress_);
    grid->addLayout(files);
    grid->addWidget(undo_);
    connect(sweep_, &QPushButton::clicked, this, &THowItChangesDlg::startSweep);
    connect(cancel_, &QPushButton::clicked, this, &THowItChangesDlg::cancelSweep);
    connect(exportCsv_, &QPushButton::clicked, this, &THowItChangesDlg::exportCsv);
    connect(exportPng_, &QPushButton::clicked, this, [this] { exportPicture("png", &SweepChartView::savePng); });
    connect(exportSvg_, &QPushButton::clicked, this, [this] { exportPicture("svg", &SweepChartView::saveSvg); });
    connect(undo_, &QPushButton::clicked, this, &THowItChangesDlg::undoSetDesign);
    return actions;
}

void THowItChangesDlg::showWindow()
{
    show();
    raise();
    activateWindow();
}

void THowItChangesDlg::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (from_->text().isEmpty()) {
        shownUnit_ = calc_.lengthUnit;
        labelChoices();
        inputChosen();
    }
    follow();
    followTimer_.start();
}

void THowItChangesDlg::hideEvent(QHideEvent* event)
{
    followTimer_.stop();
    QWidget::hideEvent(event);
}

// The choices' captions with their units in the calculator's unit.
void THowItChangesDlg::labelChoices()
{
    for (int i = 0; i < input_->count(); ++i) {
        const SweepInput in = unitIn(sweepInputs()[static_cast<std::size_t>(i)], shownUnit_);
        input_->setItemText(i, qs(labelWithUnit(in.caption, in.unit)));
    }
    for (int i = 0; i < figures_->count(); ++i) {
        const SweepFigure f = unitIn(sweepFigures()[static_cast<std::size_t>(i)], shownUnit_);
        const QString label = qs(labelWithUnit(f.caption, f.unit));
        figures_->item(i)->setText(label);
        figures_->item(i)->setToolTip(label + " - " + qs(f.name)); // the list may be narrower than the label
    }
}

// The design as the sheets have it now: its value of the input, the plot's marker, and the unit.
void THowItChangesDlg::follow()
{
    if (calc_.lengthUnit != shownUnit_) showInUnit(calc_.lengthUnit);
    showDesignNow();
    const auto& table = plot_->table();
    if (!table || job_.running()) return;
    const double now = currentValue(calc_, table->input);
    if (now != table->designValue) plot_->moveMarker(now);
}

// The Inches / Millimetres switch: the range typed so far, the plot and the captions follow it.
void THowItChangesDlg::showInUnit(LengthUnit unit)
{
    const LengthQuantity quantity = chosenInput().quantity;
    for (QLineEdit* end : {from_, to_})
        if (const std::optional<double> value = parsedEnd(end))
            end->setText(number(shownValue(storedValue(*value, quantity, shownUnit_), quantity, unit)));
    shownUnit_ = unit;
    labelChoices();
    if (plot_->table()) plot_->showTable(tableIn(*plot_->table(), unit));
}

const SweepInput& THowItChangesDlg::chosenInput() const
{
    return sweepInputs()[static_cast<std::size_t>(std::max(0, input_->currentIndex()))];
}

void THowItChangesDlg::showDesignNow()
{
    designNow_->setText(shown(calc_, chosenInput(), storedInputValue(calc_, chosenInput())));
}

// A new input's range starts from the design's value.
void THowItChangesDlg::inputChosen()
{
    const SweepInput& in = chosenInput();
    const double now = currentValue(calc_, in);
    showDesignNow();
    from_->setText(number(now));
    to_->setText(number(now == 0 ? kReachFromZero : now * kDefaultReach));
    logarithmic_->setChecked(false);
}

THowItChangesDlg::Choice THowItChangesDlg::choice() const
{
    const SweepInput& in = chosenInput();
    if (std::string why = inputUnavailable(calc_, in); !why.empty()) return {std::nullopt, qs(why) + "."};
    const std::optional<double> from = parsedEnd(from_);
    const std::optional<double> to = parsedEnd(to_);
    if (!from || !to) return {std::nullopt, tr("From and To each need a number, such as 5 or 0.25.")};
    const SweepRange range{*from, *to, points_->value(), logarithmic_->isChecked()};
    if (std::string why = rangeRejection(range); !why.empty()) return {std::nullopt, tr("Cannot sweep: %1.").arg(qs(why))};
    std::vector<SweepFigure> chosen;
    for (int i = 0; i < figures_->count(); ++i)
        if (figures_->item(i)->checkState() == Qt::Checked)
            chosen.push_back(*sweepFigureByName(figures_->item(i)->data(Qt::UserRole).toString().toStdString()));
    if (chosen.empty()) return {std::nullopt, tr("Tick at least one figure to plot.")};
    return {SweepRequest{in, range, std::move(chosen)}, {}};
}

void THowItChangesDlg::startSweep()
{
    if (job_.running()) return;
    const Choice c = choice();
    if (!c.request) {
        say(c.problem, true);
        return;
    }
    job_.start(calc_, *c.request, sweepThreads());
    progress_->setRange(0, c.request->range.points);
    progress_->setValue(0);
    say(tr("Sweeping %1 over %2 points...").arg(qs(c.request->input.caption)).arg(c.request->range.points));
    poll_.start();
    updateButtons();
}

void THowItChangesDlg::cancelSweep()
{
    if (job_.running()) job_.cancel();
}

void THowItChangesDlg::pollJob()
{
    progress_->setValue(static_cast<int>(job_.done()));
    if (auto ended = job_.takeIfEnded()) {
        poll_.stop();
        finishSweep(std::move(*ended));
    }
}

void THowItChangesDlg::finishSweep(std::optional<SweepTable> table)
{
    progress_->setValue(0);
    if (!table) {
        say(tr("Sweep cancelled; the plot is as it was."));
    } else {
        const std::size_t refused = static_cast<std::size_t>(
            std::count_if(table->refusals.begin(), table->refusals.end(), [](const std::string& r) { return !r.empty(); }));
        plot_->showTable(tableIn(std::move(*table), shownUnit_)); // the unit may have been switched meanwhile
        say(refused == 0 ? tr("Hover over the plot for the figures at a point; click a point to set the design to it.")
                         : tr("%1 of the values were refused by the calculator: the shaded gaps (hover for the "
                              "reason). Click a point to set the design to it.").arg(refused));
    }
    updateButtons();
}

void THowItChangesDlg::setDesignToPoint(std::size_t index)
{
    const auto& table = plot_->table();
    if (!table || job_.running() || index >= table->inputValues.size() || !table->refusals[index].empty()) return;
    const SweepInput& in = table->input;
    const double before = storedInputValue(calc_, in);
    if (const std::string why = inputUnavailable(calc_, in); !why.empty()) {
        say(qs(why) + ".", true);
        return;
    }
    if (!enterSweepValue(calc_, in, table->inputValues[index]).empty()) return; // the calculator has said why
    const double after = storedInputValue(calc_, in);
    lastSet_ = SetStep{in, before, after};
    plot_->moveMarker(currentValue(calc_, in));
    showDesignNow();
    if (designChanged_) designChanged_();
    say(tr("%1 set to %2 (it was %3). Undo Set Design takes it back.")
            .arg(qs(in.caption), shown(calc_, in, after), shown(calc_, in, before)));
    updateButtons();
}

void THowItChangesDlg::undoSetDesign()
{
    if (!lastSet_) return;
    const SetStep step = *std::exchange(lastSet_, std::nullopt);
    updateButtons();
    // Something else changed the input since: putting the old value back would undo that too.
    if (storedInputValue(calc_, step.input) != step.storedAfter) {
        say(tr("%1 has been changed since it was set from the plot; nothing was undone.").arg(qs(step.input.caption)), true);
        return;
    }
    const double before = shownValue(step.storedBefore, step.input.quantity, calc_.lengthUnit);
    if (!enterSweepValue(calc_, step.input, before).empty()) return;
    if (plot_->table() && plot_->table()->input.name == step.input.name) plot_->moveMarker(before);
    showDesignNow();
    if (designChanged_) designChanged_();
    say(tr("%1 is back to %2.").arg(qs(step.input.caption), shown(calc_, step.input, step.storedBefore)));
}

void THowItChangesDlg::exportCsv()
{
    if (!plot_->table()) return;
    const auto path = files_.chooseFileToSave({"Export Table", "CSV Files (*.csv)|*.csv", "csv", "how_it_changes.csv"});
    if (!path) return;
    if (const std::string error = replaceFile(*path, sweepCsv(*plot_->table())); !error.empty()) say(qs(error), true);
    else say(tr("Table written to %1.").arg(qs(*path)));
}

void THowItChangesDlg::exportPicture(const char* extension, QString (SweepChartView::*save)(const QString&))
{
    if (!plot_->table()) return;
    const std::string ext(extension);
    const std::string filter = (ext == "png" ? "PNG Pictures (*.png)|*.png" : "SVG Drawings (*.svg)|*.svg");
    const auto path = files_.chooseFileToSave({"Export Plot", filter, ext, "how_it_changes." + ext});
    if (!path) return;
    if (const QString error = (plot_->*save)(qs(*path)); !error.isEmpty()) say(error, true);
    else say(tr("Plot written to %1.").arg(qs(*path)));
}

void THowItChangesDlg::say(const QString& text, bool problem)
{
    status_->setText(text);
    status_->setStyleSheet(problem ? "color: #b00020" : "");
}

QString THowItChangesDlg::statusText() const { return status_->text(); }

void THowItChangesDlg::updateButtons()
{
    const bool running = job_.running();
    const bool table = plot_->table().has_value();
    sweep_->setEnabled(!running);
    cancel_->setEnabled(running);
    progress_->setEnabled(running);
    exportCsv_->setEnabled(table && !running);
    exportPng_->setEnabled(table && !running);
    exportSvg_->setEnabled(table && !running);
    undo_->setEnabled(lastSet_.has_value() && !running);
}

void THowItChangesDlg::choose(const std::string& inputName, double from, double to, int points, bool logarithmic,
                              const std::vector<std::string>& figureNames)
{
    input_->setCurrentIndex(input_->findData(qs(inputName)));
    from_->setText(number(from));
    to_->setText(number(to));
    points_->setValue(points);
    logarithmic_->setChecked(logarithmic);
    for (int i = 0; i < figures_->count(); ++i) {
        const std::string name = figures_->item(i)->data(Qt::UserRole).toString().toStdString();
        const bool wanted = std::find(figureNames.begin(), figureNames.end(), name) != figureNames.end();
        figures_->item(i)->setCheckState(wanted ? Qt::Checked : Qt::Unchecked);
    }
}

} // namespace qv
