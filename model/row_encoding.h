#pragma once

#include "window_state.h"

#include <cstdint>
#include <string_view>

namespace kobalin {

// Writes row's two nibble texts into Label5 and Label6 (digits "0"/"1",
// leftmost column first) and its byte as two upper-case hex digits into
// Label1(row). Touches no cell. Throws std::out_of_range for a row outside 0 to 8.
void EncodeRow(WindowState& state, std::int16_t row);

// The value of a text of binary digits, the rightmost digit weighing 1.
// Throws std::invalid_argument for any other character and std::out_of_range
// when the value does not fit 16 bits.
std::int16_t BinaryToInteger(std::string_view digits);

} // namespace kobalin
