#include "ui/tank/tank_circuit_dlg.h"

#include "core/calculator.h"
#include "io/analysis_model.h"
#include "tank/tap_curve.h"
#include "ui/tank/tank_figure_cells.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <string>

namespace qv {

using tank::TankSection;

namespace {

constexpr int kFollowIntervalMs = 50; // the main window's pass
constexpr int kInputWidthChars = 9;
constexpr int kInputSpacingPixels = 2; // with the figures' close lines, the window fits 1366 x 768

// Where each input stands: beside the figures it moves.
struct InputPlace {
    std::string_view name;
    TankSection section;
};
constexpr InputPlace kInputPlaces[] = {
    {"cap_uf", TankSection::Capacitor},       {"ltr", TankSection::Capacitor},
    {"part_uf", TankSection::Capacitor},      {"part_vdc", TankSection::Capacitor},
    {"margin", TankSection::Capacitor},       {"bleeder_mohm", TankSection::Capacitor},
    {"lead_in", TankSection::Tap},            {"lead_dia_in", TankSection::Tap},
    {"part_ipk_a", TankSection::Stresses},    {"part_irms_a", TankSection::Stresses},
    {"part_dvdt_v_us", TankSection::Stresses}, {"quench_notch", TankSection::Stresses},
    {"safety", TankSection::Gaps},
};

TankSection sectionOf(const TankInput& input)
{
    for (const InputPlace& place : kInputPlaces)
        if (place.name == input.name) return place.section;
    return TankSection::Expect;
}

// The two columns of sections, read down the left first: the capacitor and the tap, then the
// stresses, the gaps and what to expect.
struct SectionPlace {
    TankSection section;
    const char* objectName;
    int column;
};
constexpr SectionPlace kSectionPlaces[] = {
    {TankSection::Capacitor, "CapacitorSection", 0}, {TankSection::Tap, "TapSection", 0},
    {TankSection::Stresses, "StressesSection", 1},   {TankSection::Gaps, "GapsSection", 1},
    {TankSection::Expect, "ExpectSection", 1},
};

QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::size_t inputIndex(std::string_view name)
{
    const auto found = std::find_if(kTankInputs.begin(), kTankInputs.end(),
                                    [name](const TankInput& input) { return input.name == name; });
    return static_cast<std::size_t>(found - kTankInputs.begin());
}

QLabel* greyLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

// What to build or where to tap, in words, above the section's figures.
QLabel* summaryLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// The field solution as the tank reads it, on the worker's thread: the primary's turn curve is
// made once per solution, not at every pass.
tank::FieldAsItStands fieldAsItStands(AnalysisSolution solved)
{
    tank::FieldAsItStands field;
    field.analysis = std::move(solved.analysis);
    try {
        if (field.analysis.ok()) field.turns = tank::turnCurve(solved.model);
    } catch (const std::exception& e) {
        field.analysis.status = std::string("the primary's turns could not be solved: ") + e.what();
    }
    return field;
}

const std::size_t kCapacitorInput = inputIndex("cap_uf");
const std::size_t kRatioInput = inputIndex("ltr");

} // namespace

TTankCircuitDlg::TTankCircuitDlg(Calculator& calc, QWidget* parent) : QWidget(parent, Qt::Window), calc_(calc)
{
    setObjectName("TankCircuitDlg");
    setWindowTitle(kTankCircuitCaption);
    unsolved_.analysis.status = tr("the field solution is still running").toStdString();

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("TankScroll");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(buildSections());
    status_ = new QLabel(this);
    status_->setObjectName("Status");
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(status_);
    sideBySideWidth_ = sizeHint().width();
    // A screen too narrow for two columns (a small one at double density) reads them as one.
    arrangeColumns(sideBySideWidth_ <= screen()->availableGeometry().width());
    resize(sizeHint()); // the whole window where the screen has room; placement cuts it to the screen

    followTimer_.setInterval(kFollowIntervalMs);
    connect(&followTimer_, &QTimer::timeout, this, &TTankCircuitDlg::follow);
    worker_ = std::make_unique<AnalysisWorker>([this](AnalysisSolution solved) {
        const std::uint64_t generation = solved.generation;
        auto field = std::make_shared<const tank::FieldAsItStands>(fieldAsItStands(std::move(solved)));
        // Back on the window's thread; dropped if the window has gone meanwhile. The posted event
        // owns the call, which the analyser cannot see.
        QMetaObject::invokeMethod(this, [this, field, generation] { showSolution(field, generation); }, // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
                                  Qt::QueuedConnection);
    });
}

// A field that has the focus finishes its editing as the window's children go, after this window
// has stopped being one: it must no longer reach it.
TTankCircuitDlg::~TTankCircuitDlg()
{
    for (QLineEdit* edit : edits_) edit->disconnect(this);
}

// The whole of every section, as far as the screen allows; the rest scrolls.
QSize TTankCircuitDlg::sizeHint() const
{
    const QMargins margins = layout()->contentsMargins();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize content = content_->sizeHint();
    return {content.width() + scrollBar + margins.left() + margins.right(),
            content.height() + scrollBar + layout()->spacing() + status_->sizeHint().height() + margins.top() +
                margins.bottom()};
}

QWidget* TTankCircuitDlg::buildSections()
{
    content_ = new QWidget(this);
    auto* sideBySide = new QHBoxLayout(content_);
    columns_ = {new QVBoxLayout, new QVBoxLayout};
    for (const SectionPlace& place : kSectionPlaces) {
        auto* box = new QGroupBox(sectionTitle(place.section), content_);
        box->setObjectName(place.objectName);
        auto* inside = new QVBoxLayout(box);
        if (place.section == TankSection::Capacitor) {
            inside->addWidget(capacitorChoice(box));
            capacitorSummary_ = summaryLabel("CapacitorSummary", box);
            inside->addWidget(capacitorSummary_);
        }
        if (place.section == TankSection::Tap) {
            tapSummary_ = summaryLabel("TapSummary", box);
            inside->addWidget(tapSummary_);
        }
        inside->addWidget(buildInputs(place.section, box));
        auto* figures = new QGridLayout;
        addFigureRows(place.section, figures, box, cells_);
        inside->addLayout(figures);
        if (const QString note = sectionNote(place.section); !note.isEmpty()) {
            QLabel* noteLabel = greyLabel(note, box);
            noteLabel->setWordWrap(true);
            inside->addWidget(noteLabel);
        }
        columns_[place.column]->addWidget(box);
        if (place.column == 1) rightColumn_.push_back(box);
    }
    for (QVBoxLayout* column : columns_) {
        column->addStretch(1);
        sideBySide->addLayout(column, 1);
    }
    return content_;
}

// The right column's sections below the left's, or back beside them.
void TTankCircuitDlg::arrangeColumns(bool sideBySide)
{
    if (sideBySide == sideBySide_) return;
    sideBySide_ = sideBySide;
    QVBoxLayout* from = columns_[sideBySide ? 0 : 1];
    QVBoxLayout* to = columns_[sideBySide ? 1 : 0];
    for (QWidget* box : rightColumn_) {
        from->removeWidget(box);
        to->insertWidget(to->count() - 1, box); // above the stretch
    }
    static_cast<QBoxLayout*>(content_->layout())->setStretch(1, sideBySide ? 1 : 0);
}

void TTankCircuitDlg::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrangeColumns(width() >= sideBySideWidth_);
}

