#!/usr/bin/env bash
# Takes the README screenshot, docs/screenshot.png: starts the built program on
# a private X server, draws a little space invader, names it, ticks "Raster
# anzeigen" and saves a picture of just the window. Builds nothing; needs a
# build with -DKOBALIN_E2E=ON, Xvfb, xdotool and ImageMagick's import.
#
# Usage: scripts/screenshot.sh [build dir]   (default: build)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build}
declare -A place
while read -r name x y; do place[$name]="$x $y"; done < <("$build/tests/e2e_places")

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
for _ in {1..200}; do [[ -s $work/display ]] && break; sleep 0.05; done
export DISPLAY=:$(<"$work/display") QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 XDG_RUNTIME_DIR=$work
dbus-run-session -- "$build/app/kobalin" &
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kobalin Version 1\.00$' | head -n 1)
press() { xdotool mousemove --window "$window" ${place[$1]} click 1; }

# One byte a row, top row first, the leftmost pixel the highest bit.
rows=(18 3C 7E DB FF 24 5A A5)
for ((row = 0; row < ${#rows[@]}; ++row)); do
    for ((column = 0; column < 8; ++column)); do
        if (((0x${rows[row]} >> (7 - column)) & 1)); then press "Picture1_$((row * 8 + column))"; fi
    done
done
press Command5 # a height of 8 rows
press Check2
press Text3
sleep 0.5
xdotool key ctrl+a type invader
press Command7
sleep 1
import -window "$window" -define png:exclude-chunks=date,time "$repo/docs/screenshot.png"
echo "wrote $repo/docs/screenshot.png"
