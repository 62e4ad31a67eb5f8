#include "handlers.h"

#include "declaration.h"
#include "pixel_op.h"
#include "row_encoding.h"

#include <string>

namespace kobalin {

namespace {

std::int16_t RowOf(std::int16_t index) {
    return static_cast<std::int16_t>(index / Columns);
}
std::int16_t ColumnOf(std::int16_t index) {
    return static_cast<std::int16_t>(index % Columns);
}

// The position captions count from 1.
void ShowPosition(WindowState& state, std::int16_t index) {
    state.Label3 = std::to_string(ColumnOf(index) + 1);
    state.Label4 = std::to_string(RowOf(index) + 1);
}

} // namespace

void Picture1_MouseDown(WindowState& state, std::int16_t index) {
    ShowPosition(state, index);
    const bool clear = PixelOp(state, index, PixelMode::Query) == 0;
    PixelOp(state, index, clear ? PixelMode::Set : PixelMode::Clear);
    EncodeRow(state, RowOf(index));
    BuildDeclaration(state);
}

void Picture1_MouseMove(WindowState& state, std::int16_t index) {
    ShowPosition(state, index);
}

} // namespace kobalin
