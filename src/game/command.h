// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One command of the player's, from its start to its end. What it changes of the puzzle is one
// step to undo, unless it takes a step back itself or deals a new puzzle; once it ends, the
// game in progress is kept. Only the outermost command counts: the on-board Reset runs inside
// a press.

#include "game/game.h"

namespace ninebox {

class Game::Command {
public:
    enum class Undo { recorded, notRecorded };
    explicit Command(Game& game, Undo undo = Undo::recorded);
    ~Command();
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    // A new, loaded or pasted puzzle: nothing before it to go back to.
    void newPuzzle() { newPuzzle_ = true; }

private:
    Game& game_;
    bool outer_;
    Undo undo_;
    bool newPuzzle_ = false;
    Puzzle before_;
};

}  // namespace ninebox
