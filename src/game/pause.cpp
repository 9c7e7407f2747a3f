// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"

namespace ninebox {

namespace {

constexpr int kInactiveTicks = 60;  // a minute

}  // namespace

void Game::togglePause() {
    if (!resumed()) pause();
}

void Game::pause() {
    if (s_.paused || s_.puzzle.solved()) return;
    s_.paused = true;
    inactiveTicks_ = 0;
    draw();
}

bool Game::resumed() {  // true when it was paused: the input that resumed it does nothing else
    if (!s_.paused) return false;
    s_.paused = false;
    draw();
    ui_.notice({Notice::Kind::resumed});
    return true;
}

void Game::minimised() { pause(); }

void Game::setActive(bool active) {
    active_ = active;
    inactiveTicks_ = 0;
}

// A solved board, or a paused game, stops the clock; a minute of the clock running without an
// active window pauses the game.
void Game::tick() {
    const bool running = !s_.puzzle.solved() && !s_.paused;
    if (running) ++s_.seconds;
    if (running && !active_ && ++inactiveTicks_ >= kInactiveTicks) pause();
    if (s_.timeShown) ui_.paintClock(s_.seconds);
}

}  // namespace ninebox
