"""What a screen reader does on the accessibility bus: the verbs of atspi_session.sh."""
import sys

import pyatspi
from gi.repository import GLib


def find(wanted):  # the first match, depth first, in the shown windows
    windows = [window for application in pyatspi.Registry.getDesktop(0) for window in application
               if window.getState().contains(pyatspi.STATE_SHOWING)]
    return next(filter(None, (pyatspi.findDescendant(window, wanted) for window in windows)), None)


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
if verb == "press":  # a cell by its name; the bus must then tell that it changed
    pressed = find(lambda thing: thing.name == arguments[0] and thing.get_n_actions() > 0)
    sys.exit(not pressed or not press_and_hear(pressed))
if verb == "hears":  # something of a role such as "check box", with a name, in a state
    role, name, state = arguments
    wanted = getattr(pyatspi, "ROLE_" + role.upper().replace(" ", "_"))  # its name varies by version
    sys.exit(not find(lambda thing: thing.getRole() == wanted and thing.name == name and
                      thing.getState().contains(getattr(pyatspi, "STATE_" + state.upper()))))
sys.exit(f"no verb {verb}")
