// Asks a top-level window to close, as a window manager does when the user
// clicks the close box: a WM_PROTOCOLS client message carrying
// WM_DELETE_WINDOW. The X servers of the end-to-end tests run no window
// manager, and xdotool's windowkill and windowclose destroy the window instead
// of asking it.
//
// Usage: close_window <window-id>   (decimal, or hexadecimal with 0x)

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

bool ParseWindowId(const char* text, Window& window) {
    char* end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(text, &end, 0);
    if (errno != 0 || end == text || *end != '\0' || value == 0) {
        return false;
    }
    window = value;
    return true;
}

// A client that does not list WM_DELETE_WINDOW would ignore the request, and a
// window manager would kill it instead: that is worth a failure of its own.
bool AcceptsDeleteWindow(Display* display, Window window, Atom deleteWindow) {
    Atom* protocols = nullptr;
    int count = 0;
    if (XGetWMProtocols(display, window, &protocols, &count) == 0) {
        return false;
    }
    bool found = false;
    for (int i = 0; i < count; ++i) {
        found = found || protocols[i] == deleteWindow;
    }
    XFree(protocols);
    return found;
}

void SendDeleteWindow(Display* display, Window window, Atom protocols, Atom deleteWindow) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

} // namespace

int main(int argc, char* argv[]) {
    Window window = 0;
    if (argc != 2 || !ParseWindowId(argv[1], window)) {
        std::fprintf(stderr, "usage: close_window <window-id>\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "close_window: cannot open the display\n");
        return 1;
    }
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    int status = 0;
    if (AcceptsDeleteWindow(display, window, deleteWindow)) {
        SendDeleteWindow(display, window, protocols, deleteWindow);
    } else {
        std::fprintf(stderr, "close_window: window 0x%lx does not take WM_DELETE_WINDOW\n", window);
        status = 1;
    }
    XCloseDisplay(display);
    return status;
}
