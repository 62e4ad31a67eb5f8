// Start-up and memory of a program as the X server sees it: starts the
// program, and times from the fork to the mapping of its 381 x 140 top-level
// window and to the first drawing into that window (the first XDamage
// report). At the first drawing it reads the program's peak resident and
// private memory from /proc. Programs are run in turns, A B C A B C ..., so
// that every program meets the same noise.
//
// Usage: bench_startup [--runs N] [--warmup N] [--wrapper "COMMAND ARGS"] NAME=PROGRAM ...
// The first program is the one under test; it is compared with each other.
// A wrapper (such as valgrind) starts each program; it is split at spaces.

#include "layout_table.h"
#include "stats.h"

// Xlib last: its macros (None, Bool, Status) clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using kobalin::bench::Summarize;
using kobalin::bench::Summary;
using kobalin::bench::Verdict;

// Generous: a program started by valgrind takes seconds to show its window.
constexpr auto RunTimeout = std::chrono::seconds(60);

struct Program {
    std::string name;
    std::vector<std::string> command; // the wrapper's words, then the program
};

struct Sample {
    double mappedMs = 0;
    double paintedMs = 0;
    double cpuMs = 0; // processor time of all its threads, less noisy than the wall clock
    double peakMiB = 0;
    double privateDirtyMiB = 0;
    double anonymousMiB = 0;
};

// A "Key:   1234 kB" line of a /proc file, in MiB.
double ReadMiB(const std::string& path, const std::string& key) {
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (line.starts_with(key + ":")) {
            std::istringstream fields(line.substr(key.size() + 1));
            double kib = 0;
            fields >> kib;
            return kib / 1024;
        }
    }
    throw std::runtime_error("no " + key + " in " + path);
}

double CpuMs(pid_t pid) {
    clockid_t clock = 0;
    timespec time{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &time) != 0) {
        throw std::runtime_error("cannot read the program's processor time");
    }
    return double(time.tv_sec) * 1e3 + double(time.tv_nsec) / 1e6;
}

void ReadMemory(pid_t pid, Sample& sample) {
    const std::string proc = "/proc/" + std::to_string(pid);
    sample.peakMiB = ReadMiB(proc + "/status", "VmHWM");
    sample.privateDirtyMiB = ReadMiB(proc + "/smaps_rollup", "Private_Dirty");
    sample.anonymousMiB = ReadMiB(proc + "/smaps_rollup", "Anonymous");
}

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

XDamageNotifyEvent AsDamage(const XEvent& event) {
    XDamageNotifyEvent damage;
    static_assert(sizeof damage <= sizeof event);
    std::memcpy(&damage, &event, sizeof damage);
    return damage;
}

// Errors about windows of earlier runs that are gone by now are expected.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

class Probe {
public:
    Probe() : display_(XOpenDisplay(nullptr)) {
        if (display_ == nullptr) {
            throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
        }
        int errorBase = 0;
        if (!XDamageQueryExtension(display_, &damageEventBase_, &errorBase)) {
            XCloseDisplay(display_);
            throw std::runtime_error("the X server has no DAMAGE extension");
        }
        XSetErrorHandler(IgnoreXError);
        // The started program must not inherit our connection.
        fcntl(ConnectionNumber(display_), F_SETFD, FD_CLOEXEC);
        // Top-level windows are children of the root: their creation and
        // mapping are reported to whoever watches the root's substructure.
        XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
        XSync(display_, False);
    }
    ~Probe() { XCloseDisplay(display_); }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    Sample run(const Program& program) {
        discardPendingEvents();
        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid < 0) {
            throw std::runtime_error("fork failed");
        }
        if (pid == 0) {
            std::vector<char*> arguments;
            for (const std::string& word : program.command) {
                arguments.push_back(const_cast<char*>(word.c_str()));
            }
            arguments.push_back(nullptr);
            execvp(arguments.front(), arguments.data());
            _exit(127);
        }
        try {
            Sample sample = watch(pid, start);
            stop(pid);
            return sample;
        } catch (...) {
            stop(pid);
            throw;
        }
    }

private:
    void discardPendingEvents() {
        XSync(display_, False);
        XEvent event;
        while (XPending(display_) > 0) {
            XNextEvent(display_, &event);
        }
    }

    Sample watch(pid_t pid, Clock::time_point start) {
        Window window = 0;
        std::optional<double> mapped;
        Sample sample;
        for (;;) {
            XEvent event;
            nextEvent(pid, start, event);
            if (event.type == CreateNotify && window == 0 &&
                event.xcreatewindow.width == kobalin::layout::ClientSize.width() &&
                event.xcreatewindow.height == kobalin::layout::ClientSize.height()) {
                // Watch for drawing from before the mapping, so no paint is missed.
                window = event.xcreatewindow.window;
                XDamageCreate(display_, window, XDamageReportNonEmpty);
            } else if (event.type == MapNotify && window != 0 && event.xmap.window == window) {
                mapped = MsSince(start);
            } else if (event.type == damageEventBase_ + XDamageNotify && mapped &&
                       AsDamage(event).drawable == window) {
                sample.paintedMs = MsSince(start);
                sample.mappedMs = *mapped;
                sample.cpuMs = CpuMs(pid);
                ReadMemory(pid, sample);
                return sample;
            }
        }
    }

    void nextEvent(pid_t pid, Clock::time_point start, XEvent& event) {
        while (XPending(display_) == 0) {
            if (Clock::now() - start > RunTimeout) {
                throw std::runtime_error("no window painted within the time limit");
            }
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                throw std::runtime_error("the program ended before painting its window");
            }
            pollfd connection{ConnectionNumber(display_), POLLIN, 0};
            poll(&connection, 1, 10);
        }
        XNextEvent(display_, &event);
    }

    static void stop(pid_t pid) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }

    Display* display_;
    int damageEventBase_ = 0;
};

