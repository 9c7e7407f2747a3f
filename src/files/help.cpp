#include "app/game.h"

namespace ninebox {

// The tick alone says whether the page is meant to be shown.
void Game::instruc_Click() {
    const bool show = !s_.checked(Item::instruc);
    setCheck(Item::instruc, show);
    ui_.setInstructionsVisible(show);
}

void Game::abt_Click() {
    ui_.showAbout();
    showboard();
}

}  // namespace ninebox
