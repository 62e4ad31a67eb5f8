#pragma once

#include "window_state.h"

namespace kobalin {

// Re-encodes rows 0 to 8 in order, active or not, then rebuilds the
// declaration. Afterwards Label5 and Label6 show the nibbles of row 8.
void FullRefresh(WindowState& state);

} // namespace kobalin
