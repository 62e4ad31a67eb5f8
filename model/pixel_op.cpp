#include "pixel_op.h"

#include <stdexcept>
#include <string>

namespace kobalin {

std::int16_t PixelOp(WindowState& state, std::int16_t index, PixelMode mode) {
    if (index < 0 || index >= CellCount) {
        throw std::out_of_range("cell index " + std::to_string(index) + " outside 0 to 71");
    }
    Rgb& fill = state.Picture1[static_cast<std::size_t>(index)].fillColour;
    if (mode == PixelMode::Set) {
        fill = Black;
    } else if (mode == PixelMode::Clear) {
        fill = White;
    }
    return fill == Black ? 1 : 0;
}

} // namespace kobalin
