#pragma once

namespace kobalin {

// Whether the Wayland compositor offers to draw the windows' frames itself
// (xdg-decoration), asked on a connection of its own. False if none is reached.
bool CompositorDrawsFrames();

} // namespace kobalin
