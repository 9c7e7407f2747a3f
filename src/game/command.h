// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A player's command while it lives: what it changes is one step to undo, unless it undoes
// itself or deals a new puzzle; at its end the game is kept. Only the outermost one counts.

#include "game/game.h"

namespace ninebox {

class Game::Command {
public:
    enum class Undo { recorded, notRecorded };
    explicit Command(Game& game, Undo undo = Undo::recorded);
    ~Command();
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    void newPuzzle() { newPuzzle_ = true; }  // new, loaded or pasted: nothing to go back to

private:
    Game& game_;
    bool outer_;
    Undo undo_;
    bool newPuzzle_ = false;
    Puzzle before_;
};

}  // namespace ninebox
