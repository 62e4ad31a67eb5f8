#!/usr/bin/env bash
# bash bench/run.sh [--quick] [BUILD_DIR]: measures Kobalin, Qt's floor and a
# bare Qt window in one run, on X11 and on Wayland, prints one table of ratios
# and writes it into bench/RESULTS.md. Without BUILD_DIR it builds a Release
# build in build-bench. --quick runs every benchmark once, briefly, and writes
# nothing: its numbers mean nothing. Needs Xvfb, dbus-run-session, sway and
# qt6-wayland; valgrind counts instructions.
set -euo pipefail

# A session bus of its own: else a Qt start may launch dbus-launch and leave it.
if [ -z "${KOBALIN_BENCH_SESSION:-}" ]; then
    KOBALIN_BENCH_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi

here=$(cd "$(dirname "$0")" && pwd)
quick=0
if [ "${1:-}" = --quick ]; then
    quick=1
    shift
fi
build=${1:-}
if [ -z "$build" ]; then
    build=$(dirname "$here")/build-bench
    cmake -S "$here/.." -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOBALIN_BENCHMARKS=ON >&2
    cmake --build "$build" >&2
fi
bench=$build/bench
declare -A program=([kobalin]=$build/app/kobalin [floor]=$bench/bench_floor [bare]=$bench/bench_bare)
valgrind=$(command -v valgrind || true)
if [ "$quick" -eq 1 ]; then
    runs=1 warmup=0 timing=(-iterations 1) valgrind=
else
    runs=21 warmup=3 timing=(-median 5)
fi

# A private X server on a free display; it names the display once it is ready.
# It must not reset when its last client leaves: it would give up its display
# for a moment, and a neighbouring test's server could take it.
work=$(mktemp -d)
mkfifo "$work/display"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work" "${sway:-}"' EXIT
read -r -t 20 display <"$work/display" || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$display XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM QT_WAYLAND_DISABLE_WINDOWDECORATION QT_WAYLAND_CLIENT_BUFFER_INTEGRATION

# A headless sway, as the end-to-end story starts it; it refuses to run as root,
# so then it runs as the story's user, in a folder of its own.
sway=$(mktemp -d) as_user=()
if ((EUID == 0)); then
    useradd --system kobalin-e2e 2>/dev/null || id kobalin-e2e >/dev/null
    as_user=(setpriv --reuid=kobalin-e2e --regid=kobalin-e2e --init-groups)
    chown kobalin-e2e "$sway"
fi
echo 'xwayland disable' >"$sway/config"
export SWAYSOCK=$sway/ipc
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman XDG_RUNTIME_DIR=$sway \
    "${as_user[@]}" sway -c "$sway/config" 2>"$work/sway.log" &
