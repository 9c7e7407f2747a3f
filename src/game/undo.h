// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One undo step: what the puzzle goes through while a Step lives. Only the outermost counts
// (the on-board Reset runs inside a mouse press), and none when the history was forgotten
// meanwhile (the on-board New deals a game with nothing before it to go back to).

#include "game/game.h"

namespace ninebox {

class Game::Step {
public:
    explicit Step(Game& game);
    ~Step();
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

    void forget() { forgotten_ = true; }

private:
    Game& game_;
    bool outer_;
    bool forgotten_ = false;
    Puzzle before_;
};

}  // namespace ninebox
