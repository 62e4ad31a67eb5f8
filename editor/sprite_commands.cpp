#include "handlers.h"

#include "pixel_op.h"
#include "refresh.h"

namespace kobalin {

namespace {

// Applies change to every cell of the active rows, top row first.
template <typename CellChange> void SweepActiveCells(WindowState& state, CellChange change) {
    for (std::int16_t row = 0; row < Rows; ++row) {
        for (std::int16_t column = 0; column < Columns; ++column) {
            if (IsActiveRow(state, row)) {
                change(CellIndex(row, column));
            }
        }
    }
}

void FillAfterConfirmation(WindowState& state, Platform& platform, PixelMode mode) {
    if (platform.ask(ConfirmationPrompt) != Answer::Yes) {
        return;
    }
    SweepActiveCells(state, [&](std::int16_t index) { PixelOp(state, index, mode); });
    FullRefresh(state);
}

} // namespace

void Command1_Click(WindowState& state, Platform& platform) {
    FillAfterConfirmation(state, platform, PixelMode::Clear);
}

void Command3_Click(WindowState& state, Platform& platform) {
    FillAfterConfirmation(state, platform, PixelMode::Set);
}

void Command2_Click(WindowState& state) {
    SweepActiveCells(state, [&](std::int16_t index) {
        const bool clear = PixelOp(state, index, PixelMode::Query) == 0;
        PixelOp(state, index, clear ? PixelMode::Set : PixelMode::Clear);
    });
    FullRefresh(state);
}

void Command7_Click(WindowState& state) {
    FullRefresh(state);
    state.Label5 = "0000";
    state.Label6 = "0000";
}

void Check2_Click(WindowState& state) {
    const BorderStyle border = state.Check2 == 1 ? BorderStyle::Single : BorderStyle::None;
    for (Cell& cell : state.Picture1) {
        cell.border = border;
    }
}

void Command4_Click(Platform& platform) {
    platform.quit();
}

} // namespace kobalin
