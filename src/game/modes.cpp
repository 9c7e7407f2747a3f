// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/command.h"

namespace ninebox {

// Map and edit mode show the score play mode counted last. A new mode shades nothing.
void Game::setMode(Mode mode) {
    if (s_.mode == Mode::play && mode != Mode::play) s_.countedScore = s_.puzzle.score();
    s_.mode = mode;
    s_.shadedDigit = 0;
}

// A waiting entry survives the switch to play mode. A puzzle typed in edit mode learns its
// answers once it is drawn.
void Game::playMode() {
    const Command command(*this);
    if (s_.paused) return;
    const bool edited = s_.mode == Mode::edit;
    setMode(Mode::play);
    draw();
    if (edited) learnAnswers();
}

void Game::mapMode() {
    const Command command(*this);
    if (s_.paused) return;
    const bool edited = s_.mode == Mode::edit;
    setMode(Mode::map);
    s_.waitingForDigit = false;
    draw();
    if (edited) learnAnswers();
}

// Edit mode keeps the board: the givens become editable and the player's digits stay as
// open cells. No drawing: the marks change at once, the board at the next change.
void Game::editMode() {
    const Command command(*this);
    if (s_.paused) return;
    setMode(Mode::edit);
    s_.waitingForDigit = false;
}

}  // namespace ninebox
