// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/command.h"

namespace ninebox {

void Game::forgetHistory() {
    history_.clear();
    if (command_) command_->newPuzzle();
}

void Game::undo() { takeBack(history_.undo(), Puzzle::Side::before); }

void Game::redo() { takeBack(history_.redo(), Puzzle::Side::after); }

// The cells go back; the candidate map and the solved state follow from them. The clock runs
// on: undo takes back the board, not the time spent.
void Game::takeBack(std::optional<Change> change, Puzzle::Side side) {
    const Command command(*this, Command::Undo::notRecorded);
    if (s_.paused || !change) return;
    s_.puzzle.apply(*change, side);
    s_.waitingForDigit = false;  // the waiting cell may hold a given again
    draw();
}

}  // namespace ninebox
