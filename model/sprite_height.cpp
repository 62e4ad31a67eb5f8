#include "sprite_height.h"

#include "pixel_op.h"

namespace kobalin {

namespace {

void ShowRow(WindowState& state, std::int16_t row) {
    for (std::int16_t column = 0; column < Columns; ++column) {
        Cell& cell = state.Picture1[static_cast<std::size_t>(CellIndex(row, column))];
        cell.enabled = true;
        cell.visible = true;
    }
    state.Label1[static_cast<std::size_t>(row)].visible = true;
}

void HideRow(WindowState& state, std::int16_t row) {
    for (std::int16_t column = 0; column < Columns; ++column) {
        const std::int16_t index = CellIndex(row, column);
        // Only set cells are written.
        if (PixelOp(state, index, PixelMode::Query) == 1) {
            PixelOp(state, index, PixelMode::Clear);
        }
        Cell& cell = state.Picture1[static_cast<std::size_t>(index)];
        cell.enabled = false;
        cell.visible = false;
    }
    RowCaption& caption = state.Label1[static_cast<std::size_t>(row)];
    caption.caption = "00";
    caption.visible = false;
}

} // namespace

void ApplyHeight(WindowState& state) {
    for (std::int16_t row = 0; row < Rows; ++row) {
        if (IsActiveRow(state, row)) {
            ShowRow(state, row);
        } else {
            HideRow(state, row);
        }
    }
}

} // namespace kobalin
