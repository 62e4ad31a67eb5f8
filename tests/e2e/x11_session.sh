# Sourced after session.sh: a private X server, -noreset as one could lose its display when it resets.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
within test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(<"$work/display") QT_QPA_PLATFORM=xcb
shown() { found=$(xdotool search --onlyvisible --name "$1" | head -n 1) && [[ -n $found ]]; }
focused() { [[ $(xdotool getwindowfocus) == "$1" ]]; }
belongs() { xprop -id "$found" WM_TRANSIENT_FOR | grep -qi "$(printf '%#x' "$1")"; }
press() { xdotool mousemove --window "$window" ${place[$1]} click 1; }
chord() { xdotool key "$1+$2"; }
keys() { xdotool key "$@"; }
type_text() { xdotool type "$1"; }
clipboard() { xclip -o -selection clipboard; }
more_endings=() # Qt's usual teardown on X11 does not hang
