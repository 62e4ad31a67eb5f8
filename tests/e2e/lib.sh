# Sourced by the end-to-end scenarios, which run.sh starts on a private X
# server: start the program, press its controls with real input events at
# their places in the window, type at the keyboard and read the real clipboard.
# There is no window manager, so the window stays where the program put it.
set -u

PROGRAM=${1:?usage: <scenario>.sh <program> [helper...]}

failures=0
program_pid=
window=
clipboard_server_pid=

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# For a step without which the rest of the scenario means nothing.
die() {
    echo "FAIL: $*" >&2
    exit 1
}

# In the session's runtime directory, which run.sh removes however it ends.
clipboard_offered=$(mktemp -p "${XDG_RUNTIME_DIR:-/tmp}") || exit 1
clipboard_expected=$(mktemp -p "${XDG_RUNTIME_DIR:-/tmp}") || exit 1
clipboard_now=$(mktemp -p "${XDG_RUNTIME_DIR:-/tmp}") || exit 1

# Runs however the scenario ends, a failed check included.
end_started_processes() {
    local pid
    for pid in $clipboard_server_pid $program_pid; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -f "$clipboard_offered" "$clipboard_expected" "$clipboard_now"
}
trap end_started_processes EXIT

finish() {
    if ((failures > 0)); then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
    exit 0
}

# How long one step may take before it counts as failed: generous, since a
# loaded machine is slow, and a passing run never waits this long.
STEP_SECONDS=10

# Polls a command until it succeeds, for at most about the given seconds.
within() {
    local seconds=$1
    shift
    local tries=$((seconds * 20))
    until "$@"; do
        ((--tries > 0)) || return 1
        sleep 0.05
    done
}

# ---------------------------------------------------------------- the program

# Finds a shown window by its whole title and puts its id into found_window.
# (xdotool's own --sync polls at half-second steps; this is quicker.)
found_window=
window_shown() {
    found_window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [[ -n $found_window ]]
}

window_shown_or_program_ended() {
    window_shown '^Kobalin Version 1\.00$' || program_ended
}

# The language the program is started in, which Qt's own texts follow; the
# same on every test machine.
program_locale=C.UTF-8

start_program() {
    LC_ALL=$program_locale LANG=$program_locale LANGUAGE='' "$PROGRAM" &
    program_pid=$!
    within $((3 * STEP_SECONDS)) window_shown_or_program_ended
    if program_ended; then
        wait "$program_pid"
        die "the program ended at start with status $?"
    fi
    [[ -n $found_window ]] || die "the window 'Kobalin Version 1.00' did not open"
    window=$found_window
}

program_ended() {
    ! kill -0 "$program_pid" 2>/dev/null
}

# Waits for the program to end and checks its exit status.
expect_exit_status() {
    local expected=$1 what=$2
    if ! within $STEP_SECONDS program_ended; then
        fail "$what: the program is still running"
        return
    fi
    wait "$program_pid"
    local status=$?
    program_pid=
    ((status == expected)) || fail "$what: exit status $status, expected $expected"
}

# ------------------------------------------------------ places in the window

# The controls the scenarios press, in twips as laid out by the program (Left,
# Top, Width, Height); the children of the group boxes are given relative to
# the window, their box's place added. 15 twips make one pixel.
declare -A PLACES=(
    [Command1]="195 1500 900 270"         # neu
    [Command3]="1095 1500 1185 270"       # neu (schwarz)
    [Command2]="2280 1500 975 270"        # invertieren
    [Command4]="4800 1500 825 270"        # Beenden
    [Command5]="$((1680 + 90)) $((900 + 210)) 285 225"  # -
    [Command6]="$((1680 + 375)) $((900 + 210)) 285 225" # +
    [Command7]="4635 180 1005 225"        # aktualisieren
    [Command8]="3060 465 2580 225"        # In die Zwischenablage kopieren
    [Check2]="3060 180 1470 225"          # Raster anzeigen
    [Text1]="3045 750 2580 675"
    [Text3]="4065 1500 675 285"
    [Label9]="0 1845 5715 255"            # the credits line, which takes no focus
)

# Prints the centre of a control in window pixels.
centre_of() {
    local -a twips
    read -r -a twips <<<"${PLACES[$1]}"
    echo "$((twips[0] / 15 + twips[2] / 30)) $((twips[1] / 15 + twips[3] / 30))"
}

