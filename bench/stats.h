#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace kobalin::bench {

// Medians and ranges: on a shared, noisy machine the median of many samples
// is the figure worth comparing; the range shows how noisy the run was.
struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
};

inline Summary Summarize(std::vector<double> values) {
    if (values.empty()) {
        throw std::invalid_argument("no samples to summarize");
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    const double median =
        values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    return {median, values.front(), values.back()};
}

// Nanoseconds per call of action, one sample per batch of calls: batches keep
// the clock's own cost out of calls that take well under a microsecond.
template <typename Action>
std::vector<double> TimeBatches(Action action, int callsPerBatch, int batches) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(batches));
    for (int batch = 0; batch < batches; ++batch) {
        const auto start = Clock::now();
        for (int call = 0; call < callsPerBatch; ++call) {
            action();
        }
        const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
        samples.push_back(elapsed.count() / callsPerBatch);
    }
    return samples;
}

inline const char* Verdict(bool met) {
    return met ? "met" : "**missed**";
}

} // namespace kobalin::bench
