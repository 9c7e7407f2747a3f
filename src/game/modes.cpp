// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/command.h"

namespace ninebox {

// Map and edit mode show the score play mode counted last. A new mode shades nothing.
void Game::setMode(Mode mode) {
    if (s_.mode == Mode::play && mode != Mode::play) s_.countedScore = s_.puzzle.score();
    s_.mode = mode;
    s_.shadedDigit = 0;
}

// A waiting entry survives only the switch to play mode. Edit mode keeps the board: the givens
// become editable and the player's digits stay as open cells; it draws nothing, so the marks
// change at once and the board at the next change. A puzzle typed in edit mode learns its
// answers once it is drawn in play or map mode.
void Game::switchMode(Mode mode) {
    const Command command(*this);
    const bool edited = s_.mode == Mode::edit;
    setMode(mode);
    if (mode != Mode::play) s_.waitingForDigit = false;
    if (mode == Mode::edit) return;
    draw();
    if (edited) learnAnswers();
}

// The player's choice is said even when the mode was on already; the game's own switches
// (a new game, Cheat's passes) are not. Refused while paused.
void Game::playMode() {
    if (s_.paused) return;
    switchMode(Mode::play);
    ui_.notice({Notice::Kind::mode});
}

void Game::mapMode() {
    if (s_.paused) return;
    switchMode(Mode::map);
    ui_.notice({Notice::Kind::mode});
}

void Game::editMode() {
    if (s_.paused) return;
    switchMode(Mode::edit);
    ui_.notice({Notice::Kind::mode});
}

}  // namespace ninebox
