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
# shellcheck source=../tests/e2e/session.sh
source "$repo/tests/e2e/session.sh" "$build/tests/e2e_places"
# shellcheck source=../tests/e2e/x11_session.sh
source "$repo/tests/e2e/x11_session.sh"
"$build/app/kobalin" &
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kobalin Version 1\.00$' | head -n 1)

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
