#!/usr/bin/env bash
# The mouse at the real X server: every button toggles a cell alike, with or
# without Shift; a press dragged across other cells toggles only the cell where
# it began; moving over the cells without a button held toggles nothing.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

start_program

read -r x y < <(cell_centre 9)
xdotool mousemove --window "$window" "$x" "$y" click 3
read -r x y < <(cell_centre 10)
xdotool mousemove --window "$window" "$x" "$y" click 2
read -r x y < <(cell_centre 24)
xdotool mousemove --window "$window" "$x" "$y" keydown shift click 1 keyup shift
copy_and_expect "right press on cell 9, middle on 10, Shift+left on 24" \
    "$(declaration bild 00 60 00 80 00 00 00 00 00)"

# Press on cell 16 and drag along row 2 to cell 21 before letting go.
read -r x y < <(cell_centre 16)
steps=(mousemove --window "$window" "$x" "$y" mousedown 1)
for cell in 17 18 19 20 21; do
    read -r x y < <(cell_centre "$cell")
    steps+=(mousemove --window "$window" "$x" "$y")
done
xdotool "${steps[@]}" mouseup 1
copy_and_expect "a press on cell 16 dragged to cell 21" \
    "$(declaration bild 00 60 80 80 00 00 00 00 00)"

# Hover over every cell of rows 4 to 8 with no button held.
steps=()
for cell in $(seq 32 71); do
    read -r x y < <(cell_centre "$cell")
    steps+=(mousemove --window "$window" "$x" "$y")
done
xdotool "${steps[@]}"
copy_and_expect "moving over rows 4 to 8" "$(declaration bild 00 60 80 80 00 00 00 00 00)"

finish
