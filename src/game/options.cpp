// SPDX-License-Identifier: GPL-3.0-or-later
// The Options and Level menus' display switches and choices.
#include "game/game.h"

namespace ninebox {

void Game::toggleScore() {
    s_.scoreShown = !s_.scoreShown;
    draw();
}

// Shows or hides the clock from the next tick on; deliberately not drawn, so switching it off
// leaves the last reading until the board is next drawn.
void Game::toggleTime() { s_.timeShown = !s_.timeShown; }

void Game::toggleLevelShown() {
    s_.levelShown = !s_.levelShown;
    draw();
}

void Game::toggleKanji() {
    s_.kanji = !s_.kanji;
    draw();
}

void Game::toggleConflicts() {
    s_.conflictsShown = !s_.conflictsShown;
    draw();
}

void Game::toggleHighlight() {
    s_.highlightOn = !s_.highlightOn;
    draw();
}

// The tick alone says whether the page is meant to be shown.
void Game::toggleInstructions() {
    s_.instructionsShown = !s_.instructionsShown;
    ui_.setInstructionsVisible(s_.instructionsShown);
}

void Game::about() {
    ui_.showAbout();
    draw();
}

// Only the next random game feels the choice.
void Game::chooseLevel(Level level) { s_.levelChoice = level; }

}  // namespace ninebox