for ((try = 0; try < 200; try++)); do swaymsg -q -t get_version 2>/dev/null && break; sleep 0.05; done
swaymsg -q -t get_version || { cat "$work/sway.log" >&2; exit 1; }
wayland=(env QT_QPA_PLATFORM=wayland "WAYLAND_DISPLAY=$(echo "$sway"/wayland-?)")
# sway tells of a window once it maps its first buffer; a reader of its events
# stamps that first frame and reads the program's peak RSS at once, in MiB.
mkfifo "$work/frames"
exec {frames}<>"$work/frames"
swaymsg -m -r -t subscribe '["window"]' 2>/dev/null | while IFS= read -r event; do
    [[ $event =~ \"change\":\ \"new\".*\"pid\":\ ([0-9]+) ]] || continue
    stamp=$EPOCHREALTIME
    while read -r key kib _ && [ "$key" != VmHWM: ]; do :; done </proc/"${BASH_REMATCH[1]}"/status
    echo "$stamp $((kib * 100 / 1024))"
done >"$work/frames" &
# Runs command $@ natively on sway and prints the ms to its first frame and its peak RSS then.
first_frame() {
    local start=$EPOCHREALTIME stamp centimib program
    "$@" &
    program=$!
    read -r -t 60 -u "$frames" stamp centimib || { echo "no frame from $*" >&2; exit 1; }
    kill "$program"
    wait "$program" || true
    awk -v s="$start" -v f="$stamp" -v m="$centimib" 'BEGIN { printf "%.1f %.2f\n", (f - s) * 1000, m / 100 }'
}
load=$(cut -d' ' -f1-3 /proc/loadavg)

# Start-up on the X server, the programs in turns so that all meet the same
# noise; the first rounds fill the page cache and are dropped.
for ((round = 0; round < warmup + runs; round++)); do
    for name in kobalin floor bare; do
        sample=$("$bench/bench_startup" "${program[$name]}")
        [ "$round" -lt "$warmup" ] || echo "$sample" >>"$work/start.$name"
    done
    # sway draws frames, so Kobalin leaves them to it: the floor once at Qt's
    # defaults and once with that same setting.
    for name in kobalin floor floor_set; do
        setting=()
        [ "$name" != floor_set ] || setting=(QT_WAYLAND_DISABLE_WINDOWDECORATION=1)
        sample=$(first_frame "${wayland[@]}" "${setting[@]}" "${program[${name%_set}]}")
        [ "$round" -lt "$warmup" ] || echo "$sample" >>"$work/wayland.$name"
    done
done
# The median of column $1 of samples $2 (start or wayland) of each program named after.
median() {
    local column=$1 kind=$2
    shift 2
    for name; do
        cut -d' ' -f"$column" "$work/$kind.$name" | sort -g |
            awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
    done
}
start() { median "$1" start kobalin floor bare; }
# Instructions to first paint: callgrind writes them when bench_startup ends the program.
start_instructions() {
    for name in kobalin floor bare; do
        "$bench/bench_startup" "$valgrind" --quiet --tool=callgrind \
            --callgrind-out-file="$work/callgrind.$name" "${program[$name]}" >/dev/null
        awk '/^summary:/ { print $2 }' "$work/callgrind.$name"
    done
}

# Runs Qt Test benchmark $2 offscreen, results in $work/$1.csv; its log if it fails.
qtest() {
    local name=$1 test=$2
    shift 2
    QT_QPA_PLATFORM=offscreen "$bench/$test" "$@" -o "$work/$name.txt,txt" \
        -o "$work/$name.csv,csv" || { cat "$work/$name.txt" >&2; exit 1; }
}
# The result of test function $2 in $work/$1.csv, times $3, printed as $4.
result() {
    awk -F, -v f="\"$2\"" -v scale="$3" -v format="$4" '$1 == f { printf format, $4 * scale }' \
        "$work/$1.csv"
}
qtest press bench_press "${timing[@]}"
qtest core bench_core "${timing[@]}"
if [ -n "$valgrind" ]; then
    # A whole cycle of presses, reported per press.
    qtest press_instructions bench_press -callgrind -iterations 4
fi

# A row: measure, values of Kobalin, floor and bare (or -), target for Kobalin ÷ floor.
row() {
    awk -v m="$1" -v k="$2" -v f="$3" -v b="$4" -v t="${5:-}" '
        function ratio(x) { return x == "-" || x == 0 ? "-" : sprintf("%.2f", k / x) }
        BEGIN {
            r = ratio(f)
            verdict = t == "" || r == "-" ? "" : "≤ " t ", " (k / f <= t ? "met" : "**missed**")
            printf "| %s | %s | %s | %s | %s | %s | %s |\n", m, k, f, b, r, ratio(b), verdict
        }'
}
{
    echo "Machine: $(nproc) cores, load average at start $load. Start-up: median of $runs" \
        "starts each; a press and the core: Qt Test, ${timing[*]}."
    [ "$quick" -eq 0 ] || echo "Quick run: every benchmark once; its numbers mean nothing."
    echo
    echo "| measure | Kobalin | floor | bare | Kobalin ÷ floor | Kobalin ÷ bare | target |"
    echo "|---|---|---|---|---|---|---|"
    row "first paint, ms" $(start 2) 1.10
    row "window mapped, ms" $(start 1)
    row "peak RSS at first paint, MiB" $(start 3) 1.10
    row "private memory at first paint, MiB" $(start 4) 1.30
    row "Wayland: first frame, ms" $(median 1 wayland kobalin floor) - 0.65
    row "Wayland: first frame, ms; floor with Kobalin's setting" $(median 1 wayland kobalin floor_set) - 1.10
    row "Wayland: peak RSS at first frame, MiB" $(median 2 wayland kobalin floor) - 0.45
    row "Wayland: peak RSS at first frame, MiB; floor with Kobalin's setting" \
        $(median 2 wayland kobalin floor_set) - 1.10
    if [ -n "$valgrind" ]; then
        row "instructions to first paint" $(start_instructions)
        row "one press, instructions" "$(result press_instructions kobalin 1 %.0f)" \
            "$(result press_instructions floor 1 %.0f)" - 1.30
    fi
    row "one press, µs" "$(result press kobalin 1000 %.1f)" "$(result press floor 1000 %.1f)" -
    for handler in Picture1_MouseDown Command7_Click Command2_Click Command5_Click_Command6_Click; do
        row "core: ${handler/_Command/ + Command}, µs" "$(result core "$handler" 1000 %.3f)" - -
    done
} | tee "$work/table"

if [ "$quick" -eq 0 ]; then
    { sed '/^<!-- run.sh writes the last run below -->$/q' "$here/RESULTS.md"; cat "$work/table"; } \
        >"$work/results"
    cp "$work/results" "$here/RESULTS.md"
fi
