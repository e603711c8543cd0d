#pragma once
// The tool bar of the main window: its buttons left to right, each with its picture and hint.

#include <QToolBar>
#include <QToolButton>

namespace qv {

struct ToolBarButtons {
    QToolButton* openFile;
    QToolButton* saveFile;
    QToolButton* print;
    QToolButton* about;
    QToolButton* credits; // BitBtn1
    QToolButton* help;    // BitBtn2
    QToolButton* netlist; // SpeedButton1
    QToolButton* analysis;
    QToolButton* tank;
    QToolButton* howItChanges;
    QToolButton* splash;
    QToolButton* converter; // SpeedButton2
    QToolButton* scratchOpen;
    QToolButton* scratchSave;
};

ToolBarButtons fillToolBar(QToolBar* bar);

} // namespace qv
