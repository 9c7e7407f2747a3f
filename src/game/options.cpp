// SPDX-License-Identifier: GPL-3.0-or-later
// The Options and Level menus' display switches and choices.
#include "game/game.h"

namespace ninebox {

void Game::toggleScore() {
    toggleCheck(Item::showScore);
    draw();
}

// Shows or hides the clock from the next tick on; deliberately not drawn, so switching it off
// leaves the last reading until the board is next drawn.
void Game::toggleTime() { toggleCheck(Item::showTime); }

void Game::toggleLevelShown() {
    toggleCheck(Item::showLevel);
    draw();
}

void Game::toggleKanji() {
    toggleCheck(Item::kanji);
    draw();
}

// The tick alone says whether the page is meant to be shown.
void Game::toggleInstructions() {
    const bool show = !s_.checked(Item::instructions);
    setCheck(Item::instructions, show);
    ui_.setInstructionsVisible(show);
}

void Game::about() {
    ui_.showAbout();
    draw();
}

// Only the next random game feels the choice.
void Game::chooseLevel(Level level) {
    levelChoice_ = level;
    for (Item each : {Item::hard, Item::easy, Item::medium, Item::randomLevel}) setCheck(each, false);
    switch (level) {
        case Level::none: setCheck(Item::randomLevel, true); break;
        case Level::easy: setCheck(Item::easy, true); break;
        case Level::medium: setCheck(Item::medium, true); break;
        case Level::hard: setCheck(Item::hard, true); break;
    }
}

}  // namespace ninebox
