"""What a screen reader does on the accessibility bus: the verbs of atspi_session.sh."""
import re
import sys
import time

import pyatspi
from gi.repository import GLib


def windows():  # the program's window and its question, while shown
    for application in pyatspi.Registry.getDesktop(0):
        for window in application:
            if window.getState().contains(pyatspi.STATE_SHOWING):
                yield window


def is_active(window):
    return window.getState().contains(pyatspi.STATE_ACTIVE)


def find(wanted, places):  # the first match, depth first
    return next(filter(None, (pyatspi.findDescendant(place, wanted) for place in places)), None)


def control(name):  # a label may have the name of its box, but no action
    found = find(lambda thing: thing.name == name and thing.get_n_actions() > 0, windows())
    return found or sys.exit(f"no control on the bus is called '{name}'")


def press_and_hear(cell):  # presses a cell; true when the bus tells that it changed
    told = []
    def hear(event):
        told.append(event.source.name)
        pyatspi.Registry.stop()
    def press():
        cell.queryAction().doAction(0)
        return False  # once
    pyatspi.Registry.registerEventListener(hear, "object:state-changed:checked")
    GLib.idle_add(press)  # once listening
    GLib.timeout_add_seconds(5, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    return told == [cell.name]


verb, *arguments = sys.argv[1:]
if verb == "shown":  # prints the path of the first window whose name matches
    paths = [window.path for window in windows() if re.search(arguments[0], window.name)]
    print(*paths[:1])
    sys.exit(not paths)
if verb == "focused":
    sys.exit(not any(window.path == arguments[0] and is_active(window) for window in windows()))
if verb == "press":
    pressed = control(arguments[0])
    if pressed.getRole() == pyatspi.ROLE_CHECK_BOX:
        sys.exit(not press_and_hear(pressed))
    if not pressed.queryAction().doAction(0):
        sys.exit(f"'{arguments[0]}' took no press")
    while pressed.getState().contains(pyatspi.STATE_PRESSED):  # Qt clicks as the button comes up
        time.sleep(0.02)
    sys.exit()
if verb == "key":  # the action bound to keys such as "Alt+N" in the active window
    bound = find(lambda thing: thing.get_n_actions() > 0 and thing.get_key_binding(0) == arguments[0],
                 filter(is_active, windows()))
    sys.exit(not bound or not bound.queryAction().doAction(0))
if verb == "type":
    sys.exit(not control(arguments[0]).queryEditableText().setTextContents(arguments[1]))
if verb == "hears":  # something of that name in a state such as "checked"
    state = getattr(pyatspi, "STATE_" + arguments[1].upper())
    sys.exit(not find(lambda thing: thing.name == arguments[0] and thing.getState().contains(state),
                      windows()))
sys.exit(f"no verb {verb}")
