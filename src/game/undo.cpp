// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"

namespace ninebox {

Game::StepRecorder::StepRecorder(Game& game) : game_(game), outer_(!game.recording_) {
    if (!outer_) return;
    game_.recording_ = true;
    game_.stepStart_ = snapshotOf(game_.s_);
}

Game::StepRecorder::~StepRecorder() {
    if (!outer_) return;
    game_.recording_ = false;
    if (game_.stepStart_) game_.history_.record(diff(*game_.stepStart_, snapshotOf(game_.s_)));
    game_.stepStart_.reset();
}

void Game::clearHistory() {
    history_.clear();
    stepStart_.reset();
}

void Game::undo() { takeStep(history_.undo(), Side::before); }

void Game::redo() { takeStep(history_.redo(), Side::after); }

// The cells go back; the map and the solved state follow from the board. The clock runs on
// and the score is left to the redraw, as after any change: undo takes back the board, not
// the time spent.
void Game::takeStep(std::optional<Step> step, Side side) {
    if (!step) return;
    apply(*step, side, s_);
    s_.waitingForDigit = false;  // the waiting cell may hold a given again
    if (s_.mode == Mode::map) buildCandidateMap();
    redraw();
}

}  // namespace ninebox
