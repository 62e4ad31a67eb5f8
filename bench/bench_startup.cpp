// bench_startup PROGRAM [ARGUMENT...]: starts the program and prints, from the
// fork, the ms to the mapping of its window of Kobalin's size and to the first
// drawing into it (XDamage), then its peak RSS (VmHWM) and private memory
// (Private_Clean + Private_Dirty), in MiB, read at that first drawing.

#include "layout_table.h"

// Xlib last: its macros (None, Bool, Status) clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Generous: under valgrind a program takes seconds to show its window.
constexpr auto Timeout = std::chrono::seconds(60);

// The value of a "Key:   1234 kB" line of the program's file in /proc, in MiB.
double MiB(pid_t pid, const std::string& file, const std::string& key) {
    std::ifstream lines("/proc/" + std::to_string(pid) + "/" + file);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(key + ":")) {
            return std::stod(line.substr(key.size() + 1)) / 1024;
        }
    }
    throw std::runtime_error("no " + key + " in " + file);
}

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

Drawable Damaged(const XEvent& event) {
    XDamageNotifyEvent damage;
    static_assert(sizeof damage <= sizeof event);
    std::memcpy(&damage, &event, sizeof damage);
    return damage.drawable;
}

XEvent NextEvent(Display* display, pid_t pid, Clock::time_point start) {
    while (XPending(display) == 0) {
        if (Clock::now() - start > Timeout || waitpid(pid, nullptr, WNOHANG) == pid) {
            throw std::runtime_error("the program painted no window");
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 10);
    }
    XEvent event;
    XNextEvent(display, &event);
    return event;
}

void Measure(Display* display, int damageNotify, pid_t pid, Clock::time_point start) {
    Window window = 0;
    double mappedMs = -1;
    for (;;) {
        const XEvent event = NextEvent(display, pid, start);
        const XCreateWindowEvent& created = event.xcreatewindow;
        if (event.type == CreateNotify && window == 0 &&
            QSize(created.width, created.height) == kobalin::layout::ClientSize) {
            // Watched from before the mapping, so that no drawing is missed.
            window = created.window;
            XDamageCreate(display, window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && window != 0 && event.xmap.window == window) {
            mappedMs = MsSince(start);
        } else if (event.type == damageNotify && mappedMs >= 0 && Damaged(event) == window) {
            const double paintedMs = MsSince(start);
            std::printf("%.1f %.1f %.2f %.2f\n", mappedMs, paintedMs, MiB(pid, "status", "VmHWM"),
                        MiB(pid, "smaps_rollup", "Private_Clean") +
                            MiB(pid, "smaps_rollup", "Private_Dirty"));
            return;
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    Display* display = XOpenDisplay(nullptr);
    int damageBase = 0;
    int errorBase = 0;
    if (argc < 2 || display == nullptr ||
        !XDamageQueryExtension(display, &damageBase, &errorBase)) {
        std::fprintf(stderr,
                     "usage: bench_startup PROGRAM [ARGUMENT...] on a display with "
                     "DAMAGE (%s)\n",
                     XDisplayName(nullptr));
        return 2;
    }
    // Top-level windows are children of the root: watching its substructure
    // reports their creation and mapping.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("bench_startup: fork");
        return 1;
    }
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    try {
        Measure(display, damageBase + XDamageNotify, pid, start);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_startup: %s: %s\n", argv[1], error.what());
        status = 1;
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return status;
}
