#pragma once

#include "window_state.h"

#include <QCheckBox>
#include <QString>

#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kobalin {

class CellWidget;

// A label that shows a value, heard after words that say what the value is.
struct Readout {
    QLabel* label = nullptr;
    QString wordsBefore;
};

// The controls that show the window state: show() is the one way a value of the state reaches
// a control, the take functions the one way the user's change (also through assistive
// technology) reaches the state. Only the user ticks the grid box: it is taken, never shown.
struct Mirror {
    std::array<CellWidget*, CellCount> cells{}; // Picture1
    std::array<Readout, Rows> rowBytes{};       // Label1
    Readout column, row, highNibble, lowNibble; // Label3 to Label6
    QPlainTextEdit* declaration = nullptr;      // Text1
    QLineEdit* height = nullptr;                // Text2
    QLineEdit* name = nullptr;                  // Text3
    QCheckBox* grid = nullptr;                  // Check2

    void show(const WindowState& state) const;
    void takeDeclaration(WindowState& state) const;
    void takeName(WindowState& state, qsizetype endOfChange) const;
    void takeTick(WindowState& state) const { state.Check2 = grid->isChecked() ? 1 : 0; }
};

} // namespace kobalin
