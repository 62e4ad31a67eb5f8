#include "handlers.h"

#include "declaration.h"
#include "pixel_op.h"
#include "row_encoding.h"

#include <string>

namespace kobalin {

namespace {

void ShowPosition(WindowState& state, std::int16_t index) {
    state.Label3 = std::to_string(CountedFromOne(ColumnOf(index)));
    state.Label4 = std::to_string(CountedFromOne(RowOf(index)));
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
