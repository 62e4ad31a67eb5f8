#!/usr/bin/env bash
# Builds Kobalin and runs every test (installing what is missing): once in a
# plain build, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test
jobs=$(nproc)

run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DKOBALIN_WERROR=ON -DKOBALIN_TESTS=ON -DKOBALIN_E2E=ON \
        -DKOBALIN_BENCHMARKS=ON "$@"
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DKOBALIN_SANITIZE=ON
