// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on the player's digits as a whole: Reset, Remove Wrong Answers and Cheat.
#include "game/command.h"

namespace ninebox {

namespace {

// The cells whose digit went from filled to empty (emptied) or the other way.
int cellsTurned(const Puzzle& before, const Puzzle& after, bool emptied) {
    int count = 0;
    for (const CellChange& c : changeBetween(before, after)) count += (emptied ? c.after : c.before) == 0;
    return count;
}

}  // namespace

void Game::reset() {
    const Command command(*this);
    if (s_.paused) return;
    s_.puzzle.clearEntries();
    s_.shadedDigit = 0;
    s_.waitingForDigit = false;
    s_.seconds = 0;
    draw();
    ui_.notice({Notice::Kind::reset});
}

void Game::removeWrongAnswers() {
    const Command command(*this);
    if (s_.paused) return;
    const Puzzle before = s_.puzzle;
    s_.puzzle.clearWrongEntries();
    draw();
    ui_.notice({Notice::Kind::wrongRemoved, cellsTurned(before, s_.puzzle, true)});
}

// Cheat passes in map mode until one places nothing, showing the board after each; every
// placing pass fills an empty cell, so the loop ends. A pass that meets a clash ends it too:
// the board holds a contradiction. Then back to the mode it started in.
void Game::cheat() {
    const Command command(*this);
    if (s_.mode == Mode::edit || s_.paused) return;
    const Mode started = s_.mode;
    const Puzzle before = s_.puzzle;
    PassOutcome pass = PassOutcome::placed;
    while (pass == PassOutcome::placed) {
        switchMode(Mode::map);
        pass = s_.puzzle.cheatPass();
    }
    if (started == Mode::play) switchMode(Mode::play);
    draw();
    ui_.notice({Notice::Kind::cheated, cellsTurned(before, s_.puzzle, false)});
}

}  // namespace ninebox
