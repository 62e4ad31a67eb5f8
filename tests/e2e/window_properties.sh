#!/usr/bin/env bash
# What the window tells the desktop, as a window manager would read it: its
# title, a fixed size of 381 x 140 pixels with no minimize or maximize, its
# place in the middle of the 1024 x 768 screen, and its 32 x 32 icon.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

start_program

# --- title
for property in WM_NAME _NET_WM_NAME; do
    got=$(xprop -id "$window" -notype "$property")
    [[ $got == "$property = \"Kobalin Version 1.00\"" ]] || fail "title: $got"
done

# --- fixed size: the size hints pin the smallest and largest size together
hints=$(xprop -id "$window" -notype WM_NORMAL_HINTS)
grep -qx $'\t\tprogram specified minimum size: 381 by 140' <<<"$hints" ||
    fail "minimum size is not 381 by 140: $hints"
grep -qx $'\t\tprogram specified maximum size: 381 by 140' <<<"$hints" ||
    fail "maximum size is not 381 by 140: $hints"

# Motif hints: functions (bit 8 minimize, 16 maximize) and decorations (8 the
# title bar, 32 and 64 the minimize and maximize buttons).
read -r -a motif < <(xprop -id "$window" -notype -f _MOTIF_WM_HINTS 32c _MOTIF_WM_HINTS |
    sed -n 's/^_MOTIF_WM_HINTS = //p' | tr -d ,)
if ((${#motif[@]} != 5)); then
    fail "no _MOTIF_WM_HINTS: ${motif[*]}"
else
    ((motif[0] & 1)) && ((motif[1] & (8 | 16))) && fail "functions offer minimize or maximize"
    ((motif[0] & 2)) && ((motif[2] & (32 | 64))) && fail "decorations offer minimize or maximize"
    ((motif[0] & 2)) && ! ((motif[2] & 8)) && fail "decorations leave out the title bar"
fi

# --- place and size on the screen
geometry=$(xwininfo -id "$window")
value() { sed -n "s/^ *$1: *//p" <<<"$geometry"; }
width=$(value Width) height=$(value Height)
left=$(value 'Absolute upper-left X') top=$(value 'Absolute upper-left Y')
[[ "$width x $height" == "381 x 140" ]] || fail "the window is $width x $height, not 381 x 140"
# Centred to the pixel, either way of rounding the odd leftover.
if ((left < 321 || left > 322 || top != 314)); then
    fail "the window is at $left,$top, not centred on 1024 x 768 (321,314)"
fi

# --- icon: _NET_WM_ICON is a list of width, height, then width x height ARGB
# pixels, repeated for each size.
# Without the property xprop says "not found", which leaves the list empty.
read -r -a icon < <(xprop -id "$window" -notype -f _NET_WM_ICON 32c _NET_WM_ICON |
    sed -n 's/^_NET_WM_ICON = //p' | tr -d ,)
found_32=false
offset=0
while ((offset + 2 <= ${#icon[@]})); do
    w=${icon[offset]} h=${icon[offset + 1]}
    if ((w == 32 && h == 32)); then
        found_32=true
        pixels=("${icon[@]:offset+2:1024}")
        ((${#pixels[@]} == 1024)) || fail "the 32 x 32 icon has ${#pixels[@]} pixels"
        # White squares on black, the lower right corner cut away.
        black=0 white=0 clear=0 other=0
        for pixel in "${pixels[@]}"; do
            if ((pixel == 0xff000000)); then
                ((++black))
            elif ((pixel == 0xffffffff)); then
                ((++white))
            elif ((pixel == 0)); then
                ((++clear))
            else
                ((++other))
            fi
        done
        ((black > 0 && white > 0 && clear > 0)) ||
            fail "the icon is not black and white with a cut-away part:" \
                "$black black, $white white, $clear transparent pixels"
        ((other == 0)) || fail "the icon has $other pixels neither black, white nor transparent"
        ((pixels[0] == 0xff000000)) || fail "the icon's top left pixel is not black"
        ((pixels[1023] == 0)) || fail "the icon's lower right corner is not cut away"
    fi
    offset=$((offset + 2 + w * h))
done
$found_32 || fail "_NET_WM_ICON has no 32 x 32 icon (${#icon[@]} numbers)"

finish
