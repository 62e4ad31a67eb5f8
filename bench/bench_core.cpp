// The editor core's handlers on their own, without any widget: what a press
// on a cell, "aktualisieren", "invertieren" and the height buttons cost.
//
// Usage: bench_core [--quick]

#include "handlers.h"
#include "stats.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using kobalin::WindowState;
using kobalin::bench::Summarize;
using kobalin::bench::Summary;
using kobalin::bench::TimeBatches;
using kobalin::bench::Verdict;

constexpr double TargetMicroseconds = 20;

// A sprite with something in every row, at height 9.
WindowState Drawn() {
    WindowState state;
    for (std::int16_t row = 0; row < kobalin::Rows; ++row) {
        kobalin::Picture1_MouseDown(state, static_cast<std::int16_t>(row * 8 + row % 8));
    }
    return state;
}

struct Case {
    const char* name;
    // Called over and over on one state; every call is a full user action.
    std::function<void(WindowState&)> action;
};

std::vector<Case> Cases() {
    return {
        {"Picture1_MouseDown (a press on cell 19, toggling)",
         [](WindowState& state) { kobalin::Picture1_MouseDown(state, 19); }},
        {"Command7_Click (aktualisieren: full refresh)",
         [](WindowState& state) { kobalin::Command7_Click(state); }},
        {"Command2_Click (invertieren, height 9)",
         [](WindowState& state) { kobalin::Command2_Click(state); }},
        // "-" from 9 to 8 and "+" back, so that every click changes the height.
        {"Command5_Click / Command6_Click (height 9 → 8 → 9, per click)",
         [](WindowState& state) {
             if (state.Text2 == "9") {
                 kobalin::Command5_Click(state);
             } else {
                 kobalin::Command6_Click(state);
             }
         }},
    };
}

} // namespace

int main(int argc, char* argv[]) {
    const bool quick = argc == 2 && std::string(argv[1]) == "--quick";
    const int callsPerBatch = quick ? 10 : 200;
    const int batches = quick ? 5 : 301;
    std::printf("| Core handler, median of %d batches of %d calls | median µs (min–max) | "
                "target < %.0f µs |\n|---|---|---|\n",
                batches, callsPerBatch, TargetMicroseconds);
    for (const Case& bench : Cases()) {
        WindowState state = Drawn();
        const auto action = [&] { bench.action(state); };
        TimeBatches(action, callsPerBatch, quick ? 1 : 20); // warm-up
        const Summary summary = Summarize(TimeBatches(action, callsPerBatch, batches));
        std::printf("| %s | %.2f (%.2f–%.2f) | %s |\n", bench.name, summary.median / 1000,
                    summary.min / 1000, summary.max / 1000,
                    Verdict(summary.median / 1000 < TargetMicroseconds));
    }
    return 0;
}
