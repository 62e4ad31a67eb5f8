#!/usr/bin/env bash
# The confirmation question of "neu" and "neu (schwarz)", a modal box titled
# "Kobalin", is answered at the keyboard: it takes the focus, Return picks the
# default Yes, Escape means No, and the buttons' mnemonics work in the
# desktop's language (Qt's translation: "&Yes"/"&No" in English, "&Ja"/"&Nein"
# in German).
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

# locale, key, whether the key answers Yes
cases=(
    "C.UTF-8 Return yes"
    "C.UTF-8 Escape no"
    "C.UTF-8 n no"
    "C.UTF-8 alt+n no"
    "C.UTF-8 y yes"
    "C.UTF-8 alt+y yes"
    "de_DE.UTF-8 Return yes"
    "de_DE.UTF-8 Escape no"
    "de_DE.UTF-8 n no"
    "de_DE.UTF-8 alt+n no"
    "de_DE.UTF-8 j yes"
    "de_DE.UTF-8 alt+j yes"
)

clear_sprite=$(declaration bild 00 00 00 00 00 00 00 00 00)
black_sprite=$(declaration bild FF FF FF FF FF FF FF FF FF)

running_locale=
for case in "${cases[@]}"; do
    read -r locale key answer <<<"$case"
    if [[ $locale != "$running_locale" ]]; then
        if [[ -n $running_locale ]]; then
            press Command4
            expect_exit_status 0 "Beenden before the change of language"
        fi
        program_locale=$locale
        start_program
        running_locale=$locale
        sprite_is_black=false
    fi

    # Yes flips the sprite between clear and black, so each answer shows.
    if $sprite_is_black; then
        command=Command1 before=$black_sprite after=$clear_sprite
    else
        command=Command3 before=$clear_sprite after=$black_sprite
    fi
    what="$locale: the question answered with $key"
    press "$command"
    expect_question_box "$what"
    [[ $(xdotool getwindowname "$question_box") == Kobalin ]] ||
        fail "$what: the box is titled '$(xdotool getwindowname "$question_box")', not 'Kobalin'"
    # A window manager keeps a modal box above the window it blocks.
    [[ $(xprop -id "$question_box" -notype _NET_WM_STATE) == *_NET_WM_STATE_MODAL* ]] ||
        fail "$what: the box does not say it is modal"
    xdotool key "$key"
    expect_question_box_gone "$what"
    if [[ $answer == yes ]]; then
        copy_and_expect "$what (Yes)" "$after"
        if $sprite_is_black; then sprite_is_black=false; else sprite_is_black=true; fi
    else
        copy_and_expect "$what (No)" "$before"
    fi
done

press Command4
expect_exit_status 0 "Beenden at the end"
finish
