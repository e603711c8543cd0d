#include "main_page.h"

#include "calc/field_stepping.h"
#include "field_edit.h"
#include "pictures.h"
#include "sheets.h"
#include "tab_rows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>

// The pictures live in a static library; its resources are registered by hand.
static void registerPictures() { Q_INIT_RESOURCE(resources); }

namespace qv {

namespace {
constexpr int kWindowFontPixels = 11;
// The tab widget's frame around a sheet, at each side.
constexpr int kPaneFrame = 2;
constexpr int kSheetsWidth = kSheetWidth + 2 * kPaneFrame;
constexpr int kPaneHeight = kSheetHeight + 2 * kPaneFrame;
constexpr QSize kBeginButton{97, 24};
constexpr int kBeginMargin = 4;
constexpr int kScratchPadWidth = 288;
constexpr int kScratchHeadingHeight = 19;
constexpr int kColumnGap = 3;
static_assert(kClientWidth == kSheetsWidth + kColumnGap + kScratchPadWidth + kColumnGap);
constexpr int kStatusPanel0Width = 300;
constexpr const char* kProgramIcon = ":/icons/quorvane.png";
} // namespace

TMainPage::TMainPage(QWidget* parent)
    : QMainWindow(parent), mainLoopTimer_(new QTimer(this)), calc_(*this), dialogs_(this),
      binding_(calc_, [this] { refreshView(); }, [this](ControlId id, bool up) { spinClicked(id, up); })
{
    registerPictures();
    setObjectName("MainPage");
    QFont small = font();
    small.setPixelSize(kWindowFontPixels);
    setFont(small);
    setWindowTitle(kWindowCaption);
    setWindowIcon(QIcon(kProgramIcon));
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_AlwaysShowToolTips);

    mainLoopTimer_->setObjectName("MainLoopTimer");
    mainLoopTimer_->setInterval(kPassIntervalMs);
    connect(mainLoopTimer_, &QTimer::timeout, this, &TMainPage::Main_Loop1);

    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName("ToolBar");
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    addToolBar(toolBar_);
    buttons_ = fillToolBar(toolBar_);
    connectToolBar();
    unitSwitch_ = addUnitSwitch(toolBar_);
    for (const auto& [button, unit] : {std::pair{unitSwitch_.inches, LengthUnit::Inches},
                                       std::pair{unitSwitch_.millimetres, LengthUnit::Millimetres}}) {
        connect(button, &QToolButton::clicked, this, [this, unit] {
            finishEditing();
            setLengthUnit(unit);
            rememberLengthUnit(unit);
        });
    }
    // The desktop's quit key, from any window of the program; closing asks about unsaved work.
    // Some desktops bind none; Ctrl+Q is then the key users try.
    const QKeySequence desktopQuit(QKeySequence::Quit);
    auto* quit = new QShortcut(desktopQuit.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : desktopQuit, this);
    quit->setObjectName("QuitShortcut");
    quit->setContext(Qt::ApplicationShortcut);
    connect(quit, &QShortcut::activated, this, &QWidget::close);

    auto* area = new QWidget(this);
    setCentralWidget(area);
    // A click on empty space takes the focus, which ends an edit as leaving the field does.
    area->setFocusPolicy(Qt::ClickFocus);
    buildSheets(area);
    buildStartPicture(area);
    buildScratchPad(area);
    buildStatusBar();
    area->setFixedSize(kClientWidth, pages_->geometry().bottom() + 1);

    binding_.bind(this);
    binding_.setEnterTarget(toolBar_);
    binding_.syncAll();
    showRunning(false);
    refreshView();
    saved_.takeDesign(calc_);
    saved_.takeScratchPad(calc_);

    // The tool bar and the status bar take what they need above and below the client area,
    // so neither covers any of it.
    setFixedSize(sizeHint());
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    beginButton_->setFocus();
}

TMainPage::~TMainPage() = default;

void TMainPage::buildSheets(QWidget* area)
{
    pages_ = new QTabWidget(area);
    pages_->setObjectName("MainPages");
    pages_->addTab(new PrimarySheet, toQt(caption(Sheet::PrimarySheet)));
    pages_->addTab(new SecondarySheet, toQt(caption(Sheet::SecondarySheet)));
    pages_->addTab(new TransCapSheet, toQt(caption(Sheet::TransCapSheet)));
    pages_->addTab(new TopLoadCSheet, toQt(caption(Sheet::TopLoadCSheet)));
    pages_->addTab(new ReferenceSheet, toQt(caption(Sheet::ReferenceSheet)));
    pages_->addTab(new SparkGapSheet, toQt(caption(Sheet::SparkGapSheet)));
    pages_->addTab(new PowerOutputSheet, toQt(caption(Sheet::TabSheet1)));
    for (int i = 0; i < pages_->count(); ++i) pages_->widget(i)->setFocusPolicy(Qt::ClickFocus);
    // Seven captions are wider than the sheets: two rows of tabs show every one whole.
    constexpr int kFirstRowTabs = 4;
    auto* rows = new TabRows(pages_, kFirstRowTabs, area);
    rows->setGeometry(0, 0, kSheetsWidth, rows->rowsHeight());
    tabRows_ = rows;
    pages_->setGeometry(0, rows->rowsHeight(), kSheetsWidth, kPaneHeight);
    parameters_ = pages_->findChild<QListWidget*>("Parameters");
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0) calc_.form.activeSheet = static_cast<Sheet>(index);
    });
}

