#!/usr/bin/env bash
# Runs every Kobalin benchmark and prints the results as markdown tables.
#
#   bash bench/run.sh [--quick] [BUILD_DIR]
#
# Without BUILD_DIR it configures and builds a Release build in build-bench.
# --quick runs each benchmark once, briefly, so that CI sees they still work;
# its numbers mean nothing. Needs Xvfb, dbus-run-session and valgrind.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
quick=0
if [ "${1:-}" = --quick ]; then
    quick=1
    shift
fi
build_dir=${1:-}
if [ -z "$build_dir" ]; then
    build_dir=$source_dir/build-bench
    # Build messages go to stderr: stdout is the tables.
    {
        cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
        cmake --build "$build_dir" --target kobalin bench_bare bench_floor bench_startup \
            bench_press bench_core
    } >&2
fi
bench=$build_dir/bench
kobalin=$build_dir/app/kobalin

for tool in Xvfb:xvfb dbus-run-session:dbus valgrind:valgrind; do
    if ! command -v "${tool%%:*}" >/dev/null; then
        echo "run.sh: ${tool%%:*} is missing (Debian package ${tool#*:})" >&2
        exit 1
    fi
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A private X server on a free display; it names the display once it is ready.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
if ! read -r -t 20 display <"$work/display"; then
    echo "run.sh: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$display
# What a desktop session provides; without it Qt warns on every start.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Start-up is measured on the X server, as a user would start the program.
unset QT_QPA_PLATFORM

# Runs a command under its own session bus, so that no Qt start launches
# dbus-launch (and leaves a daemon behind); shows its messages only if it fails.
in_session() {
    local log=$work/messages.log
    if ! dbus-run-session -- "$@" 2>"$log"; then
        cat "$log" >&2
        echo "run.sh: failed: $*" >&2
        exit 1
    fi
}

if [ "$quick" -eq 1 ]; then
    runs=1 warmup=0 presses=4 quick_flag=(--quick)
else
    runs=21 warmup=3 presses=400 quick_flag=()
fi

echo "Machine: $(nproc) cores, load average at start $(cut -d' ' -f1-3 /proc/loadavg)."
if [ "$quick" -eq 1 ]; then
    echo "Quick run: every benchmark once, too briefly for its numbers to mean anything."
fi
echo
in_session "$bench/bench_startup" --runs "$runs" --warmup "$warmup" "kobalin=$kobalin" \
    "floor=$bench/bench_floor" "bare=$bench/bench_bare"
echo

# Instructions until the first paint, repeatable where times are not: each
# program started by callgrind and ended at its first paint, when callgrind
# writes its counts.
startup_instructions() {
    local name=$1 program=$2 out=$work/callgrind-start.$1
    in_session "$bench/bench_startup" --runs 1 --warmup 0 \
        --wrapper "valgrind --tool=callgrind --callgrind-out-file=$out" "$name=$program" >/dev/null
    awk '/^summary:/ { print $2 }' "$out"
}
if [ "$quick" -eq 0 ]; then
    kobalin_start=$(startup_instructions kobalin "$kobalin")
    floor_start=$(startup_instructions floor "$bench/bench_floor")
    bare_start=$(startup_instructions bare "$bench/bench_bare")
    awk -v k="$kobalin_start" -v f="$floor_start" -v b="$bare_start" 'BEGIN {
        printf "| Start-up, callgrind | instructions until first paint |\n|---|---|\n"
        printf "| kobalin | %d |\n| floor | %d |\n| bare | %d |\n", k, f, b
        printf "| kobalin / floor | %.2f |\n| kobalin / bare | %.2f |\n", k / f, k / b
    }'
    echo
fi

in_session env QT_QPA_PLATFORM=offscreen "$bench/bench_press" "${quick_flag[@]}"
echo

# Instructions of one press: callgrind counts only inside MeasuredPress.
instructions() {
    local window=$1 out=$work/callgrind.$1
    in_session env QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind \
        --toggle-collect='*MeasuredPress*' --callgrind-out-file="$out" \
        "$bench/bench_press" --count "$window" "$presses" >/dev/null
    awk -v presses="$presses" '/^summary:/ { printf "%.0f", $2 / presses }' "$out"
}
if [ "$quick" -eq 1 ]; then
    # Valgrind cannot run sanitized builds; the counting mode runs on its own.
    in_session env QT_QPA_PLATFORM=offscreen "$bench/bench_press" --count kobalin "$presses"
    in_session env QT_QPA_PLATFORM=offscreen "$bench/bench_press" --count floor "$presses"
else
    kobalin_ir=$(instructions kobalin)
    floor_ir=$(instructions floor)
    awk -v k="$kobalin_ir" -v f="$floor_ir" -v n="$presses" 'BEGIN {
        ratio = k / f
        printf "| Press, callgrind, %d presses each | instructions per press |\n", n
        printf "|---|---|\n| kobalin | %d |\n| floor | %d |\n| kobalin / floor | %.2f |\n", k, f, ratio
        printf "\n| Target | ratio | target | result |\n|---|---|---|---|\n"
        printf "| press instructions, kobalin / floor | %.2f | ≤ 1.30 | %s |\n", ratio,
            ratio <= 1.30 ? "met" : "**missed**"
    }'
fi
echo
"$bench/bench_core" "${quick_flag[@]}"
