// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"
#include "rules/candidates.h"

namespace ninebox {

// Mode bookkeeping shared by the three mode commands: exactly one mode item is checked.
void Game::setMode(Mode mode) {
    s_.mode = mode;
    s_.shadedDigit = 0;
    setCheck(Item::playMode, mode == Mode::play);
    setCheck(Item::mapMode, mode == Mode::map);
    setCheck(Item::editMode, mode == Mode::edit);
}

// A pending entry survives the switch to play mode.
void Game::playMode() {
    setMode(Mode::play);
    redraw();
}

void Game::mapMode() {
    setMode(Mode::map);
    s_.waitingForDigit = false;
    buildCandidateMap();
    redraw();
}

void Game::reset() {
    const StepRecorder step(*this);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (!s_.given(x, y)) s_.board[x][y] = 0;
    buildCandidateMap();
    s_.shadedDigit = 0;
    s_.waitingForDigit = false;
    s_.seconds = 0;
    redraw();
}

void Game::buildCandidateMap() { s_.candidates = candidateMap(s_.board); }

}  // namespace ninebox
