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

// The state side of a full redraw; the window paints the picture from the state between
// the judgements and the clearing of the one-shot hint.
void Game::redraw() {
    ui_.setMenusVisible(s_.menusShown);
    if (s_.mode == Mode::play) countEntries();
    checkSolved();
    ui_.paint(s_);
    s_.showAnswerOnce = false;
}

void Game::activated() {
    ui_.setInstructionsVisible(false);
    if (s_.started == Startup::notActivated) {
        s_.started = Startup::firstGameDue;
        // A game file named at start takes the first game's place; when it cannot be loaded,
        // Load has said so (over the board, drawn first) and the first game is dealt after all.
        if (!startFile_.empty()) redraw();
        if (!startFile_.empty() && loadFile({FileChoice::Outcome::chosen, std::exchange(startFile_, {})}))
            s_.started = Startup::done;
        else newGame();
    }
    redraw();
}

bool Game::closeRequested() {
    if (s_.checked(Item::instructions)) {
        toggleInstructions();
        return false;
    }
    return true;
}

}  // namespace ninebox
