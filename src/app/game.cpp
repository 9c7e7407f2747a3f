#include "app/game.h"

#include <utility>

namespace ninebox {

Game::Game(Window& window, Generator& generator, FileSystem& files, std::function<double()> timeOfDay)
    : ui_(window), rng_(generator), files_(files), timeOfDay_(std::move(timeOfDay)) {}

void Game::setCheck(Item item, bool on) {
    s_.checks[static_cast<std::size_t>(item)] = on;
    ui_.setChecked(item, on);
}

void Game::toggleCheck(Item item) { setCheck(item, !s_.checked(item)); }

// The state side of a full redraw; the window paints the picture from the state between
// the judgements and the clearing of the one-shot hint.
void Game::showboard() {
    ui_.setMenusVisible(s_.menuson == 1);
    if (s_.mode == Mode::play) numdate();
    cs_Click();
    ui_.paint(s_);
    s_.peek = 0;
}

void Game::Form_activate() {
    ui_.setInstructionsVisible(false);
    if (s_.started == 0) {
        s_.started = 1;
        ng_Click();
    }
    showboard();
}

bool Game::Form_Unload() {
    if (s_.checked(Item::instruc)) {
        instruc_Click();
        return false;
    }
    return true;
}

}  // namespace ninebox