// Have one or build the bank: the capacitor the builder has is one typed value; 0 builds the bank.
QWidget* TTankCircuitDlg::capacitorChoice(QWidget* parent)
{
    auto* choice = new QWidget(parent);
    auto* row = new QHBoxLayout(choice);
    row->setContentsMargins(0, 0, 0, 0);
    ownCapacitor_ = new QRadioButton(tr("Use the capacitor I have"), choice);
    ownCapacitor_->setObjectName("OwnCapacitor");
    buildBank_ = new QRadioButton(tr("Build a bank of small capacitors"), choice);
    buildBank_->setObjectName("BuildBank");
    row->addWidget(ownCapacitor_);
    row->addWidget(buildBank_);
    row->addStretch(1);
    connect(ownCapacitor_, &QRadioButton::clicked, this, [this] { chooseOwnCapacitor(true); });
    connect(buildBank_, &QRadioButton::clicked, this, [this] { chooseOwnCapacitor(false); });
    return choice;
}

QWidget* TTankCircuitDlg::buildInputs(TankSection section, QWidget* parent)
{
    auto* inputs = new QWidget(parent);
    auto* grid = new QGridLayout(inputs);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(kInputSpacingPixels);
    int row = 0;
    for (std::size_t i = 0; i < kTankInputs.size(); ++i) {
        const TankInput& input = kTankInputs[i];
        if (sectionOf(input) != section) continue;
        edits_[i] = addInput(input, inputs, row++);
        connect(edits_[i], &QLineEdit::editingFinished, this, [this, i] { enterInput(i); });
    }
    grid->setColumnStretch(0, 1);
    if (row == 0) inputs->hide();
    return inputs;
}