# Clicks a control at its centre, with mouse button 1 unless another is given.
press() {
    local x y
    read -r x y < <(centre_of "$1")
    xdotool mousemove --window "$window" "$x" "$y" click "${2:-1}"
}

# Prints the centre of cell i (row i / 8, column i % 8) in window pixels: the
# cell's Left 195 + 135 c and Top 210 + 135 r twips plus half its 150 twips.
cell_centre() {
    local row=$(($1 / 8)) column=$(($1 % 8))
    echo "$((13 + 9 * column + 5)) $((14 + 9 * row + 5))"
}

# Presses the cells at their centres with mouse button 1, in the order given.
press_cells() {
    local -a steps=()
    local index x y
    for index in "$@"; do
        read -r x y < <(cell_centre "$index")
        steps+=(mousemove --window "$window" "$x" "$y" click 1)
    done
    xdotool "${steps[@]}"
}

# ------------------------------------------------------------ focus and keys

focused_window() {
    xdotool getwindowfocus 2>/dev/null
}

has_focus() {
    [[ $(focused_window) == "$1" ]]
}

# Clicks a control and waits for the window to take the keyboard focus: keys
# go to the window holding the X input focus, and with no window manager the
# program's window takes it when it is clicked, not when it opens.
click_for_keys() {
    press "$1"
    within $STEP_SECONDS has_focus "$window" ||
        die "the window did not take the keyboard focus"
}

# Clicks a text box, selects all of its text and types over it.
type_into() {
    local box=$1 text=$2
    click_for_keys "$box"
    xdotool key ctrl+a
    xdotool type --delay 15 -- "$text"
}

# ---------------------------------------------------------- the question box

question_box=

no_question_box_shown() {
    ! window_shown '^Kobalin$'
}

# Waits for the confirmation question and for it to take the keyboard focus.
expect_question_box() {
    within $STEP_SECONDS window_shown '^Kobalin$' || die "$1: no question box appeared"
    question_box=$found_window
    within $STEP_SECONDS has_focus "$question_box" ||
        fail "$1: the question box did not take the focus"
}

# With no window manager the X focus falls back to the root window when the
# box closes; keys then go to the window under the pointer.
expect_question_box_gone() {
    within $STEP_SECONDS no_question_box_shown || die "$1: the question box is still open"
}

# ------------------------------------------------------------- the clipboard

# The clipboard's text, byte for byte, asked for as UTF-8.
read_clipboard() {
    timeout 2 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null
}

clipboard_holds() {
    read_clipboard >"$clipboard_now" && cmp -s "$clipboard_now" "$1"
}

# Offers text on the clipboard the way another program would, from a server
# that ends as soon as someone else, the editor, takes the clipboard over.
offer_clipboard() {
    if [[ -n $clipboard_server_pid ]]; then
        kill "$clipboard_server_pid" 2>/dev/null
        wait "$clipboard_server_pid" 2>/dev/null
    fi
    printf '%s' "$1" >"$clipboard_offered"
    xclip -verbose -selection clipboard -i "$clipboard_offered" >/dev/null 2>&1 &
    clipboard_server_pid=$!
    within $STEP_SECONDS clipboard_holds "$clipboard_offered" ||
        die "could not put text on the clipboard"
}

# Waits until the clipboard holds exactly the expected bytes.
expect_clipboard() {
    local what=$1 expected=$2
    printf '%s' "$expected" >"$clipboard_expected"
    if ! within $STEP_SECONDS clipboard_holds "$clipboard_expected"; then
        fail "$what: the clipboard holds something else"
        echo "expected:" >&2
        od -c "$clipboard_expected" >&2
        echo "got:" >&2
        od -c "$clipboard_now" >&2
    fi
}

# Presses "In die Zwischenablage kopieren" and checks what arrives. Another
# text is offered first, so that an unchanged declaration proves a new copy.
copy_and_expect() {
    offer_clipboard "not copied yet"
    press Command8
    expect_clipboard "$1" "$2"
}

# The declaration the program writes: name and row bytes in hex digits.
declaration() {
    local name=$1
    shift
    local IFS=,
    local -a bytes=("${@/#/0x}")
    printf 'static unsigned char %s[] = {%s};' "$name" "${bytes[*]}"
}
