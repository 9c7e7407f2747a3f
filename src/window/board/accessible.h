// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board for a screen reader: a table of the 81 cells, each named by its content first,
// then its place, then what else matters; the on-board buttons and the keypad's keys as
// buttons that press as a click does (Play Mode and Map Mode as radio buttons, the one of
// the mode checked); the level, score, clock, answer and step explained as texts; an alert
// that shows when the board is solved; and a status bar whose notification says what a key
// changed. It reads the board as it was last drawn, so a listener hears what a sighted player
// sees. Nothing of it is made before a screen reader asks, and the view tells it of changes
// only while one listens.
//
// What the listener hears of one step (a key, a command, a dialog closed) goes out once the
// step is over, as one sentence: the notices of the step, then the cells it changed (but the
// one the keyboard lands on, which the reader says as it takes the focus), then the texts that
// came up (the step explained, the answer, "Solved"); then the keyboard's place, when it moved.
// While another window is active it waits for the board window.

#include <QAccessible>

#include "game/gamestate.h"

namespace ninebox {

class BoardView;

// Makes the interfaces of board views, for QAccessible::installFactory; once is enough.
void installBoardAccessible();

// What the view tells a screen reader: the board about to be drawn anew or its clock to
// change, the keyboard moved between cells and buttons or back from elsewhere, the window
// active again; and a text to say, from the window.
void boardChanging(BoardView& view);
void focusMoved(BoardView& view);
void windowActivated(BoardView& view);
void say(BoardView& view, const QString& text);

}  // namespace ninebox
