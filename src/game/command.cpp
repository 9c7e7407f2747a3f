// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/command.h"

namespace ninebox {

Game::Command::Command(Game& game, Undo undo) : game_(game), outer_(!game.command_), undo_(undo) {
    if (!outer_) return;
    before_ = game.s_.puzzle;
    game_.command_ = this;
    game_.s_.advice.reset();  // a step explained shows until the next change, key or click
}

// A change of the puzzle, or a new one, ends the hold of a game file named at start.
Game::Command::~Command() {
    if (!outer_) return;
    game_.command_ = nullptr;
    Change change = newPuzzle_ ? Change{} : changeBetween(before_, game_.s_.puzzle);
    if (newPuzzle_ || !change.empty()) game_.holding_ = false;
    if (undo_ == Undo::recorded) game_.history_.record(std::move(change));
    game_.keepProgress();
}

}  // namespace ninebox
