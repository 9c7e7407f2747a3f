# SPDX-License-Identifier: GPL-3.0-or-later
"""The board as a screen reader reads it, through the accessibility tree: the 81 cells of game
4711 by name, the focus following the arrow keys, a digit typed and one pressed on the keypad
through its action, the score and the clock, and the alert when the board is solved. Keys come
from xdotool. argv: a game file one digit short of solved (its last cell empty), that digit, and
a file to make once listening."""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

GAME_4711 = "000000000700003006340809005000408700000500092032900500000000420406000000000070000"


focus_events = []  # the names of the objects a screen reader was told took the focus
pyatspi.Registry.registerEventListener(
    lambda e: e.detail1 and focus_events.append(e.source.name), "object:state-changed:focused")
open(sys.argv[3], "w").close()


def wait(what, test, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            found = test()
            if found:
                return found
        except Exception:  # the tree is still being built, or changed under the question
            pass
        time.sleep(0.1)
    sys.exit(f"FAIL: {what}")


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def find(root, role, name=None):
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        if child.getRole() == role and (name is None or child.name == name):
            return child
        found = find(child, role, name) if child.childCount < 100 else None
        if found:
            return found
    return None


def app():
    return next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "ninebox")


def cell(row, column):
    return table.queryTable().getAccessibleAt(row - 1, column - 1)


def press(name):
    button = find(board, pyatspi.ROLE_PUSH_BUTTON, name)
    button.queryAction().doAction(0)


def focused():
    return next(c.name for c in table if c.getState().contains(pyatspi.STATE_FOCUSED))


def label(start):
    return next(c.name for c in board if c.getRole() == pyatspi.ROLE_LABEL and c.name.startswith(start))


board = wait("no board in the tree", lambda: find(app(), pyatspi.ROLE_PANEL, "Ninebox"))
wait("no first game", lambda: app()[0].name.startswith("Ninebox1 --Game# "))
wait("no menus, whose keys come just after the first game", lambda: find(app(), pyatspi.ROLE_MENU_BAR))
keys("ctrl+n")
wait("no game dialog named 'New game'", lambda: find(app(), pyatspi.ROLE_DIALOG, "New game"))
field = wait("no 'Game number' field", lambda: find(app(), pyatspi.ROLE_TEXT, "Game number"))
subprocess.run(["xdotool", "type", "--delay", "40", "4711"], check=True)
keys("Return")
table = wait("no table", lambda: find(board, pyatspi.ROLE_TABLE, "Board"))
expected = [
    f"{d}, given, row {i // 9 + 1}, column {i % 9 + 1}" if d != "0" else f"empty, row {i // 9 + 1}, column {i % 9 + 1}"
    for i, d in enumerate(GAME_4711)
]
wait("cells not named as game 4711", lambda: [cell(i // 9 + 1, i % 9 + 1).name for i in range(81)] == expected)
wait("the first cell does not have the focus", lambda: focused() == "empty, row 1, column 1")
keys("Right")
wait(f"Right left the focus on {focused()}", lambda: focused() == "empty, row 1, column 2")
wait(f"no focus event for the cell: {focus_events[-3:]}", lambda: focus_events and focus_events[-1] == "empty, row 1, column 2")
keys("7")
wait("the digit typed is not read back", lambda: cell(1, 2).name == "7, row 1, column 2")
cell(1, 3).queryAction().doAction(0)  # a click on it: it waits for the keypad
press("5")
wait("keypad 5 did not land", lambda: cell(1, 3).name == "5, row 1, column 3")
press("Score On/Off")
press("Time On/Off")
wait("no score", lambda: re.fullmatch(r"Score: \d+ right, \d+ wrong", label("Score")))
wait("no clock", lambda: re.fullmatch(r"Time: \d\d:\d\d:\d\d", label("Time")))

alert = next(c for c in board if c.getRole() == pyatspi.ROLE_ALERT)
assert not alert.getState().contains(pyatspi.STATE_SHOWING), "solved before it is"
keys("ctrl+o")
wait("no file dialog", lambda: find(app(), pyatspi.ROLE_DIALOG, "Open") or find(app(), pyatspi.ROLE_FILE_CHOOSER))
keys("ctrl+a")
subprocess.run(["xdotool", "type", "--delay", "20", sys.argv[1]], check=True)
keys("Return")
wait("the file did not load", lambda: cell(9, 9).name == "empty, row 9, column 9")
keys("Left", "Left", "Left")  # from the third cell back round to the last
wait("not on the last cell", lambda: focused() == "empty, row 9, column 9")
keys(sys.argv[2])
wait("no alert that the board is solved", lambda: alert.getState().contains(pyatspi.STATE_SHOWING))
print("a11y: 81 cells named, focus, typed and pressed digits, score, clock and the solved alert")
