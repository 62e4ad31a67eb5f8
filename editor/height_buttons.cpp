#include "handlers.h"

#include "refresh.h"
#include "sprite_height.h"

#include <string>

namespace kobalin {

namespace {

void StepHeight(WindowState& state, int step) {
    const double height = Height(state);
    if (height + step >= 1 && height + step <= Rows) {
        state.Text2 = std::to_string(static_cast<int>(height) + step);
    }
    // Even a click that leaves the height as it was re-applies it.
    ApplyHeight(state);
    FullRefresh(state);
}

} // namespace

void Command5_Click(WindowState& state) {
    StepHeight(state, -1);
}

void Command6_Click(WindowState& state) {
    StepHeight(state, +1);
}

} // namespace kobalin
