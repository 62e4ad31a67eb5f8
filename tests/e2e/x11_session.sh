# Sourced: a private X server, and in place[name] the window places that $1 prints.
declare -A place
while read -r name x y; do place[$name]="$x $y"; done < <("$1")
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
# -noreset: a server that reset when its last client left could lose its display.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
for _ in {1..200}; do [[ -s $work/display ]] && break; sleep 0.05; done
# No session bus: one started for a program would outlive it.
export DISPLAY=:$(<"$work/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work \
    DBUS_SESSION_BUS_ADDRESS=disabled:
press() { xdotool mousemove --window "$window" ${place[$1]} click 1; }
