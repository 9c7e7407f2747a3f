// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"

namespace ninebox {

// The tick alone says whether the page is meant to be shown.
void Game::toggleInstructions() {
    const bool show = !s_.checked(Item::instructions);
    setCheck(Item::instructions, show);
    ui_.setInstructionsVisible(show);
}

void Game::about() {
    ui_.showAbout();
    redraw();
}

}  // namespace ninebox
