#!/usr/bin/env bash
# A user draws a sprite with the mouse, changes its height, fills it after
# answering the question at the keyboard, names it and copies the declaration;
# every copy is compared byte for byte with the declaration worked out here.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

start_program

# Before any change the start text is copied as it stands, line break and all.
copy_and_expect "copy right after start" \
    "$(declaration bild 00 00 00 00 00 00 00 00 00)"$'\r\n'

# Cell 0 is the leftmost pixel of row 0, cell 19 column 3 of row 2, cell 71
# the rightmost of row 8; cells 32 to 39 are the whole of row 4.
press_cells 19 0 71 32 33 34 35 36 37 38 39
copy_and_expect "cells 19, 0, 71 and row 4 pressed" \
    "$(declaration bild 80 00 10 00 FF 00 00 00 01)"

press Command5
press Command5
copy_and_expect "height lowered twice to 7" "$(declaration bild 80 00 10 00 FF 00 00)"

press Command6
copy_and_expect "height raised to 8: row 7 comes back clear" \
    "$(declaration bild 80 00 10 00 FF 00 00 00)"

# Row 8 is hidden now: a press where cell 71 was reaches no cell.
press_cells 71
copy_and_expect "press on the hidden row 8" "$(declaration bild 80 00 10 00 FF 00 00 00)"

for no in Escape n alt+n; do
    press Command3
    expect_question_box "neu (schwarz), answered with $no"
    xdotool key "$no"
    expect_question_box_gone "neu (schwarz), answered with $no"
    copy_and_expect "neu (schwarz) answered with $no changes nothing" \
        "$(declaration bild 80 00 10 00 FF 00 00 00)"
done

press Command3
expect_question_box "neu (schwarz), answered with Return"
xdotool key Return
expect_question_box_gone "neu (schwarz), answered with Return"
copy_and_expect "neu (schwarz) answered with Return (Yes) fills the 8 rows" \
    "$(declaration bild FF FF FF FF FF FF FF FF)"

press_cells 0 7
type_into Text3 sprite
copy_and_expect "the typed name waits for the next rebuild" \
    "$(declaration bild 7E FF FF FF FF FF FF FF)"

press Command7
copy_and_expect "aktualisieren writes the typed name" \
    "$(declaration sprite 7E FF FF FF FF FF FF FF)"

finish
