#include "ui/analysis/coil_analysis_dlg.h"

#include "core/calculator.h"
#include "ui/analysis/coil_figures.h"
#include "ui/analysis/cross_section_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

constexpr int kFollowIntervalMs = 50; // the main window's pass
constexpr double kViewRadiusMargin = 1.25;
constexpr double kTopLoadRadiiSideways = 2; // the field round the top load shows out to twice its radius
constexpr double kViewHeightMargin = 1.3;
constexpr double kMaxAreaAspect = 4;  // a drawing taller than this keeps white paper above
// A drawing whose shape changed by less than this keeps its solution: the table settling after the
// first figures, or a small drag of the window's edge, costs no new one.
constexpr double kAspectTolerance = 0.15;
// The grid's points: square cells as fine as the drawing's 50 ms allows under a ceiling, whose
// images cost the most (see the analysis window benchmark).
constexpr double kPotentialPoints = 8000;
constexpr int kMinPotentialSide = 20;
constexpr int kMaxPotentialSide = 400;
constexpr int kInputWidthChars = 9;
constexpr int kFrameAllowancePixels = 40; // a title bar and borders, before the window is first shown
constexpr int kFewLinesOfFigures = 8;

int gridSide(double points) { return std::clamp(static_cast<int>(std::lround(points)), kMinPotentialSide, kMaxPotentialSide); }

} // namespace

// The half-plane the drawing shows: sideways past the primary and to twice the top load's outer
// radius, from the floor to the ceiling or well above the coil's top; then higher, or under a
// ceiling wider, until it fills a drawing area of that height over width, so a tall window shows
// more of the field rather than white paper.
AnalysisRequest analysisRequest(const field::CoilModel& m, std::uint64_t generation, double areaAspect)
{
    double widestM = std::max(m.secondaryRadiusM, m.primaryWireDiameterM);
    for (const field::Ring& ring : field::primaryRings(m)) widestM = std::max(widestM, ring.radiusM + m.primaryWireDiameterM);
    double topLoadRadiusM = 0;
    double topM = m.secondaryBottomM + m.secondaryHeightM;
    if (m.topLoad == field::TopLoadShape::Toroid) {
        topLoadRadiusM = (m.ringDiameterM + m.tubeDiameterM) / 2;
        topM += m.clearanceM + m.tubeDiameterM;
    } else if (m.topLoad == field::TopLoadShape::Sphere) {
        topLoadRadiusM = m.sphereRadiusM;
        topM += m.clearanceM + 2 * m.sphereRadiusM;
    }
    AnalysisRequest request;
    request.generation = generation;
    request.model = m;
    request.viewRadiusM = std::max(widestM * kViewRadiusMargin, topLoadRadiusM * kTopLoadRadiiSideways);
    request.viewHeightM = m.ceilingM ? *m.ceilingM : topM * kViewHeightMargin;
    if (areaAspect > 0 && std::isfinite(areaAspect)) {
        const double fillHeightM = 2 * request.viewRadiusM * std::min(areaAspect, kMaxAreaAspect);
        if (m.ceilingM) request.viewRadiusM = std::max(request.viewRadiusM, request.viewHeightM / fillHeightM * request.viewRadiusM);
        else request.viewHeightM = std::max(request.viewHeightM, fillHeightM);
    }
    // Square cells: columns / rows = radius / height, columns x rows = the point budget.
    const double aspect = request.viewHeightM > 0 ? request.viewRadiusM / request.viewHeightM : 1;
    const double columns = std::isfinite(aspect) && aspect > 0 ? std::sqrt(kPotentialPoints * aspect) : kMinPotentialSide;
    request.columns = gridSide(columns);
    request.rows = gridSide(kPotentialPoints / request.columns);
    return request;
}

