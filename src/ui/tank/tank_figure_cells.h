#pragma once
// The Tank Circuit's figures as the window lays them out: each section's figures under their
// captions, the tap's classic and as-it-stands figures side by side in one row, and the lines that
// say in words what to build and where to tap. A figure without a value shows its reason, never a
// number that is not one.

#include "core/design.h"
#include "tank/tank_circuit.h"

#include <QString>

#include <vector>

class QGridLayout;
class QLabel;
class QWidget;

namespace qv {

struct FigureCell {
    const tank::TankFigureRow* row;
    QLabel* label;
};

// The section's caption in the window, and a note under its figures (empty for none).
QString sectionTitle(tank::TankSection section);
QString sectionNote(tank::TankSection section);

// Adds the section's figures to grid below its last row, in the table's order, and the cells that
// show them to cells. Labels are named after the figures.
void addFigureRows(tank::TankSection section, QGridLayout* grid, QWidget* parent, std::vector<FigureCell>& cells);

// What a cell shows: the value with its unit, the verdict, or why there is no value (shown in grey).
QString cellText(const tank::TankFigures& figures, const tank::TankFigureRow& row, LengthUnit unit);
bool isReason(const tank::TankFigures& figures, const tank::TankFigureRow& row);

// In words: which capacitor the tank uses, or the bank to build; and where to tap.
QString capacitorSummary(const tank::TankFigures& figures, const TankInputs& inputs, LengthUnit unit);
QString tapSummary(const tank::TankFigures& figures, LengthUnit unit);

} // namespace qv
