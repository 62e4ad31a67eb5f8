# Sourced first. No session bus: one started for a program would outlive it.
declare -A place
while read -r name x y; do place[$name]="$x $y"; done < <("$1")
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work DBUS_SESSION_BUS_ADDRESS=disabled:
fail() { echo "FAIL: $*" >&2; exit 1; }
within() { for _ in {1..200}; do "$@" && return; sleep 0.05; done; return 1; } # ten seconds
