// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"

namespace ninebox {

// Exactly one mode item is checked. Map and edit mode show the score play mode counted last.
void Game::setMode(Mode mode) {
    if (s_.mode == Mode::play && mode != Mode::play) s_.countedScore = s_.puzzle.score();
    s_.mode = mode;
    s_.shadedDigit = 0;
    setCheck(Item::playMode, mode == Mode::play);
    setCheck(Item::mapMode, mode == Mode::map);
    setCheck(Item::editMode, mode == Mode::edit);
}

// A waiting entry survives the switch to play mode.
void Game::playMode() {
    setMode(Mode::play);
    draw();
}

void Game::mapMode() {
    setMode(Mode::map);
    s_.waitingForDigit = false;
    draw();
}

// Edit mode keeps the board: the givens become editable and the player's digits stay as
// open cells. No drawing: the marks change at once, the board at the next change.
void Game::editMode() {
    setMode(Mode::edit);
    s_.waitingForDigit = false;
    keepProgress();
}

}  // namespace ninebox
