#include "handlers.h"

namespace kobalin {

void Command8_Click(const WindowState& state, Platform& platform) {
    // A clipboard held by another program must not cost the user the sprite:
    // say so and go on.
    if (!platform.putOnClipboard(state.Text1)) {
        platform.showError(ClipboardFailedMessage);
    }
}

} // namespace kobalin
