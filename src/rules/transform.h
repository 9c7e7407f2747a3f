// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game-number transformation: a base record rearranged into a game's puzzle by moves that
// keep every row, column and box a row, column or box (block and line permutations, quarter
// turns) and by a relabelling of the digits. The generator chooses every step, so a game
// number, which seeds it, always gives the same puzzle.

#include "rules/grid.h"
#include "rules/library.h"

namespace ninebox {

class Generator;

// Moves board and answer together, so the answer stays the solution of the puzzle. Draws 18
// values in a fixed order: 1 column-block group, 1 row-block group, 3 column groups, 3 row
// groups, the turn count and 9 swap partners. Every game number's puzzle depends on that
// order.
void transform(Grid& board, Grid& answer, Generator& generator);

// Game `number`: the base record its first draw picks, rearranged.
struct DealtGame {
    double number = 0;
    Level level = Level::none;
    Grid board{}, answers{};
};
DealtGame dealGame(double number, Generator& generator);

}  // namespace ninebox
