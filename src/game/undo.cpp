// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/undo.h"

namespace ninebox {

Game::Step::Step(Game& game) : game_(game), outer_(!game.step_) {
    if (!outer_) return;
    before_ = game.s_.puzzle;
    game_.step_ = this;
}

Game::Step::~Step() {
    if (!outer_) return;
    game_.step_ = nullptr;
    if (!forgotten_) {
        Change change = changeBetween(before_, game_.s_.puzzle);
        if (!change.empty() && game_.keeping_ == Keeping::held) game_.keeping_ = Keeping::on;
        game_.history_.record(std::move(change));
    }
    game_.keepProgress();
}

// A new, loaded or pasted game replaces a game kept from before a start with a game file.
void Game::forgetHistory() {
    history_.clear();
    if (step_) step_->forget();
    if (keeping_ == Keeping::held) keeping_ = Keeping::on;
}

void Game::undo() { takeBack(history_.undo(), Puzzle::Side::before); }

void Game::redo() { takeBack(history_.redo(), Puzzle::Side::after); }

// The cells go back; the candidate map and the solved state follow from them. The clock runs
// on: undo takes back the board, not the time spent.
void Game::takeBack(std::optional<Change> change, Puzzle::Side side) {
    if (!change) return;
    s_.puzzle.apply(*change, side);
    s_.waitingForDigit = false;  // the waiting cell may hold a given again
    draw();
}

}  // namespace ninebox
