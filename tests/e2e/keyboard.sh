#!/usr/bin/env bash
# The editor worked from the keyboard alone: Tab walks the controls in the
# order Text1, neu, invertieren, neu (schwarz), Beenden, -, +, Text2,
# aktualisieren, Raster anzeigen, In die Zwischenablage kopieren, VarName;
# Space presses the button with the focus; Return and Escape in the name box
# press no button; a line break typed into the declaration box is copied as
# CR LF, and the declaration box takes no more than 100 characters.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

tabs() {
    local -a keys=()
    for ((n = 0; n < $2; ++n)); do
        keys+=("$1")
    done
    xdotool key "${keys[@]}"
}

start_program
# The credits line takes no focus, so it stays in the declaration box; the
# pointer stays over the window, which keeps the keys coming to it after the
# question box has closed.
click_for_keys Label9

# Space on each button in the order, with effects that tell them apart: the
# two "neu" ask first and then clear or fill, "-" before "+" ends at height 9
# with the returning row clear, and the copy is reached only if nothing was
# left out or put in between.
offer_clipboard "not copied yet"
tabs Tab 2 # neu, invertieren
xdotool key space # the sprite turns black
tabs shift+Tab 1
xdotool key space
expect_question_box "Space on neu"
xdotool key Return # the sprite is cleared
expect_question_box_gone "Space on neu"
tabs Tab 2 # invertieren, neu (schwarz)
xdotool key space
expect_question_box "Space on neu (schwarz)"
xdotool key Return # the sprite is filled
expect_question_box_gone "Space on neu (schwarz)"
tabs Tab 2 # Beenden, -
xdotool key space # height 8
tabs Tab 1 # +
xdotool key space # height 9, row 8 clear
tabs Tab 4 # Text2, aktualisieren, Raster anzeigen, In die Zwischenablage kopieren
xdotool key space
sprite=(FF FF FF FF FF FF FF FF 00)
expect_clipboard "Space on each button in the focus order, then on the copy button" \
    "$(declaration bild "${sprite[@]}")"

# On to the name box and back to "aktualisieren"; had Return or Escape pressed
# a button, the sprite would be inverted or cleared, a question would block
# the window, or the program would end.
offer_clipboard "not copied yet"
tabs Tab 1
xdotool key ctrl+a
xdotool type --delay 15 k
xdotool key Return Escape
xdotool type --delay 15 2
tabs shift+Tab 3
xdotool key space
tabs Tab 2
xdotool key space
expect_clipboard "Return and Escape in the name box, then aktualisieren and copy by Space" \
    "$(declaration k2 "${sprite[@]}")"

# Tab wraps round from the name box to the declaration box.
tabs Tab 2
xdotool key ctrl+End Return
xdotool type --delay 15 '// k2'
copy_and_expect "a line break typed at the end of the declaration" \
    "$(declaration k2 "${sprite[@]}")"$'\r\n// k2'

# The box holds 75 + 1 + 5 = 81 characters (the line break counts as one):
# of 25 more typed, the first 19 fit.
click_for_keys Text1
xdotool key ctrl+End
xdotool type --delay 15 0123456789abcdefghijklmno
copy_and_expect "typing past 100 characters in the declaration box" \
    "$(declaration k2 "${sprite[@]}")"$'\r\n// k20123456789abcdefghi'

finish
