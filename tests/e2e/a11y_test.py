# SPDX-License-Identifier: GPL-3.0-or-later
"""The board as a screen reader reads it, through the accessibility tree, where the Orca test
does not reach: the 81 cells of game 4711 by name, a digit pressed on the keypad through the
actions, the score and the clock there for flat review though the board hides them, the mode
buttons' checked state, and the instructions page among the board's children while it shows.
Keys come from xdotool. argv: a file to make once listening."""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

GAME_4711 = "000000000700003006340809005000408700000500092032900500000000420406000000000070000"


# Listening, as a screen reader does, before the program starts.
pyatspi.Registry.registerEventListener(lambda e: None, "object:state-changed:focused")
open(sys.argv[1], "w").close()


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


table = wait("no table", lambda: find(app(), pyatspi.ROLE_TABLE, "Board"))
board = table.parent
assert board.getRole() == pyatspi.ROLE_FILLER and not board.name, "the board's widget has a name or role of its own"
wait("no first game", lambda: app()[0].name.startswith("Ninebox1 --Game# "))
wait("no menus, whose keys come just after the first game", lambda: find(app(), pyatspi.ROLE_MENU_BAR))
keys("ctrl+n")
wait("no game dialog named 'New game'", lambda: find(app(), pyatspi.ROLE_DIALOG, "New game"))
wait("no 'Game number' field", lambda: find(app(), pyatspi.ROLE_TEXT, "Game number"))
subprocess.run(["xdotool", "type", "--delay", "40", "4711"], check=True)
keys("Return")
expected = [
    f"{d}, given, row {i // 9 + 1}, column {i % 9 + 1}" if d != "0" else f"empty, row {i // 9 + 1}, column {i % 9 + 1}"
    for i, d in enumerate(GAME_4711)
]
wait("cells not named as game 4711", lambda: [cell(i // 9 + 1, i % 9 + 1).name for i in range(81)] == expected)
cell(1, 3).queryAction().doAction(0)  # a click on it: it waits for the keypad
press("5")
wait("keypad 5 did not land", lambda: cell(1, 3).name == "5, row 1, column 3")
# Flat review finds the score and the clock, hidden on the board or not.
for start, pattern in (("Score", r"Score: \d+ right, \d+ wrong"), ("Time", r"Time: \d\d:\d\d:\d\d")):
    text = wait(f"no {start}", lambda: next(c for c in board if c.getRole() == pyatspi.ROLE_LABEL and c.name.startswith(start)))
    assert re.fullmatch(pattern, text.name) and text.getState().contains(pyatspi.STATE_VISIBLE), text.name


def mode_checked():
    return [find(board, pyatspi.ROLE_RADIO_BUTTON, m).getState().contains(pyatspi.STATE_CHECKED) for m in ("Play Mode", "Map Mode")]


wait("Play Mode is not the one checked", lambda: mode_checked() == [True, False])
find(board, pyatspi.ROLE_RADIO_BUTTON, "Map Mode").queryAction().doAction(0)
wait("Map Mode pressed is not the one checked", lambda: mode_checked() == [False, True])
# The instructions page is the board's child while it shows.
keys("F1")
wait("no page among the board's children", lambda: find(board, pyatspi.ROLE_LABEL, "Instructions"))
keys("Escape")
wait("the page stays among the board's children", lambda: not find(board, pyatspi.ROLE_LABEL, "Instructions"))
print("a11y: 81 cells named, keypad through actions, score and clock always visible, mode buttons checked, the page")
