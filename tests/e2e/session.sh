declare -A place # the window places that $1 prints; sourced before a display system's session
while read -r name x y; do place[$name]="$x $y"; done < <("$1")
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work DBUS_SESSION_BUS_ADDRESS=disabled: # a session bus would outlive the programs
fail() { echo "FAIL: $*" >&2; exit 1; }
within() { for _ in {1..200}; do "$@" && return; sleep 0.05; done; return 1; } # ten seconds
paint() { press "Picture1_$1"; } # a cell, by its index
type_into() { # a box's whole text: pressed, everything selected, typed over
    press "$1"
    within focused "$window" || fail "the window did not take the keyboard focus"
    chord ctrl a
    type_text "$2"
}
