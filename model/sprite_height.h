#pragma once

#include "window_state.h"

namespace kobalin {

// Brings the rows into line with the height in Text2: the cells and row
// captions of active rows are enabled and shown; inactive rows lose their
// pixels for good, their captions become "00", and all of it is hidden.
void ApplyHeight(WindowState& state);

} // namespace kobalin
