#pragma once

#include "window_state.h"

#include <QObject>

#include <array>

class QWidget;

namespace kobalin {

class CellWidget;

// The cells in their places in the window, reporting presses and moves with the cell's index.
// The grid knows which cell is next to which: an arrow key moves the focus to the neighbouring
// visible cell and stops at the edge.
class CellGrid : public QObject {
    Q_OBJECT

public:
    explicit CellGrid(QWidget* window);

    const std::array<CellWidget*, CellCount>& cells() const { return cells_; }

signals:
    void pressed(std::int16_t index);
    void moved(std::int16_t index);

private:
    void focusNeighbour(std::int16_t index, int rows, int columns) const;

    std::array<CellWidget*, CellCount> cells_{};
};

} // namespace kobalin
