#include "ui/netlist/netlist_window.h"

#include "core/calculator.h"
#include "core/file_chooser.h"
#include "netlist/netlist_inputs.h"
#include "sim/ngspice_simulator.h"
#include "ui/aux/simulation_results_window.h"
#include "ui/model_text.h"
#include "ui/aux/window_placement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QStringList>
#include <QVBoxLayout>

#include <array>
#include <exception>
#include <optional>
#include <utility>

// Q_INIT_RESOURCE may not stand inside a namespace.
static void registerNetlistPictures() { Q_INIT_RESOURCE(netlist_pictures); }

namespace qv {

namespace {

struct ModelChoice {
    NetlistModel model;
    const char* buttonName;
    const char* caption;
    const char* imageName;
    const char* picture;
};

// The three model buttons and their diagrams, in the order they stand in the window.
constexpr std::array<ModelChoice, 3> kModelChoices{{
    {NetlistModel::StandardRlc, "RadioButton1", "Standard RLC Model", "Image1", ":/pictures/model1.png"},
    {NetlistModel::DistributedLadder, "RadioButton2", "Distributed Ladder Model", "Image2", ":/pictures/model2.png"},
    {NetlistModel::Complex, "RadioButton3", "Complex Model", "Image3", ":/pictures/model3.png"},
}};

constexpr const char* kSimulateTitle = "Simulate File";
constexpr const char* kCircuitFilter = "PSpice Circuit Files (*.cir)|*.cir";
constexpr const char* kCircuitExtension = "cir";

// Room for the widest diagram (726 pixels) without a scroll bar, and for about twenty netlist
// lines under it.
constexpr int kWindowWidth = 780;
constexpr int kWindowHeight = 620;
// The tallest diagram (154 pixels) with the frame and a horizontal scroll bar.
constexpr int kDiagramPanelHeight = 190;

std::size_t indexOf(NetlistModel model)
{
    return static_cast<std::size_t>(model) - 1;
}

QString netlistText(const std::vector<std::string>& lines)
{
    QStringList text;
    for (const std::string& line : lines)
        text.append(toQt(line));
    return text.join(QLatin1Char('\n'));
}

QString startText()
{
    return netlistText({std::begin(kNetlistStartLines), std::end(kNetlistStartLines)});
}

} // namespace

FileDialogSpec simulateFileDialog(const Calculator& calc)
{
    return {kSimulateTitle, kCircuitFilter, kCircuitExtension, calc.scratchFileName};
}

std::string scratchPadLines(const QString& memoText)
{
    QStringList lines = memoText.split(QLatin1Char('\n'));
    // The break after the last line ends that line; it does not start another.
    if (memoText.isEmpty() || memoText.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    std::string pad;
    for (const QString& line : lines)
        pad += fromQt(line) + '\n';
    return pad;
}

TPSpiceDlg::TPSpiceDlg(Calculator& calc, FileChooser& chooser, std::function<void()> scratchPadChanged,
                       QWidget* parent)
    : QDialog(parent),
      calc_(calc),
      chooser_(chooser),
      scratchPadChanged_(std::move(scratchPadChanged)),
      asItStandsSource_([&calc] { return coilAsItStands(calc); }),
      simulatorProgram_(kNgspiceProgram),
      resultsWindow_(new SimulationResultsWindow(this))
{
    registerNetlistPictures();
    resultsWindow_->setWindowFlags(Qt::Window);
    resultsPlacement_ = new WindowPlacement(*resultsWindow_, QStringLiteral("results"), this);
    setObjectName(QStringLiteral("TPSpiceDlg"));
    setWindowTitle(QStringLiteral("PSpice Output"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeModelButtons());
    layout->addWidget(makeDiagramPanel());
    layout->addWidget(makeNetlistBox(), 1);
    layout->addWidget(makeCommandButtons());
    resize(kWindowWidth, kWindowHeight);
    FormCreate();
}

TPSpiceDlg::~TPSpiceDlg() = default;

QWidget* TPSpiceDlg::makeModelButtons()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    // Exclusive, and none checked until the first choice.
    modelGroup_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < kModelChoices.size(); ++i) {
        const ModelChoice& choice = kModelChoices[i];
        auto* button = new QRadioButton(QString::fromLatin1(choice.caption));
        button->setObjectName(QString::fromLatin1(choice.buttonName));
        modelGroup_->addButton(button);
        layout->addWidget(button);
        modelButtons_[i] = button;
        connect(button, &QRadioButton::clicked, this, [this, model = choice.model] { RadioButtonClick(model); });
    }
    layout->addStretch();
    return row;
}

QWidget* TPSpiceDlg::makeDiagramPanel()
{
    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFixedHeight(kDiagramPanelHeight);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("ScrollBox2"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignCenter);
    auto* pictures = new QWidget;
    auto* pictureLayout = new QVBoxLayout(pictures);
    for (std::size_t i = 0; i < kModelChoices.size(); ++i) {
        auto* image = new QLabel;
        image->setObjectName(QString::fromLatin1(kModelChoices[i].imageName));
        image->setPixmap(QPixmap(QString::fromLatin1(kModelChoices[i].picture)));
        image->setAlignment(Qt::AlignCenter);
        pictureLayout->addWidget(image);
        diagrams_[i] = image;
    }
    // The scroll box owns the pictures and their layout.
    scroll->setWidget(pictures); // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
    scroll->setWidgetResizable(true);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(scroll);
    return panel;
}

QWidget* TPSpiceDlg::makeNetlistBox()
{
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("ScrollBox1"));
    scroll->setFrameShape(QFrame::NoFrame);
    memo_ = new QPlainTextEdit;
    memo_->setObjectName(QStringLiteral("Memo1"));
    // A netlist line is one statement: wrapping would read as a second one.
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    scroll->setWidget(memo_);
    scroll->setWidgetResizable(true);
    return scroll;
}

