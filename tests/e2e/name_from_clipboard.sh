#!/usr/bin/env bash
# A name pasted into "VarName:" from the clipboard of another program: line
# breaks and other control characters never enter the name, at most ten
# characters stay, and a name with umlauts reaches the declaration on the
# clipboard as UTF-8.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

# What is pasted (printf format), and the name it leaves.
cases=(
    'ab\ncd' abcd
    'x\r\ny' xy
    'ein\tname' einname
    'abcdefghijklmnop' abcdefghij
    'vor\xe2\x80\xa8nach' vornach     # U+2028 LINE SEPARATOR
    'B\xc3\xa4r_\xc3\xb6' 'Bär_ö'
    'zeile\n' zeile
)

start_program
for ((i = 0; i < ${#cases[@]}; i += 2)); do
    # shellcheck disable=SC2059 # the cases are printf formats
    pasted=$(printf "${cases[i]}"; echo .)
    pasted=${pasted%.}
    name=${cases[i + 1]}
    offer_clipboard "$pasted"
    click_for_keys Text3
    xdotool key ctrl+a ctrl+v
    press Command7
    # The copy replaces the pasted text: its arrival shows the paste is done.
    press Command8
    expect_clipboard "name pasted from '${cases[i]}'" \
        "$(declaration "$name" 00 00 00 00 00 00 00 00 00)"
done

finish