// A caption, the field (the tank size's offers the builders' rules of thumb), its unit and what it
// takes.
QLineEdit* TTankCircuitDlg::addInput(const TankInput& input, QWidget* box, int row)
{
    auto* grid = static_cast<QGridLayout*>(box->layout());
    const int digitWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    QLineEdit* edit = nullptr;
    QWidget* field = nullptr;
    if (input.name == "ltr") {
        ratio_ = new QComboBox(box);
        ratio_->setEditable(true);
        ratio_->setInsertPolicy(QComboBox::NoInsert);
        for (const TankRatioChoice& choice : kTankRatioChoices) ratio_->addItem(qt(choice.caption));
        connect(ratio_, &QComboBox::activated, this, &TTankCircuitDlg::chooseRatio);
        edit = ratio_->lineEdit();
        field = ratio_;
    } else {
        edit = new QLineEdit(box);
        field = edit;
    }
    edit->setObjectName(qt(input.name));
    edit->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(digitWidth * kInputWidthChars);
    auto* caption = new QLabel(qt(input.caption), box);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    const auto index = static_cast<std::size_t>(&input - kTankInputs.data());
    units_[index] = new QLabel(qt(tankUnit(input, calc_.lengthUnit)), box);
    accepted_[index] = greyLabel(QString::fromStdString(acceptedValues(input, calc_.lengthUnit)), box);
    grid->addWidget(units_[index], row, 2);
    grid->addWidget(accepted_[index], row, 3);
    return edit;
}

void TTankCircuitDlg::showTank()
{
    show();
    raise();
    activateWindow();
}

void TTankCircuitDlg::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    follow();
    followTimer_.start();
}

void TTankCircuitDlg::hideEvent(QHideEvent* event)
{
    followTimer_.stop();
    QWidget::hideEvent(event);
}

void TTankCircuitDlg::follow()
{
    syncInputs();
    const field::CoilModel model = currentCoilModel(calc_);
    if (!requestedModel_ || *requestedModel_ != model) {
        requestedModel_ = model;
        AnalysisRequest request; // no drawing: the figures alone
        request.generation = ++requested_;
        request.model = model;
        worker_->request(request);
        status_->setText(tr("Solving the field..."));
    }
    showFigures();
}

// A typed value is taken or refused as the main window's fields are: the field shows the value
// the design holds before any message appears.
void TTankCircuitDlg::enterInput(std::size_t index)
{
    QLineEdit* edit = edits_[index];
    if (!edit->isModified()) return;
    edit->setModified(false);
    enterText(index, edit->text().toStdString());
}

void TTankCircuitDlg::enterText(std::size_t index, const std::string& text)
{
    const InputEntry entry = enterTank(calc_.design.tank, kTankInputs[index], text, calc_.lengthUnit);
    edits_[index]->setText(QString::fromStdString(tankText(calc_.design.tank, kTankInputs[index], calc_.lengthUnit)));
    syncInputs();
    if (!entry.taken) warn(calc_, entry.message);
    follow();
}

void TTankCircuitDlg::chooseRatio(int choice)
{
    if (choice < 0 || choice >= static_cast<int>(kTankRatioChoices.size())) return;
    const double ratio = kTankRatioChoices[static_cast<std::size_t>(choice)].ratio;
    enterText(kRatioInput, formatField(ratio, kTankInputs[kRatioInput].format));
}