QWidget* TPSpiceDlg::makeCommandButtons()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* copyButton = new QPushButton(QStringLiteral("Copy To ScratchPad"));
    copyButton->setObjectName(QStringLiteral("Button1"));
    copyButton->setToolTip(QStringLiteral("Clear ScratchPad and Copy PSpice Model"));
    copyButton->setAutoDefault(false);
    auto* simulateButton = new QPushButton(QStringLiteral("PSpice 9.1"));
    simulateButton->setObjectName(QStringLiteral("Button2"));
    simulateButton->setToolTip(QStringLiteral("Choose a saved netlist file (*.cir) and simulate it with ngspice"));
    simulateButton->setAutoDefault(false);
    auto* closeButton = new QPushButton(QStringLiteral("Close"));
    closeButton->setObjectName(QStringLiteral("OKBtn"));
    closeButton->setDefault(true);
    asItStandsBox_ = new QCheckBox(QStringLiteral("Simulate the coil as it stands"));
    asItStandsBox_->setObjectName(QStringLiteral("AsItStandsCheck"));
    asItStandsBox_->setToolTip(QStringLiteral(
        "Run the model with the field solution's k, Lp, Ls and in-place capacitances; the netlist keeps the sheets' values"));
    layout->addWidget(copyButton);
    layout->addWidget(simulateButton);
    layout->addWidget(asItStandsBox_);
    layout->addStretch();
    layout->addWidget(closeButton);
    connect(copyButton, &QPushButton::clicked, this, &TPSpiceDlg::Button1Click);
    connect(simulateButton, &QPushButton::clicked, this, &TPSpiceDlg::Button2Click);
    connect(closeButton, &QPushButton::clicked, this, &TPSpiceDlg::OKBtnClick);
    return row;
}

void TPSpiceDlg::FormCreate()
{
    showDiagram(NetlistModel::StandardRlc);
    memo_->setPlainText(startText());
}

void TPSpiceDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A spontaneous show is the window system restoring a minimised window, not a new showing.
    if (!event->spontaneous())
        FormShow();
}

void TPSpiceDlg::FormShow()
{
    for (const ModelChoice& choice : kModelChoices) {
        if (modelButtons_[indexOf(choice.model)]->isChecked()) {
            RadioButtonClick(choice.model);
            return;
        }
    }
}

void TPSpiceDlg::showDiagram(NetlistModel model)
{
    for (std::size_t i = 0; i < diagrams_.size(); ++i)
        diagrams_[i]->setVisible(i == indexOf(model));
}

void TPSpiceDlg::RadioButtonClick(NetlistModel model)
{
    // A call from code checks the button as a click would.
    modelButtons_[indexOf(model)]->setChecked(true);
    showDiagram(model);
    memo_->setPlainText(netlistText(netlistLines(model, netlistInputs(calc_))));
}

void TPSpiceDlg::OKBtnClick()
{
    hide();
}

void TPSpiceDlg::Button1Click()
{
    replaceScratchPad(calc_, scratchPadLines(memo_->toPlainText()));
    if (scratchPadChanged_)
        scratchPadChanged_();
}

void TPSpiceDlg::setSimulatorProgram(const QString& programName)
{
    simulatorProgram_ = programName;
}

void TPSpiceDlg::setCoilAsItStandsSource(std::function<AsItStandsFigures()> source)
{
    asItStandsSource_ = std::move(source);
}

void TPSpiceDlg::Button2Click()
{
    qv::stopTimer(calc_);
    simulationFileName_ = calc_.scratchFileName;
    const std::optional<std::string> path = chooser_.chooseFileToOpen(simulateFileDialog(calc_));
    if (path) {
        simulationFileName_ = *path;
        launchSimulator(simulationFileName_);
    }
    // The run goes on in its own process; the calculator keeps recalculating meanwhile, and a
    // launch that failed has said so in its message.
    qv::startTimer(calc_); // QObject has a startTimer of its own
}

void TPSpiceDlg::launchSimulator(const std::string& path)
{
    std::optional<CoilAsItStands> coil;
    if (asItStandsBox_->isChecked()) {
        const AsItStandsFigures figures = asItStandsSource_();
        if (!figures.figures) {
            reportLaunchFailure(toQt(figures.errorMessage));
            return;
        }
        coil = figures.figures;
    }
    // The previous simulator goes, and a run it still had with it.
    simulator_ = std::make_unique<NgspiceSimulator>();
    simulator_->setProgramName(simulatorProgram_);
    simulator_->setCoilAsItStands(coil);
    resultsWindow_->setRunFile(toQt(path));
    resultsWindow_->setRunFigures(coil ? toQt(asItStandsSummary(*coil)) : QString());
    resultsWindow_->follow(*simulator_);
    connect(simulator_.get(), &NgspiceSimulator::started, resultsWindow_,
            [placement = resultsPlacement_] { placement->show(); });
    connect(simulator_.get(), &NgspiceSimulator::failed, this, &TPSpiceDlg::reportLaunchFailure);
    launchFailed_ = false;
    try {
        // The simulator takes the name as the file system knows it.
        const std::string systemPath = toQt(path).toStdString();
        simulator_->openFile(systemPath);
        // A file that could not be read has been reported; running it would report it again.
        if (!launchFailed_)
            simulator_->runSimulation(systemPath);
    } catch (const std::exception& error) {
        reportLaunchFailure(QString::fromLocal8Bit(error.what()));
    }
}

void TPSpiceDlg::reportLaunchFailure(const QString& message)
{
    launchFailed_ = true;
    warn(calc_, fromQt(message));
}

} // namespace qv