TCoilAnalysisDlg::TCoilAnalysisDlg(Calculator& calc, QWidget* parent)
    : QWidget(parent, Qt::Window), calc_(calc)
{
    setObjectName("CoilAnalysisDlg");
    setWindowTitle(kCoilAnalysisCaption);

    figures_ = new QTextBrowser(this);
    figures_->setObjectName("Figures");
    figures_->setOpenLinks(false);
    status_ = new QLabel(this);
    status_->setObjectName("Status");
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setWordWrap(true);
    drawing_ = new CrossSectionView(this);

    column_ = new QVBoxLayout;
    column_->addWidget(buildInputs());
    column_->addWidget(figures_, 1);
    column_->addWidget(status_);
    auto* layout = new QHBoxLayout(this);
    // The table keeps its own width; the drawing takes what the window has beyond it.
    layout->addLayout(column_, 0);
    layout->addWidget(drawing_, 1);

    followTimer_.setInterval(kFollowIntervalMs);
    connect(&followTimer_, &QTimer::timeout, this, &TCoilAnalysisDlg::follow);
    worker_ = std::make_unique<AnalysisWorker>([this](AnalysisSolution solved) {
        auto shared = std::make_shared<const AnalysisSolution>(std::move(solved));
        // Back on the window's thread; dropped if the window has gone meanwhile. The posted event
        // owns the call, which the analyser cannot see.
        QMetaObject::invokeMethod(this, [this, shared] { showSolution(shared); }, // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
                                  Qt::QueuedConnection);
    });
}

TCoilAnalysisDlg::~TCoilAnalysisDlg()
{
    // A field that has the focus as the window goes reports its editing finished; by then the
    // window is half taken down.
    for (QLineEdit* edit : edits_) edit->disconnect(this);
}

QWidget* TCoilAnalysisDlg::buildInputs()
{
    auto* box = new QGroupBox(tr("Where the coil stands"), this);
    auto* grid = new QGridLayout(box);
    const int digitWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (std::size_t i = 0; i < kSurroundingsInputs.size(); ++i) {
        const SurroundingsInput& input = kSurroundingsInputs[i];
        const int row = static_cast<int>(i);
        auto* edit = new QLineEdit(box);
        edit->setObjectName(QString::fromUtf8(input.name.data(), static_cast<qsizetype>(input.name.size())));
        edit->setMinimumWidth(digitWidth * kInputWidthChars);
        edit->setAlignment(Qt::AlignRight);
        auto* caption = new QLabel(QString::fromUtf8(input.caption.data(), static_cast<qsizetype>(input.caption.size())), box);
        caption->setBuddy(edit);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        units_[i] = new QLabel(box);
        grid->addWidget(units_[i], row, 2);
        connect(edit, &QLineEdit::editingFinished, this, [this, i] { enterInput(i); });
        edits_[i] = edit;
    }
    grid->setColumnStretch(0, 1);
    return box;
}

void TCoilAnalysisDlg::showAnalysis()
{
    if (!isVisible()) {
        // The table sized before the window shows, so the drawing's first solution is asked for
        // at the shape the drawing keeps.
        showFigures();
        layout()->activate();
    }
    show();
    raise();
    activateWindow();
}

void TCoilAnalysisDlg::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    follow();
    followTimer_.start();
}

void TCoilAnalysisDlg::hideEvent(QHideEvent* event)
{
    followTimer_.stop();
    QWidget::hideEvent(event);
}

void TCoilAnalysisDlg::follow()
{
    syncInputs();
    const field::CoilModel model = currentCoilModel(calc_);
    drawing_->setLengthUnit(calc_.lengthUnit);
    const double aspect = drawing_->areaAspect();
    const bool reshaped = std::abs(aspect - requestedAspect_) > kAspectTolerance * requestedAspect_;
    if (!requestedModel_ || *requestedModel_ != model || reshaped) {
        requestedModel_ = model;
        requestedAspect_ = aspect;
        worker_->request(analysisRequest(model, ++requested_, aspect));
        status_->setText(tr("Solving the field..."));
    }
    showFigures();
}

// A typed value is taken or refused as the main window's fields are: the field shows the value
// the design holds before any message appears.
void TCoilAnalysisDlg::enterInput(std::size_t index)
{
    QLineEdit* edit = edits_[index];
    if (!edit->isModified()) return;
    edit->setModified(false);
    const SurroundingsInput& input = kSurroundingsInputs[index];
    const SurroundingsEntry entry =
        enterSurroundings(calc_.design, topLoadPlacement(calc_.form), input, edit->text().toStdString(), calc_.lengthUnit);
    edit->setText(QString::fromStdString(surroundingsText(calc_.design.surroundings, input, calc_.lengthUnit)));
    shownSurroundings_ = calc_.design.surroundings;
    if (!entry.taken) warn(calc_, entry.message);
    follow();
}

