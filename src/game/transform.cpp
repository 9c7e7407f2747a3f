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

void Game::countEntries() {
    s_.rightEntries = 0;
    s_.wrongEntries = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (s_.givens[x][y] || s_.board[x][y] <= 0) continue;
            if (s_.board[x][y] == s_.answer[x][y]) ++s_.rightEntries;
            else ++s_.wrongEntries;
        }
}

}  // namespace ninebox