struct Options {
    int runs = 15;
    int warmup = 2;
    std::vector<std::string> wrapper;
    std::vector<Program> programs;
};

std::vector<std::string> Words(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

Options Parse(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--runs" || argument == "--warmup") && i + 1 < argc) {
            (argument == "--runs" ? options.runs : options.warmup) = std::atoi(argv[++i]);
        } else if (argument == "--wrapper" && i + 1 < argc) {
            options.wrapper = Words(argv[++i]);
        } else if (const auto equals = argument.find('='); equals != std::string::npos) {
            Program program{argument.substr(0, equals), options.wrapper};
            program.command.push_back(argument.substr(equals + 1));
            options.programs.push_back(program);
        } else {
            throw std::invalid_argument("unknown argument " + argument);
        }
    }
    if (options.programs.empty() || options.runs < 1 || options.warmup < 0) {
        throw std::invalid_argument(
            "usage: bench_startup [--runs N] [--warmup N] [--wrapper COMMAND] NAME=PROGRAM ...");
    }
    return options;
}

struct Results {
    Summary mapped;
    Summary painted;
    Summary cpu;
    Summary peak;
    Summary privateDirty;
    Summary anonymous;
};

Results Summarize(const std::vector<Sample>& samples) {
    const auto of = [&samples](double Sample::*field) {
        std::vector<double> values;
        for (const Sample& sample : samples) {
            values.push_back(sample.*field);
        }
        return Summarize(values);
    };
    return {of(&Sample::mappedMs), of(&Sample::paintedMs),       of(&Sample::cpuMs),
            of(&Sample::peakMiB),  of(&Sample::privateDirtyMiB), of(&Sample::anonymousMiB)};
}

void PrintTable(const Options& options, const std::vector<Results>& results) {
    std::printf("| Start-up, runs each: %d | mapped, ms | first paint, ms | CPU to first paint, ms "
                "| peak RSS, MiB | private dirty, MiB | anonymous, MiB |\n",
                options.runs);
    std::printf("|---|---|---|---|---|---|---|\n");
    const auto range = [](const Summary& s) {
        char text[64];
        std::snprintf(text, sizeof text, "%.1f (%.1f–%.1f)", s.median, s.min, s.max);
        return std::string(text);
    };
    for (std::size_t i = 0; i < results.size(); ++i) {
        const Results& r = results[i];
        std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", options.programs[i].name.c_str(),
                    range(r.mapped).c_str(), range(r.painted).c_str(), range(r.cpu).c_str(),
                    range(r.peak).c_str(), range(r.privateDirty).c_str(),
                    range(r.anonymous).c_str());
    }
    const Results& subject = results.front();
    for (std::size_t i = 1; i < results.size(); ++i) {
        const Results& base = results[i];
        std::printf("| %s / %s | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f |\n",
                    options.programs.front().name.c_str(), options.programs[i].name.c_str(),
                    subject.mapped.median / base.mapped.median,
                    subject.painted.median / base.painted.median,
                    subject.cpu.median / base.cpu.median, subject.peak.median / base.peak.median,
                    subject.privateDirty.median / base.privateDirty.median,
                    subject.anonymous.median / base.anonymous.median);
    }
}

// The targets hold against the floor, the second program.
void PrintTargets(const Options& options, const std::vector<Results>& results) {
    if (results.size() < 2) {
        return;
    }
    const Results& subject = results[0];
    const Results& floor = results[1];
    const std::string versus = options.programs[0].name + " / " + options.programs[1].name;
    const double paint = subject.painted.median / floor.painted.median;
    const double peak = subject.peak.median / floor.peak.median;
    const double dirty = subject.privateDirty.median / floor.privateDirty.median;
    const double anonymous = subject.anonymous.median / floor.anonymous.median;
    std::printf("\n| Target (%s) | ratio | target | result |\n|---|---|---|---|\n", versus.c_str());
    std::printf("| first paint | %.2f | ≤ 1.10 | %s |\n", paint, Verdict(paint <= 1.10));
    std::printf("| peak RSS | %.2f | ≤ 1.10 | %s |\n", peak, Verdict(peak <= 1.10));
    std::printf("| private dirty | %.2f | ≤ 1.30 | %s |\n", dirty, Verdict(dirty <= 1.30));
    std::printf("| anonymous | %.2f | ≤ 1.30 | %s |\n", anonymous, Verdict(anonymous <= 1.30));
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        const Options options = Parse(argc, argv);
        Probe probe;
        // The first starts after a cold page cache are slow: run, then forget.
        for (int round = 0; round < options.warmup; ++round) {
            for (const Program& program : options.programs) {
                probe.run(program);
            }
        }
        std::vector<std::vector<Sample>> samples(options.programs.size());
        for (int round = 0; round < options.runs; ++round) {
            for (std::size_t i = 0; i < options.programs.size(); ++i) {
                samples[i].push_back(probe.run(options.programs[i]));
            }
        }
        std::vector<Results> results;
        for (const std::vector<Sample>& program : samples) {
            results.push_back(Summarize(program));
        }
        PrintTable(options, results);
        PrintTargets(options, results);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_startup: %s\n", error.what());
        return 1;
    }
    return 0;
}
