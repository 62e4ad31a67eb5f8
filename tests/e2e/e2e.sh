#!/usr/bin/env bash
# The built program in German on a private X server, with real input and the real
# clipboard: answer, draw, name, copy, end. Usage: e2e.sh <program> <places program>
set -euo pipefail
# shellcheck source=x_session.sh
source "$(dirname "$0")/x_session.sh" "$2"

fail() { echo "FAIL: $*" >&2; exit 1; }
within() { for _ in {1..200}; do "$@" && return; sleep 0.05; done; return 1; } # ten seconds
shown() { found=$(xdotool search --onlyvisible --name "$1" | head -n 1) && [[ -n $found ]]; }
focused() { [[ $(xdotool getwindowfocus) == "$1" ]]; }
holds() { xclip -o -selection clipboard >"$work/got" && cmp -s "$work/got" "$work/expected"; }
copy_and_expect() { # after putting another text on the clipboard
    printf 'old' | xclip -selection clipboard -i >/dev/null 2>&1 # serves until the X server ends
    printf '%s' "$1" >"$work/expected"
    press Command8
    within holds || fail "the clipboard holds '$(cat -A "$work/got")', not '$1'"
}
answer() { # "neu (schwarz)", with the window as the question's parent
    press Command3
    within shown '^Kobalin$' && within focused "$found" || fail "no question has the focus"
    xprop -id "$found" WM_TRANSIENT_FOR | grep -qi "$(printf '%#x' "$window")" || fail "no parent"
    xdotool key "$1"
    within eval '! shown "^Kobalin$"' || fail "the question is still open"
}

LC_ALL=de_DE.UTF-8 "$1" &
program=$!
within shown '^Kobalin Version 1\.00$' || fail "the window did not open"
window=$found
answer alt+n # "Nein", the first click on the window
copy_and_expect $'static unsigned char bild[] = {0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00};\r\n'
for cell in 19 0 71; do press "Picture1_$cell"; done
copy_and_expect 'static unsigned char bild[] = {0x80,0x00,0x10,0x00,0x00,0x00,0x00,0x00,0x01};'
press Command5
press Text3
within focused "$window" || fail "the window did not take the keyboard focus"
xdotool key ctrl+a type sprite
press Command7
copy_and_expect 'static unsigned char sprite[] = {0x80,0x00,0x10,0x00,0x00,0x00,0x00,0x00};'
answer alt+j # "Ja"
copy_and_expect 'static unsigned char sprite[] = {0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF};'
press Command4
within eval '! kill -0 $program 2>/dev/null' || fail "Beenden did not end the program"
wait $program || fail "Beenden ended the program with status $?"