// Choosing the capacitor one has starts from the one typed before, else from the size wanted; the
// builder types over it. Choosing the bank keeps the typed capacitor for a return.
void TTankCircuitDlg::chooseOwnCapacitor(bool own)
{
    const double nowUf = calc_.design.tank.capacitorUf;
    if (own == (nowUf > 0)) return;
    if (!own) {
        ownCapacitorUf_ = nowUf;
        enterText(kCapacitorInput, "0");
        return;
    }
    double startUf = ownCapacitorUf_;
    if (startUf <= 0 && figures_ && figures_->targetUf.value) startUf = *figures_->targetUf.value;
    if (startUf > 0) enterText(kCapacitorInput, formatField(startUf, kTankInputs[kCapacitorInput].format));
    edits_[kCapacitorInput]->setFocus();
    edits_[kCapacitorInput]->selectAll();
}

// An opened design brings its own inputs; a field the user is typing in is left alone. The main
// window's Inches / Millimetres switch rewrites every input and its unit.
void TTankCircuitDlg::syncInputs()
{
    const TankInputs& now = calc_.design.tank;
    const bool unitChanged = shownUnit_ != calc_.lengthUnit;
    if (!unitChanged && shownInputs_ == now) return;
    shownInputs_ = now;
    shownUnit_ = calc_.lengthUnit;
    for (std::size_t i = 0; i < kTankInputs.size(); ++i) {
        units_[i]->setText(qt(tankUnit(kTankInputs[i], shownUnit_)));
        accepted_[i]->setText(QString::fromStdString(acceptedValues(kTankInputs[i], shownUnit_)));
        if (!unitChanged && edits_[i]->hasFocus() && edits_[i]->isModified()) continue;
        edits_[i]->setText(QString::fromStdString(tankText(now, kTankInputs[i], shownUnit_)));
    }
    ownCapacitor_->setChecked(now.capacitorUf > 0);
    buildBank_->setChecked(!(now.capacitorUf > 0));
}

void TTankCircuitDlg::showSolution(const std::shared_ptr<const tank::FieldAsItStands>& field, std::uint64_t generation)
{
    // A solution overtaken by a newer request waits for that one, unless nothing is shown yet.
    if (generation < shown_) return;
    field_ = field;
    shown_ = generation;
    const bool current = shown_ == requested_;
    status_->setText(!current ? tr("Solving the field...")
                     : field->analysis.ok()
                         ? tr("Field solution up to date.")
                         : tr("No field solution: %1").arg(QString::fromStdString(field->analysis.status)));
    showFigures();
}

// The figures are worked out every pass (they are cheap); the labels change only when a text did.
void TTankCircuitDlg::showFigures()
{
    figures_ = tank::tankFigures(calc_, field_ ? *field_ : unsolved_);
    std::vector<QString> texts;
    texts.reserve(cells_.size() + 2);
    for (const FigureCell& cell : cells_) texts.push_back(cellText(*figures_, *cell.row, calc_.lengthUnit));
    texts.push_back(capacitorSummary(*figures_, calc_.design.tank, calc_.lengthUnit));
    texts.push_back(tapSummary(*figures_, calc_.lengthUnit));
    if (texts == shownTexts_) return;
    shownTexts_ = texts;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        cells_[i].label->setText(texts[i]);
        // A number lines up on the right; a reason reads as a sentence from the left.
        const bool reason = isReason(*figures_, *cells_[i].row);
        cells_[i].label->setForegroundRole(reason ? QPalette::PlaceholderText : QPalette::WindowText);
        cells_[i].label->setAlignment((reason ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop);
    }
    capacitorSummary_->setText(texts[cells_.size()]);
    tapSummary_->setText(texts[cells_.size() + 1]);
}

QString TTankCircuitDlg::figureText(std::string_view name) const
{
    for (const FigureCell& cell : cells_)
        if (cell.row->name == name) return cell.label->text();
    return {};
}

} // namespace qv
