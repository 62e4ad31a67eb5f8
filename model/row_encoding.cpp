#include "row_encoding.h"

#include "pixel_op.h"

#include <stdexcept>
#include <string>

namespace kobalin {

namespace {

constexpr std::string_view HexDigits = "0123456789ABCDEF";

// Appends the digits of four adjacent cells, leftmost first, to caption.
void AppendNibble(WindowState& state, std::string& caption, std::int16_t row,
                  std::int16_t firstColumn) {
    for (std::int16_t column = firstColumn; column < firstColumn + 4; ++column) {
        caption += PixelOp(state, CellIndex(row, column), PixelMode::Query) == 1 ? '1' : '0';
    }
}

} // namespace

void EncodeRow(WindowState& state, std::int16_t row) {
    if (row < 0 || row >= Rows) {
        throw std::out_of_range("row " + std::to_string(row) + " outside 0 to 8");
    }
    state.Label5.clear();
    state.Label6.clear();
    AppendNibble(state, state.Label5, row, 0);
    AppendNibble(state, state.Label6, row, 4);
    // The hex digits are read back from the nibble captions just written.
    std::string hex;
    hex += HexDigits[static_cast<std::size_t>(BinaryToInteger(state.Label5))];
    hex += HexDigits[static_cast<std::size_t>(BinaryToInteger(state.Label6))];
    state.Label1[static_cast<std::size_t>(row)].caption = hex;
}

std::int16_t BinaryToInteger(std::string_view digits) {
    int value = 0;
    for (const char digit : digits) {
        if (digit != '0' && digit != '1') {
            throw std::invalid_argument("not a binary digit in \"" + std::string(digits) + "\"");
        }
        value = value * 2 + (digit - '0');
        if (value > INT16_MAX) {
            throw std::out_of_range("binary \"" + std::string(digits) + "\" exceeds 16 bits");
        }
    }
    return static_cast<std::int16_t>(value);
}

} // namespace kobalin