void TMainPage::buildStartPicture(QWidget* area)
{
    const int bottom = pages_->geometry().bottom() + 1;
    auto* panel = new QFrame(area);
    panel->setObjectName("LogoPanel");
    panel->setGeometry(0, 0, kSheetsWidth, bottom - kBeginButton.height() - 2 * kBeginMargin);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* logo = new QLabel(panel);
    logo->setObjectName("LogoBMP");
    logo->setGeometry(panel->contentsRect());
    logo->setAlignment(Qt::AlignCenter);
    logo->setPixmap(picture(":/pictures/start.png", logo->size()));
    logoPanel_ = panel;

    beginButton_ = new QPushButton("BEGIN", area);
    beginButton_->setObjectName("BeginButton");
    beginButton_->setGeometry(QRect(QPoint((kSheetsWidth - kBeginButton.width()) / 2,
                                           bottom - kBeginButton.height() - kBeginMargin),
                                    kBeginButton));
    beginButton_->setToolTip("Start Program");
    beginButton_->setDefault(true);
    connect(beginButton_, &QPushButton::clicked, this, &TMainPage::BeginButtonClick);
}

void TMainPage::buildScratchPad(QWidget* area)
{
    const int left = kSheetsWidth + kColumnGap;
    auto* heading = new QLabel("Scratch Pad", area);
    heading->setGeometry(left + 4, 2, kScratchPadWidth - 4, kScratchHeadingHeight - 3);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    QPalette palette = heading->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
    heading->setPalette(palette);

    scratchPad_ = new QPlainTextEdit(area);
    scratchPad_->setObjectName("ScratchPad");
    scratchPad_->setGeometry(left, kScratchHeadingHeight, kScratchPadWidth,
                             pages_->geometry().bottom() + 1 - kScratchHeadingHeight);
    scratchPad_->setLineWrapMode(QPlainTextEdit::NoWrap);
    scratchPad_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scratchPad_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scratchPad_->setFont(fieldFont());
    connect(scratchPad_, &QPlainTextEdit::textChanged, this, [this] {
        // The document keeps its lines apart with paragraph separators; the model with '\n'.
        QString text = scratchPad_->document()->toRawText();
        text.replace(QChar::ParagraphSeparator, u'\n');
        calc_.scratchPad = fromQt(text);
    });
}

void TMainPage::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar");
    bar->setSizeGripEnabled(false);
    bar->setFocusPolicy(Qt::ClickFocus);
    for (int i = 0; i < 2; ++i) {
        statusPanels_[i] = new QLabel(bar);
        statusPanels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
    }
    statusPanels_[0]->setFixedWidth(kStatusPanel0Width);
    statusPanels_[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusPanels_[0]->setFrameShape(QFrame::Panel);
    statusPanels_[0]->setFrameShadow(QFrame::Sunken);
    statusPanels_[1]->setFrameShape(QFrame::Panel);
    statusPanels_[1]->setFrameShadow(QFrame::Sunken);
    bar->addWidget(statusPanels_[0]);
    bar->addWidget(statusPanels_[1], 1);
}

void TMainPage::connectToolBar()
{
    const std::pair<QToolButton*, void (TMainPage::*)()> handlers[] = {
        {buttons_.openFile, &TMainPage::OpenFileButtonClick},
        {buttons_.saveFile, &TMainPage::SaveFileButtonClick},
        {buttons_.print, &TMainPage::PrintButtonClick},
        {buttons_.about, &TMainPage::AboutButtonClick},
        {buttons_.credits, &TMainPage::BitBtn1Click},
        {buttons_.help, &TMainPage::BitBtn2Click},
        {buttons_.netlist, &TMainPage::SpeedButton1Click},
        {buttons_.analysis, &TMainPage::CoilAnalysisButtonClick},
        {buttons_.tank, &TMainPage::TankCircuitButtonClick},
        {buttons_.howItChanges, &TMainPage::HowItChangesButtonClick},
        {buttons_.splash, &TMainPage::SplashButtonClick},
        {buttons_.converter, &TMainPage::SpeedButton2Click},
        {buttons_.scratchOpen, &TMainPage::ScratchOpenButtonClick},
        {buttons_.scratchSave, &TMainPage::SaveScratchSaveButtonClick},
    };
    for (const auto& [button, handler] : handlers) {
        connect(button, &QToolButton::clicked, this, [this, method = handler] {
            finishEditing();
            (this->*method)();
        });
    }
}

