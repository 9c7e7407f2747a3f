// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/command.h"

namespace ninebox {

void Game::forgetHistory() {
    history_.clear();
    if (command_) command_->newPuzzle();
}

void Game::undo() {
    if (s_.paused) return;
    if (!takeBack(history_.undo(), Puzzle::Side::before)) ui_.notice({Notice::Kind::nothingToUndo});
}

void Game::redo() {
    if (s_.paused) return;
    if (!takeBack(history_.redo(), Puzzle::Side::after)) ui_.notice({Notice::Kind::nothingToRedo});
}

// The cells go back; the candidate map and the solved state follow from them. The clock runs
// on: undo takes back the board, not the time spent.
bool Game::takeBack(std::optional<Change> change, Puzzle::Side side) {
    const Command command(*this, Command::Undo::notRecorded);
    if (!change) return false;
    s_.puzzle.apply(*change, side);
    s_.waitingForDigit = false;  // the waiting cell may hold a given again
    draw();
    return true;
}

}  // namespace ninebox
