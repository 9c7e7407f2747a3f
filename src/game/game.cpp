// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"

#include <utility>

namespace ninebox {

Game::Game(Window& window, Generator& generator, FileSystem& files, std::function<double()> timeOfDay)
    : ui_(window), rng_(generator), files_(files), timeOfDay_(std::move(timeOfDay)) {}

void Game::setCheck(Item item, bool on) {
    s_.checks[static_cast<std::size_t>(item)] = on;
    ui_.setChecked(item, on);
}

void Game::toggleCheck(Item item) { setCheck(item, !s_.checked(item)); }

// The whole board, drawn anew from the state, and the menus as the corner left them.
// Every command ends here, so the game in progress is kept from here too.
void Game::draw(bool answerShown) {
    ui_.setMenusVisible(s_.menusShown);
    ui_.paint(s_, answerShown);
    keepProgress();
}

void Game::redraw() { draw(); }

// The instructions page hides, though its tick stays.
void Game::activated() {
    ui_.setInstructionsVisible(false);
    draw();
}

// Nothing is kept before the game in progress was taken back: the state is not yet a game.
void Game::start(const std::string& file) {
    if (!file.empty()) {
        draw();  // Load's message, if any, shows over the board
        if (loadFile({FileChoice::Outcome::chosen, file})) {
            if (keeping_ == Keeping::notYet) keeping_ = Keeping::held;
            return;
        }
    }
    if (resume()) {
        draw();
    } else {
        clearForNewGame();
        deal(gameNumber_, false);
        // The file holds nothing to take back either: it need not be written before a change.
        kept_ = progressText();
    }
    if (keeping_ == Keeping::notYet) keeping_ = Keeping::on;
}

bool Game::closeRequested() {
    if (s_.checked(Item::instructions)) {
        toggleInstructions();
        return false;
    }
    return true;
}

}  // namespace ninebox
