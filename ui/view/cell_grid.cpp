#include "cell_grid.h"

#include "cell_widget.h"
#include "layout_table.h"

namespace kobalin {

CellGrid::CellGrid(QWidget* window) : QObject(window) {
    for (std::int16_t index = 0; index < CellCount; ++index) {
        auto* cell = new CellWidget(index, window);
        cell->setObjectName(QStringLiteral("Picture1_%1").arg(index));
        cell->setGeometry(layout::CellRect(index));
        connect(cell, &CellWidget::pressed, this, &CellGrid::pressed);
        connect(cell, &CellWidget::moved, this, &CellGrid::moved);
        connect(cell, &CellWidget::stepped, this, &CellGrid::focusNeighbour);
        cells_[static_cast<std::size_t>(index)] = cell;
    }
}

// A hidden row's cells are disabled too, and a disabled cell takes no focus.
void CellGrid::focusNeighbour(std::int16_t index, int rows, int columns) const {
    const int row = RowOf(index) + rows;
    const int column = ColumnOf(index) + columns;
    if (row < 0 || row >= Rows || column < 0 || column >= Columns) {
        return;
    }
    cells_[static_cast<std::size_t>(CellIndex(row, column))]->setFocus(Qt::OtherFocusReason);
}

} // namespace kobalin
