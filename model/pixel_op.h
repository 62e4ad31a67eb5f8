#pragma once

#include "window_state.h"

#include <cstdint>

namespace kobalin {

// What PixelOp does to a cell before it reports the cell's pixel state.
// Any value other than Clear and Set behaves like Query.
enum class PixelMode : std::int16_t { Clear = 0, Set = 1, Query = 2 };

// The one way to set, clear and read a pixel: the pixel is the fill colour of
// its cell. Returns 1 when the cell is exactly black afterwards, otherwise 0.
// Throws std::out_of_range for an index outside 0 to 71.
std::int16_t PixelOp(WindowState& state, std::int16_t index, PixelMode mode);

} // namespace kobalin