// An opened design brings its own surroundings; a field the user is typing in is left alone.
void TCoilAnalysisDlg::syncInputs()
{
    // The main window's Inches / Millimetres switch rewrites every input and its unit.
    const bool unitChanged = shownUnit_ != calc_.lengthUnit || !shownSurroundings_;
    if (!unitChanged && shownSurroundings_ == calc_.design.surroundings) return;
    shownSurroundings_ = calc_.design.surroundings;
    shownUnit_ = calc_.lengthUnit;
    for (std::size_t i = 0; i < kSurroundingsInputs.size(); ++i) {
        const std::string_view unit = surroundingsUnit(kSurroundingsInputs[i], shownUnit_);
        units_[i]->setText(QString::fromUtf8(unit.data(), static_cast<qsizetype>(unit.size())));
        if (!unitChanged && edits_[i]->hasFocus() && edits_[i]->isModified()) continue;
        edits_[i]->setText(QString::fromStdString(surroundingsText(calc_.design.surroundings, kSurroundingsInputs[i], calc_.lengthUnit)));
    }
}

void TCoilAnalysisDlg::showSolution(const std::shared_ptr<const AnalysisSolution>& solution)
{
    // A solution overtaken by a newer request waits for that one, unless nothing is shown yet.
    if (solution->generation < shown_) return;
    solution_ = solution;
    shown_ = solution->generation;
    drawing_->showSolution(*solution);
    const bool current = shown_ == requested_;
    const QString fieldStatus = QString::fromStdString(solution->analysis.status);
    status_->setText(!current ? tr("Solving the field...")
                     : solution->analysis.ok() ? tr("Field solution up to date.")
                                               : tr("No field solution: %1").arg(fieldStatus));
    showFigures();
}

// The table is rebuilt only when a figure in it changed, so an idle window costs the pass nothing.
void TCoilAnalysisDlg::showFigures()
{
    const ClassicFigures classic = classicFigures(calc_);
    if (shownClassic_ && sameFigures(classic, *shownClassic_) && tableGeneration_ == shown_) return;
    shownClassic_ = classic;
    tableGeneration_ = shown_;
    const QString html = figuresHtml(classic, solution_ ? &solution_->analysis : nullptr);
    if (html == shownFiguresHtml_) return;
    shownFiguresHtml_ = html;
    figures_->setHtml(html);
    fitFiguresToTable();
}

// The table always shows whole: the browser is as wide as the table (its cells do not wrap) with
// room for a scroll bar, and as tall as the table and the notes below it laid out at that width.
// The notes wrap, so a long reason makes the window taller, never wider, and no taller than the
// screen: beyond that the notes scroll. The minimum is set afresh each time, so it shrinks back
// when a note goes.
void TCoilAnalysisDlg::fitFiguresToTable()
{
    QTextDocument measured;
    measured.setDefaultFont(figures_->document()->defaultFont());
    measured.setDocumentMargin(figures_->document()->documentMargin());
    measured.setHtml(shownFiguresHtml_);
    measured.setTextWidth(1); // only the table's unbreakable cells decide the width
    const double tableWidth = measured.idealWidth();
    measured.setTextWidth(tableWidth);
    const int frame = 2 * figures_->frameWidth();
    const int scrollBar = figures_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, figures_);
    const int wantedHeight = static_cast<int>(std::ceil(measured.size().height())) + frame;
    figures_->setMinimumSize(static_cast<int>(std::ceil(tableWidth)) + frame + scrollBar,
                             std::min(wantedHeight, figuresHeightRoom()));
}

// The height the screen leaves the table once the inputs, the status line, the margins and the
// window's frame have theirs; never less than a few lines, so a tiny screen still shows some.
int TCoilAnalysisDlg::figuresHeightRoom() const
{
    const int frameHeight = std::max(frameGeometry().height() - height(), kFrameAllowancePixels);
    const QMargins margins = layout()->contentsMargins();
    const int figuresNow = std::max(figures_->minimumHeight(), figures_->minimumSizeHint().height());
    const int others = column_->minimumSize().height() - figuresNow + margins.top() + margins.bottom();
    const int room = screen()->availableGeometry().height() - frameHeight - others;
    return std::max(room, kFewLinesOfFigures * fontMetrics().lineSpacing());
}

QString TCoilAnalysisDlg::figuresText() const { return figures_->toPlainText(); }

} // namespace qv