void TMainPage::showRunning(bool running)
{
    pages_->setVisible(running);
    tabRows_->setVisible(running);
    toolBar_->setEnabled(running);
    beginButton_->setVisible(!running);
    buttons_.credits->setEnabled(running);
    buttons_.help->setEnabled(running);
    logoPanel_->setVisible(!running);
}

QWidget* TMainPage::sheets() const { return pages_; }

void TMainPage::BeginButtonClick()
{
    const bool firstStart = calc_.startNoticeShown;
    qv::BeginButtonClick(calc_);
    // The emptied pad is where the user's notes start.
    if (firstStart) saved_.takeScratchPad(calc_);
    showRunning(true);
    QFont bold = statusBar()->font();
    bold.setBold(true);
    statusBar()->setFont(bold);
    refreshView();
    // The start notice is no note of the user's to take back.
    if (firstStart) scratchPad_->document()->clearUndoRedoStacks();
    // BEGIN had the focus; it goes to the sheets' tabs rather than into a field.
    pages_->setFocus(Qt::OtherFocusReason);
}

void TMainPage::SplashButtonClick()
{
    qv::SplashButtonClick(calc_);
    showRunning(false);
    QFont bold = statusBar()->font();
    bold.setBold(true);
    statusBar()->setFont(bold);
    refreshView();
    beginButton_->setFocus(Qt::OtherFocusReason);
}

void TMainPage::keyPressEvent(QKeyEvent* event)
{
    // BEGIN is the window's default and cancel button while it shows. Enter reaches this point
    // only when the focused control left it unused, so the scratch pad keeps its line breaks.
    const int key = event->key();
    const bool pressesBegin = key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (pressesBegin && beginButton_->isVisible()) {
        event->accept();
        beginButton_->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TMainPage::Main_Loop1()
{
    qv::Main_Loop1(calc_);
    if (startDesignPending_) saved_.takeDesign(calc_);
    startDesignPending_ = false;
    refreshView();
}

void TMainPage::finishEditing()
{
    const bool ended = binding_.endOpenEdit();
    if (ended || calc_.timerRunning) Main_Loop1();
}

void TMainPage::spinClicked(ControlId button, bool up)
{
    if (!hasStepping(button)) return;
    spinClick(calc_, button, up ? SpinArrow::Up : SpinArrow::Down);
    refreshView();
}

void TMainPage::refreshView()
{
    // Moving the focus for the model can end an edit, which asks for a refresh of its own.
    if (syncing_) {
        resyncWanted_ = true;
        return;
    }
    syncing_ = true;
    do {
        resyncWanted_ = false;
        binding_.syncToView();
        syncStatus();
        syncSheet();
        syncScratchPad();
        syncReferenceList();
    } while (resyncWanted_);
    syncing_ = false;
}

void TMainPage::syncStatus()
{
    for (std::size_t i = 0; i < 2; ++i) {
        const QString text = toQt(calc_.form.statusPanels[i]);
        if (statusPanels_[i]->text() != text) statusPanels_[i]->setText(text);
    }
}

void TMainPage::syncSheet()
{
    const int wanted = static_cast<int>(calc_.form.activeSheet);
    if (pages_->currentIndex() != wanted) pages_->setCurrentIndex(wanted);
}

void TMainPage::syncScratchPad()
{
    if (shownScratchRevision_ == calc_.scratchPadRevision) return;
    const bool firstShow = shownScratchRevision_ == kNothingShown;
    shownScratchRevision_ = calc_.scratchPadRevision;
    if (firstShow) {
        scratchPad_->setPlainText(toQt(calc_.scratchPad));
        return;
    }
    // A netlist copied in or a file loaded replaces the user's notes: one step that Ctrl+Z
    // takes back, never a pad whose history starts over.
    QTextCursor cursor(scratchPad_->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(toQt(calc_.scratchPad));
    cursor.endEditBlock();
}

void TMainPage::syncReferenceList()
{
    const std::vector<std::string>& lines = calc_.referenceList;
    if (shownReference_.size() != lines.size()) {
        parameters_->clear();
        for (const std::string& line : lines) parameters_->addItem(toQt(line));
        shownReference_ = lines;
        return;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (shownReference_[i] == lines[i]) continue;
        shownReference_[i] = lines[i];
        parameters_->item(static_cast<int>(i))->setText(toQt(lines[i]));
    }
}

} // namespace qv
