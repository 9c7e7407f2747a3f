// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board for a screen reader: a table of the 81 cells, each named by its content first,
// then its place, then what else matters; the on-board buttons and the keypad's keys as
// buttons that press as a click does; the level, score, clock and answer as texts; and an
// alert that shows when the board is solved. It reads the board as it was last drawn, so a
// listener hears what a sighted player sees. Nothing of it is made before a screen reader
// asks, and the view tells it of changes only while one listens.

#include <QAccessible>

#include "game/gamestate.h"

namespace ninebox {

class BoardView;

// Makes the interfaces of board views, for QAccessible::installFactory; once is enough.
void installBoardAccessible();

// What the view tells a screen reader: the board drawn anew (before: what was drawn last,
// none the first time), the clock's reading, the keyboard moved between cells and buttons.
void boardChanged(BoardView& view, const GameState* before);
void clockChanged(BoardView& view);
void focusMoved(BoardView& view);

}  // namespace ninebox
