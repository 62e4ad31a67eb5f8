#!/usr/bin/env bash
# Runs one end-to-end scenario against the built program on a private X server
# (Xvfb, 1024 x 768, no window manager) with a private session bus, then checks
# that nothing the scenario started is still running: no program, X server or
# bus daemon.
#
# Usage: run.sh <scenario.sh> <program> [helper...]
set -u

# ------------------------------------------- inside the time limit (see below)

# Starts Xvfb on the first free display. The server picks the number itself
# and writes it out when it takes connections (-displayfd), so tests started
# side by side do not race for a display as with "xvfb-run -a". It must not
# start over when its last client leaves (-noreset): it would set up its
# sockets anew and could lose its display to a neighbouring test's server.
start_x_server() {
    local auth=$XDG_RUNTIME_DIR/Xauthority
    local announced=$XDG_RUNTIME_DIR/display
    local cookie
    cookie=$(mcookie)
    : >"$auth"
    : >"$announced"
    # The server takes every cookie in its file, whatever display the entry
    # names; clients look theirs up by display number, added once known.
    xauth -q -f "$auth" add :0 . "$cookie"
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp -auth "$auth" \
        3>"$announced" 2>"$XDG_RUNTIME_DIR/xvfb.log" &
    xvfb_pid=$!
    local tries=600
    until [[ $(<"$announced") =~ ^[0-9]+$ ]]; do
        if ! kill -0 "$xvfb_pid" 2>/dev/null || ((--tries == 0)); then
            echo "FAIL: Xvfb did not start" >&2
            cat "$XDG_RUNTIME_DIR/xvfb.log" >&2
            return 1
        fi
        sleep 0.05
    done
    local display
    display=:$(<"$announced")
    xauth -q -f "$auth" add "$display" . "$cookie"
    export DISPLAY=$display XAUTHORITY=$auth
}

# shellcheck disable=SC2317 # run by the trap
stop_x_server() {
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
}

if [[ ${1:-} == --in-session ]]; then
    shift
    xvfb_pid=
    trap stop_x_server EXIT
    start_x_server || exit 1
    # Without a session bus of its own every Qt start would launch a bus
    # that outlives it.
    dbus-run-session -- bash "$@"
    exit
fi

# ------------------------------------------------------------------ outside

scenario=${1:?usage: run.sh <scenario.sh> <program> [helper...]}
shift

runtime_dir=$(mktemp -d "${TMPDIR:-/tmp}/kobalin-e2e.XXXXXX") || exit 1
trap 'rm -rf "$runtime_dir"' EXIT

# Every process of the session inherits this tag, which is how leftovers are
# found afterwards, whatever became of their parents.
tag=KOBALIN_E2E_SESSION=$$-$RANDOM-$RANDOM

# The time limit ends the whole process group, X server included, should a
# scenario hang.
env "$tag" XDG_RUNTIME_DIR="$runtime_dir" \
    timeout -k 5 120 bash "${BASH_SOURCE[0]}" --in-session "$scenario" "$@"
status=$?
if ((status == 124 || status == 137)); then
    echo "FAIL: the scenario did not finish within 120 s" >&2
fi

tagged_processes() {
    grep -lsxFz "$tag" /proc/[0-9]*/environ | cut -d/ -f3
}

# Give processes that are ending a moment to go.
leftovers=$(tagged_processes)
for _ in $(seq 30); do
    [[ -z $leftovers ]] && break
    sleep 0.1
    leftovers=$(tagged_processes)
done
if [[ -n $leftovers ]]; then
    echo "FAIL: still running after the scenario:" >&2
    for pid in $leftovers; do
        echo "$pid $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)" >&2
        kill -KILL "$pid" 2>/dev/null
    done
    status=1
fi
exit "$status"
