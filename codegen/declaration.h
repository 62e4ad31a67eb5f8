#pragma once

#include "window_state.h"

namespace kobalin {

// Rewrites Text1 as one line of C, from the name in Text3, the height in
// Text2 and the row hex captions of the active rows, e.g.
// "static unsigned char bild[] = {0x00,0x3C,0x00};". An empty name is
// written as XXXXX; any other name is used exactly as typed.
void BuildDeclaration(WindowState& state);

} // namespace kobalin
