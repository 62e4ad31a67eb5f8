# Sourced after session.sh: the story as a screen reader tells it, on the accessibility bus only,
# with no pointer and no keys. Xvfb and the clipboard as on X11; a private session bus starts
# the accessibility bus, and Qt's bridge is on without asking.
source "$(dirname "${BASH_SOURCE[0]}")/x11_session.sh"
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
bus=$(dbus-daemon --session --fork --print-pid --address="$DBUS_SESSION_BUS_ADDRESS")
trap 'kill $bus $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT # the accessibility bus ends with it
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    fail "the accessibility bus did not start"
atspi() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$@"; } # Debian's, with pyatspi
declare -A heard=([Command1]=neu [Command2]=invertieren [Command3]="neu (schwarz)" [Command4]=Beenden
                  [Command5]="Höhe verringern" [Command6]="Höhe erhöhen" [Command7]=aktualisieren
                  [Command8]="In die Zwischenablage kopieren" [Text3]=VarName:) # a control's name
for index in {0..71}; do heard[Picture1_$index]="Spalte $((index % 8 + 1)), Zeile $((index / 8 + 1))"; done
shown() { found=$(atspi shown "$1"); }
focused() { atspi focused "$1"; }
belongs() { :; } # the bridge does not tell which window a dialog belongs to
press() { atspi press "${heard[$1]:?}"; }
chord() { atspi key "${1^}+${2^}"; } # the action bound to those keys, as "Alt+N"
type_into() { atspi type "${heard[$1]:?}" "$2"; }
hears() { atspi hears "$1" "$2"; } # something of that name in that state, as "checked"
