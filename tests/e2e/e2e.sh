#!/usr/bin/env bash
# The program in German with real input and clipboard; as atspi, cells are painted through the bus.
# Usage: e2e.sh x11|wayland|atspi <program> <places program>
set -euo pipefail
source "$(dirname "$0")/session.sh" "$3"
source "$(dirname "$0")/$1_session.sh"

holds() { cmp -s <(clipboard 2>/dev/null) <(printf '%s' "$1"); } # byte for byte
copy_and_expect() { # each text differs from the one before, so a copy that did nothing fails
    press Command8
    within holds "$1" || fail "the clipboard holds '$(clipboard | cat -A)', not '$1'"
}
answer() { # "neu (schwarz)", by the alt key and the letter $1
    press Command3
    within shown '^Kobalin$' && within focused "$found" && belongs "$window" || fail "no question of the window has the focus"
    chord alt "$1"
    within eval '! shown "^Kobalin$"' || fail "the question is still open"
}
start() { # and copy until the new window shows that it takes input
    LC_ALL=de_DE.UTF-8 "$1" &
    program=$!
    within shown '^Kobalin Version 1\.00$' || fail "the window did not open"
    window=$found
    within eval 'press Command8; holds "$fresh"' || fail "the new window's copy is not '$fresh'"
}
quit() { press Command4; } # "Beenden"
ends() { # the program by $1, with status 0
    "$1"
    within eval '! kill -0 $program 2>/dev/null' || fail "$1 did not end the program"
    wait $program || fail "$1 ended the program with status $?"
}

fresh=$'static unsigned char bild[] = {0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};\r\n'
start "$2"
[[ $1 != wayland || $(app_id) == "$entry" ]] || fail "the desktop sees the app id '$(app_id)', not '$entry'"
answer n # "Nein"
for cell in 19 0 71; do paint $cell; done
if [[ $1 == atspi ]]; then # what a screen reader hears; the bus told of each press before it returned
    hears "check box" "Spalte 4, Zeile 3" checked || fail "the cell in column 4, row 3 is not heard as black"
    hears label "Zeile 3: 10" showing || fail "row 3 is not heard as 10"
    hears "push button" "Höhe verringern" showing || fail '"-" is not heard as "Höhe verringern"'
fi
copy_and_expect 'static unsigned char bild[] = {0x80,0x00,0x10,0x00,0x00,0x00,0x00,0x00,0x01};'
for height in Command5 Command5 Command6; do press $height; done # "-" twice, "+" once: 8 rows
type_into Text3 sprite
press Command7 # "aktualisieren": typing a name rebuilds nothing by itself
keys Tab Right space # then the keyboard alone: into the grid, one cell to the right, pressed
[[ $1 != atspi ]] || hears "check box" "Spalte 2, Zeile 1" focused || fail "the focused cell is not heard"
copy_and_expect 'static unsigned char sprite[] = {0xC0,0x00,0x10,0x00,0x00,0x00,0x00,0x00};'
answer j # "Ja"
copy_and_expect 'static unsigned char sprite[] = {0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF};'
ends quit
for way in "${more_endings[@]}"; do start "$2"; ends "$way"; done # where the ending once hung
