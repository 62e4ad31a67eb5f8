#!/usr/bin/env bash
# The program ends with exit status 0, without a question, right after the
# sprite was edited: by "Beenden", or by closing the window, which a window
# manager asks of it with WM_DELETE_WINDOW.
#
# Usage: ending.sh <program> beenden | close <close_window helper>
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

how=${2:?usage: ending.sh <program> beenden | close <close_window helper>}

start_program
press_cells 0 9 18 27
press Command5
copy_and_expect "the edit before ending" "$(declaration bild 80 40 20 10 00 00 00 00)"

case $how in
beenden)
    press Command4
    expect_exit_status 0 "Beenden"
    ;;
close)
    closer=${3:?ending.sh close needs the close_window helper}
    "$closer" "$window" || fail "the close request could not be sent"
    expect_exit_status 0 "closing the window"
    ;;
*) die "unknown way of ending: $how" ;;
esac

finish
