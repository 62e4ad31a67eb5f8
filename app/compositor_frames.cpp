#include "compositor_frames.h"

#include <wayland-client.h>

#include <cstdint>
#include <string_view>

namespace kobalin {

namespace {

void Announced(void* offered, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
    if (std::string_view(interface) == "zxdg_decoration_manager_v1") {
        *static_cast<bool*>(offered) = true;
    }
}

void Withdrawn(void*, wl_registry*, std::uint32_t) {}

constexpr wl_registry_listener Globals{Announced, Withdrawn};

} // namespace

bool CompositorDrawsFrames() {
    wl_display* const display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return false;
    }
    bool offered = false;
    wl_registry* const registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &Globals, &offered);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered;
}

} // namespace kobalin
