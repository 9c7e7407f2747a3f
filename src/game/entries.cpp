// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on the player's digits as a whole: Reset, Remove Wrong Answers and Cheat.
#include "game/command.h"

namespace ninebox {

void Game::reset() {
    const Command command(*this);
    if (s_.paused) return;
    s_.puzzle.clearEntries();
    s_.shadedDigit = 0;
    s_.waitingForDigit = false;
    s_.seconds = 0;
    draw();
}

void Game::removeWrongAnswers() {
    const Command command(*this);
    if (s_.paused) return;
    s_.puzzle.clearWrongEntries();
    draw();
}

// Cheat passes in map mode until one places nothing, showing the board after each; every
// placing pass fills an empty cell, so the loop ends. A pass that meets a clash ends it too:
// the board holds a contradiction. Then back to the mode it started in.
void Game::cheat() {
    const Command command(*this);
    if (s_.mode == Mode::edit || s_.paused) return;
    const Mode started = s_.mode;
    PassOutcome pass = PassOutcome::placed;
    while (pass == PassOutcome::placed) {
        mapMode();
        pass = s_.puzzle.cheatPass();
    }
    if (started == Mode::play) playMode();
    draw();
}

}  // namespace ninebox
