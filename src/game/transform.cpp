// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transform.h"
#include "game/game.h"

namespace ninebox {

// Rearranges the base record just dealt into the game's puzzle; its filled cells are the
// givens.
void Game::transform() {
    ninebox::transform(s_.board, s_.answer, rng_);
    s_.candidates = CandidateMap{};
    s_.givens = givensOf(s_.board);
    redraw();
}

}  // namespace ninebox
