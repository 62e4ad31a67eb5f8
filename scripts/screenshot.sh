#!/usr/bin/env bash
# Takes the README screenshot, docs/screenshot.png: starts the built program
# on a private X server and session bus, draws a little space invader, names
# it, ticks "Raster anzeigen" and saves a picture of just the window. Builds
# nothing. Needs xvfb, xauth, dbus, xdotool, xclip and ImageMagick (import).
#
# Usage: scripts/screenshot.sh [program]   (default: build/app/kobalin)
set -u

repo=$(cd "$(dirname "$0")/.." && pwd)

if [[ ${2:-} != --inside-session ]]; then
    program=$(realpath "${1:-$repo/build/app/kobalin}")
    [[ -x $program ]] || { echo "no program at $program: build it first" >&2; exit 1; }
    command -v import >/dev/null || { echo "ImageMagick's import is missing" >&2; exit 1; }
    # run.sh gives the session its own X server and bus and ends them after.
    exec bash "$repo/tests/e2e/run.sh" "$repo/scripts/screenshot.sh" "$program" \
        --inside-session "$repo/docs/screenshot.png"
fi

# From here on inside the private session: $1 program, $3 the picture to write.
output=$3
# shellcheck source=../tests/e2e/lib.sh
source "$repo/tests/e2e/lib.sh"

# One byte a row, top row first, the leftmost pixel the highest bit.
rows=(18 3C 7E DB FF 24 5A A5)

start_program
cells=()
for ((row = 0; row < ${#rows[@]}; ++row)); do
    for ((column = 0; column < 8; ++column)); do
        if (((0x${rows[row]} >> (7 - column)) & 1)); then
            cells+=($((row * 8 + column)))
        fi
    done
done
press_cells "${cells[@]}"
press Command5 # a height of 8 rows
press Check2
type_into Text3 invader
press Command7
# The copy arriving shows that every press before it has been handled.
press Command8
expect_clipboard "the drawn sprite" "$(declaration invader "${rows[@]}")"
((failures == 0)) || die "the sprite was not drawn as planned; no screenshot taken"

# A picture of the window alone, without time stamps, so that the same
# window gives the same file.
take_picture() {
    import -window "$window" -define png:exclude-chunks=date,time "$1"
}

# The last repaint may still be under way: take pictures until two agree.
# Both go with the session's runtime directory.
capture=$(mktemp -p "$XDG_RUNTIME_DIR" --suffix=.png) || exit 1
previous=$(mktemp -p "$XDG_RUNTIME_DIR" --suffix=.png) || exit 1
take_picture "$previous"
for _ in $(seq 20); do
    sleep 0.1
    take_picture "$capture"
    cmp -s "$capture" "$previous" && break
    cp "$capture" "$previous"
done
cat "$capture" >"$output"
echo "wrote $output"
finish
