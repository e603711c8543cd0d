#include "tool_bar.h"

#include <QIcon>
#include <QKeySequence>
#include <QShortcut>

namespace qv {

namespace {

constexpr int kIconPixels = 20;
constexpr int kWideGapPixels = 40;

struct ButtonSpec {
    const char* name;
    const char* caption; // only the BitBtn buttons show one
    const char* hint;
    const char* themeIcon;
    const char* fallbackIcon;
    QKeySequence::StandardKey key = QKeySequence::UnknownKey; // the desktop's own key for the command
};

// The desktop's key presses the button while the window is active and the button enabled; the
// hint names the key as this desktop writes it.
void bindKey(QToolBar* bar, QToolButton* button, QKeySequence::StandardKey key)
{
    if (key == QKeySequence::UnknownKey) return;
    const QKeySequence sequence(key);
    button->setToolTip(button->toolTip() + " (" + sequence.toString(QKeySequence::NativeText) + ")");
    auto* shortcut = new QShortcut(sequence, bar);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled()) button->click();
    });
}

QToolButton* addButton(QToolBar* bar, const ButtonSpec& entry)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(entry.name);
    button->setIcon(QIcon::fromTheme(entry.themeIcon, QIcon(entry.fallbackIcon)));
    button->setIconSize(QSize(kIconPixels, kIconPixels));
    if (*entry.caption) {
        button->setText(entry.caption);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    if (*entry.hint) button->setToolTip(entry.hint);
    button->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(button);
    bindKey(bar, button, entry.key);
    return button;
}

void addWideGap(QToolBar* bar)
{
    bar->addSeparator();
    auto* gap = new QWidget(bar);
    gap->setFixedWidth(kWideGapPixels);
    bar->addWidget(gap);
}

} // namespace

ToolBarButtons fillToolBar(QToolBar* bar)
{
    ToolBarButtons b{};
    b.openFile = addButton(bar, {"OpenFileButton", "", "Open Parameter File", "document-open", ":/icons/open.png", QKeySequence::Open});
    b.saveFile = addButton(bar, {"SaveFileButton", "", "Save Design Parameters", "document-save", ":/icons/save.png", QKeySequence::Save});
    b.print = addButton(bar, {"PrintButton", "", "Print Design Information", "document-print", ":/icons/print.png", QKeySequence::Print});
    bar->addSeparator();
    b.about = addButton(bar, {"AboutButton", "", "About Quorvane", "help-about", ":/icons/about.png"});
    b.credits = addButton(bar, {"BitBtn1", "Credits", "Show Credits Box", "", ":/icons/quorvane-32.png"});
    b.help = addButton(bar, {"BitBtn2", "Help", "Help", "help-contents", "", QKeySequence::HelpContents});
    bar->addSeparator();
    b.netlist = addButton(bar, {"SpeedButton1", "", "PSpice", "", ":/icons/netlist.png"});
    b.analysis = addButton(bar, {"CoilAnalysisButton", "", "Coil Analysis", "", ":/icons/analysis.png"});
    b.tank = addButton(bar, {"TankCircuitButton", "", "Tank Circuit", "", ":/icons/tank.png"});
    b.howItChanges = addButton(bar, {"HowItChangesButton", "", "How It Changes", "", ":/icons/how_it_changes.png"});
    bar->addSeparator();
    b.splash = addButton(bar, {"SplashButton", "", "SplashScreen", "", ":/icons/splash.png"});
    addWideGap(bar);
    b.converter = addButton(bar, {"SpeedButton2", "", "QuickConvert: inches and millimetres, feet and metres, degrees and radians", "", ":/icons/converter.png"});
    b.scratchOpen = addButton(bar, {"ScratchOpenButton", "", "Open Scratch Pad File", "", ":/icons/scratch_open.png"});
    b.scratchSave = addButton(bar, {"SaveScratchSaveButton", "", "Save Scratch Pad File", "", ":/icons/scratch_save.png"});
    return b;
}

} // namespace qv
