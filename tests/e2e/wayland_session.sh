as_user=() # Sourced after session.sh. sway refuses to run as root: then it runs as a user made for the test.
if ((EUID == 0)); then
    useradd --system kobalin-e2e 2>/dev/null || id kobalin-e2e >/dev/null
    as_user=(setpriv --reuid=kobalin-e2e --regid=kobalin-e2e --init-groups)
    chown kobalin-e2e "$work"
fi
install -d -m 700 "$work/run" # the programs' runtime folder; $work is sway's
# No title bar or border: the window's place in sway's tree is then just that of its contents.
printf 'xwayland disable\ndefault_floating_border none\n' >"$work/config"
export SWAYSOCK=$work/ipc XDG_RUNTIME_DIR=$work/run
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman XDG_RUNTIME_DIR=$work \
    "${as_user[@]}" sway -c "$work/config" 2>/dev/null &
within swaymsg -q -t get_version 2>/dev/null || fail "sway did not start"
export WAYLAND_DISPLAY=$(echo "$work"/wayland-?) QT_QPA_PLATFORM=wayland
# wayvnc adds a pointer and a keyboard, some versions once a client has connected: be one.
port=$((RANDOM + 20000))
while : 2>/dev/null <>"/dev/tcp/127.0.0.1/$port"; do port=$((port + 1)); done
wayvnc 127.0.0.1 "$port" >/dev/null 2>&1 &
within eval 'exec {vnc}<>"/dev/tcp/127.0.0.1/$port"' 2>/dev/null || fail "wayvnc did not start"
printf 'RFB 003.008\n\1\1' >&"$vnc" # RFB 3.8, security None, shared; then stay connected
views() { swaymsg -t get_tree | jq -r "$@"; }
shown() { found=$(views --arg title "$1" '.. | objects | select(.pid? and .visible and (.name | test($title))) | .id' | head -n 1) && [[ -n $found ]]; }
focused() { [[ $(views '.. | objects | select(.focused?) | .id') == "$1" ]]; }
belongs() { :; } # sway does not tell which window a dialog belongs to
app_id() { views --argjson id "$window" '.. | objects | select(.id? == $id) | .app_id'; }
entry=$(basename "$(dirname "${BASH_SOURCE[0]}")"/../../data/*.desktop .desktop) # what the desktop matches it to
origin() { views --argjson id "$window" '.. | objects | select(.id? == $id) | "\(.rect.x) \(.rect.y)"'; }
press() { swaymsg -q "seat - cursor set $(origin); seat - cursor move ${place[$1]}; seat - cursor press button1; seat - cursor release button1"; }
chord() { wtype -M "$1" "$2" -m "$1"; }
keys() { wtype $(printf -- '-k %s ' "$@"); }
type_text() { wtype "$1"; }
clipboard() { wl-paste --no-newline; }
close_window() { swaymsg -q "[con_id=$window] kill"; }
more_endings=(close_window quit close_window quit close_window quit close_window) # Qt's teardown here hung now and then
