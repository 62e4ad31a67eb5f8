#include "window_state.h"

#include <charconv>
#include <stdexcept>

namespace kobalin {

double Height(const WindowState& state) {
    const std::string& text = state.Text2;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        throw std::logic_error("height is not a number: \"" + text + "\"");
    }
    return value;
}

bool IsActiveRow(const WindowState& state, std::int16_t row) {
    return Height(state) > row;
}

} // namespace kobalin
