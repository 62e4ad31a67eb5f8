# Sourced after session.sh: the story on X11 as a screen reader user tells it, the cells pressed
# through their action on the accessibility bus, the rest as on X11. A private session bus starts
# the accessibility bus, and Qt's bridge is on without asking.
source "$(dirname "${BASH_SOURCE[0]}")/x11_session.sh"
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
bus=$(dbus-daemon --session --fork --print-pid --address="$DBUS_SESSION_BUS_ADDRESS")
trap 'kill $bus $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT # the accessibility bus ends with it
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    fail "the accessibility bus did not start"
atspi() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$@"; } # Debian's, with pyatspi
paint() { atspi press "Spalte $(($1 % 8 + 1)), Zeile $(($1 / 8 + 1))" || fail "cell $1 told no change"; }
hears() { atspi hears "$@"; } # something of that role and name in that state, as "checked"
