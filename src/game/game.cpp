// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"

#include <utility>

#include "game/command.h"

namespace ninebox {

Game::Game(Window& window, Generator& generator, FileSystem& files, std::function<double()> timeOfDay)
    : ui_(window), rng_(generator), files_(files), timeOfDay_(std::move(timeOfDay)) {}

// The whole board, drawn anew from the state, and the menus as the corner left them.
void Game::draw(bool answerShown) const {
    ui_.setMenusVisible(s_.menusShown);
    ui_.paint(s_, answerShown);
}

void Game::redraw() const { draw(); }

// The instructions page hides, though its tick stays.
void Game::activated() {
    ui_.setInstructionsVisible(false);
    draw();
}

// Nothing is kept before the game in progress was taken back: the state is not yet a game. A
// game file named at start holds the kept game in the file until the player changes something.
void Game::start(const std::string& file) {
    if (!file.empty()) {
        draw();  // Load's message, if any, shows over the board
        if (loadFile({FileChoice::Outcome::chosen, file})) {
            holding_ = true;
            kept_ = progressText();
            return;
        }
    }
    if (resume()) {
        draw();
        return;
    }
    clearForNewGame();
    deal(caption_.gameNumber, false);
    // The file holds nothing to take back either: it need not be written before a change.
    kept_ = progressText();
}

bool Game::closeRequested() {
    if (s_.instructionsShown) {
        toggleInstructions();
        return false;
    }
    return true;
}

}  // namespace ninebox
