# Sourced: a private X server (that keeps its display when its last client
# leaves) and the window places that "places program" ($1) prints, in place[name].
declare -A place
while read -r name x y; do place[$name]="$x $y"; done < <("$1")
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
for _ in {1..200}; do [[ -s $work/display ]] && break; sleep 0.05; done
# No session bus: one started for a program would outlive it.
export DISPLAY=:$(<"$work/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work \
    DBUS_SESSION_BUS_ADDRESS=disabled:
press() { xdotool mousemove --window "$window" ${place[$1]} click 1; }
