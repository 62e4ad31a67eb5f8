#pragma once

#include "window_state.h"

namespace kobalin {

// Re-encodes rows 0 to 8 in order, active or not, then rebuilds the
// declaration. EncodeRow works each row out in the nibble captions, so they
// show the row encoded last: the pressed row after a press, row 8 here.
void FullRefresh(WindowState& state);

} // namespace kobalin
